#include "ComboBoxBuilder.h"

#include "SettingsComboBox.h"
#include "SettingsTab.h"

ComboBoxBuilder& ComboBoxBuilder::add(const QString& text, int id)
{
    m_items.append(qMakePair(text, id));
    return *this;
}

ComboBoxTBase ComboBoxBuilder::build(SettingsTab& tab, const QString& label, int width) const
{
    SettingsComboBox* combo = tab.addComboBoxRow(label, width);
    for (const auto& item : m_items)
        combo->addItem(item.first, item.second);
    return ComboBoxTBase(combo);
}
