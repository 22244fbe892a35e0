#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>

namespace quilvane {

// Types `text` into `widget` as an input method delivers it (how Japanese and other letters
// beyond the keyboard's arrive), at the caret, replacing a selection.
inline void CommitText(QWidget& widget, const QString& text) {
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(&widget, &composed);
}

} // namespace quilvane
