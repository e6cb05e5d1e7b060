#pragma once

#include <QByteArray>

#include <cstdint>

// The four-character code of a short text, padded with blanks ("pal" is "pal ").
inline uint32_t codeOf(const QByteArray& text)
{
    uint32_t code = 0;
    for (const char c : text.leftJustified(4, ' ', true))
        code = (code << 8) | uint8_t(c);
    return code;
}

// The text of a four-character code, for row names and messages.
inline QByteArray codeText(uint32_t code)
{
    const char text[] = {char(code >> 24), char(code >> 16), char(code >> 8), char(code), 0};
    return QByteArray(text);
}
