#pragma once

#include <QPoint>

namespace quilvane {

// Where the long text window opens, in twips: 1000 below the main window's top, at the main
// window's left, pushed back onto the screen at the bottom, right and left edges; nothing keeps
// it below the top edge. All sizes are outer sizes. Returns the left as x and the top as y.
QPoint LongTextPlacement(int mainTop, int mainLeft, int windowWidth, int windowHeight,
                         int screenWidth, int screenHeight);

} // namespace quilvane
