// The about box with its colour sweep, and the help command.
#include "ui/side/colour_sweep.h"
#include "ui/side/form2.h"
#include "ui/side/side_bench.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace quilvane {
namespace {

TEST(Form2Test, SweepRunsFromBlackToWhiteInSmallSteps) {
    const std::vector<Rgb> sweep = ColourSweep();
    ASSERT_EQ(sweep.size(), 768u);
    EXPECT_EQ(sweep.front(), (Rgb{0, 0, 0}));
    EXPECT_EQ(sweep[128], (Rgb{128, 0, 0}));
    EXPECT_EQ(sweep[129], (Rgb{129, 0, 0}));
    EXPECT_EQ(sweep.back(), (Rgb{255, 255, 255}));
    for (std::size_t i = 1; i < sweep.size(); ++i) {
        const Rgb a = sweep[i - 1];
        const Rgb b = sweep[i];
        EXPECT_LE(b.red - a.red + b.green - a.green + b.blue - a.blue, 1) << i;
        EXPECT_TRUE(b.red >= a.red && b.green >= a.green && b.blue >= a.blue) << i;
    }
}

TEST(Form2Test, ShowsNameAndControlsOnlyAfterTheSweepAndPauseEveryTime) {
    SideBench b;
    b.main->fore->setChecked(true);
    std::vector<QColor> backgrounds; // at each pause
    b.sleep.onDelay = [&backgrounds] {
        const auto* about = qobject_cast<Form2*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        backgrounds.push_back(about->palette().color(QPalette::Window));
        EXPECT_TRUE(about->Command1->isHidden() && about->Label1->isHidden() &&
                    about->Label2->isHidden());
    };
    for (const bool byOk : {true, false}) {
        b.WhileOpen<Form2>(&Form1::version_Click, [byOk](Form2& about) {
            EXPECT_EQ(about.Label1->text(), "Quilvane Ver 2.8");
            ASSERT_TRUE(QTest::qWaitFor([&] { return about.Command1->isVisible(); }));
            EXPECT_TRUE(about.Label1->isVisible() && about.Label2->isVisible());
            byOk ? about.Command1->click() : (void)about.close();
        });
    }
    EXPECT_EQ(backgrounds, std::vector<QColor>(2, Qt::white));
    EXPECT_EQ(b.sleep.delays, std::vector<int>(2, 300));
    EXPECT_EQ(b.Topmost(), (std::vector<bool>{false, true, false, true}));
}

TEST(HelpTest, OpensThePageBesideTheProgramOrSaysItIsMissing) {
    for (const bool present : {true, false}) {
        SideBench b;
        b.fakes.shell.succeed = present;
        b.main->tukaikata->trigger();
        ASSERT_EQ(b.fakes.shell.opened.size(), 1);
        EXPECT_EQ(b.fakes.shell.opened[0], QCoreApplication::applicationDirPath() + "/QV.html");
        EXPECT_EQ(b.fakes.messages.shown.size(), present ? 0u : 1u);
        if (!present) {
            EXPECT_EQ(b.fakes.messages.shown[0].text, QString::fromUtf8("QV.htmlがありません"));
            EXPECT_EQ(b.fakes.messages.shown[0].title, "Help File Not Found!");
            EXPECT_EQ(b.fakes.messages.shown[0].style, 16);
        }
        EXPECT_TRUE(b.Topmost().empty());
    }
}

} // namespace
} // namespace quilvane
