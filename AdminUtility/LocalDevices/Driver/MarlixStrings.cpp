#include "MarlixStrings.h"

#include <cstdlib>
#include <cstring>

QString QZTstringToQString(const char* string)
{
    return string ? QString::fromUtf8(string) : QString();
}

char* QZTstringAllocateFromQString(const QString& string)
{
    const QByteArray utf8 = string.toUtf8();
    char* copy = static_cast<char*>(malloc(static_cast<size_t>(utf8.size()) + 1));
    if (copy)
        memcpy(copy, utf8.constData(), static_cast<size_t>(utf8.size()) + 1);
    return copy;
}
