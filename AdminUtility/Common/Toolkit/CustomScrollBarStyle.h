#pragma once

#include <QProxyStyle>

class QStyleOptionSlider;

// Draws a scroll bar as a thin rounded handle on a faint track, without arrow buttons.
class CustomScrollBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int kExtent = 6;
    static constexpr int kMinimumHandleLength = 20;

    CustomScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    static QRect handleRect(const QStyleOptionSlider& bar);
    static QRect scrollBarPart(const QStyleOptionSlider& bar, SubControl subControl);
};
