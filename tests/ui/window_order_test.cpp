// The always-on-top band is asked for once the window is mapped, the last wish winning: a window
// already on top when first mapped is one some window managers never let leave the band.
#include "platform/qt_services.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

TEST(WindowOrderTest, BandIsAskedForOnceTheWindowIsMapped) {
    for (const auto& wishes : {std::vector<bool>{true}, std::vector<bool>{true, false}}) {
        SCOPED_TRACE(wishes.size());
        QWidget window;
        QtWindowOrder order;
        for (const bool topmost : wishes) {
            order.setTopmost(window, topmost);
        }
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), wishes.back());
    }
}

} // namespace
} // namespace quilvane
