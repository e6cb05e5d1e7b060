#include "SimText.h"

#include <cstdio>

size_t SimText::utf8SequenceLength(const std::string& text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead < 0x80)
        return 1;
    if ((lead >> 5) == 0x6) {
        length = 2, minimum = 0x80, code = lead & 0x1f;
    } else if ((lead >> 4) == 0xe) {
        length = 3, minimum = 0x800, code = lead & 0x0f;
    } else if ((lead >> 3) == 0x1e) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next >> 6) != 0x2)
            return 0;
        code = (code << 6) | (next & 0x3f);
    }
    // Overlong forms, surrogates and values past the last code point are not text.
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

std::string SimText::printable(const std::string& text, bool keepNewlines)
{
    std::string result;
    result.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const auto c = static_cast<unsigned char>(text[at]);
        const size_t length = utf8SequenceLength(text, at);
        const bool control = c < 0x20 || c == 0x7f;
        if (length > 1 || (length == 1 && (!control || (keepNewlines && c == '\n')))) {
            result.append(text, at, length);
            at += length;
            continue;
        }
        char escaped[5];
        snprintf(escaped, sizeof escaped, "\\x%02x", c);
        result += escaped;
        ++at;
    }
    return result;
}
