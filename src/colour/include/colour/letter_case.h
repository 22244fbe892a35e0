#pragma once

#include <string>
#include <string_view>

namespace quilvane {

// The small letter (`small`) or capital of one character, a Unicode code point. A character that
// has no one-character counterpart in that case, or is no letter, is its own result.
using CharacterCase = char32_t (*)(char32_t character, bool small);

// Appends the UTF-8 text `text` to `out`, each character changed by `change` on its own, so the
// number of characters stays the same. Bytes that are no valid UTF-8 are copied as they are.
void AppendInCase(std::string& out, std::string_view text, bool small, CharacterCase change);

} // namespace quilvane
