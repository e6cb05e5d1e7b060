#include "HorizontalScrollArea.h"

#include "CustomScrollBar.h"

#include <QEvent>
#include <QScrollBar>

HorizontalScrollArea::HorizontalScrollArea(QWidget* parent)
    : QScrollArea(parent)
    , m_scrollBar(new CustomScrollBar(Qt::Horizontal, this))
{
    setHorizontalScrollBar(m_scrollBar);
    setUpLook();
    verticalScrollBar()->installEventFilter(this);
}

void HorizontalScrollArea::setUpLook()
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
}

void HorizontalScrollArea::setRemainingWidth(int width)
{
    if (width == m_remainingWidth)
        return;
    m_remainingWidth = width;
    fitToContent();
}

QSize HorizontalScrollArea::sizeForContent() const
{
    if (!widget())
        return QSize(0, 0);
    QSize size = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    if (m_remainingWidth > 0 && size.width() > m_remainingWidth)
    {
        // Too wide: show what fits and leave room for the scroll bar below.
        size.setWidth(m_remainingWidth);
        size.rheight() += m_scrollBar->sizeHint().height();
    }
    return size;
}

void HorizontalScrollArea::fitToContent()
{
    const QSize size = sizeForContent();
    if (size != minimumSize() || size != maximumSize())
        setFixedSize(size);
}

bool HorizontalScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    // Wheeling over the area must scroll whatever holds it, never this area.
    if (watched == verticalScrollBar() && event->type() == QEvent::Wheel)
    {
        event->ignore();
        return true;
    }
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
    {
        fitToContent();
        emit outputWidgetChanged();
    }
    return QScrollArea::eventFilter(watched, event);
}
