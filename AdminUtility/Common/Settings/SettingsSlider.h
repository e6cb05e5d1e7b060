#pragma once

#include <QSlider>

// A horizontal settings slider. It takes focus only from a click, and wheel
// and key events pass to the tab unless it has focus, so that wheeling over
// a tab scrolls the tab instead of changing a setting.
class SettingsSlider : public QSlider
{
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 30;

    explicit SettingsSlider(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
