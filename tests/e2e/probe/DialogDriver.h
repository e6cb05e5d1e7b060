#pragma once

#include <QJsonObject>

class QWidget;

// Reads and drives the in-window dialogs (main menu pages, message cards)
// the way a user would: by what they show and by clicking their buttons.
namespace DialogDriver
{
// The topmost visible in-window dialog: its texts and progress (its buttons are
// pressed by name).
QJsonObject dialog(QWidget* window);
// Clicks the visible, enabled button with this text, in the top dialog if one
// is open, else in the window.
QJsonObject press(QWidget* window, const QString& text);
// Replaces the text of the top dialog's field.
QJsonObject type(QWidget* window, const QString& text);
}
