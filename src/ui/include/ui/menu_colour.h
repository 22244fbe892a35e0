#pragma once

#include <QApplication>
#include <QColor>

namespace quilvane {

// The system's menu colour: the background of the windows and of a disabled entry box.
inline QColor MenuColour() {
    return QApplication::palette("QMenu").color(QPalette::Window);
}

} // namespace quilvane
