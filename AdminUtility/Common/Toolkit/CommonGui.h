#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

// Fonts, labels, pictures and number helpers shared by every screen.
namespace CommonGui
{
// The program's font styles. The functions take the plain number as well, so
// a caller may name a style either way; unknown numbers give a loud fallback.
enum FontStyle : int
{
    kFontTitle = 0,
    kFontLarge = 1,
    kFontLargeSemibold = 2,
    kFontBody = 3,
    kFontBodySemibold = 4,
    kFontSmall = 5,
    kFontSmallSemibold = 6,
    kFontMedium = 7,
    kFontMediumSemibold = 8,
    kFontSubtitle = 11,
};

// The font of a style, sized so that its pixel height is the same on every screen.
QFont font(int style);

// Makes the program's three faces available, from the system when it has them,
// else from the embedded copies; returns how many are available.
int registerApplicationFonts();

// A label showing text in a font style (and a text colour when one is given).
QLabel* label(const QString& text, int style, QWidget* parent = nullptr, const QColor& colour = QColor());

// The text shortened with an ellipsis so that it fits width pixels in font.
QString elide(const QString& text, const QFont& font, int width, Qt::TextElideMode mode = Qt::ElideRight);

// Paints the widget's background in one colour.
void fillBackground(QWidget* widget, const QColor& colour);

// A picture from the resources, the double-resolution variant on a high-density screen.
QPixmap pixmap(const QString& resourceName);

// A copy of icon drawn at the given opacity (0 transparent, 1 as it is).
QPixmap createTransparentIcon(const QPixmap& icon, qreal opacity);

// Sliders work on integers: a value with d decimal places is kept as value * 10^d.
int toFixedPoint(double value, int decimals);
double fromFixedPoint(int value, int decimals);
}
