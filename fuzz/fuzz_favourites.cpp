// Favourite slots: parsing any stored text, and opening the favourites over any store, which
// repairs exactly the slots that don't parse and leaves nothing for a second opening.
#include "app/favourites.h"
#include "colour/rgb.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace quilvane;
using quilvane::fuzz::Require;
using quilvane::fuzz::Stored;

namespace {

bool InRange(const Rgb& c) {
    const auto channel = [](int v) { return v >= 0 && v <= 255; };
    return channel(c.red) && channel(c.green) && channel(c.blue);
}

void CheckParse(std::string_view stored) {
    const auto colour = ParseFavouriteSlot(stored);
    Require(!colour || InRange(*colour), "a parsed favourite lies in 0..255");
    if (stored.size() < 9) {
        Require(!colour, "a text shorter than nine characters is no favourite");
        return;
    }
    const std::string_view nine = stored.substr(0, 9);
    Require(ParseFavouriteSlot(nine) == colour, "characters after the ninth are ignored");
    if (std::all_of(nine.begin(), nine.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        Require(colour == ParseRgbString(nine), "nine digits read as a stored colour");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    CheckParse(input);

    MemorySettingsStore store = fuzz::StoreFromLines(input);
    std::array<std::optional<Rgb>, kFavouriteCount> before;
    for (int i = 0; i < kFavouriteCount; ++i) {
        const std::string stored = Stored(store, kFavouriteKeys[i].name);
        CheckParse(stored);
        before[i] = ParseFavouriteSlot(stored);
    }

    const FavouriteSlots slots = LoadFavouriteSlots(store);
    std::size_t faulty = 0;
    for (int i = 0; i < kFavouriteCount; ++i) {
        if (before[i]) {
            Require(slots.colours[i] == *before[i], "a good slot keeps its colour");
            continue;
        }
        const std::string_view defaultText = kFavouriteKeys[i].defaultText;
        Require(slots.colours[i] == ParseRgbString(defaultText) &&
                    Stored(store, kFavouriteKeys[i].name) == defaultText,
                "a faulty slot gets its own default");
        ++faulty;
    }
    Require(store.writes.size() == faulty && slots.repaired == (faulty > 0) &&
                slots.rewritesSucceeded,
            "exactly the faulty slots are rewritten");

    store.writes.clear();
    const FavouriteSlots again = LoadFavouriteSlots(store);
    Require(store.writes.empty() && !again.repaired && again.colours == slots.colours,
            "a second opening repairs nothing");
    return 0;
}
