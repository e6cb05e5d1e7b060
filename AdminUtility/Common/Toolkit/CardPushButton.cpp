#include "CardPushButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

CardPushButton::CardPushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    using namespace ColourPalette;
    setFont(CommonGui::font(CommonGui::kFontBody));
    setFixedHeight(kHeight);
    setMinimumWidth(kMinimumWidth);
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(QStringLiteral("QPushButton { border: 1px solid %1; border-radius: 4px; color: %2; "
                                 "background-color: %3; padding: 0px 14px; }"
                                 "QPushButton:hover { border-color: %4; }"
                                 "QPushButton:pressed { background-color: %4; color: white; }"
                                 "QPushButton:disabled { color: %5; border-color: %6; }")
                      .arg(kWolfGray.name(), kWinterSkyGray.name(), kMilkGray.name(),
                           kAccentColour.name(), toHtmlQString(kRaincloudGray, kDisabledAlpha),
                           kBonesGray.name()));
}
