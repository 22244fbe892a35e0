#include "colour/line_breaks.h"

namespace quilvane {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kTagLength = 4; // "<BR>"

char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsLineBreakTagAt(std::string_view text, std::size_t position) {
    return text.size() - position >= kTagLength && text[position] == '<' &&
           ToUpperAscii(text[position + 1]) == 'B' && ToUpperAscii(text[position + 2]) == 'R' &&
           text[position + 3] == '>';
}

} // namespace

std::string TagsToLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0; // everything before this position is already in the result
    // A tag's last three characters hold no "<", so the search may go on right after its "<"
    // without ever matching inside a tag already replaced.
    for (std::size_t position = text.find('<'); position != std::string_view::npos;
         position = text.find('<', position + 1)) {
        if (IsLineBreakTagAt(text, position)) {
            result += text.substr(copied, position - copied);
            result += kLineBreak;
            copied = position + kTagLength;
        }
    }
    result += text.substr(copied);
    return result;
}

std::string LineBreaksToTags(std::string_view text, bool small) {
    const std::string_view tag = small ? "<br>" : "<BR>";
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t found = text.find(kLineBreak); found != std::string_view::npos;
         found = text.find(kLineBreak, copied)) {
        result += text.substr(copied, found - copied);
        result += tag;
        copied = found + kLineBreak.size();
    }
    result += text.substr(copied);
    return result;
}

} // namespace quilvane
