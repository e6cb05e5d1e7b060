#include "CardPopupMenu.h"

#include "CommonGui.h"

#include <QActionGroup>

CardPopupMenu::CardPopupMenu(QWidget* parent)
    : QMenu(parent)
{
    setFont(CommonGui::font(CommonGui::kFontBody));
}

QAction* CardPopupMenu::addOption(const QString& text, int id, bool checkable)
{
    QAction* action = addAction(text);
    action->setData(id);
    action->setCheckable(checkable);
    if (m_exclusiveGroup)
        m_exclusiveGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { emit menuOptionPressed(id); });
    return action;
}

void CardPopupMenu::beginExclusiveGroup()
{
    m_exclusiveGroup = new QActionGroup(this);
    m_exclusiveGroup->setExclusive(true);
}

void CardPopupMenu::endExclusiveGroup()
{
    m_exclusiveGroup = nullptr;
}

QAction* CardPopupMenu::option(int id) const
{
    for (QAction* action : actions()) {
        if (action->data().toInt() == id && !action->isSeparator())
            return action;
    }
    return nullptr;
}

void CardPopupMenu::selectOption(int id, bool checked)
{
    if (QAction* action = option(id))
        action->setChecked(checked);
}

void CardPopupMenu::raiseMenuBelow(QWidget* widget, const QPoint& point)
{
    popup(widget->mapToGlobal(point));
}

void CardPopupMenu::raiseMenuAbove(QWidget* widget, const QPoint& point)
{
    popup(widget->mapToGlobal(point - QPoint(0, sizeHint().height())));
}
