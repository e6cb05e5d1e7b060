#pragma once

#include "MarlixCodes.h"

#include <QByteArray>

// The four-character code of a short text from a test row, padded with blanks
// ("pal" is "pal ").
inline MarlixCode codeOf(const QByteArray& text)
{
    const QByteArray padded = text.leftJustified(4, ' ', true);
    const char code[5] = {padded[0], padded[1], padded[2], padded[3], 0};
    return MarlixFourCC(code);
}

// The text of a four-character code, for row names and messages.
inline QByteArray codeText(MarlixCode code)
{
    const char text[] = {char(code >> 24), char(code >> 16), char(code >> 8), char(code), 0};
    return QByteArray(text);
}
