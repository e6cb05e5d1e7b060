#include "RolloverIconCalloutTextBubble.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QFontMetrics>
#include <QPainter>

namespace
{
const int kHorizontalPadding = 10;
const int kVerticalPadding = 7;
const int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

RolloverIconCalloutTextBubble::RolloverIconCalloutTextBubble(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
    // Short texts get a narrow bubble; long ones wrap at the fixed text width.
    const QRect needed =
        QFontMetrics(font()).boundingRect(QRect(0, 0, kTextWidth, 10000), kTextFlags, m_text);
    setFixedSize(needed.width() + 2 * kHorizontalPadding, needed.height() + 2 * kVerticalPadding);
}

QRect RolloverIconCalloutTextBubble::textRect() const
{
    return rect().adjusted(kHorizontalPadding, kVerticalPadding, -kHorizontalPadding, -kVerticalPadding);
}

void RolloverIconCalloutTextBubble::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColourPalette::kNightskyGray);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
    painter.setPen(Qt::white);
    painter.drawText(textRect(), kTextFlags, m_text);
}
