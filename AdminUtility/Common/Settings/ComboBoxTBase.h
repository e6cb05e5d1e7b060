#pragma once

class SettingsComboBox;
class QString;

// A tab's handle on a combo box it may not have built (the row depends on
// the device): every call is safe on a missing one.
class ComboBoxTBase
{
public:
    explicit ComboBoxTBase(SettingsComboBox* combo = nullptr) : m_combo(combo) {}

    bool exists() const { return m_combo != nullptr; }
    // id of the current item (0 when it carries none), -1 without one; true when id >= 0.
    bool get(int& id) const;
    // Selects the item with that id without telling the tab; false when there is none.
    bool set(int id);
    void setLabel(int id, const QString& text);
    SettingsComboBox* combo() const { return m_combo; }

private:
    SettingsComboBox* m_combo;
};
