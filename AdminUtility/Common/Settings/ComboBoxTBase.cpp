#include "ComboBoxTBase.h"

#include "SettingsComboBox.h"

#include <QSignalBlocker>

bool ComboBoxTBase::get(int& id) const
{
    id = -1;
    if (!m_combo || m_combo->currentIndex() < 0)
        return false;
    id = m_combo->currentData().toInt();
    return id >= 0;
}

bool ComboBoxTBase::set(int id)
{
    if (!m_combo)
        return false;
    const int index = m_combo->findData(id);
    if (index < 0)
        return false;
    const QSignalBlocker blocker(m_combo);
    m_combo->setCurrentIndex(index);
    return true;
}

void ComboBoxTBase::setLabel(int id, const QString& text)
{
    const int index = m_combo ? m_combo->findData(id) : -1;
    if (index >= 0)
        m_combo->setItemText(index, text);
}
