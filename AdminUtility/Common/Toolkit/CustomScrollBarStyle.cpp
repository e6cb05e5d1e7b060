#include "CustomScrollBarStyle.h"

#include "ColourPalette.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

namespace
{
const qreal kRadius = CustomScrollBarStyle::kExtent / 2.0;

QColor shade(const QColor& colour, bool enabled)
{
    QColor result = colour;
    if (!enabled)
        result.setAlpha(ColourPalette::kDisabledAlpha);
    return result;
}
}

CustomScrollBarStyle::CustomScrollBarStyle()
    : QProxyStyle()
{
}

int CustomScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ScrollBarExtent)
        return kExtent;
    if (metric == PM_ScrollBarSliderMin)
        return kMinimumHandleLength;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CustomScrollBarStyle::handleRect(const QStyleOptionSlider& bar)
{
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const int length = horizontal ? bar.rect.width() : bar.rect.height();
    const qint64 range = qint64(bar.maximum) - bar.minimum;
    int handleLength = length;
    if (range > 0)
        handleLength = int(std::max<qint64>(kMinimumHandleLength, qint64(bar.pageStep) * length / (range + bar.pageStep)));
    handleLength = std::min(handleLength, length);
    const int start =
        sliderPositionFromValue(bar.minimum, bar.maximum, bar.sliderPosition, length - handleLength, bar.upsideDown);
    if (horizontal)
        return QRect(bar.rect.x() + start, bar.rect.y(), handleLength, bar.rect.height());
    return QRect(bar.rect.x(), bar.rect.y() + start, bar.rect.width(), handleLength);
}

// No arrow buttons: the track is the whole bar, the pages are the parts of it
// before and after the handle.
QRect CustomScrollBarStyle::scrollBarPart(const QStyleOptionSlider& bar, SubControl subControl)
{
    const QRect handle = handleRect(bar);
    const bool horizontal = bar.orientation == Qt::Horizontal;
    switch (subControl)
    {
    case SC_ScrollBarGroove:
        return bar.rect;
    case SC_ScrollBarSlider:
        return handle;
    case SC_ScrollBarSubPage:
        return horizontal ? QRect(bar.rect.topLeft(), QPoint(handle.left() - 1, bar.rect.bottom()))
                          : QRect(bar.rect.topLeft(), QPoint(bar.rect.right(), handle.top() - 1));
    case SC_ScrollBarAddPage:
        return horizontal ? QRect(QPoint(handle.right() + 1, bar.rect.top()), bar.rect.bottomRight())
                          : QRect(QPoint(bar.rect.left(), handle.bottom() + 1), bar.rect.bottomRight());
    default:
        return QRect();
    }
}

QRect CustomScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                           SubControl subControl, const QWidget* widget) const
{
    if (control == CC_ScrollBar)
    {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option))
            return scrollBarPart(*bar, subControl);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void CustomScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                              QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar)
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool enabled = bar->state & State_Enabled;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(shade(ColourPalette::kOwlGray, enabled));
    painter->drawRoundedRect(bar->rect, kRadius, kRadius);
    if (bar->maximum > bar->minimum)
    {
        painter->setBrush(shade(ColourPalette::kSmokeGray, enabled));
        painter->drawRoundedRect(handleRect(*bar), kRadius, kRadius);
    }
    painter->restore();
}
