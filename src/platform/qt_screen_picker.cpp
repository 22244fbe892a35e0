#include "platform/qt_screen_picker.h"

#include "grabbing_colour_pick.h"
#include "platform/wayland.h"
#include "portal_colour_pick.h"

#include <QGuiApplication>
#include <QWidget>

namespace quilvane {

namespace {

// On X11 a program may read any pixel; XWayland's X server holds only its own clients' windows.
bool OwnPickerWorks() {
    return QGuiApplication::platformName() == QLatin1String("xcb") && !WaylandSession();
}

// The portal places its picker over the window that asked, named as the portal expects.
QString PortalParent(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return {};
    }
    return QStringLiteral("x11:") + QString::number(window.winId(), 16);
}

} // namespace

QtScreenPicker::QtScreenPicker()
    : portal_(std::make_unique<PortalColourPick>()), grab_(std::make_unique<GrabbingColourPick>()) {
}

QtScreenPicker::~QtScreenPicker() = default;

// The own picker needs no answer from the bus; the portal, when there, is asked at the pick.
void QtScreenPicker::probe(std::function<void(bool available)> answer) {
    if (OwnPickerWorks()) {
        answer(true);
    } else {
        portal_->probe(std::move(answer));
    }
}

void QtScreenPicker::pick(QWidget& window, std::function<void(Rgb)> preview,
                          std::function<void(std::optional<Rgb>)> done) {
    portal_->probe(
        [this, &window, preview = std::move(preview), done = std::move(done)](bool portal) mutable {
            if (portal) {
                portal_->pick(PortalParent(window), std::move(done));
            } else if (OwnPickerWorks()) {
                grab_->pick(window, std::move(preview), std::move(done));
            } else {
                done(std::nullopt);
            }
        });
}

} // namespace quilvane
