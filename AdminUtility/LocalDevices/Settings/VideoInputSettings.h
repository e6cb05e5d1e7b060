#pragma once

#include "MarlixSettingsTab.h"

class CardSection;
class FlatImageButton;
class QButtonGroup;
class SettingsCheckBox;
class SettingsSliderWithEditableValue;
class SliderLink;

// The "Video Input" tab: which connector the device captures from, the
// timecode source, how 1080p is captured and the analog input levels.
class VideoInputSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    // Ids of the radio buttons.
    enum
    {
        kCaptureProgressive = 0,
        kCapturePsF = 1,
        kNtscIreJapan = 2,
        kNtscIreUsa = 3,
    };

    VideoInputSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    QButtonGroup* connectionButtons() const { return m_connections; }
    SettingsCheckBox* timecodeBox() const { return m_timecode; }
    CardSection* sdiSection() const { return m_sdiSection; }
    QButtonGroup* captureButtons() const { return m_capture; }
    CardSection* analogSection() const { return m_analogSection; }
    FlatImageButton* resetButton() const { return m_reset; }
    SettingsSliderWithEditableValue* ySlider() const { return m_y; }
    SettingsSliderWithEditableValue* chromaSlider() const { return m_chroma; }
    SettingsSliderWithEditableValue* cbSlider() const { return m_cb; }
    SettingsSliderWithEditableValue* crSlider() const { return m_cr; }
    SliderLink* cbCrLink() const { return m_cbCrLink; }
    QButtonGroup* ntscIreButtons() const { return m_ntscIre; }

public slots:
    void onPropertyChanged() override;
    void onVideoInputChanged(int connection);
    void onSetDefaultAudioInput(int connection);
    void onVideoInputChromaChanged(double value);
    void onResetVideoInputSliderLevels();

protected:
    void onApplyChanges() override;

private:
    void createConnections();
    void createTimecode();
    void createSdiInput();
    void createAnalogInput();
    void createLevelSliders();
    void showLevels(uint32_t connection);
    int currentConnection() const;

    QButtonGroup* m_connections = nullptr;
    SettingsCheckBox* m_timecode = nullptr;
    CardSection* m_sdiSection = nullptr;
    QButtonGroup* m_capture = nullptr;
    SettingsSliderWithEditableValue* m_y = nullptr;
    SettingsSliderWithEditableValue* m_chroma = nullptr;
    SettingsSliderWithEditableValue* m_cb = nullptr;
    SettingsSliderWithEditableValue* m_cr = nullptr;
    SliderLink* m_cbCrLink = nullptr;
    FlatImageButton* m_reset = nullptr;
    QButtonGroup* m_ntscIre = nullptr;
    CardSection* m_analogSection = nullptr;
};
