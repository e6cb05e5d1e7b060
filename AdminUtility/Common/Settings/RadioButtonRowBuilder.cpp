#include "RadioButtonRowBuilder.h"

#include "SettingsTab.h"

RadioButtonRowBuilder& RadioButtonRowBuilder::add(const QString& text, int id, SettingsRadioButton** button)
{
    m_texts << text;
    m_ids << id;
    m_buttons << button;
    return *this;
}

ButtonRowTBase RadioButtonRowBuilder::build(SettingsTab& tab, const QString& label)
{
    return ButtonRowTBase(tab.addRadioButtonGroup(label, m_buttons, m_texts, m_ids, m_buttonsPerLine));
}
