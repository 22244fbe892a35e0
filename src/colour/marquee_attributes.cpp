#include "colour/marquee_attributes.h"

#include <string_view>

namespace quilvane {

namespace {

std::string Attribute(std::string_view name, std::string_view value, std::string_view suffix = {}) {
    std::string text;
    text.reserve(name.size() + value.size() + suffix.size() + 6);
    text += ' ';
    text += name;
    text += " = \"";
    text += value;
    text += suffix;
    text += '"';
    return text;
}

std::string TextOrDefault(const std::string& text, int fallback) {
    return text.empty() ? std::to_string(fallback) : text;
}

std::string_view BehaviourValue(int index) {
    switch (index) {
    case 0:
        return "scroll";
    case 1:
        return "slide";
    default:
        return "alternate";
    }
}

} // namespace

MarqueeAttributes MarqueeAttributesFromChoices(const MarqueeChoices& choices) {
    MarqueeAttributes attributes;
    attributes.direction = Attribute("direction", choices.directionIndex == 0 ? "left" : "right");
    attributes.scrollAmount =
        Attribute("scrollamount", TextOrDefault(choices.amountText, kDefaultScrollAmount));
    attributes.scrollDelay =
        Attribute("scrolldelay", TextOrDefault(choices.stopTimeText, kDefaultScrollDelay));
    attributes.behavior = Attribute("behavior", BehaviourValue(choices.behaviourIndex));
    if (choices.widthTicked) {
        attributes.width = Attribute("width", TextOrDefault(choices.widthText, kDefaultWidth),
                                     choices.percent ? "%" : "");
    }
    return attributes;
}

} // namespace quilvane
