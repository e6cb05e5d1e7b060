#include "ButtonRowTBase.h"

#include <QAbstractButton>
#include <QButtonGroup>

bool ButtonRowTBase::get(int& id) const
{
    id = m_buttons ? m_buttons->checkedId() : -1;
    return id >= 0;
}

void ButtonRowTBase::set(int id)
{
    if (QAbstractButton* button = m_buttons ? m_buttons->button(id) : nullptr)
        button->setChecked(true);
}

void ButtonRowTBase::setEnabled(bool enabled)
{
    if (!m_buttons)
        return;
    for (QAbstractButton* button : m_buttons->buttons())
        button->setEnabled(enabled);
}
