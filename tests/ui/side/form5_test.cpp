// The marquee options window: its defaults, the choices kept after Ok and dropped by the close
// box, the width ranges, the bars and the marquee tag the choices make.
#include "ui/side/form5.h"
#include "ui/side/inverted_scroll_bar.h"
#include "ui/window_bench.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
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
    return QStringLiteral("%1 %2 %3 %4 %5 %6/%7 %8 %9")
        .arg(selected(w.Option1), bar(w.Text1, w.VScroll1), bar(w.Text2, w.VScroll2),
             selected(w.Option2), QString(w.Check2->isChecked() ? "on" : "off"),
             bar(w.Text3, w.VScroll3), QString::number(w.VScroll3->maximum()),
             QString(w.Text3->isEnabled() && w.VScroll3->isEnabled() ? "enabled" : "disabled"),
             selected(w.Option3))
        .toStdString();
}

const std::string kDefaults = "0 90/90 6/6 0 off 100/100/100 disabled 0";
const std::string kDefaultTag =
    R"(<MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90" BEHAVIOR = "SCROLL">)";

// A started program, always on top, with the marquee ticked and the text "Hi".
struct MarqueeBench : Bench {
    MarqueeBench() {
        Store("Check4=True");
        Start();
        Do("Check1, Text1=Hi");
    }
    // Runs `steps` in the window opened with Detail, then `act`.
    void WhileOpen(const char* steps, const std::function<void(Form5&)>& act = {}) {
        Bench::WhileOpen<Form5>("Command6", [steps, &act](Form5& w) {
            Act(w, steps);
            if (act) {
                act(w);
            }
        });
    }
    // The marquee tag Save puts on the clipboard.
    std::string Tag() {
        Do("Command4");
        const QString markup = fakes.clipboard.content;
        const qsizetype start = markup.indexOf("<MARQUEE", 0, Qt::CaseInsensitive);
        return markup.mid(start, markup.indexOf('>', start) + 1 - start).toStdString();
    }
};

// A typed value goes into the tag as it stands, the bar staying; an emptied box gives its
// default back. Every letter of the tag is a capital, one character for one: a letter without a
// one-character capital ("ß") stays. Reopened after Ok, the window shows every choice; after
// its close box, which stores nothing and restores the z-order as Ok does, the defaults.
TEST(Form5Test, TheChoicesMakeTheTagAndAreKeptUntilTheCloseBox) {
    const struct {
        const char *what, *steps;
        std::string tag, reopened;
    } rows[] = {
        {"Ok at once", "Command1", kDefaultTag, kDefaults},
        {"every choice",
         "Option1_1, Text1=150, Text2=, Option2_1, Check2, Option3_1, Text3=320, Command1",
         R"(<MARQUEE DIRECTION = "RIGHT" SCROLLAMOUNT = "6" SCROLLDELAY = "150" BEHAVIOR = "SLIDE" WIDTH = "320">)",
         "1 150/90 6/6 1 on 320/100/32767 enabled 1"},
        {"letters typed", "Check2, Text2=6é, Text1=ａ9, Text3=ß, Command1",
         R"(<MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6É" SCROLLDELAY = "Ａ9" BEHAVIOR = "SCROLL" WIDTH = "ß%">)",
         "0 ａ9/90 6é/6 0 on ß/100/100 enabled 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        MarqueeBench b;
        b.WhileOpen("", [&row](Form5& w) {
            EXPECT_EQ(Shown(w), kDefaults);
            EXPECT_EQ(w.focusWidget(), w.Command1);
            Act(w, row.steps);
        });
        EXPECT_EQ(b.Tag(), row.tag);
        for (const std::string& shown : {row.reopened, kDefaults}) {
            b.WhileOpen("", [&shown](Form5& w) {
                EXPECT_EQ(Shown(w), shown);
                Act(w, "Option2_2, close box");
            });
        }
        EXPECT_EQ(b.Topmost(), (std::vector<bool>{true, false, true, false, true, false, true}));
    }
}

// The width bar's range follows percent or pixels, clamping the value, and the box follows the
// bar at once; an emptied box writes the default; width off writes no width.
TEST(Form5Test, WidthRangesFollowPercentOrPixels) {
    MarqueeBench b;
    b.WhileOpen("Check2, Option3_1, VScroll3:Home", [](Form5& w) {
        EXPECT_EQ(Shown(w), "0 90/90 6/6 0 on 32767/32767/32767 enabled 1");
        Act(w, "Option3_0");
        EXPECT_EQ(Shown(w), "0 90/90 6/6 0 on 100/100/100 enabled 0");
        Act(w, "Option3_1");
        EXPECT_EQ(Shown(w), "0 90/90 6/6 0 on 100/100/32767 enabled 1");
        Act(w, "Option3_0, Text3=, Command1");
        EXPECT_EQ(w.Text3->text(), "100");
    });
    EXPECT_EQ(b.Tag(), kDefaultTag.substr(0, kDefaultTag.size() - 1) + R"( WIDTH = "100%">)");
    b.WhileOpen("Check2, Command1");
    EXPECT_EQ(b.Tag(), kDefaultTag);
}

// The top end of a bar carries the larger value, by the arrows, the keys and the wheel.
TEST(Form5Test, TheTopEndOfABarCarriesTheLargerValue) {
    MarqueeBench b;
    b.WhileOpen("", [](Form5& w) {
        InvertedScrollBar& bar = *w.VScroll1;
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, 1)); // upper arrow
        EXPECT_EQ(w.Text1->text(), "91");
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 2));
        EXPECT_EQ(w.Text1->text(), "90");
        bar.setFocus();
        for (const QString step :
             {"Up 91", "Left 92", "Down 91", "Right 90", "PgUp 91", "PgDown 90", "Home 256",
              "End 0"}) { // a key, the value it leaves
            Act(w, ":" + step.section(' ', 0, 0));
            EXPECT_EQ(QString::number(bar.value()), step.section(' ', 1)) << step.toStdString();
        }
        EXPECT_EQ(w.Text1->text(), "0");
        TurnWheel(bar, QPoint(0, 120)); // away from the user: up, to the larger values
        EXPECT_GT(bar.value(), 0);
        w.close();
    });
}

// Tab walks the window in its design order, once around; an option group is one stop, and the
// width's box and bar are skipped while disabled.
TEST(Form5Test, TabFollowsTheDesignOrder) {
    MarqueeBench b;
    b.WhileOpen("", [](Form5& w) {
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            Act(w, ":Tab");
            visited.append(QApplication::focusWidget()->objectName());
        }
        EXPECT_EQ(visited.join(' '),
                  "Option1_0 Text1 Text2 Option2_1 VScroll1 VScroll2 Check2 Option3_1 Command1");
        w.close();
    });
}

} // namespace
} // namespace quilvane
