#pragma once

#include <QAbstractSlider>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <initializer_list>

namespace quilvane {

// Types `text` into `widget` as an input method delivers it (how Japanese and other letters
// beyond the keyboard's arrive), at the caret, replacing a selection.
inline void CommitText(QWidget& widget, const QString& text) {
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(&widget, &composed);
}

// Sends one notch of the wheel to `widget`: angle (0, 120) turned away from the user, (0, -120)
// towards the user, (-120, 0) tilted to the right.
inline void TurnWheel(QWidget& widget, QPoint angle) {
    const QPointF centre(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(centre, widget.mapToGlobal(centre), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

// One key pressed on a bar and the value it must show afterwards.
struct KeyStep {
    Qt::Key key;
    int value;
};

// Presses each key on `bar` in turn and checks the value after each.
inline void ExpectKeySteps(QAbstractSlider& bar, std::initializer_list<KeyStep> steps) {
    for (const KeyStep& step : steps) {
        QTest::keyClick(&bar, step.key);
        EXPECT_EQ(bar.value(), step.value) << QKeySequence(step.key).toString().toStdString();
    }
}

} // namespace quilvane
