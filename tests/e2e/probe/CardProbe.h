#pragma once

#include <QJsonObject>
#include <QStringList>

class QWidget;

// The probe's commands about the product card: open a device as a user
// would (the gallery's setup button, a list row), read the card, type into
// its fields, press its buttons, answer its file dialog, and work the
// controls of its settings tabs, whatever tabs a device has: "controls" lists
// every combo box, radio button, check box, picture button and slider with its
// name and value, and whether its tab is the one shown; "control-edit N"
// changes control N as a user would. Widgets are found by class name; nothing
// of the program is linked.
namespace CardProbe
{
// True when the command is one of these; answer then holds the reply.
bool handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer);
}
