#pragma once

#include <QJsonObject>
#include <QStringList>

class QWidget;

// The probe's commands about the controls of the card's open tab: read them
// as shown, and work them as a user does (click, type into a slider's field,
// drag its handle, pick a combo box item, press a link). Controls are found
// by their text, a picture button by its caption and a slider or combo box
// by its row's label.
namespace TabProbe
{
// True when the command is one of these; answer holds the reply.
bool handle(QWidget* card, const QString& command, const QStringList& arguments, QJsonObject& answer);
}
