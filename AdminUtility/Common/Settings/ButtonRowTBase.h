#pragma once

class QButtonGroup;

// A tab's handle on a button group it may not have built.
class ButtonRowTBase
{
public:
    explicit ButtonRowTBase(QButtonGroup* buttons = nullptr) : m_buttons(buttons) {}

    bool exists() const { return m_buttons != nullptr; }
    // The checked button's id, -1 without one; true when id >= 0.
    bool get(int& id) const;
    // Checks the button with that id; nothing when there is none.
    void set(int id);
    void setEnabled(bool enabled);
    QButtonGroup* buttons() const { return m_buttons; }

private:
    QButtonGroup* m_buttons;
};
