#pragma once

#include <QScrollBar>

namespace quilvane {

// A scroll bar that sets a value, with the keys of the platform the windows were designed for:
// Left, Up and Page Up move the thumb towards the start end (left or top), Right, Down and Page
// Down towards the far end, Home to the start end and End to the far end. The wheel turned away
// from the user, or tilted to the right, raises the value. A focused bar carries a visible mark.
// (A plain QScrollBar inverts its controls, so Right would lower a horizontal bar.)
class ValueScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ValueScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace quilvane
