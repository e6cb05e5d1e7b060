#include "SettingsRadioButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QPalette>

SettingsRadioButton::SettingsRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
    // A palette, not a style sheet: a tab has many of these, and each sheet is parsed anew.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColourPalette::kStormGray);
    setPalette(colours);
    adjustSize();
}
