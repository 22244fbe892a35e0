#include "colour/rgb.h"

#include <array>
#include <cstdio>

namespace quilvane {

namespace {

void AppendHexPair(std::string& out, int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(value >> 4) & 0xF];
    out += kDigits[value & 0xF];
}

void AppendThreeDigits(std::string& out, int value) {
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%03d", value);
    out += buffer.data();
}

} // namespace

std::string ColourCode(Rgb colour, bool withHash) {
    std::string code = withHash ? "#" : "";
    AppendHexPair(code, colour.red);
    AppendHexPair(code, colour.green);
    AppendHexPair(code, colour.blue);
    return code;
}

std::string RgbString(Rgb colour) {
    std::string text;
    AppendThreeDigits(text, colour.red);
    AppendThreeDigits(text, colour.green);
    AppendThreeDigits(text, colour.blue);
    return text;
}

std::optional<Rgb> ParseRgbString(std::string_view text) {
    if (text.size() != 9) {
        return std::nullopt;
    }
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 9; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        channels[i / 3] = channels[i / 3] * 10 + (c - '0');
    }
    for (const int channel : channels) {
        if (channel > 255) {
            return std::nullopt;
        }
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

} // namespace quilvane
