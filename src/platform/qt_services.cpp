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

QMessageBox::Icon IconOf(int style) {
    switch (style & message_style::kIconMask) {
    case message_style::kCritical:
        return QMessageBox::Critical;
    case message_style::kQuestion:
        return QMessageBox::Question;
    case message_style::kInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtMessageBox::show(QWidget* owner, const QString& text, const QString& title, int style) {
    // An owned box stays in front of its owner, also when the owner is always on top.
    QMessageBox box(IconOf(style), title, text, QMessageBox::NoButton, owner);
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
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (QWindow* handle = window.windowHandle()) {
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
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
