#include "SettingsLabel.h"

#include "ColourPalette.h"
#include "CommonGui.h"

SettingsLabel::SettingsLabel(const QString& text, QWidget* parent, const QColor& colour)
    : QLabel(parent)
{
    // Texts here may come from a device: never read them as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setFont(CommonGui::font(CommonGui::kFontBody));
    const QColor shown = colour.isValid() ? colour : ColourPalette::kStormGray;
    setStyleSheet(QStringLiteral("color: %1;").arg(ColourPalette::toHtmlQString(shown)));
}
