#include "DialogDriver.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace
{
QJsonObject failure(const QString& reason)
{
    return QJsonObject{{"error", reason}};
}

bool shown(const QWidget* widget, const QWidget* root)
{
    return widget->isVisibleTo(root) && root->isVisible();
}

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

QJsonArray labelTexts(QWidget* root)
{
    QJsonArray texts;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (shown(label, root) && !label->text().isEmpty())
            texts.append(label->text());
    }
    return texts;
}
}

QJsonObject DialogDriver::dialog(QWidget* window)
{
    QWidget* top = topDialog(window);
    if (!top)
        return QJsonObject{{"open", false}};
    QJsonArray buttons;
    for (const QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        if (shown(button, top) && !button->text().isEmpty())
            buttons.append(button->text());
    }
    QJsonObject result{{"open", true}, {"texts", labelTexts(top)}, {"buttons", buttons}};
    for (const QProgressBar* bar : top->findChildren<QProgressBar*>()) {
        if (shown(bar, top))
            result.insert("progress", QJsonObject{{"maximum", bar->maximum()}, {"value", bar->value()}});
    }
    return result;
}

QJsonObject DialogDriver::press(QWidget* window, const QString& text)
{
    QWidget* root = topDialog(window);
    if (!root)
        root = window;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (shown(button, root) && button->isEnabled() && button->text() == text) {
            button->click();
            return QJsonObject{{"ok", true}};
        }
    }
    return failure(QStringLiteral("no button %1").arg(text));
}

QJsonObject DialogDriver::type(QWidget* window, const QString& text)
{
    QWidget* top = topDialog(window);
    QLineEdit* field = top ? top->findChild<QLineEdit*>() : nullptr;
    if (!field || !shown(field, top))
        return failure(QStringLiteral("no field"));
    field->setFocus();
    field->selectAll();
    field->insert(text);
    return QJsonObject{{"ok", true}, {"text", field->text()}};
}
