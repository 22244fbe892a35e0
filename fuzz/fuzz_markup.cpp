// Markup composition over any inputs. The input holds three bytes (switches, size position,
// face position), then the colour code, size, face and the five marquee attribute texts, one
// per line, and the rest is the text.
#include "colour/markup.h"
#include "fuzz_support.h"

#include <algorithm>
#include <array>

using namespace quilvane;
using quilvane::fuzz::Require;

namespace {

std::string_view NextLine(std::string_view& input) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(std::min(end + 1, input.size()));
    return line;
}

MarkupInputs DecodeInputs(std::string_view input) {
    MarkupInputs inputs;
    const auto switches = static_cast<unsigned char>(input[0]);
    inputs.marquee = switches & 1;
    inputs.bold = switches & 2;
    inputs.italic = switches & 4;
    inputs.center = switches & 8;
    inputs.small = switches & 16;
    inputs.sizePosition = static_cast<signed char>(input[1]);
    inputs.facePosition = static_cast<signed char>(input[2]);
    input.remove_prefix(3);
    const std::array<std::string*, 8> lines = {&inputs.colourCode,
                                               &inputs.sizeText,
                                               &inputs.faceText,
                                               &inputs.marqueeAttributes.direction,
                                               &inputs.marqueeAttributes.scrollAmount,
                                               &inputs.marqueeAttributes.scrollDelay,
                                               &inputs.marqueeAttributes.behavior,
                                               &inputs.marqueeAttributes.width};
    for (std::string* field : lines) {
        *field = NextLine(input);
    }
    inputs.text = input;
    return inputs;
}

// The letter case of the ASCII letters; every other character stays, as a letter without a
// counterpart does.
char32_t AsciiLetterCase(char32_t c, bool small) {
    if (small && c >= U'A' && c <= U'Z') {
        return c - U'A' + U'a';
    }
    if (!small && c >= U'a' && c <= U'z') {
        return c - U'a' + U'A';
    }
    return c;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// A piece of markup written in small letters, in the letter case asked for.
std::string InCase(std::string_view piece, bool small) {
    std::string text(piece);
    if (!small) {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
    }
    return text;
}

MarkupInputs With(MarkupInputs inputs, std::string MarkupInputs::*field, std::string value) {
    inputs.*field = std::move(value);
    return inputs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const MarkupInputs inputs = DecodeInputs(fuzz::AsText(data, size));
    const std::string markup = ComposeMarkupText(inputs, AsciiLetterCase);
    Require(markup.front() == '<' && markup.back() == '>', "the markup is enclosed in tags");
    Require(markup.find(InCase(" color = \"", inputs.small) + inputs.colourCode + '"') !=
                std::string::npos,
            "the colour code goes in unchanged");

    // The letter case touches the names only: values and text are the same in both.
    MarkupInputs otherCase = inputs;
    otherCase.small = !inputs.small;
    Require(LowerAscii(ComposeMarkupText(otherCase, AsciiLetterCase)) == LowerAscii(markup),
            "the two letter cases differ in letter case only");

    // The text goes in unchanged, followed by end tags only: a one-character stand-in shows
    // where, and everything around it is the same.
    if (!inputs.text.empty()) {
        const std::string probe =
            ComposeMarkupText(With(inputs, &MarkupInputs::text, "\x01"), AsciiLetterCase);
        const std::size_t at = probe.rfind('\x01');
        Require(at != std::string::npos &&
                    markup == probe.substr(0, at) + inputs.text + probe.substr(at + 1),
                "the text goes in unchanged");
    }

    // A size or face that is not written leaves no trace; one that is, is written as given.
    const auto checkAttribute = [&](std::string MarkupInputs::*field, int position,
                                    std::string_view name) {
        const std::string& value = inputs.*field;
        if (value.empty() || position == 0) {
            Require(ComposeMarkupText(With(inputs, field, ""), AsciiLetterCase) == markup,
                    "an attribute without value or with the list item none is left out");
        } else {
            const std::string attribute = InCase(name, inputs.small) + value + '"';
            Require(markup.find(attribute) != std::string::npos,
                    "an attribute is written with its value as given");
        }
    };
    checkAttribute(&MarkupInputs::sizeText, inputs.sizePosition, " size = \"");
    checkAttribute(&MarkupInputs::faceText, inputs.facePosition, " face = \"");
    return 0;
}
