#pragma once

#include "colour/rgb.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;
class QWindow;

namespace quilvane {

// The program's own picker, where it may read any pixel (X11): the window grabs the pointer and
// the keyboard, a crosshair shows over the whole screen, the colour under the pointer is
// previewed; a left click takes it, Esc or another button cancels.
class GrabbingColourPick : public QObject {
public:
    void pick(QWidget& window, std::function<void(Rgb)> preview,
              std::function<void(std::optional<Rgb>)> done);

protected:
    // While picking, every pointer and key event of the program is the picker's.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish(std::optional<Rgb> colour);

    QWindow* window_ = nullptr;
    std::function<void(Rgb)> preview_;
    std::function<void(std::optional<Rgb>)> done_;
};

} // namespace quilvane
