// The about box with its colour sweep, and the help command.
#include "ui/side/form2.h"
#include "ui/window_bench.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>

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

// The page is looked for in the program's own folder, whatever the working folder is: here the
// test program's folder, as the kernel names it.
TEST(HelpTest, OpensThePageBesideTheProgramOrSaysItIsMissing) {
    const std::filesystem::path page =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "QV.html";
    const QString workingFolder = QDir::currentPath();
    const QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    for (const bool present : {true, false}) {
        Bench b;
        b.Start();
        b.fakes.shell.succeed = present;
        b.Do("tukaikata");
        ASSERT_EQ(b.fakes.shell.opened.size(), 1);
        EXPECT_EQ(b.fakes.shell.opened[0].toStdString(), page.string());
        EXPECT_EQ(b.Messages(),
                  std::vector<std::string>(present ? 0 : 1,
                                           "Help File Not Found!: QV.htmlがありません (16)"));
        EXPECT_EQ(b.Topmost(), std::vector<bool>{false});
    }
    QDir::setCurrent(workingFolder);
}

} // namespace
} // namespace quilvane
