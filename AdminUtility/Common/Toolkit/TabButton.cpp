#include "TabButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace
{
const int kSidePadding = 15;
const int kAlertGap = 6;
}

TabButton::TabButton(const QString& title, QWidget* parent)
    : QAbstractButton(parent)
    , m_alertIcon(CommonGui::pixmap(QStringLiteral(":/Field_Icon_Alert")))
{
    setText(title);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    fitToTitle();
}

void TabButton::setAlertVisible(bool visible)
{
    if (visible == m_alertVisible)
        return;
    m_alertVisible = visible;
    fitToTitle();
    update();
}

QFont TabButton::titleFont() const
{
    return CommonGui::font(isChecked() ? CommonGui::kFontBodySemibold : CommonGui::kFontBody);
}

// Wide enough for the semibold (checked) title, so that checking a tab does
// not shift the tabs after it.
int TabButton::titleWidth() const
{
    const int semibold = QFontMetrics(CommonGui::font(CommonGui::kFontBodySemibold)).horizontalAdvance(text());
    const int regular = QFontMetrics(CommonGui::font(CommonGui::kFontBody)).horizontalAdvance(text());
    return std::max(semibold, regular);
}

int TabButton::alertWidth() const
{
    if (!m_alertVisible || m_alertIcon.isNull())
        return 0;
    return kAlertGap + qRound(m_alertIcon.width() / m_alertIcon.devicePixelRatio());
}

QSize TabButton::sizeHint() const
{
    return QSize(kSidePadding + titleWidth() + alertWidth() + kSidePadding, kHeight);
}

void TabButton::fitToTitle()
{
    setFixedSize(sizeHint());
}

void TabButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont font = titleFont();
    const int textWidth = QFontMetrics(font).horizontalAdvance(text());
    const int contentLeft = (width() - textWidth - alertWidth()) / 2;
    const QRect textArea(contentLeft, 0, textWidth, kUnderlineY);

    painter.setFont(font);
    painter.setPen(isChecked() ? ColourPalette::kWinterSkyGray : ColourPalette::kRaincloudGray);
    painter.drawText(textArea, Qt::AlignCenter, text());

    if (alertWidth() > 0)
    {
        const QSize iconSize = m_alertIcon.size() / m_alertIcon.devicePixelRatio();
        const QPoint iconAt(textArea.right() + 1 + kAlertGap, (kUnderlineY - iconSize.height()) / 2);
        painter.drawPixmap(iconAt, m_alertIcon);
    }
    if (isChecked())
        painter.fillRect(0, kUnderlineY, width(), kUnderlineHeight, ColourPalette::kAccentColour);
}
