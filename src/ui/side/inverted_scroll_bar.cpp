#include "ui/side/inverted_scroll_bar.h"

namespace quilvane {

InvertedScrollBar::InvertedScrollBar(QWidget* parent) : ValueScrollBar(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    setTracking(false); // the box follows when the thumb is released
    connect(this, &QAbstractSlider::actionTriggered, this, &InvertedScrollBar::MirrorAction);
}

void InvertedScrollBar::SetTop(int top) {
    setRange(0, top);
}

// Runs before the new position becomes the value, so value() is still the old one.
void InvertedScrollBar::MirrorAction(int action) {
    switch (action) {
    case SliderSingleStepAdd:
        setSliderPosition(value() - singleStep());
        break;
    case SliderSingleStepSub:
        setSliderPosition(value() + singleStep());
        break;
    case SliderPageStepAdd:
        setSliderPosition(value() - pageStep());
        break;
    case SliderPageStepSub:
        setSliderPosition(value() + pageStep());
        break;
    default:
        break;
    }
}

} // namespace quilvane
