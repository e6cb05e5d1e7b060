#include "WindowHeader.h"

#include "AppDefaults.h"
#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLinearGradient>
#include <QPainter>

namespace
{
const int kHeight = 76;
const int kTitleLeft = 29;
const int kLogoRight = 23;
}

WindowHeader::WindowHeader(QWidget* parent)
    : QWidget(parent)
    , m_title(AppDefaults::headerTitle())
    , m_logo(CommonGui::pixmap(QStringLiteral(":/Logo")))
{
    setFixedHeight(kHeight);
    setFont(CommonGui::font(CommonGui::kFontTitle));
}

QRect WindowHeader::logoRect() const
{
    const QSize size = m_logo.isNull() ? QSize() : (QSizeF(m_logo.size()) / m_logo.devicePixelRatio()).toSize();
    return QRect(QPoint(width() - kLogoRight - size.width(), (height() - size.height()) / 2), size);
}

void WindowHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, ColourPalette::kAsphaltGray);
    gradient.setColorAt(0.5, ColourPalette::kHurricaneGray);
    gradient.setColorAt(1.0, ColourPalette::kNightskyGray);
    painter.fillRect(rect(), gradient);

    painter.setPen(ColourPalette::kMilkGray);
    painter.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, m_title);
    if (!m_logo.isNull())
        painter.drawPixmap(logoRect().topLeft(), m_logo);
}

void WindowHeader::resizeEvent(QResizeEvent* event)
{
    m_titleRect = QRect(kTitleLeft, 0, qMax(0, width() - kTitleLeft), height());
    QWidget::resizeEvent(event);
}
