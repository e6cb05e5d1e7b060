#include "VideoInputSettings.h"

#include "CapabilityTables.h"
#include "CardSection.h"
#include "CommonGui.h"
#include "DisplayModeText.h"
#include "FlatImageButton.h"
#include "MarlixCodes.h"
#include "SettingsCheckBox.h"
#include "SettingsRadioButton.h"
#include "SettingsSliderWithEditableValue.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace {

// Bit 0 of the analog video output flags: black at 7.5 IRE (USA) for NTSC.
constexpr uint32_t kNtscSetupFlag = 1;

const uint32_t kAnalogConnections[] = {MarlixValue::kVideoComponent, MarlixValue::kVideoComposite,
                                       MarlixValue::kVideoSVideo};

int connectionCount(uint32_t mask)
{
    int count = 0;
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it)
        count += (mask & it.key()) ? 1 : 0;
    return count;
}

} // namespace

VideoInputSettings::VideoInputSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    createConnections();
    createTimecode();
    createSdiInput();
    createAnalogInput();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

void VideoInputSettings::createConnections()
{
    const uint32_t mask = device().getVideoInputConnections();
    if (connectionCount(mask) < 2)
        return;
    addSection(tr("Input Connection"));
    QVector<QPixmap> pictures;
    QStringList captions;
    QList<int> ids;
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it) {
        if (!(mask & it.key()))
            continue;
        pictures.append(CommonGui::pixmap(it->icon));
        captions.append(it->name);
        ids.append(int(it.key()));
    }
    m_connections = addPlainImageButtonGroup(pictures, captions, ids);
    connect(m_connections, &QButtonGroup::idClicked, this, &VideoInputSettings::onVideoInputChanged);
    connect(m_connections, &QButtonGroup::idClicked, this, &VideoInputSettings::onSetDefaultAudioInput);
}

void VideoInputSettings::createTimecode()
{
    if (!device().hasExternalTimeCodeInput())
        return;
    addCheckBoxGroup(QString(), {&m_timecode}, {tr("Use XLR Timecode Input")});
}

void VideoInputSettings::createSdiInput()
{
    if (!device().supportsCapturePsF() || device().supportsPsFAutoSwitching())
        return;
    m_sdiSection = addSection(tr("SDI Input"));
    m_capture = beginRadioGroup(tr("1080p HD and 2K:"));
    addRadioButtonRow(tr("Captured as 1080p progressive video"), kCaptureProgressive);
    addRadioButtonRow(tr("Captured as 1080PsF segmented video"), kCapturePsF);
    endRadioGroup();
}

void VideoInputSettings::createAnalogInput()
{
    bool gain = false;
    bool analog = false;
    for (uint32_t connection : kAnalogConnections) {
        gain = gain || device().supportsAnalogVideoInputGain(connection);
        analog = analog || (device().getVideoInputConnections() & connection);
    }
    if (!gain && !analog)
        return;
    m_analogSection = addSection(gain ? tr("Analog Video Input Levels") : tr("Analog Video Input"));
    if (gain)
        createLevelSliders();
    m_ntscIre = beginRadioGroup(tr("NTSC IRE:"));
    SettingsRadioButton* japan = addRadioButtonRow(tr("0.0 (Japan)"), kNtscIreJapan);
    addRadioButtonRow(tr("7.5 (USA)"), kNtscIreUsa);
    endRadioGroup();
    decorateRowWidgetWithRolloverIcon(japan, QStringLiteral(":/Info"),
                                      tr("The NTSC IRE option on the Video Output tab will be changed accordingly."));
}

void VideoInputSettings::createLevelSliders()
{
    m_reset = addSectionButton(m_analogSection, QStringLiteral(":/Refresh"));
    connect(m_reset, &QAbstractButton::clicked, this, &VideoInputSettings::onResetVideoInputSliderLevels);
    double minimum = 0.0;
    double maximum = 0.0;
    device().getAnalogVideoInputGainLevelRange(minimum, maximum);
    const auto slider = [&](const QString& label) {
        return addSliderRowWithEditableValue(label, minimum, maximum, 2, QString(), false, 0.0);
    };
    m_y = slider(tr("Y:"));
    m_chroma = slider(tr("Chroma:"));
    connect(m_chroma, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged), this,
            &VideoInputSettings::onVideoInputChromaChanged);
    beginRowGroup();
    m_cb = slider(tr("Cb:"));
    m_cr = slider(tr("Cr:"));
    endRowGroup();
    m_cbCrLink = linkSliders(m_cb, m_cr, SliderLink::Offset);
    m_cbCrLink->setIsLinked(deviceSettings().value(kAnalogVideoInputCbCrLinked, true).toBool());
}

