#include "RolloverIcon.h"

#include "CommonGui.h"
#include "RolloverIconCallout.h"

RolloverIcon::RolloverIcon(const QPixmap& icon, const QString& text, QWidget* parent, QWidget* calloutParent)
    : QLabel(parent)
    , m_normalImage(CommonGui::createTransparentIcon(icon, kNormalOpacity))
    , m_hoverImage(CommonGui::createTransparentIcon(icon, kHoverOpacity))
    , m_callout(new RolloverIconCallout(text, calloutParent))
{
    setPixmap(m_normalImage);
    if (!icon.isNull())
        setFixedSize(icon.size() / icon.devicePixelRatio());
}

RolloverIcon::~RolloverIcon()
{
    delete m_callout;
}

void RolloverIcon::showPopup()
{
    setPixmap(m_hoverImage);
    if (m_callout)
        m_callout->showBelow(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void RolloverIcon::hidePopup()
{
    setPixmap(m_normalImage);
    if (m_callout)
        m_callout->hide();
}

void RolloverIcon::enterEvent(QEvent* event)
{
    showPopup();
    QLabel::enterEvent(event);
}

void RolloverIcon::leaveEvent(QEvent* event)
{
    hidePopup();
    QLabel::leaveEvent(event);
}

void RolloverIcon::hideEvent(QHideEvent* event)
{
    hidePopup();
    QLabel::hideEvent(event);
}
