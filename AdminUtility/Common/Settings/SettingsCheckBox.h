#pragma once

#include <QCheckBox>

// A QCheckBox in the settings look; its text is always plain.
class SettingsCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit SettingsCheckBox(const QString& text, QWidget* parent = nullptr);
};
