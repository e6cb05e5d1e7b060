#include "ColourPalette.h"

namespace ColourPalette
{
QString toHtmlQString(const QColor& colour, int alpha)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(alpha);
}
}
