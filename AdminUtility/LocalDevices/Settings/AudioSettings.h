#pragma once

#include "MarlixSettingsTab.h"

#include <QList>
#include <QMap>

#include <cstdint>

class CardSection;
class ImageGroupButton;
class QButtonGroup;
class SettingsCheckBox;
class SettingsSliderWithEditableValue;
class SliderLink;

// The "Audio" tab: the audio input connection, HiFi or professional analog
// levels, per-channel analog levels, microphone, headphone and AES/EBU levels
// and, where the device can switch them, how its outputs are shared out.
class AudioSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    // Ids of the output switch buttons: four-character codes of the driver.
    static const int kAnalogOutputs;
    static const int kAesEbuOutputs;

    AudioSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    QButtonGroup* inputButtons() const { return m_inputs; }
    ImageGroupButton* inputButton(uint32_t connection) const { return m_inputButtons.value(connection); }
    const QList<SettingsSliderWithEditableValue*>& inputChannels() const { return m_inputChannels.sliders; }
    const QList<SettingsSliderWithEditableValue*>& outputChannels() const { return m_outputChannels.sliders; }
    SliderLink* inputLink() const { return m_inputChannels.link; }
    SliderLink* outputLink() const { return m_outputChannels.link; }
    SettingsCheckBox* hifiBox() const { return m_hifi; }
    SettingsCheckBox* phantomPowerBox() const { return m_phantomPower; }
    SettingsSliderWithEditableValue* microphoneSlider() const { return m_microphone; }
    SettingsSliderWithEditableValue* headphoneSlider() const { return m_headphone; }
    SettingsSliderWithEditableValue* aesEbuInputSlider() const { return m_aesEbuInput; }
    SettingsSliderWithEditableValue* aesEbuOutputSlider() const { return m_aesEbuOutput; }
    QButtonGroup* outputSwitchButtons() const { return m_outputSwitch; }
    CardSection* audioInputSection() const { return m_inputSection; }
    CardSection* inputLevelsSection() const { return m_inputChannels.section; }
    CardSection* outputLevelsSection() const { return m_outputChannels.section; }
    CardSection* microphoneSection() const { return m_microphoneSection; }
    CardSection* aesEbuSection() const { return m_aesEbuSection; }

    void updateAnalogAudioInputChannels(int connection);
    void updateAnalogAudioOutputChannels();

public slots:
    void onPropertyChanged() override;
    void onInputChanged(int connection);
    void onAnalogConsumerLevelsClicked();
    void onResetAnalogAudioInputLevels();
    void onResetAnalogAudioOutputLevels();
    void onResetAESEBULevels();

protected:
    void onApplyChanges() override;

private:
    // The channel level rows of one direction, rebuilt as the device's
    // channels change.
    struct Channels
    {
        CardSection* section = nullptr;
        QList<SettingsSliderWithEditableValue*> sliders;
        // Which channels the rows were built for and which of them can be set.
        QList<bool> settable;
        SliderLink* link = nullptr;
        QString linkKey;
        int64_t (VisibleMarlix::*count)() const = nullptr;
        bool (VisibleMarlix::*supports)(int) const = nullptr;
        double (VisibleMarlix::*get)(int) const = nullptr;
        void (VisibleMarlix::*set)(int, double) = nullptr;
    };

    void createAudioInput();
    void createAnalogLevels();
    void createMicrophone();
    void createOutputSwitch();
    void createHeadphone();
    void createAesEbu();
    CardSection* addResettableSection(const QString& title, void (AudioSettings::*reset)());
    SettingsSliderWithEditableValue* addLevelSlider(const QString& label, double minimum, double maximum,
                                                    int decimals, const QString& units);
    void updateChannels(Channels& channels, bool shown);
    void buildChannels(Channels& channels, const QList<bool>& settable);
    void showChannelValues(const Channels& channels);
    void applyChannels(const Channels& channels);
    void resetChannels(const Channels& channels);
    bool hifiLevels() const;
    int currentInput() const;
    void showEmbeddedPicture();

    QButtonGroup* m_inputs = nullptr;
    QMap<uint32_t, ImageGroupButton*> m_inputButtons;
    Channels m_inputChannels;
    Channels m_outputChannels;
    SettingsCheckBox* m_hifi = nullptr;
    SettingsSliderWithEditableValue* m_microphone = nullptr;
    SettingsSliderWithEditableValue* m_headphone = nullptr;
    SettingsCheckBox* m_phantomPower = nullptr;
    SettingsSliderWithEditableValue* m_aesEbuInput = nullptr;
    SettingsSliderWithEditableValue* m_aesEbuOutput = nullptr;
    QButtonGroup* m_outputSwitch = nullptr;
    CardSection* m_inputSection = nullptr;
    CardSection* m_analogSection = nullptr;
    CardSection* m_microphoneSection = nullptr;
    CardSection* m_aesEbuSection = nullptr;
};
