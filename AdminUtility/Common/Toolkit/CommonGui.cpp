#include "CommonGui.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
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

const char* const kApplicationFonts[] = {
    ":/OpenSans-Light",
    ":/OpenSans-Regular",
    ":/OpenSans-Semibold",
};

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
    result.setWeight(entry.weight);
    setPixelHeight(result, entry.pixelSize);
    return result;
}

int registerApplicationFonts()
{
    installFamilySubstitutions();
    int loaded = 0;
    for (const char* path : kApplicationFonts)
    {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(path)) != -1)
            ++loaded;
    }
    return loaded;
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
        QPixmap doubled(resourceName + QStringLiteral("@2x"));
        if (!doubled.isNull())
        {
            doubled.setDevicePixelRatio(2.0);
            return doubled;
        }
    }
    return QPixmap(resourceName);
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
