#include "SettingsSlider.h"

#include "ColourPalette.h"

#include <QKeyEvent>
#include <QWheelEvent>

SettingsSlider::SettingsSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::ClickFocus);
    setSingleStep(1);
    setPageStep(10);
    setStyleSheet(QStringLiteral("QSlider::groove:horizontal { height: 4px; background: %1; border-radius: 2px; }"
                                 "QSlider::sub-page:horizontal { background: %2; border-radius: 2px; }"
                                 "QSlider::handle:horizontal { background: white; border: 1px solid %3;"
                                 " width: 14px; margin: -6px 0; border-radius: 8px; }"
                                 "QSlider::sub-page:horizontal:disabled { background: %1; }")
                      .arg(ColourPalette::kBonesGray.name(),
                           ColourPalette::kAccentColour.name(),
                           ColourPalette::kWolfGray.name()));
}

void SettingsSlider::wheelEvent(QWheelEvent* event)
{
    if (hasFocus())
        QSlider::wheelEvent(event);
    else
        event->ignore();
}

void SettingsSlider::keyPressEvent(QKeyEvent* event)
{
    if (hasFocus())
        QSlider::keyPressEvent(event);
    else
        event->ignore();
}
