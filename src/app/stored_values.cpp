#include "app/stored_values.h"

#include "colour/rgb.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quilvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// A number split into its parts, exactly as written: the value is the digits of `whole` and
// `fraction` read as one integer, times ten to the power (exponent - fraction length).
struct DecimalNumber {
    std::string_view withoutPlus; // the number without blanks or a leading "+"
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    // Saturates far beyond any exponent that could matter, so huge exponents can't overflow.
    std::int64_t exponent = 0;

    std::size_t digitCount() const { return whole.size() + fraction.size(); }
    char digit(std::size_t i) const {
        return i < whole.size() ? whole[i] : fraction[i - whole.size()];
    }
    // Index of the first non-zero digit, or digitCount() when the number is zero.
    std::size_t firstNonZero() const {
        std::size_t i = 0;
        while (i < digitCount() && digit(i) == '0') {
            ++i;
        }
        return i;
    }
};

std::optional<DecimalNumber> SplitNumber(std::string_view text) {
    text = TrimBlanks(text);
    DecimalNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    number.withoutPlus = text.substr(!text.empty() && text[0] == '+' ? 1 : 0);

    std::size_t start = pos;
    pos = SkipDigits(text, pos);
    number.whole = text.substr(start, pos - start);
    if (pos < text.size() && text[pos] == '.') {
        start = ++pos;
        pos = SkipDigits(text, pos);
        number.fraction = text.substr(start, pos - start);
    }
    if (number.digitCount() == 0) {
        return std::nullopt;
    }

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        start = pos;
        constexpr std::int64_t kExponentCeiling = std::int64_t{1} << 40;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            number.exponent = std::min(number.exponent * 10 + (text[pos] - '0'), kExponentCeiling);
        }
        if (pos == start) {
            return std::nullopt;
        }
        if (negativeExponent) {
            number.exponent = -number.exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return number;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

} // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    const auto number = SplitNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const std::size_t first = number->firstNonZero();
    const std::size_t count = number->digitCount();
    if (first == count) {
        return 0;
    }
    // Digits before `point` form the whole part; it may lie before the first digit or after
    // the last one (implied zeros).
    const std::int64_t point = static_cast<std::int64_t>(number->whole.size()) + number->exponent;
    if (point - static_cast<std::int64_t>(first) > 10) {
        return std::nullopt; // eleven or more whole digits: far outside 32 bits
    }

    std::int64_t magnitude = 0;
    for (auto i = static_cast<std::int64_t>(first); i < point; ++i) {
        const auto index = static_cast<std::size_t>(i);
        magnitude = magnitude * 10 + (index < count ? number->digit(index) - '0' : 0);
    }
    // The exact digits decide the rounding, so "2.5000000001" goes up while "2.5" goes to 2.
    if (point >= 0 && point < static_cast<std::int64_t>(count)) {
        const auto index = static_cast<std::size_t>(point);
        const int firstDropped = number->digit(index) - '0';
        bool restNonZero = false;
        for (std::size_t i = index + 1; i < count && !restNonZero; ++i) {
            restNonZero = number->digit(i) != '0';
        }
        if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || magnitude % 2 != 0))) {
            ++magnitude;
        }
    }

    const std::int64_t value = number->negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<bool> ParseTruthValue(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (EqualsIgnoringCase(trimmed, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(trimmed, "false")) {
        return false;
    }
    const auto number = SplitNumber(trimmed);
    if (!number) {
        return std::nullopt;
    }
    return number->firstNonZero() != number->digitCount();
}

std::optional<float> ParseSingle(std::string_view text) {
    const auto number = SplitNumber(text);
    if (!number) {
        return std::nullopt;
    }
    // The text is known to be a plain decimal number here, which from_chars reads exactly
    // and independently of the locale.
    const std::string_view digits = number->withoutPlus;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> AsStored(std::string_view text) {
    return std::string(text);
}

std::optional<std::string> UsableColour(std::string_view text) {
    return ParseRgbString(text) ? AsStored(text) : std::nullopt;
}

std::string_view TruthText(bool value) {
    return value ? "True" : "False";
}

std::string WholeNumberText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace quilvane
