#pragma once

#include "colour/rgb.h"

#include <vector>

namespace quilvane {

// The about box's background sweep from black to white, one colour per step (768 in all): red,
// then green, then blue rise from 0 to 128, each then held at 129; then blue, green and red in
// turn rise from 129 to 255 and stay there.
std::vector<Rgb> ColourSweep();

} // namespace quilvane
