#pragma once

#include <QLabel>

// Plain text on a settings row: the label column in grey, or a value.
class SettingsLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SettingsLabel(const QString& text, QWidget* parent = nullptr, const QColor& colour = QColor());
};
