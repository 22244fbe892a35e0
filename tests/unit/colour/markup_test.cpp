#include "colour/markup.h"

#include <gtest/gtest.h>

namespace quilvane {
namespace {

std::string Joined(const MarqueeAttributes& a) {
    return a.direction + a.scrollAmount + a.scrollDelay + a.behavior + a.width;
}

TEST(MarqueeAttributesFromChoices, WritesOneQuotedAttributePerChoice) {
    const std::pair<MarqueeChoices, const char*> rows[] = {
        // direction, stop time, amount, behaviour, width ticked, width, percent
        {{0, "90", "6", 0, false, "100", true},
         R"( direction = "left" scrollamount = "6" scrolldelay = "90" behavior = "scroll")"},
        {{1, "150", "-3", 1, true, "320", false},
         R"( direction = "right" scrollamount = "-3" scrolldelay = "150" behavior = "slide" width = "320")"},
        {{0, "1\"0", " a ", 2, true, "100", true},
         R"( direction = "left" scrollamount = " a " scrolldelay = "1"0" behavior = "alternate" width = "100%")"},
        {{3, "", "", 7, true, "", false},
         R"( direction = "right" scrollamount = "6" scrolldelay = "90" behavior = "alternate" width = "100")"},
    };
    for (const auto& [choices, expected] : rows) {
        EXPECT_EQ(Joined(MarqueeAttributesFromChoices(choices)), expected);
    }
}

// State A: #FF8000, size item "3", face item "ＭＳ ゴシック", Bold and Center ticked.
MarkupInputs StateA(bool small, std::string text) {
    return {.text = std::move(text),
            .colourCode = "#FF8000",
            .sizeText = "3",
            .sizePosition = 3,
            .faceText = "ＭＳ ゴシック",
            .facePosition = 7,
            .marquee = false,
            .bold = true,
            .italic = false,
            .center = true,
            .marqueeAttributes = {},
            .small = small};
}

// State B: FF8000, size and face on "なし", Marquee ticked with the options window's defaults.
MarkupInputs StateB(bool small, std::string text) {
    return {.text = std::move(text),
            .colourCode = "FF8000",
            .sizeText = "なし",
            .sizePosition = 0,
            .faceText = "なし",
            .facePosition = 0,
            .marquee = true,
            .bold = false,
            .italic = false,
            .center = false,
            .marqueeAttributes = MarqueeAttributesFromChoices({0, "90", "6", 0, false, "", true}),
            .small = small};
}

// ASCII and a few wider letters, as the platform's tables map them; "ß" has no one-character
// capital.
char32_t TestLetterCase(char32_t c, bool small) {
    const std::pair<char32_t, char32_t> pairs[] = {{U'é', U'É'}, {U'ａ', U'Ａ'}, {U'ｌ', U'Ｌ'}};
    for (const auto& [lower, upper] : pairs) {
        if (c == (small ? upper : lower)) {
            return small ? lower : upper;
        }
    }
    if (small && c >= U'A' && c <= U'Z') {
        return c - U'A' + U'a';
    }
    if (!small && c >= U'a' && c <= U'z') {
        return c - U'a' + U'A';
    }
    return c;
}

TEST(AppendInCase, ChangesOneCharacterAtATimeAndKeepsBytesThatAreNoUtf8) {
    struct Row {
        const char* text;
        bool small;
        const char* expected;
    };
    const Row rows[] = {
        {"6é", false, "6É"},
        {"6É", true, "6é"},
        {"ａ9", false, "Ａ9"},
        {"Ａ9", true, "ａ9"},
        {"ßx", false, "ßX"},
        {"😀é", false, "😀É"},
        {"a\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80z\xE3\x81", false,
         "A\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80Z\xE3\x81"},
    };
    for (const Row& row : rows) {
        std::string out = "<";
        AppendInCase(out, row.text, row.small, TestLetterCase);
        EXPECT_EQ(out, std::string("<") + row.expected) << row.text;
    }
}

template <typename Change> MarkupInputs Plain(bool small, std::string text, Change change) {
    MarkupInputs inputs;
    inputs.text = std::move(text);
    inputs.colourCode = "000000";
    inputs.small = small;
    change(inputs);
    return inputs;
}

TEST(ComposeMarkupText, ComposesEachFormByteForByte) {
    const std::pair<MarkupInputs, const char*> rows[] = {
        {StateA(true, "Hello"),
         R"(<center><b><font color = "#FF8000" size = "3" face = "ＭＳ ゴシック">Hello</font></b></center>)"},
        {StateA(false, "Hello"),
         R"(<CENTER><B><FONT COLOR = "#FF8000" SIZE = "3" FACE = "ＭＳ ゴシック">Hello</FONT></B></CENTER>)"},
        {StateA(true, ""),
         R"(<center><b><font color = "#FF8000" size = "3" face = "ＭＳ ゴシック"></b></center>)"},
        {StateB(false, "Hello"),
         R"(<FONT COLOR = "FF8000"><MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90" BEHAVIOR = "SCROLL">Hello</MARQUEE></FONT>)"},
        {StateB(true, "Hello"),
         R"(<font color = "FF8000"><marquee direction = "left" scrollamount = "6" scrolldelay = "90" behavior = "scroll">Hello</marquee></font>)"},
        {StateB(true, ""),
         R"(<marquee direction = "left" scrollamount = "6" scrolldelay = "90" behavior = "scroll"><font color = "FF8000"></marquee>)"},
        {Plain(true, "x", [](MarkupInputs& in) { in.sizeText = "+1"; }),
         R"(<font color = "000000" size = "+1">x</font>)"},
        {Plain(true, "x", [](MarkupInputs& in) { in.faceText = "なし"; }),
         R"(<font color = "000000" face = "なし">x</font>)"},
        {Plain(true, "  ", [](MarkupInputs& in) { in.colourCode = "FF00FF"; }),
         R"(<font color = "FF00FF">  </font>)"},
        {Plain(true, "x", [](MarkupInputs& in) { in.marquee = true; }),
         R"(<font color = "000000"><marquee>x</marquee></font>)"},
        {Plain(false, "", [](MarkupInputs& in) { in.marquee = true; }),
         R"(<MARQUEE><FONT COLOR = "000000"></MARQUEE>)"},
        // Values go in unescaped; only the marquee tag changes case, every letter of it.
        {Plain(false, R"(<a&">)",
               [](MarkupInputs& in) {
                   in.italic = in.bold = in.center = in.marquee = true;
                   in.faceText = R"("Ｆace")";
                   in.marqueeAttributes.direction = R"( direction = "ｌeft")";
               }),
         R"(<CENTER><B><I><FONT COLOR = "000000" FACE = ""Ｆace""><MARQUEE DIRECTION = "ＬEFT"><a&"></MARQUEE></FONT></I></B></CENTER>)"},
    };
    for (const auto& [inputs, expected] : rows) {
        EXPECT_EQ(ComposeMarkupText(inputs, TestLetterCase), expected);
    }
}

} // namespace
} // namespace quilvane
