#include "SettingsAlertAndResponse.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>
#include <QPushButton>

SettingsAlertAndResponse::SettingsAlertAndResponse(QLabel* status, QPushButton* button, QObject* parent)
    : QObject(parent)
    , m_status(status)
    , m_button(button)
{
}

void SettingsAlertAndResponse::setAlarmed(bool alarmed, const QString& text)
{
    m_alarmed = alarmed;
    m_status->setText(text);
    m_status->setFont(CommonGui::font(alarmed ? CommonGui::kFontBodySemibold : CommonGui::kFontBody));
    const QColor colour = alarmed ? ColourPalette::kAccentColour : ColourPalette::kFoggyGray;
    m_status->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    m_status->adjustSize();
    m_button->setVisible(alarmed);
}
