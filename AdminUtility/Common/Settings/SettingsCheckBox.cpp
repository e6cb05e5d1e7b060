#include "SettingsCheckBox.h"

#include "ColourPalette.h"
#include "CommonGui.h"

SettingsCheckBox::SettingsCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
    setStyleSheet(QStringLiteral("color: %1;").arg(ColourPalette::toHtmlQString(ColourPalette::kStormGray)));
    adjustSize();
}
