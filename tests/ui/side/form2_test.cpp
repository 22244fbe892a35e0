// The about box with its colour sweep, and the help command.
#include "ui/side/form2.h"
#include "ui/window_bench.h"

#include <QLabel>
#include <QPushButton>

namespace quilvane {
namespace {

TEST(Form2Test, ShowsNameAndControlsOnlyAfterTheSweepAndPauseEveryTime) {
    Bench b;
    b.Store("Check4=True");
    b.Start();
    std::vector<QColor> backgrounds; // at each pause
    b.fakes.sleep.onDelay = [&backgrounds] {
        const auto* about = qobject_cast<Form2*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        backgrounds.push_back(about->palette().color(QPalette::Window));
        EXPECT_TRUE(about->Command1->isHidden() && about->Label1->isHidden() &&
                    about->Label2->isHidden());
    };
    for (const bool byOk : {true, false}) {
        b.WhileOpen<Form2>("version", [byOk](Form2& about) {
            EXPECT_EQ(about.Label1->text(), "Quilvane Ver 2.8");
            ASSERT_TRUE(QTest::qWaitFor([&] { return about.Command1->isVisible(); }));
            EXPECT_TRUE(about.Label1->isVisible() && about.Label2->isVisible());
            Act(about, byOk ? "Command1" : "close box");
        });
    }
    EXPECT_EQ(backgrounds, std::vector<QColor>(2, Qt::white));
    EXPECT_EQ(b.fakes.sleep.delays, std::vector<int>(2, 300));
    EXPECT_EQ(b.Topmost(), (std::vector<bool>{true, false, true, false, true}));
}

// A missing page is reported (the real program opening the page beside it is an end-to-end step).
TEST(HelpTest, SaysThePageIsMissing) {
    Bench b;
    b.Start();
    b.fakes.shell.succeed = false;
    b.Do("tukaikata");
    EXPECT_EQ(b.Messages(),
              std::vector<std::string>{"Help File Not Found!: QV.htmlがありません (16)"});
    EXPECT_EQ(b.Topmost(), std::vector<bool>{false});
}

} // namespace
} // namespace quilvane
