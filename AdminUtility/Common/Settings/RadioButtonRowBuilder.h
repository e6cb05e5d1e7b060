#pragma once

#include "ButtonRowTBase.h"

#include <QList>
#include <QStringList>

class SettingsRadioButton;
class SettingsTab;

// Collects a radio group's choices, then adds the group.
class RadioButtonRowBuilder
{
public:
    explicit RadioButtonRowBuilder(int buttonsPerLine = 1) : m_buttonsPerLine(buttonsPerLine) {}

    // button, when given, receives the created button.
    RadioButtonRowBuilder& add(const QString& text, int id, SettingsRadioButton** button = nullptr);
    ButtonRowTBase build(SettingsTab& tab, const QString& label);

private:
    QStringList m_texts;
    QList<int> m_ids;
    QList<SettingsRadioButton**> m_buttons;
    int m_buttonsPerLine;
};
