#pragma once

#include <QColor>
#include <QString>

// The program's colours: a named grey scale and one accent colour.
namespace ColourPalette
{
inline constexpr QColor kMilkGray{241, 241, 241};
inline constexpr QColor kBonesGray{208, 208, 208};
inline constexpr QColor kWolfGray{181, 181, 181};
inline constexpr QColor kSmokeGray{146, 146, 146};
inline constexpr QColor kFoggyGray{119, 119, 119};
inline constexpr QColor kRaincloudGray{94, 94, 94};
inline constexpr QColor kWinterSkyGray{71, 71, 71};
inline constexpr QColor kOwlGray{58, 58, 58};
inline constexpr QColor kStormGray{45, 45, 45};
inline constexpr QColor kAsphaltGray{40, 40, 40};
inline constexpr QColor kThunderstormGray{31, 31, 31};
inline constexpr QColor kHurricaneGray{26, 26, 26};
inline constexpr QColor kNightskyGray{23, 23, 23};
inline constexpr QColor kAlertRed{225, 50, 50};
inline constexpr QColor kAccentColour{34, 167, 148};

// Alpha of a colour drawn for a disabled control.
inline constexpr int kDisabledAlpha = 100;

// A colour with the given alpha as a style sheet wants it, "rgba(r, g, b, alpha)"
// (QColor::name() gives the opaque "#rrggbb" form).
QString toHtmlQString(const QColor& colour, int alpha);
}
