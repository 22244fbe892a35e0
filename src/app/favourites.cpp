#include "app/favourites.h"

#include "app/guarded_store.h"
#include "app/stored_values.h"

namespace quilvane {

namespace {

std::optional<int> ParseChannel(std::string_view group) {
    const auto value = ParseWholeNumber(group);
    if (!value || *value < 0 || *value > 255) {
        return std::nullopt;
    }
    return *value;
}

} // namespace

std::optional<Rgb> ParseFavouriteSlot(std::string_view stored) {
    if (stored.size() < 9) {
        return std::nullopt;
    }
    const auto red = ParseChannel(stored.substr(0, 3));
    const auto green = ParseChannel(stored.substr(3, 3));
    const auto blue = ParseChannel(stored.substr(6, 3));
    if (!red || !green || !blue) {
        return std::nullopt;
    }
    return Rgb{*red, *green, *blue};
}

FavouriteSlots LoadFavouriteSlots(SettingsStore& store) {
    FavouriteSlots slots;
    for (int i = 0; i < kFavouriteCount; ++i) {
        if (const auto colour = ReadConverted(store, kFavouriteKeys[i].name, ParseFavouriteSlot)) {
            slots.colours[i] = *colour;
            continue;
        }
        slots.repaired = true;
        const std::string_view defaultText = kFavouriteKeys[i].defaultText;
        slots.rewritesSucceeded =
            GuardedWrite(store, kFavouriteKeys[i].name, defaultText) && slots.rewritesSucceeded;
        slots.colours[i] = *ParseRgbString(defaultText);
    }
    return slots;
}

std::string FullWidthDigits(int n) {
    std::string text;
    for (const char c : std::to_string(n)) {
        if (c == '-') {
            text += "－";
            continue;
        }
        // U+FF10 + d in UTF-8 is EF BC 90+d.
        text += "\xEF\xBC";
        text += static_cast<char>(0x90 + (c - '0'));
    }
    return text;
}

std::string OverwriteQuestionText(int row) {
    std::string text(kOverwriteQuestion.text);
    const std::string_view slot = "%1";
    text.replace(text.find(slot), slot.size(), FullWidthDigits(row));
    return text;
}

} // namespace quilvane
