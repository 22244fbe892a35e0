#pragma once

#include <QRect>

namespace quilvane {

// Window sizes and positions are kept in twips (1/1440 inch) and turned into Qt's
// device-independent pixels here: 15 twips a pixel at the usual 96 dpi.
double TwipsPerPixel();
int TwipsToPixels(double twips);
int PixelsToTwips(int pixels);
QRect TwipsRect(int left, int top, int width, int height);

} // namespace quilvane
