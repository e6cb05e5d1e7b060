#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A user's hands on a tab of a simulated device, and the simulator's account
// of what the device took: the end-to-end probe's tab commands.
namespace TabHands
{
// Configuration writes the device took since the last reset; -1 on failure.
int writes(const QString& id, bool reset = false);
// The value the device works with now, as the simulator describes it.
QString live(const QString& id, const QString& item);
// Lets the driver's notifications arrive.
void settle();
// One probe command on a tab, as the end-to-end tests send it:
// "card-click Composite", "card-choose HD to SD", "card-field Y: 0.25".
bool act(QWidget* tab, const QString& line);
// Section titles, row labels, button texts and tooltips, combo box items:
// those the tab shows, or all it built.
QStringList texts(const QWidget* tab, bool shownOnly = true);
}
