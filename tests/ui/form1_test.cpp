// The main window on the offscreen platform with fake services, driven by its controls, keys and
// menu items: start-up state, colour mixer, markup, keys, placement and the save at shutdown.
#include "ui/main/list_combo_box.h"
#include "ui/window_bench.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QScrollBar>

namespace quilvane {
namespace {

// The text a label, box or list box shows.
QString TextOf(const Bench& b, const char* name) {
    return b[name].property(qobject_cast<QComboBox*>(&b[name]) ? "currentText" : "text").toString();
}

// The mixer as shown: the three values, the code, its box's width in pixels and the preview's
// colour, as "128 128 128 808080 57 #808080".
std::string Mixer(const Bench& b) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(TextOf(b, "Label1"), TextOf(b, "Label2"), TextOf(b, "Label3"), TextOf(b, "Text2"),
             QString::number(b["Text2"].width()),
             b["Text1"].palette().color(QPalette::Text).name().toUpper())
        .toStdString();
}

TEST(Form1Test, StartUpShowsWhatIsStored) {
    enum Store { kFull, kEmpty };
    const struct {
        const char* what;
        Store store;
        const char* stored; // over the complete set
        const char* message;
        std::string mixer;
        std::string marks; // code, komoji, dialog, ime, fore, the size and the face
    } rows[] = {
        {"first run", kEmpty, "", "Regstory Write: レジストリを新規(追加)書き込みました (64)",
         "128 128 128 808080 57 #808080", "00110 なし なし"},
        {"colour, code with #", kFull, "Last_Color=040216040 Check5=True", "",
         "40 216 40 #28D828 65 #28D828", "10110 なし なし"},
        {"options", kFull, "Check1=True Check2=False Check3=False Check4=True font=Noto", "",
         "128 128 128 808080 57 #808080", "01001 なし Noto"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Bench b;
        if (row.store == kEmpty) {
            b.fakes.store.values.clear();
        }
        b.Store(row.stored);
        b.Start();
        EXPECT_EQ(b.Messages(), std::vector<std::string>(*row.message ? 1 : 0, row.message));
        EXPECT_EQ(b.main->windowTitle() + " " + TextOf(b, "Text1"),
                  "Quilvane Ver2.8 Quilvane Ver2.8");
        EXPECT_EQ(Mixer(b), row.mixer);
        std::string marks;
        for (const char* item : {"code", "komoji", "dialog", "ime", "fore"}) {
            marks += Get<QAction>(*b.main, item).isChecked() ? '1' : '0';
        }
        EXPECT_EQ(marks + " " + (TextOf(b, "Combo1") + " " + TextOf(b, "Combo2")).toStdString(),
                  row.marks);
        EXPECT_EQ(b.Topmost(), std::vector<bool>{row.marks[4] == '1'});
        EXPECT_EQ(b.Control<QComboBox>("Combo2").count(), 4); // なし and the three faces
        EXPECT_FALSE(b["Command2"].isEnabled() || b["Command6"].isEnabled());
        EXPECT_EQ(b["client"].size(), QSize(316, 219));
    }
}

// Each bar, menu item or option changes only what it should; every code the box showed is kept.
TEST(Form1Test, MixerFollowsBarsFixedColoursAndTheCodeOption) {
    const struct {
        const char *what, *before, *steps;
        QStringList codes;
        std::string mixer;
    } rows[] = {
        {"Right on R", "", "HScroll1:Right", {"818080"}, "129 128 128 818080 57 #818080"},
        {"black", "", "black", {"008080", "000080", "000000"}, "0 0 0 000000 57 #000000"},
        {"red from white", "white", "red", {"FF00FF", "FF0000"}, "255 0 0 FF0000 57 #FF0000"},
        {"code on", "", "code", {"#808080"}, "128 128 128 #808080 65 #808080"},
        {"yellow, code on",
         "code",
         "yellow",
         {"#FF8080", "#FFFF80", "#FFFF00"},
         "255 255 0 #FFFF00 65 #FFFF00"},
        {"code off", "code", "code", {"808080"}, "128 128 128 808080 57 #808080"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Bench b;
        b.Start();
        b.Do(row.before);
        QStringList codes;
        QObject::connect(&b.Control<QLineEdit>("Text2"), &QLineEdit::textChanged,
                         [&codes](const QString& text) { codes.append(text); });
        b.Do(row.steps);
        EXPECT_EQ(codes, row.codes);
        EXPECT_EQ(Mixer(b), row.mixer);
    }
}

// A code typed into the code box, applied by Return, Tab, Ctrl+S or Ctrl+A, or a colour picked
// from the screen sets the bars; a text that is no code or a cancelled pick leave them. While
// picking only the preview follows the pointer, and the window leaves the always-on-top band.
TEST(Form1Test, ColourFromATypedCodeOrTheScreen) {
    const struct {
        const char *what, *steps;
        std::optional<Rgb> picked; // for a pick: the colour clicked, or cancelled
        std::string mixer, clipboard;
    } rows[] = {
        {"Return, short form", "Text2= #f80 , :Return", {}, "255 136 0 FF8800 57 #FF8800", ""},
        {"Tab, code option", "code, Text2=00aabb, :Tab", {}, "0 170 187 #00AABB 65 #00AABB", ""},
        {"no code", "Text2=#80808, :Tab", {}, "128 128 128 808080 57 #808080", ""},
        {"Ctrl+S, then Ctrl+A with no code",
         "Text1=x, Text2=0f0, :Ctrl+S, Text2=red, :Ctrl+A",
         {},
         "0 255 0 00FF00 57 #00FF00",
         R"(<FONT COLOR = "00FF00">x</FONT><FONT COLOR = "00FF00">x</FONT>)"},
        {"picked", "pick", Rgb{58, 110, 165}, "58 110 165 3A6EA5 57 #3A6EA5", ""},
        {"pick cancelled", "pick", {}, "128 128 128 808080 57 #808080", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Bench b;
        b.Store("Check4=True");
        b.Start();
        b.Do(row.steps);
        if (const auto done = std::exchange(b.fakes.picker.done, nullptr)) {
            b.fakes.picker.preview({10, 20, 30});
            EXPECT_EQ(Mixer(b), "128 128 128 808080 57 #0A141E");
            EXPECT_EQ(b.Topmost(), (std::vector<bool>{true, false}));
            done(row.picked);
        }
        EXPECT_EQ(Mixer(b), row.mixer);
        EXPECT_EQ(b.fakes.clipboard.content.toStdString(), row.clipboard);
        EXPECT_TRUE(b.Topmost().back());
    }
}

// Whether a pick can be made is asked when Kotei first opens, not at start; without a way to
// pick the item is disabled.
TEST(Form1Test, ScreenPickAskedForWhenKoteiFirstOpens) {
    Bench b;
    b.Start();
    EXPECT_TRUE(b.Control<QAction>("pick").isEnabled());
    emit b.Control<QMenu>("Kotei").aboutToShow();
    EXPECT_FALSE(b.Control<QAction>("pick").isEnabled());
}

// What the user's steps leave on the clipboard and in the text, size and face boxes.
TEST(Form1Test, MarkupAndKeys) {
    const struct {
        const char *what, *steps,
            *shown; // the text, size and face, a dropped-down list, AddSave on
        std::string clipboard;
    } rows[] = {
        {"Save", "Text1=Hello, Command4", "Hello なし なし AddSave",
         R"(<FONT COLOR = "808080">Hello</FONT>)"},
        {"typed size, marquee, centred", "Text1=x, Combo1=+1, Check1, Check4, Command4",
         "x +1 なし",
         R"(<CENTER><FONT COLOR = "808080" SIZE = "+1"><MARQUEE>x</MARQUEE></FONT></CENTER>)"},
        // A size or face typed keeps no list position when the focus leaves, even when it
        // reads like a list item: a typed "なし" is written, a typed face is not previewed.
        {"typed none and face",
         "Text1=x, Combo1:Down, Combo1=なし, :Tab, Combo2=Noto Serif, :Tab, Command4",
         "x なし Noto Serif AddSave",
         R"(<FONT COLOR = "808080" SIZE = "なし" FACE = "Noto Serif">x</FONT>)"},
        {"emptied boxes read none", "Combo1=, :Tab, Combo2=, :Tab, Command4",
         "Quilvane Ver2.8 なし なし AddSave", R"(<FONT COLOR = "808080">Quilvane Ver2.8</FONT>)"},
        {"an arrow picks from the list", "Combo1=7, :Tab, Combo1:Down", "Quilvane Ver2.8 1 なし",
         ""},
        {"Ctrl+S with Shift or Alt", "Text1=Hi, :Ctrl+Shift+S, :Ctrl+Alt+S, Text1=Hi",
         "Hi なし なし", ""},
        // Ctrl with a letter runs its button, enabled or not, and edits nothing.
        {"Ctrl+A runs AddSave", "Text1=abc, :Home, :Right, :Ctrl+A, :X", "axbc なし なし AddSave",
         R"(<FONT COLOR = "808080">abc</FONT>)"},
        {"Alt with a letter types nothing",
         "Text1=abc, :Alt+A, :Alt+D, :Alt+Q, :Alt+X, Combo1:Alt+Shift+A, :Alt+Shift+X",
         "abc なし なし", ""},
        {"Ctrl in a box and its dropped-down list",
         "Text1=x, Combo1:Down, :Ctrl+A, :5, Combo2:Alt+Down, :Ctrl+S", "x 15 なし AddSave",
         R"(<FONT COLOR = "808080" SIZE = "15">x</FONT>)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Bench b;
        b.Start();
        const QStringList previewFaces = b["Text1"].font().families();
        b.Do(row.steps);
        QString shown = TextOf(b, "Text1") + " " + TextOf(b, "Combo1") + " " + TextOf(b, "Combo2");
        for (const char* box : {"Combo1", "Combo2"}) {
            shown += b.Control<QComboBox>(box).view()->isVisible() ? " dropped down" : "";
        }
        shown += b["Command2"].isEnabled() ? " AddSave" : "";
        EXPECT_EQ(shown, QString::fromUtf8(row.shown));
        EXPECT_EQ(b.fakes.clipboard.content.toStdString(), row.clipboard);
        EXPECT_EQ(b["Text1"].font().families(), previewFaces);
    }
}

// The empty text asks first while confirmations are on; a declined question leaves the
// clipboard as it was. A long text is kept whole.
TEST(Form1Test, SaveAddSaveAndTheEmptyTextQuestion) {
    Bench b;
    b.Start();
    const QString text = QStringLiteral("line<BR>").repeated(128 * 1024); // 1 MiB
    b.Control<QLineEdit>("Text1").setText(text);
    b.Do("Command4, Command2");
    const QString saved = "<FONT COLOR = \"808080\">" + text + "</FONT>";
    EXPECT_EQ(b.fakes.clipboard.content, saved + saved);

    b.fakes.messages.answers = {MessageBox::kNo, MessageBox::kNo};
    b.Do("Text1=, Command4, :Ctrl+A");
    EXPECT_EQ(b.fakes.clipboard.content, saved + saved);
    EXPECT_EQ(b.Messages(), std::vector<std::string>(
                                2, "確認: 文字が入力されていませんがよろしいですか？ (260)"));
    b.Do("dialog, Command4");
    EXPECT_EQ(b.fakes.clipboard.content, "<FONT COLOR = \"808080\">");
    EXPECT_EQ(b.Messages().size(), 2u);
}

// Tab leads from the text to Save, Exit and the bars, whose focus shows; the bars follow the
// keys as a slider does, and the wheel turned away from the user or tilted to the right. The
// wheel over a size or face box leaves it alone unless the box has the focus.
TEST(Form1Test, TabBarsKeysAndTheWheel) {
    Bench b;
    b.Start();
    QScrollBar& bar = b.Control<QScrollBar>("HScroll1");
    const QImage unfocused = bar.grab().toImage();
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        b.Do(":Tab");
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited.join(' '), "Command4 Command3 HScroll1 HScroll2 HScroll3");
    b.Do("HScroll1:Home");
    EXPECT_NE(bar.grab().toImage(), unfocused);
    for (const QString step : {"End 255", "Left 254", "Up 253", "Home 0", "Right 1", "Down 2",
                               "PgDown 12", "PgUp 2"}) { // a key, the value it leaves
        b.Do(":" + step.section(' ', 0, 0));
        EXPECT_EQ(QString::number(bar.value()), step.section(' ', 1)) << step.toStdString();
    }
    EXPECT_EQ(Mixer(b), "2 128 128 028080 57 #028080");
    for (const auto& [angle, raises] :
         {std::pair{QPoint(0, 120), true}, {QPoint(0, -120), false}, {QPoint(-120, 0), true}}) {
        b.Do(":Home, :PgDown");
        TurnWheel(bar, angle); // Qt gives a tilt to the right as negative
        EXPECT_EQ(bar.value() > 10, raises) << angle.x() << "," << angle.y();
    }
    for (const char* box : {"Combo1", "Combo2"}) { // while the bar has the focus
        TurnWheel(b[box], {0, -120});
        EXPECT_EQ(b.Control<QComboBox>(box).currentIndex(), 0) << box;
    }
    b.Do("Combo2:Home");
    TurnWheel(b["Combo2"], {0, -120});
    EXPECT_EQ(b.Control<QComboBox>("Combo2").currentIndex(), 1);
}

// Two screens side by side, the second one shorter: a stored position partly on either screen
// is kept; one wholly off both, also inside their bounding box, opens at the origin. The
// placement commands go to the edges and back there.
TEST(Form1Test, PlacementOnStartAndByTheCommands) {
    const struct {
        const char* stored;
        QPoint opened;
    } rows[] = {{"left=2147483647 top=-2147483647", {0, 0}},
                {"left=22500 top=1500", {1500, 100}}, // on the second screen
                {"left=0 top=11850", {0, 790}},       // the top strip on the first
                {"left=34560 top=0", {0, 0}},         // right of both
                {"left=22500 top=11700", {0, 0}}};    // below the second
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        Bench b;
        b.fakes.screen.screens = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1024, 768)};
        b.Store(row.stored);
        b.Start();
        EXPECT_EQ(b.main->pos(), row.opened);
        b.Do("right_l");
        EXPECT_EQ(b.main->frameGeometry().topRight(), QPoint(1279, 0));
        b.Do("first");
        EXPECT_EQ(b.main->pos(), row.opened);
        b.fakes.screen.width = 1500; // narrower than the window: its left edge goes off the screen
        b.Do("right_l");
        EXPECT_EQ(b.main->frameGeometry().topRight(), QPoint(99, 0));
        b.Do("left_l");
        EXPECT_EQ(b.main->pos(), QPoint(0, 0));
    }
}

TEST(Form1Test, ClosingAsksWhileConfirmationsAreOnAndWritesWhatIsShown) {
    Bench b;
    b.Store("Check4=True");
    b.Start();
    b.Do("fore, green, HScroll1:Right, komoji");
    b.Control<ListComboBox>("Combo2").setTextAsProgram({}); // stored as none
    b.main->move(200, 80);
    b.fakes.messages.answers = {MessageBox::kNo};
    b.Do("Command3");
    EXPECT_TRUE(b.main->isVisible());
    EXPECT_TRUE(b.fakes.store.writes.empty());
    EXPECT_EQ(b.Messages(), std::vector<std::string>{"終了？: Quilvaneを終了しますか？ (36)"});
    b.Do("exit");
    EXPECT_FALSE(b.main->isVisible());
    std::string writes;
    for (const auto& [key, value] : b.fakes.store.writes) {
        writes += key + "=" + value + " ";
    }
    EXPECT_EQ(writes, "Check1=True Check2=True Check3=True Check4=False Check5=False top=1200 "
                      "left=3000 font=なし Last_Color=001255000 ");
    EXPECT_EQ(b.Topmost(), (std::vector<bool>{true, false}));
}

// Both text boxes take the ime option's mode as stored at start; toggling the option during the
// run changes neither.
TEST(Form1Test, TextBoxesTakeTheInputMethodModeStoredAtStart) {
    const char* const rows[][3] = {{"Check2=False", "", "Form1.Text1 0, Form4.Text1 0"},
                                   {"Check2=True", "ime", "Form1.Text1 1, Form4.Text1 1"}};
    for (const auto& [stored, steps, modes] : rows) {
        SCOPED_TRACE(stored);
        Bench b;
        b.Store(stored);
        b.Start();
        b.Do(steps);
        b.WhileOpen<QWidget>("Command5", [](QWidget& window) { Act(window, "Command2"); });
        EXPECT_EQ(b.fakes.inputMethod.modes.join(", "), modes);
    }
}

} // namespace
} // namespace quilvane
