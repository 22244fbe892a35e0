#include "grabbing_colour_pick.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace quilvane {

namespace {

std::optional<Rgb> PixelAt(QPoint global) {
    QScreen* screen = QGuiApplication::screenAt(global);
    if (screen == nullptr) {
        return std::nullopt;
    }
    const QPoint local = global - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (pixel.isNull()) {
        return std::nullopt;
    }
    const QColor colour = pixel.pixelColor(0, 0);
    return Rgb{colour.red(), colour.green(), colour.blue()};
}

} // namespace

void GrabbingColourPick::pick(QWidget& window, std::function<void(Rgb)> preview,
                              std::function<void(std::optional<Rgb>)> done) {
    window_ = window.windowHandle();
    preview_ = std::move(preview);
    done_ = std::move(done);
    qApp->installEventFilter(this);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    if (window_ == nullptr || !window_->setMouseGrabEnabled(true) ||
        !window_->setKeyboardGrabEnabled(true)) {
        Finish(std::nullopt);
    }
}

bool GrabbingColourPick::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: // no menu or shortcut while picking
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (watched == window_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Finish(std::nullopt);
        }
        return true;
    case QEvent::MouseMove:
        if (watched == window_) {
            if (const auto colour =
                    PixelAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint())) {
                preview_(*colour);
            }
        }
        return true;
    case QEvent::MouseButtonPress:
        if (watched == window_) {
            const auto* click = static_cast<QMouseEvent*>(event);
            Finish(click->button() == Qt::LeftButton ? PixelAt(click->globalPosition().toPoint())
                                                     : std::nullopt);
        }
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

void GrabbingColourPick::Finish(std::optional<Rgb> colour) {
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    if (window_ != nullptr) {
        window_->setKeyboardGrabEnabled(false);
        window_->setMouseGrabEnabled(false);
    }
    window_ = nullptr;
    if (auto done = std::exchange(done_, nullptr)) {
        done(colour);
    }
}

} // namespace quilvane
