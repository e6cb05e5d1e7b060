#pragma once

#include <QRadioButton>

// A QRadioButton in the settings look; its text is always plain.
class SettingsRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit SettingsRadioButton(const QString& text, QWidget* parent = nullptr);
};
