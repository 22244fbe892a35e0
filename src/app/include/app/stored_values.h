#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quilvane {

// Conversions between the texts of the settings store and the settings variables.
//
// The three readers share one number form, so a text that is a number for one of them is a
// number for all:
//   - blanks (space, tab) before and after the number are ignored; none inside it;
//   - an optional "+" or "-", then decimal digits with an optional fraction after a full stop
//     ("12", "12.5", "12.", ".5"), then an optional exponent ("1e3", "2.5E-1", "1e+2");
//   - the full stop is the decimal separator whatever the locale; digit grouping, currency
//     signs, hexadecimal ("&H10", "0x10"), full-width digits, "inf" and "nan" are not numbers.
// The empty text and a text of blanks only are not numbers.

// A whole number: the number rounded to the nearest whole, a half to the even neighbour
// ("2.5" -> 2, "3.5" -> 4, "-2.5" -> -2). Fails outside the 32-bit signed range after rounding.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// A truth value: "True" or "False" in any letter case, or a number (zero is false, any other
// number true, however large or small). Anything else fails, the empty text included.
std::optional<bool> ParseTruthValue(std::string_view text);

// A single-precision number ("2.80" -> 2.8f). Fails beyond the range of single precision,
// including a non-zero number too small to be told from zero.
std::optional<float> ParseSingle(std::string_view text);

// A text taken as it is stored; always converts.
std::optional<std::string> AsStored(std::string_view text);

// A colour text: only a valid RgbString converts, as only such a colour suits the scroll bars.
std::optional<std::string> UsableColour(std::string_view text);

// The written forms: "True" / "False", and plain decimal text ("0", "1230", "-45").
std::string_view TruthText(bool value);
std::string WholeNumberText(std::int32_t value);

} // namespace quilvane
