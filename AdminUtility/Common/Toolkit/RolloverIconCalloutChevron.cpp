#include "RolloverIconCalloutChevron.h"

#include "ColourPalette.h"

#include <QPainter>
#include <QPainterPath>

RolloverIconCalloutChevron::RolloverIconCalloutChevron(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
}

void RolloverIconCalloutChevron::paintEvent(QPaintEvent*)
{
    QPainterPath triangle;
    triangle.moveTo(0, kHeight);
    triangle.lineTo(kWidth / 2.0, 0);
    triangle.lineTo(kWidth, kHeight);
    triangle.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(triangle, ColourPalette::kNightskyGray);
}
