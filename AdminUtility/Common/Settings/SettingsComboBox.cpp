#include "SettingsComboBox.h"

#include "CommonGui.h"

#include <QKeyEvent>
#include <QStandardItemModel>
#include <QWheelEvent>

SettingsComboBox::SettingsComboBox(QWidget* parent, ComboWidth width)
    : QComboBox(parent)
{
    setFixedSize(width, kHeight);
    setFocusPolicy(Qt::NoFocus);
    setFont(CommonGui::font(CommonGui::kFontBody));
}

void SettingsComboBox::setIndexEnabled(int index, bool enabled)
{
    auto* items = qobject_cast<QStandardItemModel*>(model());
    if (QStandardItem* item = items ? items->item(index) : nullptr)
        item->setEnabled(enabled);
}

bool SettingsComboBox::isIndexEnabled(int index) const
{
    const auto* items = qobject_cast<const QStandardItemModel*>(model());
    const QStandardItem* item = items ? items->item(index) : nullptr;
    return item && item->isEnabled();
}

void SettingsComboBox::wheelEvent(QWheelEvent* event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

void SettingsComboBox::keyPressEvent(QKeyEvent* event)
{
    if (hasFocus())
        QComboBox::keyPressEvent(event);
    else
        event->ignore();
}
