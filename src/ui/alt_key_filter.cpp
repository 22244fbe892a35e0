#include "ui/alt_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace quilvane {

bool AltKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Alt is AltGr on some keyboards, which does type characters.
    const Qt::KeyboardModifiers held = key->modifiers();
    const bool altAlone = held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier);
    // Every control that takes typed text asks for input-method events.
    const bool takesText = static_cast<QWidget*>(watched)->testAttribute(Qt::WA_InputMethodEnabled);
    return altAlone && takesText && !key->text().isEmpty() && key->text().front().isPrint();
}

} // namespace quilvane
