#pragma once

#include <QScrollArea>

// The scrolling column of a settings tab, with the program's thin scroll bar.
class CardScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit CardScrollArea(QWidget* parent = nullptr);
};
