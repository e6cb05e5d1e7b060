#include "CommonGui.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>

#include <climits>
#include <cmath>

namespace
{
struct FontStyleEntry
{
    int style;
    const char* family;
    int pixelSize;
    int weight;
};

const FontStyleEntry kFontStyles[] = {
    {CommonGui::kFontTitle, "QZT Open Sans Light", 30, QFont::Light},
    {CommonGui::kFontLarge, "QZT Open Sans", 15, QFont::Normal},
    {CommonGui::kFontLargeSemibold, "QZT Open Sans Semibold", 15, QFont::DemiBold},
    {CommonGui::kFontBody, "QZT Open Sans", 13, QFont::Normal},
    {CommonGui::kFontBodySemibold, "QZT Open Sans Semibold", 13, QFont::DemiBold},
    {CommonGui::kFontSmall, "QZT Open Sans", 11, QFont::Normal},
    {CommonGui::kFontSmallSemibold, "QZT Open Sans Semibold", 11, QFont::DemiBold},
    {CommonGui::kFontMedium, "QZT Open Sans", 12, QFont::Normal},
    {CommonGui::kFontMediumSemibold, "QZT Open Sans Semibold", 12, QFont::DemiBold},
    {CommonGui::kFontSubtitle, "QZT Open Sans Light", 21, QFont::Light},
};

// Shown for a style nobody defined, so that the mistake is visible on screen.
const FontStyleEntry kFallbackFont = {-1, "Times", 24, QFont::Bold};

// The three faces the program draws with: their style in the system's font
// database and the embedded copy that stands in when the system lacks them.
struct ApplicationFont
{
    const char* style;
    const char* resource;
};

const ApplicationFont kApplicationFonts[] = {
    {"Light", ":/OpenSans-Light"},
    {"Regular", ":/OpenSans-Regular"},
    {"Semibold", ":/OpenSans-Semibold"},
};

// Every picture is built into the program as PNG under a name without a suffix.
// Reading it as PNG outright, without format detection, spares the image
// reader from loading every image plug-in of the system to ask each one first.
QPixmap readPicture(const QString& name)
{
    QPixmap picture;
    if (QPixmapCache::find(name, &picture))
        return picture;
    QImageReader reader(name, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (!picture.isNull())
        QPixmapCache::insert(name, picture);
    return picture;
}

const FontStyleEntry& fontStyleEntry(int style)
{
    for (const FontStyleEntry& entry : kFontStyles)
    {
        if (entry.style == style)
            return entry;
    }
    return kFallbackFont;
}

// The program asks for its own family names; they all mean Open Sans, whose
// weights pick the light, regular and semibold faces.
void installFamilySubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QFont::insertSubstitutions(QStringLiteral("QZT Open Sans"), {QStringLiteral("Open Sans")});
    QFont::insertSubstitutions(QStringLiteral("QZT Open Sans Light"),
                               {QStringLiteral("Open Sans"), QStringLiteral("Open Sans Light")});
    QFont::insertSubstitutions(QStringLiteral("QZT Open Sans Semibold"),
                               {QStringLiteral("Open Sans"), QStringLiteral("Open Sans Semibold")});
}

qreal primaryScreenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 0.0;
}

void setPixelHeight(QFont& font, int pixels)
{
    const qreal dpi = primaryScreenDpi();
    if (dpi > 0.0)
        font.setPointSizeF(pixels * 72.0 / dpi);
    else
        font.setPixelSize(pixels);
}

double powerOfTen(int decimals)
{
    return std::pow(10.0, decimals);
}
}

namespace CommonGui
{
QFont font(int style)
{
    installFamilySubstitutions();
    const FontStyleEntry& entry = fontStyleEntry(style);
    QFont result(QString::fromLatin1(entry.family));
    // The face to try first: a family the font database does not know sends
    // the lookup through the system's whole fallback search before the
    // substitutions are tried, once for every size and weight.
    if (entry.style >= 0)
        result.setFamilies({QStringLiteral("Open Sans")});
    result.setWeight(entry.weight);
    setPixelHeight(result, entry.pixelSize);
    return result;
}

int registerApplicationFonts()
{
    installFamilySubstitutions();
    // Parsing a font file is a large part of the program's start; a system that
    // has the faces installed (the package depends on them) needs no second copy.
    const QStringList installed = QFontDatabase().styles(QStringLiteral("Open Sans"));
    int available = 0;
    for (const ApplicationFont& font : kApplicationFonts)
    {
        if (installed.contains(QLatin1String(font.style))
            || QFontDatabase::addApplicationFont(QString::fromLatin1(font.resource)) != -1)
            ++available;
    }
    return available;
}

QLabel* label(const QString& text, int style, QWidget* parent, const QColor& colour)
{
    auto* result = new QLabel(text, parent);
    result->setFont(font(style));
    if (colour.isValid())
    {
        QPalette palette = result->palette();
        palette.setColor(QPalette::WindowText, colour);
        result->setPalette(palette);
    }
    return result;
}

QString elide(const QString& text, const QFont& font, int width, Qt::TextElideMode mode)
{
    return QFontMetrics(font).elidedText(text, mode, width);
}

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QPixmap pixmap(const QString& resourceName)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0)
    {
        QPixmap doubled = readPicture(resourceName + QStringLiteral("@2x"));
        if (!doubled.isNull())
        {
            doubled.setDevicePixelRatio(2.0);
            return doubled;
        }
    }
    return readPicture(resourceName);
}

QPixmap createTransparentIcon(const QPixmap& icon, qreal opacity)
{
    if (icon.isNull())
        return QPixmap();
    QPixmap result(icon.size());
    result.setDevicePixelRatio(icon.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity(opacity);
    painter.drawPixmap(0, 0, icon);
    return result;
}

int toFixedPoint(double value, int decimals)
{
    // Half up, also below zero (-2.5 gives -2). The small allowance keeps a
    // typed 2.675 from landing on 267.4999... and rounding down.
    const double scaled = std::floor(value * powerOfTen(decimals) + 0.5 + 1e-9);
    return static_cast<int>(qBound(double(INT_MIN), scaled, double(INT_MAX)));
}

double fromFixedPoint(int value, int decimals)
{
    return value / powerOfTen(decimals);
}
}
