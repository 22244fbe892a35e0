#pragma once

#include "app/module1.h"
#include "fakes/fake_services.h"
#include "ui/main/form1.h"
#include "ui/main/main_procedure.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <stdexcept>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quilvane {

// The control or menu item of `root` named `name`; a missing one fails the test.
template <typename T = QWidget> T& Get(const QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    if (found == nullptr) {
        throw std::logic_error("no control named " + name.toStdString());
    }
    return *found;
}

// One notch of the wheel: (0, 120) turned away from the user, (-120, 0) tilted to the right.
inline void TurnWheel(QWidget& widget, QPoint angle) {
    const QPointF centre(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(centre, widget.mapToGlobal(centre), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

// Acts as the user on the window `root`, step by step, the steps separated by ", ": "Name"
// clicks the button or triggers the menu item of that name; "Name:Keys" gives the control the
// focus and presses the keys ("Ctrl+A"), ":Keys" presses them where the focus is; "Name=Text"
// empties the box and types the text (letters beyond the keyboard as an input method delivers
// them); "close box" closes the window.
inline void Act(QWidget& root, const QString& steps) {
    for (const QString& step : steps.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("close box")) {
            root.close();
            continue;
        }
        const qsizetype colon = step.indexOf(':');
        const qsizetype equals = step.indexOf('=');
        if (colon >= 0 && (equals < 0 || colon < equals)) {
            if (colon > 0) {
                Get(root, step.left(colon)).setFocus();
            }
            const QKeySequence keys = QKeySequence::fromString(step.mid(colon + 1));
            if (keys.isEmpty()) {
                throw std::logic_error("no key named " + step.toStdString());
            }
            const QKeyCombination key = keys[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        } else if (equals >= 0) {
            QWidget& box = Get(root, step.left(equals));
            box.setFocus();
            auto* combo = qobject_cast<QComboBox*>(&box);
            QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(&box);
            edit->clear();
            const QString text = step.mid(equals + 1);
            QInputMethodEvent composed;
            composed.setCommitString(text);
            std::ranges::all_of(text, [](QChar c) { return c.unicode() < 128; })
                ? QTest::keyClicks(edit, text)
                : (void)QApplication::sendEvent(edit, &composed);
        } else if (auto* action = root.findChild<QAction*>(step)) {
            action->trigger();
        } else {
            QTest::mouseClick(&Get<QAbstractButton>(root, step), Qt::LeftButton);
        }
    }
}

// The program started over fake services whose store holds a complete, current set of settings
// (change them with Store before Start); the main window is shown, active, and the text box has
// the focus.
struct Bench {
    Bench() { Store(kFirstStartValues); }

    // Stores "key=value ..." pairs.
    void Store(const char* pairs) {
        for (const QString& pair : QString::fromUtf8(pairs).split(' ', Qt::SkipEmptyParts)) {
            fakes.store.values[pair.section('=', 0, 0).toStdString()] =
                pair.section('=', 1).toStdString();
        }
    }

    Form1& Start() {
        main = Main(module, fakes.services);
        QApplication::setActiveWindow(main.get());
        Get(*main, "Text1").setFocus();
        fakes.store.writes.clear();
        return *main;
    }

    // The main window's control or menu item `name`.
    template <typename T> T& Control(const char* name) const { return Get<T>(*main, name); }
    QWidget& operator[](const char* name) const { return Control<QWidget>(name); }
    void Do(const QString& steps) const { Act(*main, steps); }

    // Runs `steps` on the main window to open a modal window, and `act` on that window once it
    // is up; `act` must close it (a window left open hangs the test until ctest's time-out).
    template <typename Window>
    void WhileOpen(const char* steps, const std::function<void(Window&)>& act) {
        bool acted = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            QApplication::setActiveWindow(window); // as the window manager does
            acted = true;
            act(*window);
        });
        Do(steps);
        EXPECT_TRUE(acted);
    }

    // Every message shown so far, as "title: text (style)".
    const std::vector<std::string>& Messages() const { return fakes.messages.shown; }

    // The main window's z-order requests, the start's first: true for always on top.
    std::vector<bool> Topmost() const {
        std::vector<bool> requests;
        for (const auto& [window, topmost] : fakes.order.calls) {
            EXPECT_EQ(window, main.get());
            requests.push_back(topmost);
        }
        return requests;
    }

    FakeServices fakes;
    Module1 module;
    std::unique_ptr<Form1> main;
};

} // namespace quilvane
