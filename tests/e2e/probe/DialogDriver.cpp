#include "DialogDriver.h"

#include "ProbeTools.h"
#include "TabProbe.h"

#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

using namespace ProbeTools;

namespace
{
// Dialogs are laid over the window as children; the last one shown is on top.
QWidget* topDialog(QWidget* window)
{
    QWidget* top = nullptr;
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->inherits("AdminUtilityDialog") && child->isVisible())
            top = child;
    }
    return top;
}
}

QJsonObject DialogDriver::dialog(QWidget* window)
{
    QWidget* top = topDialog(window);
    if (!top)
        return QJsonObject{{QStringLiteral("open"), false}};
    QJsonArray texts;
    for (const QLabel* label : shown<QLabel>(top)) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    QJsonObject result{{QStringLiteral("open"), true}, {QStringLiteral("texts"), texts}};
    for (const QProgressBar* bar : shown<QProgressBar>(top))
        result.insert(QStringLiteral("progress"), QJsonObject{{QStringLiteral("maximum"), bar->maximum()}});
    return result;
}

QJsonObject DialogDriver::press(QWidget* window, const QString& text)
{
    QWidget* top = topDialog(window);
    return click(button(top ? top : window, text), text);
}

QJsonObject DialogDriver::type(QWidget* window, const QString& text)
{
    const QList<QLineEdit*> fields = shown<QLineEdit>(topDialog(window));
    if (fields.isEmpty())
        return failure(QStringLiteral("no field"));
    TabProbe::type(fields.first(), text);
    return QJsonObject{{QStringLiteral("ok"), true}, {QStringLiteral("text"), fields.first()->text()}};
}
