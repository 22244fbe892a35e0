#pragma once

#include <QStringList>

class QWidget;

namespace quilvane {

// Every shown control of `window` whose caption or text does not fit inside it (every line, the
// access-key underline, a text box's descenders), each as "name: needs W x H px, has W x H px".
// The part of a control that a later sibling covers does not count as room; a control that a
// sibling covers entirely is never seen and not looked at.
QStringList ControlsWhoseTextDoesNotFit(const QWidget& window);

} // namespace quilvane
