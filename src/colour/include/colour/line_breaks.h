#pragma once

#include <string>
#include <string_view>

namespace quilvane {

// Turns every line-break tag "<BR>", in any letter case, into a line break (carriage return,
// line feed), from left to right without overlap; the result is not searched again. A tag with
// attributes or a closing slash ("<br/>", "<br class=x>") stays as it is.
std::string TagsToLineBreaks(std::string_view text);

// Turns every carriage return + line feed pair into the tag "<br>" (small) or "<BR>", giving
// one line. A lone carriage return or line feed stays as it is.
std::string LineBreaksToTags(std::string_view text, bool small);

} // namespace quilvane
