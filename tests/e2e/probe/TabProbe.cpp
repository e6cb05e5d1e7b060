#include "TabProbe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

QJsonObject failure(const QString& reason)
{
    return QJsonObject{{"error", reason}};
}

QWidget* openTab(QWidget* card)
{
    for (QWidget* widget : card->findChildren<QWidget*>()) {
        if (widget->inherits("MarlixSettingsTab") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

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
QList<T*> shown(QWidget* tab, const char* className = nullptr)
{
    QList<T*> result;
    for (T* widget : tab->findChildren<T*>()) {
        if (widget->isVisible() && (!className || widget->inherits(className)))
            result << widget;
    }
    return result;
}

QWidget* sliderRow(QWidget* tab, const QString& label)
{
    for (QWidget* slider : shown<QWidget>(tab, "SettingsSliderWithEditableValue")) {
        if (rowLabel(slider) == label)
            return slider;
    }
    return nullptr;
}

QJsonArray controls(QWidget* tab)
{
    QJsonArray result;
    for (const QAbstractButton* button : shown<QAbstractButton>(tab)) {
        const QString name = button->text().isEmpty() ? button->toolTip() : button->text();
        if (button->isCheckable() && !name.isEmpty())
            result.append(QJsonObject{{"kind", "button"}, {"name", name}, {"checked", button->isChecked()}});
    }
    for (QWidget* slider : shown<QWidget>(tab, "SettingsSliderWithEditableValue")) {
        const QLineEdit* field = slider->findChild<QLineEdit*>();
        const QSlider* handle = slider->findChild<QSlider*>();
        result.append(QJsonObject{{"kind", "slider"},
                                  {"name", rowLabel(slider)},
                                  {"value", field ? field->text() : QString()},
                                  {"enabled", handle && handle->isEnabled()}});
    }
    for (const QComboBox* combo : shown<QComboBox>(tab))
        result.append(QJsonObject{{"kind", "combo"}, {"name", rowLabel(combo)}, {"value", combo->currentText()}});
    return result;
}

void sendKey(QWidget* widget, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// Focus, select all, delete, one key per character, then Return.
QJsonObject typeIntoSlider(QWidget* tab, const QString& label, const QString& text)
{
    QWidget* slider = sliderRow(tab, label);
    QLineEdit* field = slider ? slider->findChild<QLineEdit*>() : nullptr;
    if (!field)
        return failure(QStringLiteral("no slider %1").arg(label));
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    sendKey(field, Qt::Key_Backspace);
    for (const QChar c : text)
        sendKey(field, 0, QString(c));
    sendKey(field, Qt::Key_Return);
    return QJsonObject{{"ok", true}};
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses the handle, moves it by pixels in a few steps and lets go.
QJsonObject dragSlider(QWidget* tab, const QString& label, int pixels)
{
    QWidget* row = sliderRow(tab, label);
    QSlider* slider = row ? row->findChild<QSlider*>() : nullptr;
    if (!slider)
        return failure(QStringLiteral("no slider %1").arg(label));
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.subControls = QStyle::SC_SliderHandle;
    const QPoint start =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step)
        sendMouse(slider, QEvent::MouseMove, start + QPoint(pixels * step / kSteps, 0), Qt::LeftButton);
    sendMouse(slider, QEvent::MouseButtonRelease, start + QPoint(pixels, 0), Qt::NoButton);
    return QJsonObject{{"ok", true}, {"position", slider->sliderPosition()}};
}

QJsonObject pickComboItem(QWidget* tab, const QString& label, int index)
{
    for (QComboBox* combo : shown<QComboBox>(tab)) {
        if (rowLabel(combo) != label)
            continue;
        if (index < 0 || index >= combo->count())
            return failure(QStringLiteral("no item %1").arg(index));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return QJsonObject{{"ok", true}};
    }
    return failure(QStringLiteral("no combo box %1").arg(label));
}

QJsonObject pressLink(QWidget* tab)
{
    for (QWidget* link : shown<QWidget>(tab, "SliderLinkBase")) {
        if (auto* button = link->findChild<QAbstractButton*>()) {
            button->click();
            return QJsonObject{{"ok", true}};
        }
    }
    return failure(QStringLiteral("no slider link"));
}

// "LABEL WITH SPACES VALUE": the last argument is the value.
QString labelOf(const QStringList& arguments)
{
    return arguments.mid(0, arguments.size() - 1).join(QLatin1Char(' '));
}

} // namespace

namespace TabProbe
{

bool handle(QWidget* card, const QString& command, const QStringList& arguments, QJsonObject& answer)
{
    static const QStringList kCommands{QStringLiteral("card-controls"), QStringLiteral("card-slider"),
                                       QStringLiteral("card-field"), QStringLiteral("card-drag"),
                                       QStringLiteral("card-combo"), QStringLiteral("card-link")};
    if (!kCommands.contains(command))
        return false;
    QWidget* tab = card ? openTab(card) : nullptr;
    if (!tab)
        answer = failure(QStringLiteral("no open tab"));
    else if (command == QLatin1String("card-controls"))
        answer = QJsonObject{{"controls", controls(tab)}};
    else if (command == QLatin1String("card-slider") || command == QLatin1String("card-field"))
        answer = typeIntoSlider(tab, labelOf(arguments), arguments.value(arguments.size() - 1));
    else if (command == QLatin1String("card-drag"))
        answer = dragSlider(tab, labelOf(arguments), arguments.value(arguments.size() - 1).toInt());
    else if (command == QLatin1String("card-combo"))
        answer = pickComboItem(tab, labelOf(arguments), arguments.value(arguments.size() - 1).toInt());
    else
        answer = pressLink(tab);
    return true;
}

}
