#pragma once

#include <QLabel>

// The read-only value beside a plain slider row.
class SettingsSliderValue : public QLabel
{
    Q_OBJECT

public:
    explicit SettingsSliderValue(QWidget* parent = nullptr);

public slots:
    void setValue(int value);
};
