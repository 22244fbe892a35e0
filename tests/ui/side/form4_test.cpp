// The long text window: the main window's text over several lines and back, the closing routes
// that keep it, the preview and the placement.
#include "ui/main/list_combo_box.h"
#include "ui/side/form4.h"
#include "ui/side/side_bench.h"
#include "ui/side_window_placement.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

namespace quilvane {
namespace {

TEST(Form4Test, ShowsTagsAsLinesAndWritesLinesBackAsTags) {
    struct Row {
        const char* main;
        bool komoji;
        const char* shown; // the box's lines joined by "|", a mark as "#"
        const char* typed; // typed at the end, Enter as "\n", Shift+Enter as "\v"
        const char* back;
    };
    const Row rows[] = {
        {"Hello<br>World", false, "Hello|World", "", "Hello<BR>World"},
        {"a<Br>b<bR>c<BR>", true, "a|b|c|", "", "a<br>b<br>c<br>"},
        {"", false, "", "", ""},
        {"", true, "", "x\n\vy", "x<br><br>y"},
        {"a<br/>b<br class=\"z\">c", false, "a<br/>b<br class=\"z\">c", "\n",
         "a<br/>b<br class=\"z\">c<BR>"},
        // Characters the box would take for new lines are marks, and come back unchanged, also
        // with a letter typed right after one; their look-alikes are plain characters.
        {"1\r2\n3\n\r4<br>", true, "1#2#3##4|", "5", "1\r2\n3\n\r4<br>5"},
        {"x\u2028y\u2029z\uFDD0\r", false, "x#y#z##", "w", "x\u2028y\u2029z\uFDD0\rw"},
        {"\u240D\u240A\uFFFC", false, "\u240D\u240A\uFFFC", "", "\u240D\u240A\uFFFC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.main);
        SideBench b;
        b.main->Text1->setText(QString::fromUtf8(row.main));
        b.main->komoji->setChecked(row.komoji);
        b.WhileOpen<Form4>(&Form1::Command5_Click, [&row](Form4& window) {
            QString shown;
            for (QTextBlock block = window.Text1->document()->begin(); block.isValid();
                 block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextFragment fragment = it.fragment();
                    shown += fragment.charFormat().objectType() != 0
                                 ? QString(fragment.length(), u'#')
                                 : fragment.text();
                }
                shown += block.next().isValid() ? QStringLiteral("|") : QString();
            }
            EXPECT_EQ(shown, QString::fromUtf8(row.shown));
            window.Text1->moveCursor(QTextCursor::End);
            for (const QChar c : QString::fromUtf8(row.typed)) {
                if (c == u'\n' || c == u'\v') {
                    QTest::keyClick(window.Text1, Qt::Key_Return,
                                    c == u'\v' ? Qt::ShiftModifier : Qt::NoModifier);
                } else {
                    QTest::keyClicks(window.Text1, QString(c));
                }
            }
            window.Command1->click();
        });
        EXPECT_EQ(b.main->Text1->text(), QString::fromUtf8(row.back));
        EXPECT_EQ(b.Topmost(), (std::vector<bool>{false, false}));
    }
}

TEST(Form4Test, EveryWayOfClosingWithoutOkKeepsTheTextAndRestoresTheZOrder) {
    const std::pair<const char*, std::function<void(Form4&)>> routes[] = {
        {"Cancel", [](Form4& window) { window.Command2->click(); }},
        {"Esc", [](Form4& window) { QTest::keyClick(window.Text1, Qt::Key_Escape); }},
        {"close box", [](Form4& window) { window.close(); }},
    };
    for (const auto& [route, close] : routes) {
        SCOPED_TRACE(route);
        SideBench b;
        b.main->Text1->setText(QStringLiteral("keep<br>me"));
        b.main->fore->setChecked(true);
        b.WhileOpen<Form4>(&Form1::Command5_Click, [&close = close](Form4& window) {
            window.Text1->setPlainText(QStringLiteral("changed"));
            close(window);
        });
        EXPECT_EQ(b.main->Text1->text(), QStringLiteral("keep<br>me"));
        EXPECT_EQ(b.Topmost(), (std::vector<bool>{false, true}));
    }
}

TEST(Form4Test, PreviewsTheMainWindowsTextInItsLook) {
    SideBench b;
    b.module.reg_Check2 = true;
    b.main->ime->setChecked(false); // toggled since start-up: not looked at
    b.main->Check2->click();
    b.main->Check3->click();
    b.main->Combo2->setTextAsProgram(QStringLiteral("Noto Serif"));
    b.main->Combo2_Click();
    b.WhileOpen<Form4>(&Form1::Command5_Click, [&b](Form4& window) {
        const QFont font = window.Text1->font();
        EXPECT_EQ(font.families().value(0), QStringLiteral("Noto Serif"));
        EXPECT_TRUE(font.bold());
        EXPECT_TRUE(font.italic());
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
        EXPECT_EQ(window.Text1->palette().color(QPalette::Text), QColor(255, 128, 0));
        EXPECT_EQ(window.width(), b.main->width());
        window.close();
    });
}

TEST(Form4Test, OpensBelowTheMainWindowAndStaysOnTheScreen) {
    struct Row {
        int mainTop, mainLeft, expectedLeft, expectedTop;
    };
    // A 4860 x 2500 window on a 19200 x 12000 screen.
    const Row rows[] = {
        {1000, 2000, 2000, 2000},     // 1000 below, same left
        {9000, 2000, 2000, 9500},     // flush with the bottom
        {-3000, 15000, 14340, -2000}, // flush with the right; no top clamp
        {1000, -700, 0, 2000},        // left of the screen
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LongTextPlacement(row.mainTop, row.mainLeft, 4860, 2500, 19200, 12000),
                  QPoint(row.expectedLeft, row.expectedTop))
            << row.mainTop << "," << row.mainLeft;
    }
}

} // namespace
} // namespace quilvane
