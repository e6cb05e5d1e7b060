#pragma once

#include <QByteArray>

#include <cstdint>

// The four-character code of a short text, padded with blanks ("pal" is "pal ").
inline uint32_t codeOf(const QByteArray& text)
{
    const QByteArray padded = text.leftJustified(4, ' ');
    return (uint32_t(uint8_t(padded[0])) << 24) | (uint32_t(uint8_t(padded[1])) << 16)
        | (uint32_t(uint8_t(padded[2])) << 8) | uint32_t(uint8_t(padded[3]));
}

// The text of a four-character code, for row names and messages.
inline QByteArray codeText(uint32_t code)
{
    const char text[] = {char(code >> 24), char(code >> 16), char(code >> 8), char(code), 0};
    return QByteArray(text);
}