void VideoInputSettings::onPropertyChanged()
{
    if (m_connections) {
        const int connection = int(device().getVideoInputConnection());
        if (checkButton(m_connections, connection))
            onVideoInputChanged(connection);
    }
    if (m_timecode)
        m_timecode->setChecked(device().getUseLTCTimecode());
    checkButton(m_capture, device().getCapture1080pAsPsF() ? kCapturePsF : kCaptureProgressive);
}

void VideoInputSettings::onVideoInputChanged(int connection)
{
    const auto code = uint32_t(connection);
    const bool analog = isAnalogVideo(code);
    showSection(m_sdiSection, code == MarlixValue::kVideoSDI);
    if (m_analogSection) {
        showLevels(code);
        showSection(m_analogSection, analog);
    }
    if (m_ntscIre) {
        showRowContaining(m_ntscIre->button(kNtscIreJapan), analog);
        checkButton(m_ntscIre, (device().getAnalogVideoOutputFlags() & kNtscSetupFlag) ? kNtscIreUsa : kNtscIreJapan);
    }
}

// The level rows that the connection has, filled from the device.
void VideoInputSettings::showLevels(uint32_t connection)
{
    const bool levels = isAnalogVideo(connection) && device().supportsAnalogVideoInputGain(connection);
    if (m_reset)
        m_reset->setVisible(levels);
    if (!m_y)
        return;
    const bool component = levels && connection == MarlixValue::kVideoComponent;
    const bool chroma = levels && !component;
    showRowContaining(m_y, levels);
    showRowContaining(m_chroma, chroma);
    showRowContaining(m_cb, component);
    showRowContaining(m_cr, component);
    if (!levels)
        return;
    showValue(m_y, device().getAnalogVideoInputGainLevel(connection));
    if (chroma)
        showValue(m_chroma, device().getAnalogVideoInputChromaGainLevel(connection));
    if (component) {
        showValue(m_cb, device().getAnalogVideoInputCbLevel(connection));
        showValue(m_cr, device().getAnalogVideoInputCrLevel(connection));
    }
    m_cbCrLink->setIsLinked(deviceSettings().value(kAnalogVideoInputCbCrLinked, true).toBool());
}

// Analog video comes with analog audio, which this device takes on AES/EBU;
// digital video carries its audio embedded.
void VideoInputSettings::onSetDefaultAudioInput(int connection)
{
    device().setAudioInputConnection(isAnalogVideo(uint32_t(connection)) ? MarlixValue::kAudioAESEBU
                                                                          : MarlixValue::kAudioEmbedded);
}

void VideoInputSettings::onVideoInputChromaChanged(double value)
{
    showValue(m_cb, value);
    showValue(m_cr, value);
}

void VideoInputSettings::onResetVideoInputSliderLevels()
{
    if (!m_y)
        return;
    m_y->setRealValue(0.0);
    m_chroma->setRealValue(0.0);
    m_cbCrLink->resetSliders(0.0);
}

int VideoInputSettings::currentConnection() const
{
    return m_connections ? m_connections->checkedId() : int(device().getVideoInputConnection());
}

void VideoInputSettings::onApplyChanges()
{
    const int connection = currentConnection();
    const auto code = uint32_t(connection);
    if (m_connections && hasChanged(*m_connections)) {
        device().setVideoInputConnection(code);
        onVideoInputChanged(connection);
    }
    if (m_timecode && hasChanged(*m_timecode))
        device().setUseLTCTimecode(m_timecode->isChecked());
    if (m_capture && hasChanged(*m_capture))
        device().setCapture1080pAsPsF(m_capture->checkedId() == kCapturePsF);
    if (m_y && hasChanged(*m_y))
        device().setAnalogVideoInputGainLevel(code, m_y->realValue());
    if (m_chroma && hasChanged(*m_chroma))
        device().setAnalogVideoInputChromaGainLevel(code, m_chroma->realValue());
    if (m_cb && hasChanged(*m_cb))
        device().setAnalogVideoInputCbLevel(code, m_cb->realValue());
    if (m_cr && hasChanged(*m_cr))
        device().setAnalogVideoInputCrLevel(code, m_cr->realValue());
    if (m_cbCrLink)
        deviceSettings().setValue(kAnalogVideoInputCbCrLinked, m_cbCrLink->isLinked());
    if (m_ntscIre && hasChanged(*m_ntscIre)) {
        uint32_t flags = device().getAnalogVideoOutputFlags() & ~kNtscSetupFlag;
        if (m_ntscIre->checkedId() == kNtscIreUsa)
            flags |= kNtscSetupFlag;
        device().setAnalogVideoOutputFlags(flags);
    }
}
