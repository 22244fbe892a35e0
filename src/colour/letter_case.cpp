#include "colour/letter_case.h"

namespace quilvane {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

bool IsCharacter(char32_t code) {
    return code <= kLastCodePoint && (code < kFirstSurrogate || code > kLastSurrogate);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point whose UTF-8 form starts at `text[at]`, and its length in bytes; length 0 when
// the bytes there are no valid, shortest UTF-8 form of a code point.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() - at < length) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) {
            return {0, 0};
        }
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest || !IsCharacter(code)) {
        return {0, 0};
    }
    return {code, length};
}

void Encode(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

void AppendInCase(std::string& out, std::string_view text, bool small, CharacterCase change) {
    for (std::size_t at = 0; at < text.size();) {
        const auto [code, length] = Decode(text, at);
        if (length == 0) {
            out += text[at];
            ++at;
            continue;
        }
        const char32_t changed = change(code, small);
        Encode(out, IsCharacter(changed) ? changed : code); // never writes invalid UTF-8
        at += length;
    }
}

} // namespace quilvane
