#include "SettingsSliderValue.h"

#include "ColourPalette.h"
#include "CommonGui.h"

SettingsSliderValue::SettingsSliderValue(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFont(CommonGui::font(CommonGui::kFontBody));
    setFixedSize(50, 25);
    setStyleSheet(QStringLiteral("color: %1;").arg(ColourPalette::kStormGray.name()));
}

void SettingsSliderValue::setValue(int value)
{
    setNum(value);
}
