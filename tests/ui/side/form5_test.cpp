// The marquee options window: its defaults, the choices kept after Ok and dropped by the close
// box, the width ranges, the attribute texts and the composed marquee tag.
#include "ui/side/form5.h"
#include "ui/side/inverted_scroll_bar.h"
#include "ui/side/side_bench.h"
#include "ui/user_input.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace quilvane {
namespace {

// What the window shows, in one line: direction, delay box/bar, amount box/bar, behaviour,
// width ticked, width box/bar/top, enabled, percent.
std::string Shown(const Form5& w) {
    const auto selected = [](const auto& options) {
        return QString::number(std::ranges::find_if(options, &QRadioButton::isChecked) -
                               options.begin());
    };
    const auto bar = [](const QLineEdit* box, const QScrollBar* bar) {
        return box->text() + "/" + QString::number(bar->value());
    };
    return QStringList{selected(w.Option1),
                       bar(w.Text1, w.VScroll1),
                       bar(w.Text2, w.VScroll2),
                       selected(w.Option2),
                       w.Check2->isChecked() ? "on" : "off",
                       bar(w.Text3, w.VScroll3) + "/" + QString::number(w.VScroll3->maximum()),
                       w.Text3->isEnabled() && w.VScroll3->isEnabled() ? "enabled" : "disabled",
                       selected(w.Option3)}
        .join(' ')
        .toStdString();
}

const std::string kDefaults = "0 90/90 6/6 0 off 100/100/100 disabled 0";

std::vector<std::string> Attributes(const Module1& m) {
    return {m.MarqueeDirection, m.MarqueeScrollAmount, m.MarqueeScrollDelay, m.MarqueeBehavior,
            m.MarqueeWidth};
}

TEST(Form5Test, OkAtOnceStoresTheDefaultsAndTheTagCarriesThemInEitherCase) {
    SideBench b;
    b.main->Check1->click(); // Marquee
    b.main->Text1->setText(QStringLiteral("Hi"));
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        EXPECT_EQ(Shown(w), kDefaults);
        EXPECT_EQ(w.focusWidget(), w.Command1);
        w.Command1->click();
    });
    EXPECT_EQ(Attributes(b.module),
              (std::vector<std::string>{R"( direction = "left")", R"( scrollamount = "6")",
                                        R"( scrolldelay = "90")", R"( behavior = "scroll")", ""}));
    const auto tag = [&b](bool small) {
        b.main->komoji->setChecked(small);
        b.main->ComposeMarkup(b.main->Text1->text());
        const QString markup = b.fakes.clipboard.content;
        const qsizetype start = markup.indexOf(small ? "<marquee" : "<MARQUEE");
        return markup.mid(start, markup.indexOf('>', start) + 1 - start).toStdString();
    };
    EXPECT_EQ(tag(true), R"(<marquee direction = "left" scrollamount = "6" scrolldelay = "90")"
                         R"( behavior = "scroll">)");
    EXPECT_EQ(tag(false), R"(<MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90")"
                          R"( BEHAVIOR = "SCROLL">)");
}

TEST(Form5Test, ReopeningAfterOkKeepsEveryChoiceAndAfterTheCloseBoxShowsTheDefaults) {
    SideBench b;
    b.main->fore->setChecked(true);
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        w.Option1[1]->click();
        w.Text1->setText(QStringLiteral("150")); // typed: the bar stays
        w.Text2->clear();                        // empty: the default comes back
        w.Option2[1]->click();
        w.Check2->click();
        w.Option3[1]->click();
        w.VScroll3->setValue(320);
        w.Command1->click();
    });
    const std::string chosen = "1 150/90 6/6 1 on 320/320/32767 enabled 1";
    EXPECT_EQ(Attributes(b.module),
              (std::vector<std::string>{R"( direction = "right")", R"( scrollamount = "6")",
                                        R"( scrolldelay = "150")", R"( behavior = "slide")",
                                        R"( width = "320")"}));
    b.WhileOpen<Form5>(&Form1::Command6_Click, [&chosen](Form5& w) {
        EXPECT_EQ(Shown(w), chosen);
        w.Option2[2]->click();
        w.close();
    });
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        EXPECT_EQ(Shown(w), kDefaults);
        w.close();
    });
    // The close box stores nothing, and restores the z-order as Ok does.
    EXPECT_EQ(b.module.MarqueeBehavior, R"( behavior = "slide")");
    EXPECT_EQ(b.Topmost(), (std::vector<bool>{false, true, false, true, false, true}));
}

