#include "colour/rgb.h"

#include <algorithm>
#include <array>
#include <cmath>
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

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// A fraction outside 0..1 is held to the nearer end; NaN gives 0.
int ChannelFromFraction(double fraction) {
    if (!(fraction > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::min(fraction, 1.0) * 255));
}

} // namespace

std::string ColourCode(Rgb colour, bool withHash) {
    std::string code = withHash ? "#" : "";
    AppendHexPair(code, colour.red);
    AppendHexPair(code, colour.green);
    AppendHexPair(code, colour.blue);
    return code;
}

std::optional<Rgb> ParseColourCode(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6 && text.size() != 3) {
        return std::nullopt;
    }
    // A short code's digit stands for two alike: one digit a channel, times 17.
    const std::size_t perChannel = text.size() / 3;
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) {
            return std::nullopt;
        }
        channels[i / perChannel] = channels[i / perChannel] * 16 + digit;
    }
    if (perChannel == 1) {
        for (int& channel : channels) {
            channel *= 17;
        }
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

Rgb RgbFromFractions(double red, double green, double blue) {
    return {ChannelFromFraction(red), ChannelFromFraction(green), ChannelFromFraction(blue)};
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
