#include "SettingsRadioButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

SettingsRadioButton::SettingsRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
    setStyleSheet(QStringLiteral("color: %1;").arg(ColourPalette::toHtmlQString(ColourPalette::kStormGray)));
    adjustSize();
}
