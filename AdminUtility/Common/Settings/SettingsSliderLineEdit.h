#pragma once

#include "SettingsLineEdit.h"

#include <functional>

// The value field of a slider. Finishing an edit first turns what was typed
// into a value the slider can take: a number past a bound becomes the bound,
// and text that is no number yet ("", "-", ".") becomes the slider's value.
class SettingsSliderLineEdit : public SettingsLineEdit
{
    Q_OBJECT

public:
    explicit SettingsSliderLineEdit(QWidget* parent = nullptr);

    // The text that stands for the slider's current value.
    void setCurrentValueText(std::function<QString()> currentValueText);
    // Applies the rule above to the text, with this field's signals blocked.
    void normalise();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::function<QString()> m_currentValueText;
};
