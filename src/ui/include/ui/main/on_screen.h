#pragma once

#include <QList>
#include <QRect>

namespace quilvane {

// Whether a window at this outer rectangle (twips) would be at least partly on one of the
// screens (pixels, as the platform lists them).
bool IntersectsAnyScreen(int left, int top, int width, int height, const QList<QRect>& screens);

} // namespace quilvane
