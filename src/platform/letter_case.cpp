#include "platform/letter_case.h"

#include <QChar>

namespace quilvane {

// QChar's single-character mappings are Unicode's simple case mappings.
char32_t UnicodeLetterCase(char32_t character, bool small) {
    return small ? QChar::toLower(character) : QChar::toUpper(character);
}

} // namespace quilvane
