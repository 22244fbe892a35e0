// Where the side windows open relative to the main window, near each screen edge (twips).
#include "ui/side_window_placement.h"

#include <gtest/gtest.h>

namespace quilvane {
namespace {

// A 4335 high window on a screen 12000 high; the main window 4800 wide unless noted.
TEST(SideWindowPlacementTest, CentredBelowTheMainWindowAndKeptOnTheScreen) {
    const struct {
        const char* what;
        int mainTop, mainLeft, mainWidth, windowWidth, screenWidth;
        QPoint expected; // left, top
    } cases[] = {
        {"centred 500 below, half rounded up to even", 1000, 2000, 4801, 4410, 19200, {2196, 1500}},
        {"half rounds down to even", 0, 0, 4803, 4410, 19200, {196, 500}},
        {"half from the window width", 0, 0, 4800, 4411, 19200, {194, 500}},
        {"crossing the bottom edge", 9000, 0, 4800, 4410, 19200, {195, 7665}},
        {"crossing the right edge", 0, 16000, 4800, 4410, 19200, {14790, 500}},
        {"starting left of the screen", 0, -1000, 4800, 4410, 19200, {0, 500}},
        {"wider than the screen", 0, 0, 4800, 4410, 4000, {-410, 500}},
        {"no clamp at the top edge", -2000, 0, 4800, 4410, 19200, {195, -1500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CentredBelowPlacement(c.mainTop, c.mainLeft, c.mainWidth, c.windowWidth, 4335,
                                        c.screenWidth, 12000),
                  c.expected);
    }
}

// The long text window, 4860 x 2500, on a 19200 x 12000 screen.
TEST(SideWindowPlacementTest, LongTextBelowTheMainWindowAndKeptOnTheScreen) {
    const struct {
        const char* what;
        int mainTop, mainLeft;
        QPoint expected; // left, top
    } cases[] = {
        {"1000 below, same left", 1000, 2000, {2000, 2000}},
        {"flush with the bottom", 9000, 2000, {2000, 9500}},
        {"flush with the right, no top clamp", -3000, 15000, {14340, -2000}},
        {"left of the screen", 1000, -700, {0, 2000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LongTextPlacement(c.mainTop, c.mainLeft, 4860, 2500, 19200, 12000), c.expected);
    }
}

} // namespace
} // namespace quilvane
