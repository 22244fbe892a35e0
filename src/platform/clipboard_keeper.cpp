#include "platform/clipboard_keeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QtGui/qguiapplication_platform.h>

#if QT_CONFIG(xcb)
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace quilvane {

namespace {

#if QT_CONFIG(xcb)
// Frees an xcb reply when it goes out of scope.
template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// Whether a clipboard manager owns the CLIPBOARD_MANAGER selection; Qt then hands the text
// over itself at exit.
bool ClipboardManagerRuns() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    static constexpr char kName[] = "CLIPBOARD_MANAGER";
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_NONE) {
        return false;
    }
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}
#else
bool ClipboardManagerRuns() {
    return false;
}
#endif

// The keeper for this session, or nothing where the text survives without one.
QStringList KeeperCommand() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        if (ClipboardManagerRuns()) {
            return {};
        }
        return {QStringLiteral("xclip"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                QStringLiteral("-in")};
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        return {QStringLiteral("wl-copy"), QStringLiteral("--type"),
                QStringLiteral("text/plain;charset=utf-8")};
    }
    return {};
}

} // namespace

void KeepClipboardAfterExit() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard()) {
        return; // another program's text: it is not ours to keep
    }
    const QString text = clipboard->text();
    QStringList command = KeeperCommand();
    if (text.isEmpty() || command.isEmpty()) {
        return;
    }
    // Both keepers read the text to its end, take the clipboard, then leave a child serving it
    // in the background and return at once, so the program still ends without delay.
    QProcess keeper;
    keeper.setStandardOutputFile(QProcess::nullDevice());
    keeper.setStandardErrorFile(QProcess::nullDevice());
    keeper.start(command.takeFirst(), command);
    if (!keeper.waitForStarted(1000)) {
        return; // not installed
    }
    keeper.write(text.toUtf8());
    keeper.closeWriteChannel();
    keeper.waitForFinished(2000);
}

} // namespace quilvane
