// The line-break conversions on any text, in both letter cases of the tag.
#include "colour/line_breaks.h"
#include "fuzz_support.h"

using namespace quilvane;
using quilvane::fuzz::Require;

namespace {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool HoldsLineBreakTag(std::string_view text) {
    return LowerAscii(text).find("<br>") != std::string::npos;
}

// Every carriage return comes with a line feed right after it, and the other way round.
bool OnlyWholeLineBreaks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool returnAlone = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
        const bool feedAlone = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        if (returnAlone || feedAlone) {
            return false;
        }
    }
    return true;
}

std::size_t CountLineBreaks(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const bool plain = !HoldsLineBreakTag(text);
    const bool noBreakCharacters = text.find_first_of("\r\n") == std::string_view::npos;

    const std::string breaks = TagsToLineBreaks(text);
    Require(!HoldsLineBreakTag(breaks), "no line-break tag is left behind");
    Require(!plain || breaks == text, "a text without tags stays as it is");

    for (const bool small : {true, false}) {
        const std::string tags = LineBreaksToTags(text, small);
        Require(tags.find("\r\n") == std::string::npos, "no line break is left behind");
        Require(tags.size() == text.size() + 2 * CountLineBreaks(text),
                "each line break becomes one tag");
        if (plain && OnlyWholeLineBreaks(text)) {
            Require(TagsToLineBreaks(tags) == text, "breaks to tags to breaks gives the text back");
        }
        if (noBreakCharacters) {
            Require(LowerAscii(LineBreaksToTags(breaks, small)) == LowerAscii(text),
                    "tags to breaks to tags gives the text back up to the tags' letter case");
        }
    }
    return 0;
}
