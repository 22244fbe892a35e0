#include "platform/wayland.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

namespace quilvane {

namespace {

constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";

} // namespace

bool WaylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

bool PreferXWaylandForWindowPlacement() {
    if (!WaylandSession() || !qEnvironmentVariableIsSet("DISPLAY") ||
        qEnvironmentVariableIsSet(kPlatformVariable)) {
        return false;
    }
    qputenv(kPlatformVariable, QByteArrayLiteral("xcb;wayland"));
    return true;
}

void ForgetPlatformChoice() {
    qunsetenv(kPlatformVariable);
}

bool WindowPositionsKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace quilvane
