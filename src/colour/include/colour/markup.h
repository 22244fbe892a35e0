#pragma once

#include "colour/letter_case.h"
#include "colour/marquee_attributes.h"

#include <string>

namespace quilvane {

// A list position of a combo box that selects no item, as for a value typed into the box.
inline constexpr int kNoListPosition = -1;

// Everything the markup is composed from, as the main window holds it.
struct MarkupInputs {
    std::string text;       // the element content; an empty text gives the short form
    std::string colourCode; // the colour code box's text, "FF8000" or "#FF8000"
    std::string sizeText;
    int sizePosition = kNoListPosition; // position 0 is the list item "なし" (no attribute)
    std::string faceText;
    int facePosition = kNoListPosition;
    bool marquee = false;
    bool bold = false;
    bool italic = false;
    bool center = false;
    MarqueeAttributes marqueeAttributes;
    bool small = false; // element and attribute names in small letters, else in capitals
};

// The HTML font markup for the inputs: a font tag with colour, size and face, wrapped as ticked
// in center, b, i and marquee elements. Values are inserted unchanged and unescaped, except in
// the opening marquee tag, whose every letter `letterCase` puts in the chosen case.
std::string ComposeMarkupText(const MarkupInputs& inputs, CharacterCase letterCase);

} // namespace quilvane
