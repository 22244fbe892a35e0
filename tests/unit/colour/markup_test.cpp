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

// ASCII and a few wider letters, as the platform's tables map them; "ß" has no one-character
// capital.
char32_t TestLetterCase(char32_t c, bool small) {
    const std::u32string lower = U"abcdefghijklmnopqrstuvwxyzéａｌ";
    const std::u32string upper = U"ABCDEFGHIJKLMNOPQRSTUVWXYZÉＡＬ";
    const std::size_t at = (small ? upper : lower).find(c);
    return at == std::u32string::npos ? c : (small ? lower : upper)[at];
}

template <typename Change> MarkupInputs Plain(bool small, std::string text, Change change) {
    MarkupInputs inputs;
    inputs.text = std::move(text);
    inputs.colourCode = "000000";
    inputs.small = small;
    change(inputs);
    return inputs;
}

// State A: #FF8000, size item "3", face item "ＭＳ ゴシック", Bold and Center ticked.
void StateA(MarkupInputs& in) {
    in.colourCode = "#FF8000";
    in.sizeText = "3";
    in.sizePosition = 3;
    in.faceText = "ＭＳ ゴシック";
    in.facePosition = 7;
    in.bold = in.center = true;
}

// State B: FF8000, size and face on "なし", Marquee ticked with the options window's defaults.
void StateB(MarkupInputs& in) {
    in.colourCode = "FF8000";
    in.sizeText = in.faceText = "なし";
    in.sizePosition = in.facePosition = 0;
    in.marquee = true;
    in.marqueeAttributes = MarqueeAttributesFromChoices({0, "90", "6", 0, false, "", true});
}

TEST(ComposeMarkupText, ComposesEachFormByteForByte) {
    const std::pair<MarkupInputs, const char*> rows[] = {
        {Plain(true, "Hello", StateA),
         R"(<center><b><font color = "#FF8000" size = "3" face = "ＭＳ ゴシック">Hello</font></b></center>)"},
        {Plain(false, "Hello", StateA),
         R"(<CENTER><B><FONT COLOR = "#FF8000" SIZE = "3" FACE = "ＭＳ ゴシック">Hello</FONT></B></CENTER>)"},
        {Plain(true, "", StateA),
         R"(<center><b><font color = "#FF8000" size = "3" face = "ＭＳ ゴシック"></b></center>)"},
        {Plain(false, "Hello", StateB),
         R"(<FONT COLOR = "FF8000"><MARQUEE DIRECTION = "LEFT" SCROLLAMOUNT = "6" SCROLLDELAY = "90" BEHAVIOR = "SCROLL">Hello</MARQUEE></FONT>)"},
        {Plain(true, "", StateB),
         R"(<marquee direction = "left" scrollamount = "6" scrolldelay = "90" behavior = "scroll"><font color = "FF8000"></marquee>)"},
        {Plain(true, "x", [](MarkupInputs& in) { in.sizeText = "+1"; }),
         R"(<font color = "000000" size = "+1">x</font>)"},
        {Plain(true, "x", [](MarkupInputs& in) { in.faceText = "なし"; }),
         R"(<font color = "000000" face = "なし">x</font>)"},
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
        // One character at a time: "ß" has no one-character capital, bytes that are no UTF-8
        // stay as they are.
        {Plain(false, "é",
               [](MarkupInputs& in) {
                   in.marquee = true;
                   in.marqueeAttributes.direction =
                       "ßx😀é\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80z\xE3\x81";
               }),
         "<FONT COLOR = "
         "\"000000\"><MARQUEEßX😀É\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80Z\xE3\x81>é</MARQUEE></"
         "FONT>"},
    };
    for (const auto& [inputs, expected] : rows) {
        EXPECT_EQ(ComposeMarkupText(inputs, TestLetterCase), expected);
    }
}

} // namespace
} // namespace quilvane
