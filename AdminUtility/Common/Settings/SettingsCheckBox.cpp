#include "SettingsCheckBox.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QPalette>

SettingsCheckBox::SettingsCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
    // A palette, not a style sheet: a tab has many of these, and each sheet is parsed anew.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColourPalette::kStormGray);
    setPalette(colours);
    adjustSize();
}
