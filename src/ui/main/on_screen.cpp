#include "ui/main/on_screen.h"

#include "platform/twips.h"

#include <algorithm>

namespace quilvane {

bool IntersectsAnyScreen(int left, int top, int width, int height, const QList<QRect>& screens) {
    const QRect window = TwipsRect(left, top, width, height);
    return std::any_of(screens.begin(), screens.end(),
                       [&window](const QRect& screen) { return screen.intersects(window); });
}

} // namespace quilvane