TEST(Form5Test, WidthRangesFollowPercentOrPixelsAndAnEmptyBoxWritesTheDefault) {
    SideBench b;
    b.WhileOpen<Form5>(&Form1::Command6_Click, [&b](Form5& w) {
        w.Check2->click();
        w.Option3[1]->click();
        w.VScroll3->setValue(500);
        EXPECT_EQ(w.Text3->text(), "500");
        w.Option3[0]->click(); // percent: the bar clamps, the box follows at once
        EXPECT_EQ(Shown(w), "0 90/90 6/6 0 on 100/100/100 enabled 0");
        w.Option3[1]->click();
        EXPECT_EQ(Shown(w), "0 90/90 6/6 0 on 100/100/32767 enabled 1");
        w.Option3[0]->click();
        w.Text3->clear();
        w.Command1->click();
        EXPECT_EQ(b.module.MarqueeWidth, R"( width = "100%")");
        EXPECT_EQ(w.Text3->text(), "100");
    });
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        w.Check2->click(); // off again: no width attribute
        w.Command1->click();
    });
    EXPECT_EQ(b.module.MarqueeWidth, "");
}

// Every letter of the tag changes case, one character for one: a letter without a
// one-character counterpart ("ß") stays.
TEST(Form5Test, TheMarqueeTagChangesTheCaseOfEveryLetter) {
    SideBench b;
    b.main->Check1->click(); // Marquee
    b.main->Text1->setText(QStringLiteral("Hi"));
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        w.Check2->click(); // width on
        for (const auto& [box, text] :
             {std::pair{w.Text2, "6é"}, {w.Text1, "ａ9"}, {w.Text3, "ß"}}) {
            box->selectAll();
            CommitText(*box, QString::fromUtf8(text));
        }
        w.Command1->click();
    });
    const auto tag = [&b](bool small) {
        b.main->komoji->setChecked(small);
        b.main->Command4_Click();
        const QString markup = b.fakes.clipboard.content;
        const qsizetype start = markup.indexOf(small ? "<marquee" : "<MARQUEE");
        return markup.mid(start, markup.indexOf('>', start) + 1 - start).toStdString();
    };
    EXPECT_EQ(tag(false), "<MARQUEE DIRECTION = \"LEFT\" SCROLLAMOUNT = \"6É\" SCROLLDELAY = "
                          "\"Ａ9\" BEHAVIOR = \"SCROLL\" WIDTH = \"ß%\">");
    EXPECT_EQ(tag(true), "<marquee direction = \"left\" scrollamount = \"6é\" scrolldelay = "
                         "\"ａ9\" behavior = \"scroll\" width = \"ß%\">");
}

TEST(Form5Test, TheTopEndOfABarCarriesTheLargerValue) {
    SideBench b;
    b.WhileOpen<Form5>(&Form1::Command6_Click, [](Form5& w) {
        InvertedScrollBar& bar = *w.VScroll1;
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, 1)); // upper arrow
        EXPECT_EQ(w.Text1->text(), "91");
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 2));
        EXPECT_EQ(w.Text1->text(), "90");
        ExpectKeySteps(bar, {{Qt::Key_Up, 91},
                             {Qt::Key_Left, 92},
                             {Qt::Key_Down, 91},
                             {Qt::Key_Right, 90},
                             {Qt::Key_PageUp, 91},
                             {Qt::Key_PageDown, 90},
                             {Qt::Key_Home, 256},
                             {Qt::Key_End, 0}});
        EXPECT_EQ(w.Text1->text(), "0");
        TurnWheel(bar, QPoint(0, 120)); // away from the user: up, to the larger values
        EXPECT_GT(bar.value(), 0);
        w.close();
    });
}

} // namespace
} // namespace quilvane
