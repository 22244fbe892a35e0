#pragma once

#include "app/module1.h"
#include "app/program_version.h"
#include "app/stored_values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quilvane {

// Where a stored value lives in Module1 and how its text converts into it (nothing when it
// does not). The text written back follows from the type (stored_values.h).
template <class T> struct Variable {
    T Module1::*member;
    std::optional<T> (*parse)(std::string_view);
};
template <class T> Variable(T Module1::*, std::optional<T> (*)(std::string_view)) -> Variable<T>;

// One key of the settings store (application "Kelvary", section "Quilvane").
struct SettingKey {
    std::string_view name;
    std::string_view defaultText; // written when the stored value can't be used
    // None for the favourites, which live only in the store.
    std::variant<std::monostate, Variable<std::int32_t>, Variable<bool>, Variable<float>,
                 Variable<std::string>>
        variable{};
    int closeOrder = 0; // place in the save at close, from 1; 0 when not written at close
};

inline constexpr int kFavouriteCount = 10;

// Every key, in the order the start-up check reads them.
inline constexpr std::array<SettingKey, 10 + kFavouriteCount> kSettingKeys = {{
    {"top", "0", Variable{&Module1::reg_top, ParseWholeNumber}, 6}, // twips
    {"left", "0", Variable{&Module1::reg_left, ParseWholeNumber}, 7},
    // The five Config options: komoji, ime, dialog, fore, code.
    {"Check1", "False", Variable{&Module1::reg_Check1, ParseTruthValue}, 1},
    {"Check2", "True", Variable{&Module1::reg_Check2, ParseTruthValue}, 2},
    {"Check3", "True", Variable{&Module1::reg_Check3, ParseTruthValue}, 3},
    {"Check4", "False", Variable{&Module1::reg_Check4, ParseTruthValue}, 4},
    {"Check5", "False", Variable{&Module1::reg_Check5, ParseTruthValue}, 5},
    {"ver", kCurrentVersionText, Variable{&Module1::reg_ver, ParseSingle}},
    {"font", "なし", Variable{&Module1::reg_font, AsStored}, 8}, // no face chosen
    {"Last_Color", "128128128", Variable{&Module1::reg_Last_Color, UsableColour}, 9},
    {"fav1", "000000000"},  // black
    {"fav2", "255000000"},  // red
    {"fav3", "000255000"},  // green
    {"fav4", "000000255"},  // blue
    {"fav5", "255255000"},  // yellow
    {"fav6", "000255255"},  // cyan
    {"fav7", "255000255"},  // magenta
    {"fav8", "255255255"},  // white
    {"fav9", "128060255"},  // red 128, green 60, blue 255
    {"fav10", "040216040"}, // red 40, green 216, blue 40
}};

// The table by role, for the steps of the start-up check that treat keys one by one.
inline constexpr auto kVariableKeys = std::span(kSettingKeys).first<10>(); // top .. Last_Color
inline constexpr auto kPositionKeys = kVariableKeys.first<2>();
inline constexpr auto kOptionKeys = kVariableKeys.subspan<2, 5>();
inline constexpr const SettingKey& kVerKey = kVariableKeys[7];
inline constexpr const SettingKey& kFontKey = kVariableKeys[8];
inline constexpr const SettingKey& kLastColorKey = kVariableKeys[9];
// Slot n (1..10) is stored under kFavouriteKeys[n - 1].
inline constexpr auto kFavouriteKeys = std::span(kSettingKeys).last<kFavouriteCount>();

} // namespace quilvane
