// The about box with its colour sweep, and the help command.
#include "ui/side/colour_sweep.h"
#include "ui/side/form2.h"
#include "ui/side/side_bench.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

namespace quilvane {
namespace {

// Six phases: red, green, blue each rise to 128 in turn, then blue, green, red each from 129 to
// 255; a finished phase leaves its channel one above its last value.
TEST(Form2Test, SweepRunsFromBlackToWhiteInSmallStepsPhaseByPhase) {
    const std::vector<Rgb> sweep = ColourSweep();
    ASSERT_EQ(sweep.size(), 768u);
    const std::pair<std::size_t, Rgb> phaseEnds[] = {
        {0, {0, 0, 0}},         {128, {128, 0, 0}},     // red up
        {129, {129, 0, 0}},     {257, {129, 128, 0}},   // green up
        {258, {129, 129, 0}},   {386, {129, 129, 128}}, // blue up
        {387, {129, 129, 129}}, {513, {129, 129, 255}}, // blue on to the top
        {514, {129, 129, 255}}, {640, {129, 255, 255}}, // green on to the top
        {641, {129, 255, 255}}, {767, {255, 255, 255}}, // red on to the top
    };
    for (const auto& [index, colour] : phaseEnds) {
        EXPECT_EQ(sweep[index], colour) << index;
    }
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

// The page is looked for in the program's own folder, whatever the working folder is: here the
// test program's folder, as the kernel names it.
TEST(HelpTest, OpensThePageBesideTheProgramOrSaysItIsMissing) {
    const std::filesystem::path page =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "QV.html";
    const QString workingFolder = QDir::currentPath();
    const QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    for (const bool present : {true, false}) {
        SideBench b;
        b.fakes.shell.succeed = present;
        b.main->tukaikata->trigger();
        ASSERT_EQ(b.fakes.shell.opened.size(), 1);
        EXPECT_EQ(b.fakes.shell.opened[0].toStdString(), page.string());
        EXPECT_EQ(b.fakes.messages.shown.size(), present ? 0u : 1u);
        if (!present) {
            EXPECT_EQ(b.fakes.messages.shown[0].text, QString::fromUtf8("QV.htmlがありません"));
            EXPECT_EQ(b.fakes.messages.shown[0].title, "Help File Not Found!");
            EXPECT_EQ(b.fakes.messages.shown[0].style, 16);
        }
        EXPECT_TRUE(b.Topmost().empty());
    }
    QDir::setCurrent(workingFolder);
}

} // namespace
} // namespace quilvane
