#pragma once

#include <QVBoxLayout>

// A vertical box without spacing or margins: the program sets every gap itself.
class TightVBoxLayout : public QVBoxLayout
{
    Q_OBJECT

public:
    explicit TightVBoxLayout(QWidget* parent = nullptr);
};
