#pragma once

#include <QProxyStyle>

// The platform style without focus rectangles: the program marks focus by
// colour where it matters, and the dotted frames clash with the dark look.
class CustomNoFocusRectStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
