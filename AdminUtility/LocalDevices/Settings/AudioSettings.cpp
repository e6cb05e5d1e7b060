#include "AudioSettings.h"

#include "CapabilityTables.h"
#include "CardSection.h"
#include "CommonGui.h"
#include "DisplayModeText.h"
#include "FlatImageButton.h"
#include "MarlixCodes.h"
#include "ImageGroupButton.h"
#include "SettingsCheckBox.h"
#include "SettingsSliderWithEditableValue.h"
#include "SliderLink.h"
#include "VisibleMarlix.h"

#include <QButtonGroup>

const int AudioSettings::kAnalogOutputs = int(MarlixValue::kAudioSwitchAnalog);
const int AudioSettings::kAesEbuOutputs = int(MarlixValue::kAudioSwitchAES);

namespace {

constexpr double kLevelMinimum = -12.0;
constexpr double kLevelMaximum = 12.0;
constexpr double kMicrophoneMaximum = 65.0;

QString decibels()
{
    return AudioSettings::tr("dB");
}

} // namespace

AudioSettings::AudioSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    m_inputChannels.linkKey = kAnalogAudioInputChannelLinked;
    m_inputChannels.count = &VisibleMarlix::getMaxAnalogAudioInputChannels;
    m_inputChannels.supports = &VisibleMarlix::supportsAnalogAudioInputScaleChannel;
    m_inputChannels.get = &VisibleMarlix::getAnalogAudioInputScaleChannel;
    m_inputChannels.set = &VisibleMarlix::setAnalogAudioInputScaleChannel;
    m_outputChannels.linkKey = kAnalogAudioOutputChannelLinked;
    m_outputChannels.count = &VisibleMarlix::getMaxAnalogAudioOutputChannels;
    m_outputChannels.supports = &VisibleMarlix::supportsAnalogAudioOutputScaleChannel;
    m_outputChannels.get = &VisibleMarlix::getAnalogAudioOutputScaleChannel;
    m_outputChannels.set = &VisibleMarlix::setAnalogAudioOutputScaleChannel;

    createAudioInput();
    createAnalogLevels();
    createMicrophone();
    if (device.supportsAnalogAudioConsumerLevels())
        m_outputChannels.section = addResettableSection(tr("Analog Audio Output Levels"),
                                                        &AudioSettings::onResetAnalogAudioOutputLevels);
    createOutputSwitch();
    createHeadphone();
    createAesEbu();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// --- Building ----------------------------------------------------------------

void AudioSettings::createAudioInput()
{
    const uint32_t mask = device().getAudioInputConnections();
    if (mask == 0)
        return;
    m_inputSection = addSection(tr("Audio Input"));
    QVector<QPixmap> pictures;
    QStringList captions;
    QList<int> ids;
    for (auto it = kAudioConnections.constBegin(); it != kAudioConnections.constEnd(); ++it) {
        if (!(mask & it.key()))
            continue;
        pictures.append(CommonGui::pixmap(it->icon));
        captions.append(device().getAudioInputConnectionTranslated(it->name));
        ids.append(int(it.key()));
    }
    m_inputs = addPlainImageButtonGroup(pictures, captions, ids, GridSettings::plain());
    for (int id : qAsConst(ids))
        m_inputButtons.insert(uint32_t(id), qobject_cast<ImageGroupButton*>(m_inputs->button(id)));
    connect(m_inputs, &QButtonGroup::idClicked, this, &AudioSettings::onInputChanged);
}

void AudioSettings::createAnalogLevels()
{
    if (!device().supportsAnalogAudioConsumerLevels())
        return;
    m_analogSection = addSection(tr("Analog Audio"));
    addCheckBoxGroup(QString(), {&m_hifi}, {tr("Use HiFi Audio Levels")});
    connect(m_hifi, &QAbstractButton::clicked, this, &AudioSettings::onAnalogConsumerLevelsClicked);
    m_inputChannels.section = addResettableSection(tr("Analog Audio Input Levels"),
                                                   &AudioSettings::onResetAnalogAudioInputLevels);
}

void AudioSettings::createMicrophone()
{
    if (device().supportsMicrophoneGainControl()) {
        m_microphoneSection = addSection(tr("Microphone"));
        m_microphone = addLevelSlider(tr("Input Level:"), 0.0, kMicrophoneMaximum, 0, decibels());
    }
    if (!device().supportsMicrophonePhantomPower())
        return;
    m_phantomPower = addCheckBoxRow(QString(), tr("Use +48V Phantom Power"));
    // The tabs line the warning's second sentence up below its first.
    decorateRowWidgetWithRolloverIcon(
        m_phantomPower, QStringLiteral(":/Info"),
        tr("WARNING: Please check that your microphone requires +48V Phantom Power,") + QString(27, QLatin1Char('\t'))
            + tr("otherwise you can cause damage to your microphone."));
}

