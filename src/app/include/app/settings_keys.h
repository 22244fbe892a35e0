#pragma once

#include "app/program_version.h"

#include <array>
#include <string_view>

namespace quilvane {

// Keys of the settings store (application "Kelvary", section "Quilvane"), with the texts
// written when a stored value has to be repaired.

inline constexpr std::string_view kKeyTop = "top";   // twips, whole number
inline constexpr std::string_view kKeyLeft = "left"; // twips, whole number
inline constexpr std::string_view kDefaultPosition = "0";

// The five Config options: komoji, ime, dialog, fore, code.
inline constexpr int kOptionCount = 5;
inline constexpr std::array<std::string_view, kOptionCount> kKeyCheck = {
    "Check1", "Check2", "Check3", "Check4", "Check5"};
inline constexpr std::array<bool, kOptionCount> kDefaultCheck = {false, true, true, false, false};

inline constexpr std::string_view kKeyVer = "ver";

inline constexpr std::string_view kKeyFont = "font";
inline constexpr std::string_view kDefaultFont = "なし"; // no face chosen

inline constexpr std::string_view kKeyLastColor = "Last_Color";
inline constexpr std::string_view kDefaultLastColor = "128128128";

inline constexpr int kFavouriteCount = 10;
// Slot n (1..10) is stored under kKeyFav[n - 1].
inline constexpr std::array<std::string_view, kFavouriteCount> kKeyFav = {
    "fav1", "fav2", "fav3", "fav4", "fav5", "fav6", "fav7", "fav8", "fav9", "fav10"};
inline constexpr std::array<std::string_view, kFavouriteCount> kDefaultFav = {
    "000000000", // black
    "255000000", // red
    "000255000", // green
    "000000255", // blue
    "255255000", // yellow
    "000255255", // cyan
    "255000255", // magenta
    "255255255", // white
    "128060255", // red 128, green 60, blue 255
    "040216040", // red 40, green 216, blue 40
};

} // namespace quilvane
