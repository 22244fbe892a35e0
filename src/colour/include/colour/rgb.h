#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quilvane {

// A colour as three channels of 0..255, red, green, blue.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour code shown to the user: two capital hexadecimal digits per channel, red first,
// with a leading "#" when asked for: (255, 128, 0) gives "FF8000" or "#FF8000".
std::string ColourCode(Rgb colour, bool withHash);

// Reads a colour code as a user types or pastes it: six hexadecimal digits, or three that
// stand for doubled digits ("F80" is FF8800), in either case, with or without a leading "#",
// blanks around it ignored. Anything else is no code.
std::optional<Rgb> ParseColourCode(std::string_view text);

// A colour given as three fractions 0..1, each channel rounded to the nearest of 0..255.
Rgb RgbFromFractions(double red, double green, double blue);

// The stored form of a colour: three decimal digits per channel, "128060255".
std::string RgbString(Rgb colour);

// Reads a stored colour: exactly nine decimal digits whose triples are each at most 255.
std::optional<Rgb> ParseRgbString(std::string_view text);

} // namespace quilvane
