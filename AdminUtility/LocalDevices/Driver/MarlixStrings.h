// Conversions between the driver's malloc'ed UTF-8 strings and QString.
#pragma once

#include <QString>

// Decodes a driver string; a null pointer gives an empty string. Does not free it.
QString QZTstringToQString(const char* string);

// A UTF-8 copy allocated with malloc, for handing to the driver; the caller frees it.
char* QZTstringAllocateFromQString(const QString& string);
