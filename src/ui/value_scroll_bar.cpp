#include "ui/value_scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace quilvane {

ValueScrollBar::ValueScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setInvertedControls(false); // with this, the wheel turned away from the user raises the value
}

void ValueScrollBar::keyPressEvent(QKeyEvent* event) {
    // An inverted bar carries its largest value at the start end.
    const SliderAction startEnd = invertedAppearance() ? SliderToMaximum : SliderToMinimum;
    const SliderAction farEnd = invertedAppearance() ? SliderToMinimum : SliderToMaximum;
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = startEnd;
        break;
    case Qt::Key_End:
        action = farEnd;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ValueScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Most styles draw no focus on a scroll bar; a frame in the selection colour shows it.
    QPainter painter(this);
    constexpr int kMarkWidth = 2;
    painter.setPen(QPen(palette().color(QPalette::Highlight), kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        rect().adjusted(kMarkWidth / 2, kMarkWidth / 2, -kMarkWidth / 2, -kMarkWidth / 2));
}

// Qt counts a tilt to the right as negative, so without turning it round it would lower the value.
void ValueScrollBar::wheelEvent(QWheelEvent* event) {
    const auto tiltTurned = [](QPoint delta) { return QPoint(-delta.x(), delta.y()); };
    QWheelEvent turned(event->position(), event->globalPosition(), tiltTurned(event->pixelDelta()),
                       tiltTurned(event->angleDelta()), event->buttons(), event->modifiers(),
                       event->phase(), event->inverted(), event->source());
    QScrollBar::wheelEvent(&turned);
    event->setAccepted(turned.isAccepted());
}

} // namespace quilvane
