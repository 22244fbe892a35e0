#include "colour/line_breaks.h"

#include <gtest/gtest.h>

namespace quilvane {
namespace {

TEST(TagsToLineBreaks, ReplacesBareTagsInAnyCase) {
    const std::pair<std::string_view, const char*> rows[] = {
        {"Hello<br>World", "Hello\r\nWorld"},
        {"a<BR>b<Br>c<bR>d", "a\r\nb\r\nc\r\nd"},
        {"end<br><BR>", "end\r\n\r\n"},
        {"<<br>>", "<\r\n>"},
        {"<br/> <br class=x> <br >", "<br/> <br class=x> <br >"},
        {"<ｂｒ> <BR", "<ｂｒ> <BR"},
        {std::string_view("x<br>", 4), "x<br"},
        {"", ""}};
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(TagsToLineBreaks(text), expected) << text;
    }
}

TEST(LineBreaksToTags, ReplacesOnlyCarriageReturnLineFeedPairs) {
    EXPECT_EQ(LineBreaksToTags("a\r\nb\r\nc", true), "a<br>b<br>c");
    EXPECT_EQ(LineBreaksToTags("end\r\n\r\n", false), "end<BR><BR>");
    EXPECT_EQ(LineBreaksToTags("a\rb\nc\n\r", true), "a\rb\nc\n\r");
    EXPECT_EQ(LineBreaksToTags("\r\r\n\n", true), "\r<br>\n");
    EXPECT_EQ(LineBreaksToTags("", false), "");
}

} // namespace
} // namespace quilvane
