// The real z-order service on an X server without a window manager: switching always on top
// leaves the window mapped where it was, as the X server itself reports it.
#include "platform/qt_services.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

// What the X server says of the window: its map state and its top left corner on the screen.
QString ServerView(const QWidget& window) {
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(window.winId())});
    if (!xwininfo.waitForFinished()) {
        return QStringLiteral("xwininfo did not answer");
    }
    const QString info = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto field = [&info](const char* name) {
        const QRegularExpression line(QStringLiteral("%1:\\s*(\\S+)").arg(QLatin1String(name)));
        return line.match(info).captured(1);
    };
    return field("Map State") + " at " + field("Absolute upper-left X") + "," +
           field("Absolute upper-left Y");
}

TEST(WindowOrderOnX11, TopmostTogglesWithoutHidingOrMovingTheWindow) {
    QWidget window;
    window.setGeometry(200, 80, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString placed = QStringLiteral("IsViewable at 200,80");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ServerView(window) == placed; }))
        << ServerView(window).toStdString();

    QtWindowOrder order;
    for (const bool topmost : {true, false, true}) {
        order.setTopmost(window, topmost);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.isVisible()) << topmost;
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ServerView(window) == placed; }))
            << topmost << ": " << ServerView(window).toStdString();
    }
}

} // namespace
} // namespace quilvane
