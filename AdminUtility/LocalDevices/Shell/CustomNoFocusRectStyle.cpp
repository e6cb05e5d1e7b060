#include "CustomNoFocusRectStyle.h"

#include <QIcon>

void CustomNoFocusRectStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                           QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// Every menu bar asks for its overflow arrow when it is made. The stock icon is
// read from picture files without naming their format, which makes the image
// reader load every image plug-in of the system during start-up; the style's
// built-in drawing of the same arrow needs none of them.
QIcon CustomNoFocusRectStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                           const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(standardPixmap(icon, option, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}
