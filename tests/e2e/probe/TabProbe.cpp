#include "TabProbe.h"

#include "ProbeTools.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace ProbeTools;

namespace {

// The label a row shows left of its control.
QString rowLabel(const QWidget* control)
{
    const QWidget* row = control->parentWidget();
    for (const QLabel* label : row ? row->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)
                                   : QList<QLabel*>()) {
        if (!label->text().isEmpty())
            return label->text();
    }
    return QString();
}

template <typename T>
T* sliderPart(QWidget* tab, const QString& label)
{
    for (QWidget* slider : shown<QWidget>(tab, "SettingsSliderWithEditableValue")) {
        if (rowLabel(slider) == label)
            return slider->findChild<T*>();
    }
    return nullptr;
}

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
    return qobject_cast<const QSlider*>(widget) ? QStringLiteral("slider") : QString();
}

void sendKey(QWidget* widget, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

QJsonObject typeIntoSlider(QWidget* tab, const QString& label, const QString& text)
{
    QLineEdit* field = sliderPart<QLineEdit>(tab, label);
    if (!field)
        return failure(QStringLiteral("no slider %1").arg(label));
    TabProbe::type(field, text);
    sendKey(field, Qt::Key_Return);
    return ok();
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses the handle, moves it by pixels in a few steps and lets go.
QJsonObject dragSlider(QWidget* tab, const QString& label, int pixels)
{
    QSlider* slider = sliderPart<QSlider>(tab, label);
    if (!slider)
        return failure(QStringLiteral("no slider %1").arg(label));
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QPoint start =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step)
        sendMouse(slider, QEvent::MouseMove, start + QPoint(pixels * step / kSteps, 0), Qt::LeftButton);
    sendMouse(slider, QEvent::MouseButtonRelease, start + QPoint(pixels, 0), Qt::NoButton);
    return ok();
}

// A button by its name, or else the button beside a title (a section's reset).
QJsonObject clickButton(QWidget* tab, const QString& name)
{
    QAbstractButton* found = button(tab, name);
    for (const QLabel* title : shown<QLabel>(tab)) {
        if (!found && title->text() == name)
            found = title->parentWidget()->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    }
    return click(found, name);
}

// As a user picks an item: the index changes, then the combo box says it was activated.
QJsonObject chooseItem(QWidget* tab, const QString& text)
{
    for (QComboBox* combo : shown<QComboBox>(tab)) {
        const int index = combo->findText(text);
        if (index < 0)
            continue;
        if (!combo->isEnabled())
            return failure(QStringLiteral("combo box of %1 is disabled").arg(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return ok();
    }
    return failure(QStringLiteral("no item %1").arg(text));
}

QJsonObject grabTab(QWidget* tab, const QString& path)
{
    auto* column = tab->findChild<QWidget*>(QStringLiteral("settingsTabColumn"));
    if (!column || path.isEmpty() || !column->grab().save(path))
        return failure(QStringLiteral("could not save the tab to %1").arg(path));
    return ok();
}

} // namespace

void TabProbe::type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    sendKey(field, Qt::Key_Backspace);
    for (const QChar c : text)
        sendKey(field, 0, QString(c));
}

QList<TabProbe::Control> TabProbe::controlsOf(QWidget* tab)
{
    QList<Control> found;
    for (QWidget* widget : tab->findChildren<QWidget*>()) {
        const QString kind = kindOf(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            found.append(Control{tab, widget, kind, rowLabel(combo), combo->currentText()});
        } else if (kind == QLatin1String("slider")) {
            // A slider with a field is one control with it; a plain one shows its position.
            QWidget* whole = widget->parentWidget();
            const QLineEdit* field = whole->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
            found.append(Control{tab, widget, kind, rowLabel(field ? whole : widget),
                                 field ? field->text() : QString::number(static_cast<QSlider*>(widget)->value())});
        } else if (!kind.isEmpty()) {
            auto* button = static_cast<QAbstractButton*>(widget);
            found.append(Control{tab, widget, kind, buttonName(button),
                                 button->isChecked() ? QStringLiteral("true") : QStringLiteral("false")});
        }
    }
    return found;
}

bool TabProbe::handle(QWidget* card, const QString& command, const QStringList& arguments, QJsonObject& answer)
{
    static const QStringList kCommands{"card-tab",  "card-click", "card-choose", "card-field",
                                       "card-drag", "card-link",  "card-grab-tab"};
    if (!kCommands.contains(command))
        return false;
    QWidget* tab = nullptr;
    for (QWidget* candidate : shown<QWidget>(card, "SettingsTab"))
        tab = candidate->isVisible() ? candidate : tab;
    if (card && command == QLatin1String("card-tab"))
        answer = click(button(card, arguments.join(QLatin1Char(' ')), "TabButton"), arguments.join(QLatin1Char(' ')));
    else
        answer = tab ? onTab(tab, command, arguments) : failure(QStringLiteral("no tab shown"));
    return true;
}

QJsonObject TabProbe::onTab(QWidget* tab, const QString& command, const QStringList& arguments)
{
    const QString all = arguments.join(QLatin1Char(' '));
    // "LABEL WITH SPACES VALUE": the last argument is the value.
    const QString label = arguments.mid(0, arguments.size() - 1).join(QLatin1Char(' '));
    const QString value = arguments.value(arguments.size() - 1);
    if (command == QLatin1String("card-click"))
        return clickButton(tab, all);
    if (command == QLatin1String("card-choose"))
        return chooseItem(tab, all);
    if (command == QLatin1String("card-field"))
        return typeIntoSlider(tab, label, value);
    if (command == QLatin1String("card-drag"))
        return dragSlider(tab, label, value.toInt());
    if (command == QLatin1String("card-link")) {
        const QList<QWidget*> links = shown<QWidget>(tab, "SliderLinkBase");
        return click(links.isEmpty() ? nullptr : links.first()->findChild<QAbstractButton*>(), QStringLiteral("link"));
    }
    return grabTab(tab, all);
}
