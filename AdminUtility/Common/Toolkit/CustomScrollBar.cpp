#include "CustomScrollBar.h"

#include "CustomScrollBarStyle.h"

CustomScrollBar::CustomScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
    , m_style(new CustomScrollBarStyle)
{
    // A widget does not own its style; the bar does.
    m_style->setParent(this);
    setStyle(m_style);
}

QSize CustomScrollBar::sizeHint() const
{
    const QSize horizontal(kPreferredLength, CustomScrollBarStyle::kExtent);
    return orientation() == Qt::Horizontal ? horizontal : horizontal.transposed();
}
