#pragma once

#include "app/message_catalogue.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "colour/rgb.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quilvane {

// A stored favourite as the favourites window shows it: the first nine characters split into
// red, green and blue groups of three; characters after the ninth are ignored
// ("1280602559" is 128, 60, 255). Each group is read as a stored whole number (blanks around
// it allowed, see stored_values.h). Nothing when the text is shorter than nine characters
// (empty and missing included), or a group is not a number or lies outside 0..255.
std::optional<Rgb> ParseFavouriteSlot(std::string_view stored);

// The ten slots as the favourites window opens them.
struct FavouriteSlots {
    std::array<Rgb, kFavouriteCount> colours{}; // slot n (1..10) at index n - 1
    bool repaired = false;         // a faulty slot was replaced: show kFavouritesResetMessage
    bool rewritesSucceeded = true; // every replacement reached the store
};

// Reads "fav1".."fav10". A slot that can't be read or parsed is rewritten alone with its own
// default and shown in that default colour (also when the rewrite fails); the other slots
// keep their stored colours.
FavouriteSlots LoadFavouriteSlots(SettingsStore& store);

// The decimal text of n in full-width digits (U+FF10..U+FF19): 10 gives "１０".
std::string FullWidthDigits(int n);

// The text of kOverwriteQuestion, asked before slot `row` (1..10) is overwritten:
// "お気に入りデータ １０ を書き換えます。よろしいですか？" for row 10.
std::string OverwriteQuestionText(int row);

} // namespace quilvane