void AudioSettings::createOutputSwitch()
{
    if (!device().supportsSwitchableAnalogAudioOutputs())
        return;
    addSection(tr("Audio Outputs:"));
    const QPixmap picture = CommonGui::pixmap(kVideoConnections.value(MarlixValue::kVideoComposite).icon);
    m_outputSwitch = addImageButtonGroup(tr("Set Analog Audio Output:"), {picture, picture},
                                         {tr("4 Analog & 2 AES/EBU"), tr("2 Analog & 6 AES/EBU")},
                                         {kAnalogOutputs, kAesEbuOutputs},
                                         GridSettings{24, 14, Qt::AlignLeft | Qt::AlignTop, 2, 15, 7, 15});
}

void AudioSettings::createHeadphone()
{
    if (!device().supportsHeadphoneGainControl())
        return;
    addSection(tr("Headphone"));
    m_headphone = addLevelSlider(tr("Volume:"), 0.0, 1.0, 2, QString());
    m_headphone->setValueDisplayVisible(false);
}

void AudioSettings::createAesEbu()
{
    const bool input = device().supportsDigitalInputScale();
    const bool output = device().supportsDigitalOutputScale();
    if (!(device().getAudioOutputConnections() & MarlixValue::kAudioAESEBU) || !(input || output))
        return;
    m_aesEbuSection = addResettableSection(tr("AES/EBU"), &AudioSettings::onResetAESEBULevels);
    if (input)
        m_aesEbuInput = addLevelSlider(tr("Input Level:"), kLevelMinimum, kLevelMaximum, 2, decibels());
    if (output)
        m_aesEbuOutput = addLevelSlider(tr("Output Level:"), kLevelMinimum, kLevelMaximum, 2, decibels());
}

CardSection* AudioSettings::addResettableSection(const QString& title, void (AudioSettings::*reset)())
{
    CardSection* section = addSection(title);
    connect(addSectionButton(section, QStringLiteral(":/Refresh")), &QAbstractButton::clicked, this, reset);
    return section;
}

SettingsSliderWithEditableValue* AudioSettings::addLevelSlider(const QString& label, double minimum, double maximum,
                                                               int decimals, const QString& units)
{
    return addSliderRowWithEditableValue(label, minimum, maximum, decimals, units, false, 0.0);
}

// --- Channel rows ---------------------------------------------------------------

bool AudioSettings::hifiLevels() const
{
    return m_hifi && m_hifi->isChecked();
}

void AudioSettings::updateAnalogAudioInputChannels(int connection)
{
    const bool shown = !hifiLevels() && isAnalogAudio(connection)
        && device().supportsAnalogAudioInputScaleChannel(1) && connection != int(MarlixValue::kAudioMicrophone);
    updateChannels(m_inputChannels, shown);
}

void AudioSettings::updateAnalogAudioOutputChannels()
{
    updateChannels(m_outputChannels, !hifiLevels());
}

// The rows are rebuilt only when the device's channels differ from those
// shown: a refresh must not take away the slider the user is dragging.
void AudioSettings::updateChannels(Channels& channels, bool shown)
{
    if (!channels.section)
        return;
    if (!shown) {
        showSection(channels.section, false);
        return;
    }
    QList<bool> settable;
    const int64_t count = qBound<int64_t>(0, (device().*channels.count)(), 4);
    for (int channel = 1; channel <= count; ++channel)
        settable.append((device().*channels.supports)(channel));
    if (settable != channels.settable || channels.sliders.isEmpty())
        buildChannels(channels, settable);
    showChannelValues(channels);
    showSection(channels.section, true);
}

void AudioSettings::buildChannels(Channels& channels, const QList<bool>& settable)
{
    delete channels.link;
    channels.link = nullptr;
    for (SettingsSliderWithEditableValue* slider : qAsConst(channels.sliders))
        removeRowContaining(slider);
    channels.sliders.clear();
    channels.settable = settable;

    setActiveSection(channels.section);
    beginRowGroup();
    for (int channel = 1; channel <= settable.size(); ++channel) {
        SettingsSliderWithEditableValue* slider =
            addLevelSlider(tr("Channel %1:").arg(channel), kLevelMinimum, kLevelMaximum, 2, decibels());
        slider->setSliderEnabled(settable.at(channel - 1));
        channels.sliders.append(slider);
    }
    endRowGroup();
    setActiveSection(nullptr);
    if (channels.sliders.size() >= 2) {
        channels.link = linkSliders(channels.sliders.at(0), channels.sliders.at(1), SliderLink::Offset);
        channels.link->setIsLinked(deviceSettings().value(channels.linkKey, true).toBool());
    }
}

void AudioSettings::showChannelValues(const Channels& channels)
{
    for (int i = 0; i < channels.sliders.size(); ++i)
        showValue(channels.sliders.at(i), (device().*channels.get)(i + 1));
}

void AudioSettings::applyChannels(const Channels& channels)
{
    for (int i = 0; i < channels.sliders.size(); ++i) {
        SettingsSliderWithEditableValue* slider = channels.sliders.at(i);
        if (hasChanged(*slider))
            (device().*channels.set)(i + 1, slider->realValue());
    }
}

void AudioSettings::resetChannels(const Channels& channels)
{
    resetSliders(channels.sliders, 0.0);
    if (channels.link)
        channels.link->resetSliders(0.0);
}

