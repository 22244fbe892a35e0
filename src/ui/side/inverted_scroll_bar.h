#pragma once

#include <QScrollBar>

namespace quilvane {

// A vertical scroll bar whose top end carries the larger value: dragging the thumb up, the
// upper arrow, a click in the trough above the thumb, the Up and Page Up keys and the wheel
// turned up all raise the value. Qt draws an inverted bar upside down but keeps the plain
// bar's sense for the arrows, the trough and the keys (towards the top end is smaller) and
// the opposite one for the wheel, so this class turns all of them round.
class InvertedScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit InvertedScrollBar(QWidget* parent);

    // The value range from 0 at the bottom to `top`.
    void SetTop(int top);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void MirrorAction(int action);
};

} // namespace quilvane
