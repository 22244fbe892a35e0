// The favourites window: the rows it shows, the repair of a faulty slot, Save, Call and the main
// window's z-order around it.
#include "ui/favourites/form3.h"
#include "ui/window_bench.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace quilvane {
namespace {

// A row's captions and swatch: "7,0,255 #0700ff".
QString Row(const Form3& form, int row) {
    return form.R[row]->text() + "," + form.G[row]->text() + "," + form.B[row]->text() + " " +
           form.Color[row]->palette().color(QPalette::Window).name();
}

// The other slots keep their colours, shown without leading zeros; a tenth character is ignored.
// The message comes once the main window has left the always-on-top band, in front of the main
// window (the favourites window is not shown yet); an unwritable store is reported as such, not
// as restored.
TEST(Form3Test, FaultySlotIsRepairedAloneWithOneMessage) {
    // A missing key reads as the empty text.
    for (const auto& [stored, message] :
         {std::pair{"12a000255", "Regstory Error: レジストリ異常です。初期値に戻しました (16)"},
          {"",
           "Regstory Error: レジストリに書き込めませんでした。設定は保存されていません (16)"}}) {
        const bool writable = *stored != '\0';
        SCOPED_TRACE(testing::Message() << stored << (writable ? "" : " unwritable"));
        Bench b;
        b.Store("Check4=True fav4=1280602559 fav6=007000255");
        b.Start();
        b.fakes.store.values["fav5"] = stored; // spoilt while the program runs
        b.fakes.store.failWrites = !writable;
        std::vector<bool> topmostAtMessage;
        b.fakes.messages.onShow = [&b, &topmostAtMessage] { topmostAtMessage = b.Topmost(); };
        b.WhileOpen<Form3>("Command1", [&b, message = message](Form3& form) {
            EXPECT_EQ(b.fakes.store.writes,
                      (decltype(b.fakes.store.writes){{"fav5", "255255000"}}));
            EXPECT_EQ(Row(form, 4) + " " + Row(form, 5) + " " + Row(form, 6),
                      "128,60,255 #803cff 255,255,0 #ffff00 7,0,255 #0700ff");
            EXPECT_EQ(b.Messages(), std::vector<std::string>{message});
            EXPECT_EQ(b.fakes.messages.owners.at(0), b.main.get());
            Act(form, "Command1");
        });
        EXPECT_EQ(topmostAtMessage, (std::vector<bool>{true, false}));
    }
}

// The question belongs to the favourites window; the row changes only once the slot is stored.
TEST(Form3Test, SaveAsksWhileConfirmationsAreOnAndReportsAFailedWrite) {
    Bench b;
    b.Store("Last_Color=007000255");
    b.Start();
    b.WhileOpen<Form3>("Command1", [&b](Form3& form) {
        const std::string question =
            "上書き確認: お気に入りデータ １０ を書き換えます。よろしいですか？ (260)";
        const std::string failed = "Regstory Error: お気に入りデータを保存できませんでした (16)";
        b.fakes.messages.answers = {MessageBox::kNo};
        Act(form, "Command3_10");
        EXPECT_EQ(b.Messages(), std::vector<std::string>{question});
        EXPECT_EQ(b.fakes.messages.owners.at(0), &form);
        EXPECT_EQ(Row(form, 10), "40,216,40 #28d828");

        b.Do("dialog"); // confirmations off: no question, only the failure
        b.fakes.store.failWrites = true;
        Act(form, "Command3_10");
        EXPECT_EQ(b.Messages(), (std::vector<std::string>{question, failed}));
        EXPECT_EQ(Row(form, 10) + " " + b.fakes.store.values["fav10"].c_str(),
                  "40,216,40 #28d828 040216040");

        b.fakes.store.failWrites = false;
        Act(form, "Command3_10");
        EXPECT_EQ(b.Messages().size(), 2u);
        EXPECT_EQ(Row(form, 10) + " " + b.fakes.store.values["fav10"].c_str(),
                  "7,0,255 #0700ff 007000255");

        Act(form, "Command1");
    });
}

// Call sets red, then green, then blue, each running the main window's colour handling, and
// leaves the focus on the main window's Save button. The window is kept on the screen.
TEST(Form3Test, EveryRouteOutGivesTheMainWindowItsBandBack) {
    const struct {
        const char* route;
        QStringList steps; // each bar that changed, with the code it left
    } routes[] = {{"Command1", {}},
                  {"Command2_3", {"HScroll1 078080", "HScroll2 070080", "HScroll3 0700FF"}},
                  {"close box", {}}};
    for (const auto& r : routes) {
        for (const bool fore : {true, false}) {
            SCOPED_TRACE(testing::Message() << r.route << " fore " << fore);
            Bench b;
            b.Store(fore ? "Check4=True fav3=007000255" : "fav3=007000255");
            b.Start();
            b.main->move(-67, 600); // low and left: the window is pushed onto the screen
            QStringList steps;
            for (const char* name : {"HScroll1", "HScroll2", "HScroll3"}) {
                QObject::connect(
                    &b.Control<QScrollBar>(name), &QScrollBar::valueChanged, [&steps, &b, name] {
                        steps.append(name + (" " + b.Control<QLineEdit>("Text2").text()));
                    });
            }
            std::vector<bool> topmostWhileOpen;
            b.WhileOpen<Form3>("Command1", [&](Form3& favourites) {
                topmostWhileOpen = b.Topmost();
                EXPECT_EQ(favourites.focusWidget(), favourites.Command1);
                EXPECT_EQ(favourites.frameGeometry().bottomLeft(), QPoint(0, 799));
                Act(favourites, r.route);
            });
            EXPECT_EQ(topmostWhileOpen, (std::vector<bool>{fore, false}));
            EXPECT_EQ(b.Topmost(), (std::vector<bool>{fore, false, fore}));
            EXPECT_EQ(steps, r.steps);
            EXPECT_EQ(b.main->focusWidget() == &b["Command4"], !r.steps.isEmpty());
        }
    }
}

} // namespace
} // namespace quilvane
