#include "ImageButtonRowBuilder.h"

#include "SettingsTab.h"

ImageButtonRowBuilder& ImageButtonRowBuilder::add(const QPixmap& picture, const QString& caption, int id)
{
    m_pictures << picture;
    m_captions << caption;
    m_ids << id;
    return *this;
}

ButtonRowTBase ImageButtonRowBuilder::build(SettingsTab& tab, const QString& label) const
{
    if (label.isEmpty())
        return ButtonRowTBase(tab.addPlainImageButtonGroup(m_pictures, m_captions, m_ids, GridSettings::plain()));
    return ButtonRowTBase(tab.addImageButtonGroup(label, m_pictures, m_captions, m_ids, GridSettings::labelled()));
}
