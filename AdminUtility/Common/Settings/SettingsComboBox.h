#pragma once

#include <QComboBox>

// A fixed-size settings combo box that never takes keyboard focus, so that
// wheeling over a tab scrolls the tab instead of changing the choice.
class SettingsComboBox : public QComboBox
{
    Q_OBJECT

public:
    // The combo box's width in pixels; the height is always kHeight.
    using ComboWidth = int;
    static constexpr int kHeight = 27;

    SettingsComboBox(QWidget* parent, ComboWidth width);

    void setIndexEnabled(int index, bool enabled);
    bool isIndexEnabled(int index) const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
