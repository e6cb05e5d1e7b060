#include "RolloverIconCallout.h"

#include "RolloverIconCalloutChevron.h"
#include "RolloverIconCalloutTextBubble.h"
#include "TightVBoxLayout.h"

#include <QVBoxLayout>

RolloverIconCallout::RolloverIconCallout(const QString& text, QWidget* parent)
    : QWidget(parent)
{
    setUpWindow();
    createContents(text);
    hide();
}

void RolloverIconCallout::setUpWindow()
{
    if (!parentWidget())
    {
        setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    // The callout only explains; the pointer goes through it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RolloverIconCallout::createContents(const QString& text)
{
    m_chevron = new RolloverIconCalloutChevron(this);
    m_bubble = new RolloverIconCalloutTextBubble(text, this);
    auto* layout = new TightVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_chevron, 0, Qt::AlignHCenter);
    layout->addWidget(m_bubble, 0, Qt::AlignHCenter);
}

QString RolloverIconCallout::text() const
{
    return m_bubble->text();
}

void RolloverIconCallout::showBelow(const QRect& iconOnScreen)
{
    adjustSize();
    const QPoint topLeftOnScreen(iconOnScreen.x() + (iconOnScreen.width() - width()) / 2,
                                 iconOnScreen.y() + iconOnScreen.height() + kGapBelowIcon);
    move(parentWidget() ? parentWidget()->mapFromGlobal(topLeftOnScreen) : topLeftOnScreen);
    show();
    raise();
}
