#pragma once

#include "ComboBoxTBase.h"

#include <QList>
#include <QPair>
#include <QString>

class SettingsTab;

// Collects a combo box's choices, then adds the row.
class ComboBoxBuilder
{
public:
    ComboBoxBuilder& add(const QString& text, int id);
    ComboBoxTBase build(SettingsTab& tab, const QString& label, int width) const;

private:
    QList<QPair<QString, int>> m_items;
};
