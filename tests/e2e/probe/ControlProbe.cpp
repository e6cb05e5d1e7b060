#include "ControlProbe.h"

#include "CardProbe.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QRadioButton>
#include <QSlider>

namespace {

struct Control
{
    QWidget* tab;
    QWidget* widget;
    QString kind;
};

QString kindOf(const QWidget* widget)
{
    if (qobject_cast<const QComboBox*>(widget))
        return QStringLiteral("combo");
    if (qobject_cast<const QRadioButton*>(widget))
        return QStringLiteral("radio");
    if (qobject_cast<const QCheckBox*>(widget))
        return QStringLiteral("check");
    // A picture button that cannot be checked opens something (a document) instead of setting it.
    if (widget->inherits("ImageGroupButton") && static_cast<const QAbstractButton*>(widget)->isCheckable())
        return QStringLiteral("picture");
    if (qobject_cast<const QSlider*>(widget))
        return QStringLiteral("slider");
    return QString();
}

// Every control of every tab, tab by tab in the order they were built.
QList<Control> controls(QWidget* window)
{
    QList<Control> found;
    QWidget* card = CardProbe::openCard(window);
    if (!card)
        return found;
    for (QWidget* tab : card->findChildren<QWidget*>()) {
        if (!tab->inherits("SettingsTab"))
            continue;
        for (QWidget* widget : tab->findChildren<QWidget*>()) {
            const QString kind = kindOf(widget);
            if (!kind.isEmpty())
                found.append(Control{tab, widget, kind});
        }
    }
    return found;
}

QJsonValue valueOf(const Control& control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control.widget))
        return combo->currentText();
    if (auto* slider = qobject_cast<QSlider*>(control.widget))
        return slider->value();
    return static_cast<QAbstractButton*>(control.widget)->isChecked();
}

// A click on a checked button of an exclusive group changes nothing.
bool editable(const Control& control)
{
    if (!control.widget->isEnabled() || !control.widget->isVisibleTo(control.tab))
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(control.widget))
        return combo->count() > 1;
    if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
        const bool exclusive = button->group() ? button->group()->exclusive() : button->autoExclusive();
        return !(button->isChecked() && exclusive && control.kind != QLatin1String("check"));
    }
    return true;
}

QJsonObject describe(const Control& control)
{
    return QJsonObject{{"tab", QString::fromLatin1(control.tab->metaObject()->className())},
                       {"kind", control.kind},
                       {"value", valueOf(control)},
                       {"shown", control.widget->isVisibleTo(control.tab)},
                       {"editable", editable(control)}};
}

QJsonObject list(QWidget* window)
{
    QJsonArray shown;
    for (const Control& control : controls(window))
        shown.append(describe(control));
    return QJsonObject{{"controls", shown}};
}

// The signals a user's change sends, in the order a real one sends them.
void edit(const Control& control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control.widget)) {
        const int next = (combo->currentIndex() + 1) % combo->count();
        combo->setCurrentIndex(next);
        emit combo->activated(next);
    } else if (auto* slider = qobject_cast<QSlider*>(control.widget)) {
        slider->triggerAction(slider->value() < slider->maximum() ? QAbstractSlider::SliderPageStepAdd
                                                                  : QAbstractSlider::SliderPageStepSub);
    } else {
        static_cast<QAbstractButton*>(control.widget)->click();
    }
}

QJsonObject editControl(QWidget* window, int index)
{
    const QList<Control> all = controls(window);
    if (index < 0 || index >= all.size())
        return QJsonObject{{"error", QStringLiteral("no control %1").arg(index)}};
    const Control& control = all.at(index);
    if (!editable(control))
        return QJsonObject{{"error", QStringLiteral("control %1 cannot be changed").arg(index)}};
    edit(control);
    return QJsonObject{{"ok", true}};
}

} // namespace

namespace ControlProbe
{

bool handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer)
{
    if (command == QLatin1String("controls"))
        answer = list(window);
    else if (command == QLatin1String("control-edit"))
        answer = editControl(window, arguments.value(0).toInt());
    else
        return false;
    return true;
}

}
