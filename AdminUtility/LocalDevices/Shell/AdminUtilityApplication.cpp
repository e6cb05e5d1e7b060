#include "AdminUtilityApplication.h"

#include "CustomNoFocusRectStyle.h"

#include <QEvent>
#include <QWidget>

AdminUtilityApplication::AdminUtilityApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setStyle(new CustomNoFocusRectStyle());
}

bool AdminUtilityApplication::notify(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::Wheel && isSwallowedWheel(receiver))
        return true;
    return QApplication::notify(receiver, event);
}

// A rollover icon's callout follows the pointer, so scrolling it would tear
// the callout away from its icon; and while a popup is open only the popup
// may scroll.
bool AdminUtilityApplication::isSwallowedWheel(QObject* receiver)
{
    if (receiver->inherits("RolloverIcon"))
        return true;
    QWidget* popup = activePopupWidget();
    QWidget* widget = qobject_cast<QWidget*>(receiver);
    return popup && widget && widget->window() != popup;
}
