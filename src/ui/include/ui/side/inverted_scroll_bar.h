#pragma once

#include "ui/value_scroll_bar.h"

namespace quilvane {

// A vertical scroll bar whose top end carries the larger value: dragging the thumb up, the
// upper arrow, a click in the trough above the thumb, the Up and Page Up keys, Home and the
// wheel turned up all raise the value. Qt draws an inverted bar upside down but keeps the plain
// bar's sense for the arrows and the trough (towards the top end is smaller), so this class
// turns those steps round.
class InvertedScrollBar : public ValueScrollBar {
    Q_OBJECT
public:
    explicit InvertedScrollBar(QWidget* parent);

    // The value range from 0 at the bottom to `top`.
    void SetTop(int top);

private:
    void MirrorAction(int action);
};

} // namespace quilvane
