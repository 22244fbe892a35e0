#include "colour/markup.h"

#include <initializer_list>
#include <string_view>

namespace quilvane {

namespace {

// The literal pieces of the markup in one letter case.
struct CasePieces {
    std::string_view fontName;
    std::string_view fontEnd;
    std::string_view sizePrefix;
    std::string_view facePrefix;
    std::string_view boldStart;
    std::string_view boldEnd;
    std::string_view italicStart;
    std::string_view italicEnd;
    std::string_view centerStart;
    std::string_view centerEnd;
    std::string_view marqueeEnd;
};

constexpr CasePieces kSmallPieces{
    .fontName = "font color",
    .fontEnd = "</font>",
    .sizePrefix = " size = ",
    .facePrefix = " face = ",
    .boldStart = "<b>",
    .boldEnd = "</b>",
    .italicStart = "<i>",
    .italicEnd = "</i>",
    .centerStart = "<center>",
    .centerEnd = "</center>",
    .marqueeEnd = "</marquee>",
};
constexpr CasePieces kCapitalPieces{
    .fontName = "FONT COLOR",
    .fontEnd = "</FONT>",
    .sizePrefix = " SIZE = ",
    .facePrefix = " FACE = ",
    .boldStart = "<B>",
    .boldEnd = "</B>",
    .italicStart = "<I>",
    .italicEnd = "</I>",
    .centerStart = "<CENTER>",
    .centerEnd = "</CENTER>",
    .marqueeEnd = "</MARQUEE>",
};

// A size or face attribute is written for a non-empty text unless the list item "なし" is
// selected; a typed value has no position and is written even when it reads "なし".
void AppendListAttribute(std::string& out, std::string_view prefix, const std::string& text,
                         int position) {
    if (text.empty() || position == 0) {
        return;
    }
    out += prefix;
    out += '"';
    out += text;
    out += '"';
}

std::string FontOpeningTag(const MarkupInputs& inputs, const CasePieces& pieces) {
    std::string tag = "<";
    tag += pieces.fontName;
    tag += " = \"";
    tag += inputs.colourCode;
    tag += '"';
    AppendListAttribute(tag, pieces.sizePrefix, inputs.sizeText, inputs.sizePosition);
    AppendListAttribute(tag, pieces.facePrefix, inputs.faceText, inputs.facePosition);
    tag += '>';
    return tag;
}

// The opening marquee tag with its attribute texts, all of it in the chosen case.
std::string MarqueeStartTag(const MarqueeAttributes& attributes, bool small,
                            CharacterCase letterCase) {
    std::string tag;
    for (const std::string_view part :
         {std::string_view("<marquee"), std::string_view(attributes.direction),
          std::string_view(attributes.scrollAmount), std::string_view(attributes.scrollDelay),
          std::string_view(attributes.behavior), std::string_view(attributes.width),
          std::string_view(">")}) {
        AppendInCase(tag, part, small, letterCase);
    }
    return tag;
}

// Joins the parts into one string, allocating once.
std::string Concatenate(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    std::string out;
    out.reserve(size);
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

} // namespace

std::string ComposeMarkupText(const MarkupInputs& inputs, CharacterCase letterCase) {
    const CasePieces& pieces = inputs.small ? kSmallPieces : kCapitalPieces;
    const auto when = [](bool ticked, std::string_view piece) {
        return ticked ? piece : std::string_view();
    };
    const std::string opening = FontOpeningTag(inputs, pieces);
    const std::string marqueeStart =
        inputs.marquee ? MarqueeStartTag(inputs.marqueeAttributes, inputs.small, letterCase)
                       : std::string();
    const std::string_view marqueeEnd = when(inputs.marquee, pieces.marqueeEnd);
    const std::string_view boldStart = when(inputs.bold, pieces.boldStart);
    const std::string_view boldEnd = when(inputs.bold, pieces.boldEnd);
    const std::string_view italicStart = when(inputs.italic, pieces.italicStart);
    const std::string_view italicEnd = when(inputs.italic, pieces.italicEnd);
    const std::string_view centerStart = when(inputs.center, pieces.centerStart);
    const std::string_view centerEnd = when(inputs.center, pieces.centerEnd);

    // With a text the marquee stands inside the font element; without one it stands around the
    // opening font tag, and no font end tag is written.
    if (inputs.text.empty()) {
        return Concatenate({centerStart, boldStart, italicStart, marqueeStart, opening, marqueeEnd,
                            italicEnd, boldEnd, centerEnd});
    }
    return Concatenate({centerStart, boldStart, italicStart, opening, marqueeStart, inputs.text,
                        marqueeEnd, pieces.fontEnd, italicEnd, boldEnd, centerEnd});
}

} // namespace quilvane
