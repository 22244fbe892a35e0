#pragma once

#include <string>

namespace quilvane {

// The five attribute texts of the opening marquee tag, in the order they are written. Each is
// empty or one attribute: a blank, the name, " = ", and the value in double quotes, with names
// and fixed values in small letters, e.g. ` direction = "left"`.
struct MarqueeAttributes {
    std::string direction;
    std::string scrollAmount;
    std::string scrollDelay;
    std::string behavior;
    std::string width;
};

// What an empty box in the marquee options window stands for, and what the window puts back
// into the box and its bar when Ok finds it empty.
inline constexpr int kDefaultScrollDelay = 90;
inline constexpr int kDefaultScrollAmount = 6;
inline constexpr int kDefaultWidth = 100;

// The choices of the marquee options window, as its controls hold them.
struct MarqueeChoices {
    int directionIndex = 0;   // 0 left, any other right
    std::string stopTimeText; // the scroll delay as typed
    std::string amountText;   // the scroll amount as typed
    int behaviourIndex = 0;   // 0 scroll, 1 slide, any other alternate
    bool widthTicked = false; // without it no width attribute is written
    std::string widthText;    // the width as typed
    bool percent = true;      // width in percent ("%" appended) or in pixels
};

// The attribute texts for the given choices. Typed values are copied unchanged, quotes and
// signs included; an empty box gives its default value.
MarqueeAttributes MarqueeAttributesFromChoices(const MarqueeChoices& choices);

} // namespace quilvane
