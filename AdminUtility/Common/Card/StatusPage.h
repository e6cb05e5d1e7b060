#pragma once

#include <QWidget>

// A page of a product card, below its header.
class StatusPage : public QWidget
{
    Q_OBJECT

public:
    explicit StatusPage(QWidget* parent = nullptr);
};
