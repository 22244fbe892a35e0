#pragma once

#include <QPoint>

namespace quilvane {

// Where a side window opens, in twips: 500 below the main window's top and centred on it
// horizontally (halves rounded to the even neighbour), pushed back onto the screen at the
// bottom, right and left edges; nothing keeps it below the top edge. All sizes are outer sizes.
// Returns the window's left as x and its top as y.
QPoint CentredBelowPlacement(int mainTop, int mainLeft, int mainWidth, int windowWidth,
                             int windowHeight, int screenWidth, int screenHeight);

} // namespace quilvane
