#pragma once

#include "platform/twips.h"

#include <QString>

namespace quilvane {

// Puts a control at its place in twips and names it as the window table does.
template <typename Widget>
Widget* PlaceControl(Widget* widget, const QString& name, int left, int top, int width,
                     int height) {
    widget->setObjectName(name);
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

} // namespace quilvane
