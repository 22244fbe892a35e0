#include "platform/qt_services.h"

#include "app/message_catalogue.h"
#include "platform/twips.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace quilvane {

namespace {

// The box's icon, and what a screen reader says for it.
struct BoxIcon {
    QMessageBox::Icon icon;
    const char* name;
};

BoxIcon IconOf(int style) {
    switch (style & message_style::kIconMask) {
    case message_style::kCritical:
        return {QMessageBox::Critical, "Error"};
    case message_style::kQuestion:
        return {QMessageBox::Question, "Question"};
    case message_style::kInformation:
        return {QMessageBox::Information, "Information"};
    default:
        return {QMessageBox::NoIcon, ""};
    }
}

// Asks for the band on the native window, the widget's copy of the flags kept in step; unlike
// QWidget::setWindowFlag it neither hides, recreates nor moves the window.
void SetBand(QWidget& window, QWindow& handle, bool topmost) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    window.overrideWindowFlags(flags);
    handle.setFlags(flags);
}

// Keeps the band asked for while the window is not yet on the screen and asks for it once the
// window manager has mapped the window, as a change at run time does: a window that maps
// already on top stays in the band for good under some managers (icewm).
class BandAfterFirstMap final : public QObject {
public:
    static constexpr const char* kName = "quilvane_band_after_first_map";

    explicit BandAfterFirstMap(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QLatin1String(kName));
        // The native window exists from the first showing on.
        if (QWindow* handle = window.windowHandle()) {
            handle->installEventFilter(this);
        } else {
            window.installEventFilter(this);
        }
    }

    bool topmost = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWindow* handle = window_.windowHandle();
        if (watched == &window_ && event->type() == QEvent::Show && handle != nullptr) {
            window_.removeEventFilter(this);
            handle->installEventFilter(this);
        } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
            handle->removeEventFilter(this);
            setObjectName(QString());
            SetBand(window_, *handle, topmost);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

int QtMessageBox::show(QWidget* owner, const QString& text, const QString& title, int style) {
    // An owned box stays in front of its owner, also when the owner is always on top.
    const BoxIcon icon = IconOf(style);
    QMessageBox box(icon.icon, title, text, QMessageBox::NoButton, owner);
    if (auto* picture = box.findChild<QWidget*>(QStringLiteral("qt_msgboxex_icon_label"))) {
        picture->setAccessibleName(QLatin1String(icon.name));
    }
    if ((style & message_style::kButtonsMask) == message_style::kYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & message_style::kSecondButtonDefault) != 0 ? QMessageBox::No
                                                                                : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? kYes : kNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return kOk;
}

void QtWindowOrder::setTopmost(QWidget& window, bool topmost) {
    QWindow* handle = window.windowHandle();
    if (handle != nullptr && handle->isExposed()) {
        SetBand(window, *handle, topmost);
        return;
    }
    auto* pending = static_cast<BandAfterFirstMap*>(window.findChild<QObject*>(
        QLatin1String(BandAfterFirstMap::kName), Qt::FindDirectChildrenOnly));
    if (pending == nullptr) {
        pending = new BandAfterFirstMap(window);
    }
    pending->topmost = topmost;
}

bool QtShell::openDocument(const QString& path) {
    return QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtSleep::Delay(int milliseconds) {
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}

QString QtClipboard::text() {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

int QtScreen::widthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? PixelsToTwips(screen->geometry().width()) : 0;
}

int QtScreen::heightTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? PixelsToTwips(screen->geometry().height()) : 0;
}

QStringList QtScreen::fontFaces() {
    // fontconfig lists one face per foundry ("C059 [urw]"); the user picks a face by name only.
    QStringList faces;
    QSet<QString> seen;
    for (const QString& family : QFontDatabase::families()) {
        const qsizetype bracket = family.indexOf(QLatin1String(" ["));
        const QString name = bracket > 0 ? family.left(bracket) : family;
        if (!seen.contains(name)) {
            seen.insert(name);
            faces.append(name);
        }
    }
    return faces;
}

QList<QRect> QtScreen::geometries() {
    QList<QRect> rectangles;
    for (const QScreen* screen : QGuiApplication::screens()) {
        rectangles.append(screen->geometry());
    }
    return rectangles;
}

} // namespace quilvane
