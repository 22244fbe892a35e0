// The stored-text conversions on any text: whole numbers, truth values, single-precision
// numbers and stored colours agree with each other, ignore surrounding blanks, and read back
// what the program writes.
#include "app/stored_values.h"
#include "colour/rgb.h"
#include "fuzz_support.h"

#include <cmath>

using namespace quilvane;
using quilvane::fuzz::Require;

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const auto whole = ParseWholeNumber(text);
    const auto truth = ParseTruthValue(text);
    const auto single = ParseSingle(text);

    const std::string padded = " \t" + std::string(text) + "\t ";
    Require(ParseWholeNumber(padded) == whole, "blanks around a whole number are ignored");
    Require(ParseTruthValue(padded) == truth, "blanks around a truth value are ignored");
    Require(ParseSingle(padded) == single, "blanks around a number are ignored");

    // One number form for all three readers: a number is always a truth value.
    Require(!(whole || single) || truth, "every number is a truth value");
    if (single) {
        Require(*truth == (*single != 0.0f), "a number is true exactly when it is not zero");
        // Well inside 32 bits the whole number is the nearest one, so at most a half away
        // (plus the single's own rounding).
        if (std::fabs(*single) < 1e9f) {
            Require(whole.has_value(), "a number well inside 32 bits is a whole number");
        }
        if (whole && std::fabs(*single) < 1048576.0f) {
            Require(std::fabs(static_cast<double>(*whole) - *single) <= 0.5625,
                    "the whole number is the nearest to the number");
        }
    }

    if (whole) {
        Require(ParseWholeNumber(WholeNumberText(*whole)) == whole,
                "a written whole number reads back");
        const std::string_view core = TrimBlanks(text);
        if (!core.empty() && core.front() != '+' && core.front() != '-') {
            // Rounding halves to even is symmetric, so the sign only flips the result.
            Require(ParseWholeNumber("-" + std::string(core)) == -*whole,
                    "a minus sign negates the whole number");
        }
    }
    if (truth) {
        Require(ParseTruthValue(TruthText(*truth)) == truth, "a written truth value reads back");
    }

    if (const auto colour = ParseRgbString(text)) {
        Require(RgbString(*colour) == text, "a stored colour is written back as it was read");
    }
    return 0;
}
