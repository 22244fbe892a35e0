#pragma once

#include "colour/rgb.h"

#include <array>
#include <string_view>

namespace quilvane {

// One item of the fixed-colour menu `Kotei`: the item's name, its caption with the access key
// marked by "&", and the colour it sets.
struct FixedColour {
    std::string_view name;
    std::string_view caption;
    Rgb colour;
};

// The eight fixed colours in menu order, black first and white last.
extern const std::array<FixedColour, 8> kFixedColours;

} // namespace quilvane
