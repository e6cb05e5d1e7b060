#include "LinkBar.h"

#include "ColourPalette.h"

#include <QPainter>

LinkBar::LinkBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LinkBar::setLinked(bool linked)
{
    m_linked = linked;
    update();
}

void LinkBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_linked ? ColourPalette::kAccentColour : ColourPalette::kBonesGray, 1));
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}
