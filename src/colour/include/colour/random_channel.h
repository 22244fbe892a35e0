#pragma once

#include "colour/rgb.h"

#include <cstdint>

namespace quilvane {

// The channel for a draw x in [0, 1): the largest whole number not above x * 256, so 0..255.
// Values outside [0, 1), which a draw never gives, are held to 0 and 255, and NaN gives 0.
int ChannelFromUnit(float x);

// A colour from a generator seeded with `seed`: red, green and blue, in that order, each from
// its own draw uniform in [0, 1) at single precision. The same seed gives the same colour.
Rgb RandomColour(std::uint64_t seed);

// The same with a generator freshly seeded from the system clock, so each call starts anew.
Rgb RandomColour();

} // namespace quilvane
