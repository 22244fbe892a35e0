// The long text window: the main window's text over several lines and back, the closing routes
// that keep it, and the preview.
#include "ui/side/form4.h"
#include "ui/window_bench.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace quilvane {
namespace {

// The box's lines joined by "|", a mark shown as "#".
QString Lines(const QPlainTextEdit& box) {
    QString shown;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            shown += fragment.charFormat().objectType() != 0 ? QString(fragment.length(), u'#')
                                                             : fragment.text();
        }
        shown += block.next().isValid() ? QStringLiteral("|") : QString();
    }
    return shown;
}

TEST(Form4Test, ShowsTagsAsLinesAndWritesLinesBackAsTags) {
    const struct {
        const char *main, *komoji, *shown;
        const char* typed; // at the end
        const char* back;
    } rows[] = {
        {"Hello<br>World", "False", "Hello|World", "", "Hello<BR>World"},
        {"a<Br>b<bR>c<BR>", "True", "a|b|c|", "", "a<br>b<br>c<br>"},
        {"", "True", "", ":X, :Return, :Shift+Return, :Y", "x<br><br>y"},
        // Characters the box would take for new lines are marks, and come back unchanged, also
        // with a letter typed right after one; their look-alikes are plain characters.
        {"1\r2\n3\n\r4<br>", "True", "1#2#3##4|", ":5", "1\r2\n3\n\r4<br>5"},
        {"x\u2028y\u2029z\uFDD0\r", "False", "x#y#z##", ":W", "x\u2028y\u2029z\uFDD0\rw"},
        {"\u240D\u240A\uFFFC", "False", "\u240D\u240A\uFFFC", "", "\u240D\u240A\uFFFC"},
        // A copied mark is the character it stands for; pasted, a line end is a line break.
        {"a\rb\u2028c<br>d", "False", "a#b#c|d", ":Ctrl+A, :Ctrl+C, :Ctrl+End, :Ctrl+V",
         "a\rb\u2028c<BR>da<BR>b<BR>c<BR>d"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.main);
        Bench b;
        b.Store((std::string("Check1=") + row.komoji).c_str());
        b.Start();
        auto& text = b.Control<QLineEdit>("Text1");
        text.setText(QString::fromUtf8(row.main));
        b.WhileOpen<Form4>("Command5", [&row](Form4& window) {
            EXPECT_EQ(Lines(*window.Text1), QString::fromUtf8(row.shown));
            window.Text1->setFocus();
            window.Text1->moveCursor(QTextCursor::End);
            Act(window, row.typed);
            Act(window, "Command1");
        });
        EXPECT_EQ(text.text(), QString::fromUtf8(row.back));
        EXPECT_EQ(b.Topmost(), (std::vector<bool>{false, false, false}));
    }
}

// It opens 1000 twips below the main window, at its left edge.
TEST(Form4Test, EveryWayOfClosingWithoutOkKeepsTheTextAndRestoresTheZOrder) {
    for (const char* route : {"Command2", "Text1:Esc", "close box"}) {
        SCOPED_TRACE(route);
        Bench b;
        b.Store("Check4=True top=1200 left=3000");
        b.Start();
        b.Do("Text1=keep<br>me");
        b.WhileOpen<Form4>("Command5", [route](Form4& window) {
            EXPECT_EQ(window.pos(), QPoint(200, 147));
            Act(window, "Text1:X");
            Act(window, route);
        });
        EXPECT_EQ(b.Control<QLineEdit>("Text1").text(), "keep<br>me");
        EXPECT_EQ(b.Topmost(), (std::vector<bool>{true, false, true}));
    }
}

// Bold and italic are the check boxes' (the stored ime option, also "Check2", is not looked at).
TEST(Form4Test, PreviewsTheMainWindowsTextInItsLook) {
    Bench b;
    b.Store("Last_Color=255128000 Check2=True");
    b.Start();
    b.Do("Combo2:Down, :Down"); // the second face
    for (const auto& [step, look] : {std::pair{"Check3", "italic"}, {"Check2", "bold italic"}}) {
        b.Do(step);
        b.WhileOpen<Form4>("Command5", [&b, look = look](Form4& window) {
            const QFont font = window.Text1->font();
            EXPECT_EQ(QString(font.bold() ? "bold " : "") + (font.italic() ? "italic" : ""), look);
            EXPECT_EQ(font.families().value(0), "Noto Serif");
            EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
            EXPECT_EQ(window.Text1->palette().color(QPalette::Text), QColor(255, 128, 0));
            EXPECT_EQ(window.width(), b.main->width());
            window.close();
        });
    }
}

} // namespace
} // namespace quilvane
