#pragma once

#include <QJsonObject>
#include <QStringList>

#include <functional>

class QWidget;

// The probe's commands about the product card: open a device as a user
// would (the gallery's setup button, a list row), read the card, type into
// its fields, press its buttons and answer its file dialog. Widgets are
// found by class name; nothing of the program is linked.
namespace CardProbe
{
// The product card shown in the window, if any.
QWidget* openCard(QWidget* window);
// True when the command is one of these. answer then holds the reply, unless
// it is empty: then replyLater sends it.
bool handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer,
            const std::function<void(const QJsonObject&)>& replyLater);
}