// --- Reacting -------------------------------------------------------------------------

int AudioSettings::currentInput() const
{
    return m_inputs ? m_inputs->checkedId() : int(device().getAudioInputConnection());
}

void AudioSettings::onInputChanged(int connection)
{
    updateAnalogAudioInputChannels(connection);
    showRowContaining(m_aesEbuInput, connection == int(MarlixValue::kAudioAESEBU));
    // Analog video brings no embedded audio.
    if (ImageGroupButton* embedded = m_inputButtons.value(MarlixValue::kAudioEmbedded))
        embedded->setVisible(!isAnalogVideo(device().getVideoInputConnection()));
    if (m_inputSection) {
        int visible = 0;
        for (const ImageGroupButton* button : qAsConst(m_inputButtons))
            visible += button->isHidden() ? 0 : 1;
        showSection(m_inputSection, visible >= 2);
    }
    showSection(m_microphoneSection, connection == int(MarlixValue::kAudioMicrophone));
    alignImageButtonGroups(true);
}

void AudioSettings::onAnalogConsumerLevelsClicked()
{
    updateAnalogAudioInputChannels(currentInput());
    updateAnalogAudioOutputChannels();
}

// Embedded audio comes with the video connection the device captures from,
// so its button shows that connection.
void AudioSettings::showEmbeddedPicture()
{
    ImageGroupButton* embedded = m_inputButtons.value(MarlixValue::kAudioEmbedded);
    const uint32_t video = device().getVideoInputConnection();
    if (!embedded || isAnalogVideo(video))
        return;
    uint32_t carrier = MarlixValue::kVideoOptical;
    if (video & MarlixValue::kVideoSDI)
        carrier = MarlixValue::kVideoSDI;
    else if (video & MarlixValue::kVideoHDMI)
        carrier = MarlixValue::kVideoHDMI;
    embedded->setPicture(CommonGui::pixmap(kVideoConnections.value(carrier).icon));
}

void AudioSettings::onPropertyChanged()
{
    // The HiFi choice first: it decides whether the level rows are shown.
    if (m_hifi)
        m_hifi->setChecked(device().getUseAnalogAudioConsumerLevels());
    const int connection = int(device().getAudioInputConnection());
    checkButton(m_inputs, connection);
    onInputChanged(connection);
    showEmbeddedPicture();
    updateAnalogAudioOutputChannels();
    if (m_phantomPower)
        m_phantomPower->setChecked(device().getMicrophonePhantomPower());
    showValue(m_microphone, device().getMicrophoneInputGain());
    showValue(m_headphone, device().getHeadphoneInputGain());
    showValue(m_aesEbuInput, device().getDigitalInputScale());
    showValue(m_aesEbuOutput, device().getDigitalOutputScale());
    if (device().supportsSwitchableAnalogAudioOutputs())
        checkButton(m_outputSwitch, int(device().getAnalogAudioOutputSwitch()));
}

void AudioSettings::onResetAnalogAudioInputLevels()
{
    resetChannels(m_inputChannels);
}

void AudioSettings::onResetAnalogAudioOutputLevels()
{
    resetChannels(m_outputChannels);
}

void AudioSettings::onResetAESEBULevels()
{
    QList<SettingsSliderWithEditableValue*> sliders;
    for (SettingsSliderWithEditableValue* slider : {m_aesEbuInput, m_aesEbuOutput}) {
        if (slider)
            sliders.append(slider);
    }
    resetSliders(sliders, 0.0);
}

void AudioSettings::onApplyChanges()
{
    if (m_inputs && hasChanged(*m_inputs))
        device().setAudioInputConnection(uint32_t(m_inputs->checkedId()));
    applyChannels(m_inputChannels);
    if (m_hifi && hasChanged(*m_hifi))
        device().setUseAnalogAudioConsumerLevels(m_hifi->isChecked());
    if (m_phantomPower && hasChanged(*m_phantomPower))
        device().setMicrophonePhantomPower(m_phantomPower->isChecked());
    applyChannels(m_outputChannels);
    if (m_microphone && hasChanged(*m_microphone))
        device().setMicrophoneInputGain(m_microphone->realValue());
    if (m_headphone && hasChanged(*m_headphone))
        device().setHeadphoneInputGain(m_headphone->realValue());
    if (m_aesEbuInput && hasChanged(*m_aesEbuInput))
        device().setDigitalInputScale(m_aesEbuInput->realValue());
    if (m_aesEbuOutput && hasChanged(*m_aesEbuOutput))
        device().setDigitalOutputScale(m_aesEbuOutput->realValue());
    if (m_outputSwitch && hasChanged(*m_outputSwitch) && device().supportsSwitchableAnalogAudioOutputs())
        device().setAnalogAudioOutputSwitch(uint32_t(m_outputSwitch->checkedId()));
    if (m_inputChannels.link)
        deviceSettings().setValue(m_inputChannels.linkKey, m_inputChannels.link->isLinked());
    if (m_outputChannels.link)
        deviceSettings().setValue(m_outputChannels.linkKey, m_outputChannels.link->isLinked());
}
