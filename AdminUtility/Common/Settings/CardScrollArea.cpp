#include "CardScrollArea.h"

#include "CustomScrollBar.h"

CardScrollArea::CardScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBar(new CustomScrollBar(Qt::Vertical, this));
}
