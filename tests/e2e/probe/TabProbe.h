#pragma once

#include <QJsonObject>
#include <QStringList>

class QLineEdit;
class QWidget;

// The probe's commands about the card's settings tabs: pick a tab and work its
// controls as a user does (click, pick a combo box
// item, type into a slider's field, drag its handle, press a link, grab the
// tab's column). A button is found by its text or tooltip, a slider or combo
// box by its row's label.
namespace TabProbe
{
// A control of a tab as the user sees it: a combo box, radio button, check
// box, picture button or slider; named by its text or tooltip, else by its
// row's label; its value as shown: a button's check state as "true"/"false",
// a slider's field text, a combo box's item text.
struct Control
{
    QWidget* tab;
    QWidget* widget;
    QString kind;
    QString name;
    QString value;
};
// The tab's controls in the order they were built, shown or not.
QList<Control> controlsOf(QWidget* tab);
// True when the command is one of these; answer holds the reply.
bool handle(QWidget* card, const QString& command, const QStringList& arguments, QJsonObject& answer);
// The same commands but card-tab on a tab itself, shown or not.
QJsonObject onTab(QWidget* tab, const QString& command, const QStringList& arguments);
// As a user types: focus, select all, delete, then one key per character.
void type(QLineEdit* field, const QString& text);
}
