#include "ui/side/long_text_placement.h"

namespace quilvane {

namespace {

constexpr int kDropBelowMainTop = 1000;

} // namespace

QPoint LongTextPlacement(int mainTop, int mainLeft, int windowWidth, int windowHeight,
                         int screenWidth, int screenHeight) {
    const int top = mainTop + kDropBelowMainTop;
    const int placedTop = top + windowHeight > screenHeight ? screenHeight - windowHeight : top;
    int placedLeft = mainLeft;
    if (mainLeft + windowWidth > screenWidth) {
        placedLeft = screenWidth - windowWidth;
    } else if (mainLeft < 0) {
        placedLeft = 0;
    }
    return {placedLeft, placedTop};
}

} // namespace quilvane
