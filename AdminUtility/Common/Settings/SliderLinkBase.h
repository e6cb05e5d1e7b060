#pragma once

#include <QFrame>

class FlatImageButton;
class LinkBar;
class SettingsSliderWithEditableValue;

// What a link of two slider rows looks like: a bracket from one value field
// to the other with a toggle button on it. It follows the two sliders as
// their rows move, resize, show or hide.
class SliderLinkBase : public QFrame
{
    Q_OBJECT

public:
    SliderLinkBase(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b, QWidget* parent);

    bool isLinked() const { return m_linked; }
    virtual void setIsLinked(bool linked);
    FlatImageButton* linkButton() const { return m_button; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    SettingsSliderWithEditableValue* m_sliderA;
    SettingsSliderWithEditableValue* m_sliderB;

private:
    void onButtonClicked();
    void updateLook();
    void followSliders();
    void watch(QWidget* widget);

    LinkBar* m_bar = nullptr;
    FlatImageButton* m_button = nullptr;
    bool m_linked = false;
};
