#pragma once

#include "ButtonRowTBase.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QVector>

class SettingsTab;

// Collects a picture group's buttons, then adds the group: beside its label,
// or centred across the tab when it has none.
class ImageButtonRowBuilder
{
public:
    ImageButtonRowBuilder& add(const QPixmap& picture, const QString& caption, int id);
    ButtonRowTBase build(SettingsTab& tab, const QString& label) const;

private:
    QVector<QPixmap> m_pictures;
    QStringList m_captions;
    QList<int> m_ids;
};
