// The favourites window on the offscreen platform with fake services: the rows it shows, the
// repair of faulty slots, Save, Call and the main window's z-order around it.
#include "app/module1.h"
#include "app/settings_keys.h"
#include "fakes/fake_services.h"
#include "platform/twips.h"
#include "ui/favourites/form3.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;
using OrderCalls = std::vector<std::pair<QWidget*, bool>>;

// A row's captions and swatch: "7,0,255 #0700ff".
QString Row(const Form3& form, int row) {
    return form.R[row]->text() + "," + form.G[row]->text() + "," + form.B[row]->text() + " " +
           form.Color[row]->palette().color(QPalette::Window).name();
}

// A shown main window over fake services; the store holds the default favourites.
struct Bench {
    Bench() {
        for (int i = 0; i < kFavouriteCount; ++i) {
            fakes.store.values[std::string(kKeyFav[i])] = kDefaultFav[i];
        }
        module.reg_Last_Color = "007000255";
        module.reg_Check3 = true; // dialog
    }

    Form1& Main() {
        main = std::make_unique<Form1>(module, fakes.services);
        main->show(); // its frame stands in for the favourites window's own
        fakes.order.calls.clear();
        return *main;
    }

    // Opens the window from the main window and runs `act` on it once it is up; a watchdog
    // closes it should `act` leave it open, so a failing test can't hang.
    void WhileOpen(const std::function<void(Form3&)>& act) {
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        watchdog.start(10000);
        QTimer::singleShot(0, main.get(), [&act] {
            auto* favourites = qobject_cast<Form3*>(QApplication::activeModalWidget());
            ASSERT_NE(favourites, nullptr);
            act(*favourites);
        });
        main->Command1_Click();
    }

    FakeServices fakes;
    Module1 module;
    std::unique_ptr<Form1> main;
};

// The other slots keep their colours, shown without leading zeros; a tenth character is ignored.
// The message comes once the main window has left the always-on-top band, in front of the main
// window: the favourites window is not shown yet.
TEST(Form3Test, FaultySlotIsRepairedAloneWithOneMessage) {
    // A missing key reads as the empty text.
    for (const std::string stored : {"12345", "", "12a000255", "256000000", "-12000000"}) {
        for (const bool writable : {true, false}) {
            SCOPED_TRACE(stored + (writable ? "" : " in an unwritable store"));
            Bench b;
            b.module.reg_Check4 = true; // fore
            b.fakes.store.values["fav5"] = stored;
            b.fakes.store.values["fav4"] = "1280602559";
            b.fakes.store.values["fav6"] = "007000255";
            b.fakes.store.failWrites = !writable;
            Form1& main = b.Main();
            OrderCalls callsAtMessage;
            b.fakes.messages.onShow = [&b, &callsAtMessage] {
                callsAtMessage = b.fakes.order.calls;
            };
            b.WhileOpen([&b, writable](Form3& form) {
                EXPECT_EQ(b.fakes.store.writes, (Writes{{"fav5", "255255000"}}));
                EXPECT_EQ(Row(form, 4) + " " + Row(form, 5) + " " + Row(form, 6),
                          "128,60,255 #803cff 255,255,0 #ffff00 7,0,255 #0700ff");
                // A store that can't be written is reported as such, not as restored.
                const auto& expected = writable ? kFavouritesResetMessage : kStoreUnwritableMessage;
                ASSERT_EQ(b.fakes.messages.shown.size(), 1u);
                EXPECT_EQ(b.fakes.messages.shown[0].text.toStdString(), expected.text);
                EXPECT_EQ(b.fakes.messages.shown[0].owner, b.main.get());
                form.Command1->click();
            });
            EXPECT_EQ(callsAtMessage, (OrderCalls{{&main, false}}));
        }
    }
}

