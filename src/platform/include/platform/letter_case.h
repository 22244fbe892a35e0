#pragma once

namespace quilvane {

// The small letter or capital of one character from the platform's Unicode tables, one
// character for one: a letter whose counterpart would take more characters ("ß") stays as it is.
char32_t UnicodeLetterCase(char32_t character, bool small);

} // namespace quilvane
