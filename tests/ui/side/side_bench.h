#pragma once

#include "app/module1.h"
#include "fakes/fake_services.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace quilvane {

// Records the pauses and runs `onDelay` inside each, to look at a window while it waits.
struct ObservingSleep : FakeSleep {
    std::function<void()> onDelay;
    void Delay(int milliseconds) override {
        FakeSleep::Delay(milliseconds);
        if (onDelay) {
            onDelay();
        }
    }
};

// A shown main window over fake services, from which the side windows are opened.
struct SideBench {
    SideBench() {
        module.reg_Last_Color = "255128000";
        module.reg_ver = 2.8f;
        main = std::make_unique<Form1>(module, services);
        main->show();
        fakes.order.calls.clear();
    }

    // Opens a window with the main window's handler `open` and runs `act` on it once it is up.
    // A watchdog closes a window that `act` leaves open and fails the test, so it can't hang.
    template <typename Window>
    void WhileOpen(void (Form1::*open)(), const std::function<void(Window&)>& act) {
        bool acted = false;
        bool timedOut = false;
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timedOut = true;
                modal->close();
            }
        });
        watchdog.start(10000);
        QTimer::singleShot(0, main.get(), [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            acted = true;
            act(*window);
        });
        (main.get()->*open)();
        EXPECT_TRUE(acted);
        EXPECT_FALSE(timedOut) << "the window was left open";
    }

    // The main window's z-order requests since the bench was built: true for always on top.
    std::vector<bool> Topmost() const {
        std::vector<bool> requests;
        for (const auto& [window, topmost] : fakes.order.calls) {
            EXPECT_EQ(window, main.get());
            requests.push_back(topmost);
        }
        return requests;
    }

    FakeServices fakes;
    ObservingSleep sleep;
    Services services{fakes.store, fakes.messages,  fakes.order, fakes.shell,
                      sleep,       fakes.clipboard, fakes.screen};
    Module1 module;
    std::unique_ptr<Form1> main;
};

} // namespace quilvane
