#pragma once

#include <QPoint>

namespace quilvane {

// Where the side windows open, in twips. All sizes are outer sizes; each returns the window's
// left as x and its top as y. A window is pushed back onto the screen at the bottom, right and
// left edges; nothing keeps it below the top edge.

// 500 below the main window's top and centred on it horizontally (halves rounded to the even
// neighbour): the favourites, marquee options and about windows.
QPoint CentredBelowPlacement(int mainTop, int mainLeft, int mainWidth, int windowWidth,
                             int windowHeight, int screenWidth, int screenHeight);

// 1000 below the main window's top, at the main window's left: the long text window.
QPoint LongTextPlacement(int mainTop, int mainLeft, int windowWidth, int windowHeight,
                         int screenWidth, int screenHeight);

} // namespace quilvane
