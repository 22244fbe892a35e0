#include "colour/colour_sweep.h"
#include "colour/fixed_colours.h"
#include "colour/random_channel.h"
#include "colour/rgb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quilvane {
namespace {

TEST(ParseRgbString, AcceptsOnlyNineDigitsWithTriplesUpTo255) {
    const std::pair<const char*, std::optional<Rgb>> rows[] = {
        {"128060255", Rgb{128, 60, 255}}, {"000000000", Rgb{0, 0, 0}},  {"", std::nullopt},
        {"12806025", std::nullopt},       {"1280602550", std::nullopt}, {"256000000", std::nullopt},
        {"000000256", std::nullopt},      {"12806025a", std::nullopt},  {"-28060255", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(ParseRgbString(text), expected) << text;
    }
}

// Valid: capitals; "#", both cases and every end of the digits; the short form; blanks around.
// The rest is no code: blanks only, "#" alone or twice, four or seven digits, a letter past
// F or f, a blank inside.
TEST(ParseColourCode, SixOrThreeHexDigitsHashAndBlanksAround) {
    const std::pair<const char*, std::optional<Rgb>> rows[] = {
        {"FF8000", Rgb{255, 128, 0}}, {"#09afAF", Rgb{9, 175, 175}},
        {"F80", Rgb{255, 136, 0}},    {" \t#a1f \r\n", Rgb{170, 17, 255}},
        {"  ", std::nullopt},         {"#", std::nullopt},
        {"##F80", std::nullopt},      {"#F800", std::nullopt},
        {"FF80001", std::nullopt},    {"G00", std::nullopt},
        {"00g000", std::nullopt},     {"FF 800", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(ParseColourCode(text), expected) << text;
    }
}

TEST(FixedColours, EightColoursInMenuOrder) {
    std::string colours;
    for (const auto& fixed : kFixedColours) {
        colours += std::string(fixed.name) + " " + RgbString(fixed.colour) + ", ";
    }
    EXPECT_EQ(colours, "black 000000000, red 255000000, green 000255000, yellow 255255000, "
                       "blue 000000255, cyan 000255255, magenta 255000255, white 255255255, ");
    EXPECT_EQ(kFixedColours[4].caption, "青(B&lue)");
}

// Six phases: red, green, blue each rise to 128 in turn, then blue, green, red each from 129 to
// 255; a finished phase leaves its channel one above its last value.
TEST(ColourSweep, RunsFromBlackToWhiteInSmallStepsPhaseByPhase) {
    const std::vector<Rgb> sweep = ColourSweep();
    ASSERT_EQ(sweep.size(), 768u);
    const std::pair<std::size_t, Rgb> phaseEnds[] = {
        {0, {0, 0, 0}},         {128, {128, 0, 0}},     // red up
        {129, {129, 0, 0}},     {257, {129, 128, 0}},   // green up
        {258, {129, 129, 0}},   {386, {129, 129, 128}}, // blue up
        {387, {129, 129, 129}}, {513, {129, 129, 255}}, // blue on to the top
        {514, {129, 129, 255}}, {640, {129, 255, 255}}, // green on to the top
        {641, {129, 255, 255}}, {767, {255, 255, 255}}, // red on to the top
    };
    for (const auto& [index, colour] : phaseEnds) {
        EXPECT_EQ(sweep[index], colour) << index;
    }
}

TEST(ChannelFromUnit, FloorOfTimes256HeldTo0Through255) {
    const std::pair<float, int> rows[] = {
        {0.0f, 0},   {std::nextafter(1.0f / 256, 0.0f), 0},       {1.0f / 256, 1},
        {0.5f, 128}, {std::nextafter(1.0f, 0.0f), 255},           {1.0f, 255},
        {-0.25f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [x, channel] : rows) {
        EXPECT_EQ(ChannelFromUnit(x), channel) << x;
    }
}

TEST(RandomColour, SeededDrawsStayInRangeSpreadEvenlyAndRepeatPerSeed) {
    std::array<int, 256> counts{};
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        const Rgb colour = RandomColour(seed);
        for (const int channel : {colour.red, colour.green, colour.blue}) {
            ++counts.at(static_cast<std::size_t>(channel)); // throws outside 0..255
        }
    }
    // 6000 draws give about 23 per value; a draw reaching 1 or beyond would pile up on 255.
    EXPECT_GT(*std::min_element(counts.begin(), counts.end()), 0);
    EXPECT_LT(*std::max_element(counts.begin(), counts.end()), 60);
    EXPECT_EQ(RandomColour(42), RandomColour(42));
}

} // namespace
} // namespace quilvane
