#pragma once

#include <QWidget>

namespace quilvane {

// Puts the caption of every frame inside `scope` on the frame's top line; styles that put the
// line below the caption would draw it through the controls at the top of a frame.
inline void StyleFrames(QWidget& scope) {
    scope.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
}

} // namespace quilvane
