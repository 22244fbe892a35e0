#include "app/stored_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace quilvane {
namespace {

constexpr auto kNone = std::nullopt;

struct ConversionRow {
    std::string_view text;
    std::optional<std::int32_t> whole;
    std::optional<bool> truth;
    std::optional<float> single;
};

// One row per stored text, read by each of the three conversions.
const ConversionRow kConversions[] = {
    {"2.5", 2, true, 2.5f},
    {"3.5", 4, true, 3.5f},
    {"-2.5", -2, true, -2.5f},
    {"2.5000000000000000001", 3, true, 2.5f}, // above the half, though a double can't tell
    {"2147483647", 2147483647, true, 2147483647.0f},
    {"2147483647.5", kNone, true, 2147483647.5f}, // rounds up past the limit
    {"2147483648", kNone, true, 2147483648.0f},
    {"-2147483648", std::numeric_limits<std::int32_t>::min(), true, -2147483648.0f},
    {"-2147483649", kNone, true, -2147483649.0f},
    {"TRUE", kNone, true, kNone},
    {" fAlSe\t", kNone, false, kNone},
    {"yes", kNone, kNone, kNone},
    {"0", 0, false, 0.0f},
    {"0.001", 0, true, 0.001f},
    {".6", 1, true, 0.6f},
    {"", kNone, kNone, kNone},
    {"  ", kNone, kNone, kNone},
    {" 12 ", 12, true, 12.0f},
    {"1e3", 1000, true, 1000.0f},
    {"+2.5E-1", 0, true, 0.25f},
    {"1e-999999999999999999999", 0, true, kNone}, // too small for single precision
    {"0e999999999999999999999", 0, false, 0.0f},
    {"1e40", kNone, true, kNone},
    {"5.", 5, true, 5.0f},
    {"2.80", 3, true, 2.8f},
    {"1,000", kNone, kNone, kNone},
    {"0x10", kNone, kNone, kNone},
    {"inf", kNone, kNone, kNone},
    {".", kNone, kNone, kNone},
    {"1e", kNone, kNone, kNone},
    {"１２", kNone, kNone, kNone}, // full-width digits
};

TEST(StoredValues, ConversionsOfStoredTexts) {
    for (const ConversionRow& row : kConversions) {
        SCOPED_TRACE(testing::Message() << '"' << row.text << '"');
        EXPECT_EQ(ParseWholeNumber(row.text), row.whole);
        EXPECT_EQ(ParseTruthValue(row.text), row.truth);
        EXPECT_EQ(ParseSingle(row.text), row.single);
    }
}

} // namespace
} // namespace quilvane
