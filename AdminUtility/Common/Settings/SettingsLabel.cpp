#include "SettingsLabel.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QPalette>

SettingsLabel::SettingsLabel(const QString& text, QWidget* parent, const QColor& colour)
    : QLabel(parent)
{
    // Texts here may come from a device: never read them as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setFont(CommonGui::font(CommonGui::kFontBody));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour.isValid() ? colour : ColourPalette::kStormGray);
    setPalette(colours);
}
