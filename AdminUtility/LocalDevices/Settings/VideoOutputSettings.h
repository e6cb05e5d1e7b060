#pragma once

#include "ButtonRowTBase.h"
#include "ComboBoxTBase.h"
#include "MarlixSettingsTab.h"

#include <QList>
#include <QPair>

#include <cstdint>

class CardSection;
class FlatImageButton;
class SettingsCheckBox;
class SettingsSliderWithEditableValue;
class SliderLink;

// The "Video Output" tab: default output standard, what the output shows when
// idle or paused, SDI and HDMI output formats, which analog outputs are active
// with their levels, and the reference offset. Rows exist only for what the
// device can do.
class VideoOutputSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    // Button ids of the two-way choices; playback and SDI link use the driver's codes.
    enum ChoiceId
    {
        kFullFrame = 0,
        kSingleField = 1,
        kShowPlayback = 2,
        kShowInput = 3,
        kRGB444 = 4,
        kYCbCr422 = 5,
        kLevelA = 6,
        kLevelB = 7,
        kProgressive = 8,
        kSegmented = 9,
        kIre0 = 10,
        kIre75 = 11,
    };

    // Bits of the analog output flags.
    static constexpr uint32_t kNtscSetupFlag = 1;
    static constexpr uint32_t kBetacamFlag = 2;

    // Every control the tab may have; a row that was not built leaves its entry empty.
    struct Controls
    {
        ComboBoxTBase displayMode;
        ButtonRowTBase fieldFlicker;
        ButtonRowTBase idleOperation;
        ButtonRowTBase passthrough;
        ButtonRowTBase colourSpace;
        ButtonRowTBase smpteLevel;
        ButtonRowTBase progressive;
        ButtonRowTBase sdiLink;
        ComboBoxTBase packing3D;
        ButtonRowTBase analogOutputs;
        SettingsSliderWithEditableValue* y = nullptr;
        SettingsSliderWithEditableValue* chroma = nullptr;
        SettingsSliderWithEditableValue* cb = nullptr;
        SettingsSliderWithEditableValue* cr = nullptr;
        SliderLink* cbCrLink = nullptr;
        SettingsCheckBox* betacam = nullptr;
        ButtonRowTBase ntscIre;
        SettingsSliderWithEditableValue* offset = nullptr;
        FlatImageButton* levelsReset = nullptr;
        FlatImageButton* referenceReset = nullptr;
    };

    VideoOutputSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    const Controls& controls() const { return m_controls; }

public slots:
    void onPropertyChanged() override;
    // Shows the outputs the device uses now, with their levels.
    virtual void onVideoOutputChanged();
    void onVideoOutputChromaChanged(double value);
    void onResetVideoOutputSliderLevels();
    void onResetReferenceInputSliderLevels();

protected:
    void onApplyChanges() override;

private:
    using Choices = QList<QPair<QString, int>>;

    void createGeneral();
    void createSdiOutput();
    void createHdmiOutput();
    void createAnalogOutputs();
    void createAnalogLevels();
    void createNtscIre();
    void createReferenceInput();
    ButtonRowTBase addChoice(const QString& label, const Choices& choices);
    SettingsSliderWithEditableValue* addLevelSlider(const QString& label);

    void showFlagChoices();
    void showAnalogLevels(uint32_t connection);
    void applyFlagChoices();
    void applyAnalogLevels();
    void applyAnalogFlag(uint32_t flag, bool set);
    uint32_t chosenOutputConnection() const;
    bool changed(const ButtonRowTBase& row);
    bool changed(const ComboBoxTBase& combo);
    bool changed(QObject* control);

    Controls m_controls;
};
