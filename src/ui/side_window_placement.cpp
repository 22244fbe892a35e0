#include "ui/side_window_placement.h"

#include <cmath>

namespace quilvane {

namespace {

QPoint KeptOnScreen(int left, int top, int windowWidth, int windowHeight, int screenWidth,
                    int screenHeight) {
    const int placedTop = windowHeight + top > screenHeight ? screenHeight - windowHeight : top;
    int placedLeft = left;
    if (windowWidth + left > screenWidth) {
        placedLeft = screenWidth - windowWidth;
    } else if (left < 0) {
        placedLeft = 0;
    }
    return {placedLeft, placedTop};
}

} // namespace

QPoint CentredBelowPlacement(int mainTop, int mainLeft, int mainWidth, int windowWidth,
                             int windowHeight, int screenWidth, int screenHeight) {
    // nearbyint under the default rounding mode rounds halves to the even neighbour.
    const int left =
        static_cast<int>(std::nearbyint(mainWidth / 2.0 + mainLeft - windowWidth / 2.0));
    return KeptOnScreen(left, mainTop + 500, windowWidth, windowHeight, screenWidth, screenHeight);
}

QPoint LongTextPlacement(int mainTop, int mainLeft, int windowWidth, int windowHeight,
                         int screenWidth, int screenHeight) {
    return KeptOnScreen(mainLeft, mainTop + 1000, windowWidth, windowHeight, screenWidth,
                        screenHeight);
}

} // namespace quilvane
