#pragma once

#include <QJsonObject>
#include <QStringList>

class QWidget;

// The probe's generic commands over the controls of the open card's settings tabs,
// whatever tabs a device has: "controls" lists every combo box, radio button, check
// box, picture button and slider with its value; "control-edit N" changes control N
// as a user would (another item chosen, a button clicked, a slider stepped).
namespace ControlProbe
{
// True when the command is one of these; answer then holds the reply.
bool handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer);
}
