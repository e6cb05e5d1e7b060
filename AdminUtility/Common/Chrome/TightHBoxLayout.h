#pragma once

#include <QHBoxLayout>

// A horizontal box without spacing or margins: the program sets every gap itself.
class TightHBoxLayout : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit TightHBoxLayout(QWidget* parent = nullptr);
};