// The question belongs to the favourites window.
TEST(Form3Test, SaveAsksWhileConfirmationsAreOnAndReportsAFailedWrite) {
    Bench b;
    b.Main();
    b.WhileOpen([&b](Form3& form) {
        const auto& shown = b.fakes.messages.shown;
        b.fakes.messages.answers = {MessageBox::kNo};
        form.Command3_Click(10);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text,
                  QString::fromUtf8("お気に入りデータ １０ を書き換えます。よろしいですか？"));
        EXPECT_EQ(shown[0].style, 260);
        EXPECT_EQ(shown[0].owner, &form);
        EXPECT_EQ(Row(form, 10), "40,216,40 #28d828");

        b.main->dialog->setChecked(false);
        b.fakes.store.failWrites = true;
        form.Command3_Click(10);
        ASSERT_EQ(shown.size(), 2u); // no question, only the failure
        EXPECT_EQ(shown[1].text, QString::fromUtf8("お気に入りデータを保存できませんでした"));
        EXPECT_EQ(Row(form, 10), "40,216,40 #28d828");
        EXPECT_EQ(b.fakes.store.values["fav10"], "040216040");

        b.fakes.store.failWrites = false;
        form.Command3_Click(10);
        EXPECT_EQ(shown.size(), 2u);
        EXPECT_EQ(Row(form, 10), "7,0,255 #0700ff");
        EXPECT_EQ(b.fakes.store.values["fav10"], "007000255"); // leading zeros written back

        // Row 0, the main window's colour, has no slot: nothing is asked or stored.
        b.main->dialog->setChecked(true);
        b.fakes.messages.answers = {MessageBox::kNo};
        const auto writes = b.fakes.store.writes.size();
        form.Command3_Click(0);
        EXPECT_EQ(shown.size(), 2u);
        EXPECT_EQ(b.fakes.store.writes.size(), writes);
        form.Command1->click();
    });
}

// Call sets red, then green, then blue, each running the main window's colour handling, and
// leaves the focus on the main window's Save button.
TEST(Form3Test, EveryRouteOutGivesTheMainWindowItsBandBack) {
    const struct {
        const char* route;
        void (*close)(Form3&);
        QStringList steps; // each bar that changed, with the code it left
    } routes[] = {
        {"Back", [](Form3& favourites) { favourites.Command1->click(); }, {}},
        {"Call",
         [](Form3& favourites) { favourites.Command2[3]->click(); },
         {"HScroll1 078080", "HScroll2 070080", "HScroll3 0700FF"}},
        {"close box", [](Form3& favourites) { favourites.close(); }, {}},
    };
    for (const auto& r : routes) {
        for (const bool fore : {true, false}) {
            SCOPED_TRACE(testing::Message() << r.route << " fore " << fore);
            Bench b;
            b.module.reg_Check4 = fore;
            b.module.reg_Last_Color = "128128128";
            b.fakes.store.values["fav3"] = "007000255";
            Form1& form = b.Main();
            form.MoveTwips(9000, -1000); // low and left: the window is pushed onto the screen
            QStringList steps;
            for (QScrollBar* bar : {form.HScroll1, form.HScroll2, form.HScroll3}) {
                QObject::connect(bar, &QScrollBar::valueChanged, [&steps, &form, bar] {
                    steps.append(bar->objectName() + " " + form.Text2->text());
                });
            }
            OrderCalls callsWhileOpen;
            b.WhileOpen([&](Form3& favourites) {
                callsWhileOpen = b.fakes.order.calls;
                EXPECT_EQ(favourites.focusWidget(), favourites.Command1);
                EXPECT_EQ(favourites.frameGeometry().bottomLeft(),
                          QPoint(0, TwipsToPixels(12000) - 1));
                r.close(favourites);
            });
            EXPECT_EQ(callsWhileOpen, (OrderCalls{{&form, false}}));
            EXPECT_EQ(b.fakes.order.calls, (OrderCalls{{&form, false}, {&form, fore}}));
            EXPECT_EQ(steps, r.steps);
            EXPECT_EQ(form.focusWidget() == form.Command4, !r.steps.isEmpty());
        }
    }
}

} // namespace
} // namespace quilvane
