#include "VideoOutputSettings.h"

#include "CapabilityTables.h"
#include "CardSection.h"
#include "ComboBoxBuilder.h"
#include "CommonGui.h"
#include "DisplayMode.h"
#include "FlatImageButton.h"
#include "ImageButtonRowBuilder.h"
#include "MarlixCodes.h"
#include "RadioButtonRowBuilder.h"
#include "RolloverIcon.h"
#include "RolloverIconCallout.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsSliderWithEditableValue.h"
#include "SliderLink.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QSignalBlocker>

namespace {

constexpr int kComboWidth = 240;
constexpr int kLevelDecimals = 2;
constexpr double kOffsetLimit = 511.0;

using MarlixValue::kIdleBlack;
using MarlixValue::kIdleLastFrame;
constexpr uint32_t kSingleLink = MarlixValue::kLinkSingle;
constexpr uint32_t kDualLink = MarlixValue::kLinkDual;
constexpr uint32_t kQuadLink = MarlixValue::kLinkQuad;
constexpr uint32_t kAnalogOutputs = MarlixValue::kVideoComponent | MarlixValue::kVideoComposite | MarlixValue::kVideoSVideo;

const QString kInfoPicture = QStringLiteral(":/Info");
const QString kResetPicture = QStringLiteral(":/Refresh");

// A two-way choice that stands for one flag setting of the device.
struct FlagChoice
{
    ButtonRowTBase VideoOutputSettings::Controls::*row;
    int onId;
    int offId;
    bool (VisibleMarlix::*get)() const;
    void (VisibleMarlix::*set)(bool);
};

const FlagChoice kFlagChoices[] = {
    {&VideoOutputSettings::Controls::fieldFlicker, VideoOutputSettings::kSingleField, VideoOutputSettings::kFullFrame,
     &VisibleMarlix::getFieldFlickerRemovalIsEnabled, &VisibleMarlix::setFieldFlickerRemovalIsEnabled},
    {&VideoOutputSettings::Controls::passthrough, VideoOutputSettings::kShowPlayback, VideoOutputSettings::kShowInput,
     &VisibleMarlix::getCapturePassthroughIsDisabled, &VisibleMarlix::setCapturePassthroughDisabled},
    {&VideoOutputSettings::Controls::colourSpace, VideoOutputSettings::kRGB444, VideoOutputSettings::kYCbCr422,
     &VisibleMarlix::get444SDIIsEnabled, &VisibleMarlix::set444SDIIsEnabled},
    {&VideoOutputSettings::Controls::smpteLevel, VideoOutputSettings::kLevelA, VideoOutputSettings::kLevelB,
     &VisibleMarlix::getSMPTELevelAOutput, &VisibleMarlix::setSMPTELevelAOutput},
    {&VideoOutputSettings::Controls::progressive, VideoOutputSettings::kSegmented, VideoOutputSettings::kProgressive,
     &VisibleMarlix::getOutput1080pAsPsF, &VisibleMarlix::setOutput1080pAsPsF},
};

bool isChecked(const ButtonRowTBase& row, int id)
{
    int checked = -1;
    return row.get(checked) && checked == id;
}

} // namespace

VideoOutputSettings::VideoOutputSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    createGeneral();
    createSdiOutput();
    createHdmiOutput();
    createAnalogOutputs();
    createAnalogLevels();
    createReferenceInput();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// --- Building ----------------------------------------------------------------------

ButtonRowTBase VideoOutputSettings::addChoice(const QString& label, const Choices& choices)
{
    RadioButtonRowBuilder builder;
    for (const auto& choice : choices)
        builder.add(choice.first, choice.second);
    return builder.build(*this, label);
}

void VideoOutputSettings::createGeneral()
{
    addSection(tr("General"));
    ComboBoxBuilder modes;
    for (const DisplayMode& mode : device().getVideoOutputDisplayModesInDisplayOrder())
        modes.add(mode.getName(false, false, false), int(mode.getDisplayMode()));
    m_controls.displayMode = modes.build(*this, tr("Default video standard:"), kComboWidth);
    decorateRowWidgetWithRolloverIcon(m_controls.displayMode.combo(), kInfoPicture,
                                      tr("Startup Video Output will use this setting."));
    if (device().supportsFieldFlickerRemoval())
        m_controls.fieldFlicker = addChoice(tr("When paused:"),
                                            {{tr("Display a full frame on video output"), kFullFrame},
                                             {tr("Display a single field on video output"), kSingleField}});
    if (device().supportsIdleOutput())
        m_controls.idleOperation = addChoice(tr("Video playback:"),
                                             {{tr("Displays black output when not playing"), int(kIdleBlack)},
                                              {tr("Displays freeze frame when not playing"), int(kIdleLastFrame)}});
    if (device().supportsDisablingCapturePassthrough())
        m_controls.passthrough = addChoice(tr("During capture:"),
                                           {{tr("Video output displays playback video"), kShowPlayback},
                                            {tr("Video output displays input video"), kShowInput}});
}

void VideoOutputSettings::createSdiOutput()
{
    CardSection* section = addSection(tr("SDI Output"));
    if (device().supports444SDI())
        m_controls.colourSpace = addChoice(tr("Color space:"), {{tr("Video is converted to RGB 4:4:4:4"), kRGB444},
                                                                {tr("Video is converted to Y, Cb, Cr 4:2:2"), kYCbCr422}});
    if (device().supportsSMPTELevelAOutput())
        m_controls.smpteLevel = addChoice(tr("3G-SDI formats:"), {{tr("Are output as SMPTE Level A"), kLevelA},
                                                                  {tr("Are output as SMPTE Level B (Normal)"), kLevelB}});
    if (device().supportsOutputPsF())
        m_controls.progressive = addChoice(tr("1080p HD and 2K:"),
                                           {{tr("Are output as 1080p progressive video"), kProgressive},
                                            {tr("Are output as 1080PsF segmented video"), kSegmented}});
    if (device().supportsSDIDualLink()) {
        Choices links{{tr("Single Link"), int(kSingleLink)}, {tr("Dual Link"), int(kDualLink)}};
        if (device().supportsSDIQuadLink())
            links.append({tr("Quad Link"), int(kQuadLink)});
        m_controls.sdiLink = addChoice(tr("SDI connector:"), links);
    }
    // A title over nothing only puzzles the user.
    showSection(section, section->hasRows());
}

void VideoOutputSettings::createHdmiOutput()
{
    if (!device().supportsHDMI3DPackingFormat())
        return;
    addSection(tr("HDMI Output"));
    ComboBoxBuilder formats;
    for (const Video3DPackingFormatInfo& format : qAsConst(kVideo3DPackingFormats))
        formats.add(format.name, int(format.code));
    m_controls.packing3D = formats.build(*this, tr("3D output:"), kComboWidth);
}

void VideoOutputSettings::createAnalogOutputs()
{
    QList<uint32_t> switchable;
    if (!device().getSwitchableAnalogVideoOutputs(switchable) || switchable.isEmpty())
        return;
    addSection(tr("Analog Video Output"));
    ImageButtonRowBuilder pictures;
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it) {
        if (switchable.contains(it.key()))
            pictures.add(CommonGui::pixmap(it->icon), it->name, int(it.key()));
    }
    m_controls.analogOutputs = pictures.build(*this, QString());
    // Each button shows whether its output is active; several may be.
    m_controls.analogOutputs.buttons()->setExclusive(false);
}

SettingsSliderWithEditableValue* VideoOutputSettings::addLevelSlider(const QString& label)
{
    double minimum = 0.0;
    double maximum = 0.0;
    device().getAnalogVideoOutputGainLevelRange(minimum, maximum);
    return addSliderRowWithEditableValue(label, minimum, maximum, kLevelDecimals, QString(), false, 0.0);
}

// The NTSC setup choice belongs with the levels; a device that has analog
// outputs without adjustable gain still gets the section for it.
void VideoOutputSettings::createAnalogLevels()
{
    const bool gain = device().supportsAnalogVideoOutputGain();
    if (!gain && !device().hasAnalogVideoOutputs())
        return;
    CardSection* section = addSection(tr("Analog Video Output Levels"));
    if (gain) {
        m_controls.levelsReset = addSectionButton(section, kResetPicture);
        connect(m_controls.levelsReset, &QAbstractButton::clicked, this,
                &VideoOutputSettings::onResetVideoOutputSliderLevels);
        m_controls.y = addLevelSlider(tr("Y:"));
        if (!device().canOnlyAdjustOverallVideoOutputGain()) {
            m_controls.chroma = addLevelSlider(tr("Chroma:"));
            connect(m_controls.chroma, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged), this,
                    &VideoOutputSettings::onVideoOutputChromaChanged);
            beginRowGroup();
            m_controls.cb = addLevelSlider(tr("Cb:"));
            m_controls.cr = addLevelSlider(tr("Cr:"));
            endRowGroup();
            m_controls.cbCrLink = linkSliders(m_controls.cb, m_controls.cr, SliderLink::Offset);
            m_controls.cbCrLink->setIsLinked(deviceSettings().value(kAnalogVideoOutputCbCrLinked, true).toBool());
            // In the column of the controls above it, like every other choice of the tab.
            m_controls.betacam = addCheckBoxRow(QString(), tr("Use Betacam Levels"));
        }
    }
    if (device().hasAnalogVideoOutputs())
        createNtscIre();
}

void VideoOutputSettings::createNtscIre()
{
    m_controls.ntscIre = addChoice(tr("NTSC IRE:"), {{tr("0.0 (Japan)"), kIre0}, {tr("7.5 (USA)"), kIre75}});
    // Beside the button in its grid, so that it follows the button's place.
    QAbstractButton* japan = m_controls.ntscIre.buttons()->button(kIre0);
    if (auto* grid = qobject_cast<QGridLayout*>(japan->parentWidget()->layout())) {
        auto* icon = new RolloverIcon(CommonGui::pixmap(kInfoPicture),
                                      tr("The NTSC IRE option on the Video Input tab will be changed accordingly."),
                                      japan->parentWidget(), this);
        grid->addWidget(icon, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void VideoOutputSettings::createReferenceInput()
{
    if (!device().supportsReferenceInput())
        return;
    CardSection* section = addSection(tr("Reference Input"));
    m_controls.referenceReset = addSectionButton(section, kResetPicture);
    connect(m_controls.referenceReset, &QAbstractButton::clicked, this,
            &VideoOutputSettings::onResetReferenceInputSliderLevels);
    m_controls.offset = addSliderRowWithEditableValue(tr("Offset:"), -kOffsetLimit, kOffsetLimit, 0, tr("Lines"),
                                                      false, 0.0);
}

// --- Showing the device --------------------------------------------------------------

void VideoOutputSettings::onPropertyChanged()
{
    m_controls.displayMode.set(int(device().getDefaultVideoOutputDisplayMode()));
    m_controls.idleOperation.set(int(device().getVideoOutputIdleOperation()));
    m_controls.sdiLink.set(int(device().getSDILinkConfiguration()));
    m_controls.packing3D.set(int(device().getHDMI3DPackingFormat()));
    onVideoOutputChanged();
    if (device().supportsReferenceInput())
        showValue(m_controls.offset, double(device().getReferenceInputSamples()));
}

void VideoOutputSettings::showFlagChoices()
{
    for (const FlagChoice& choice : kFlagChoices) {
        ButtonRowTBase& row = m_controls.*choice.row;
        if (row.exists())
            row.set((device().*choice.get)() ? choice.onId : choice.offId);
    }
}

void VideoOutputSettings::onVideoOutputChanged()
{
    const uint32_t connection = device().getVideoOutputConnection();
    if (QButtonGroup* outputs = m_controls.analogOutputs.buttons()) {
        for (QAbstractButton* button : outputs->buttons())
            button->setChecked(connection & uint32_t(outputs->id(button)));
    }
    showFlagChoices();
    const uint32_t flags = device().getAnalogVideoOutputFlags();
    if (device().supportsAnalogVideoOutputGain()) {
        if (m_controls.betacam)
            m_controls.betacam->setChecked(flags & kBetacamFlag);
        showAnalogLevels(connection);
    }
    if (m_controls.ntscIre.exists()) {
        const bool analogActive = connection & kAnalogOutputs;
        for (QAbstractButton* button : m_controls.ntscIre.buttons()->buttons())
            showRowContaining(button, analogActive);
        m_controls.ntscIre.set(flags & kNtscSetupFlag ? kIre75 : kIre0);
    }
}

// Component outputs have a level per colour difference; composite and
// S-Video one chroma level.
void VideoOutputSettings::showAnalogLevels(uint32_t connection)
{
    showValue(m_controls.y, device().getAnalogVideoOutputGainLevel(connection));
    showRowContaining(m_controls.y, true);
    if (!m_controls.chroma)
        return;
    const bool component = connection & MarlixValue::kVideoComponent;
    showRowContaining(m_controls.chroma, !component);
    showRowContaining(m_controls.cb, component);
    showRowContaining(m_controls.cr, component);
    if (component) {
        // The colour difference levels belong to the component output alone.
        showValue(m_controls.cb, device().getAnalogVideoOutputCbLevel(MarlixValue::kVideoComponent));
        showValue(m_controls.cr, device().getAnalogVideoOutputCrLevel(MarlixValue::kVideoComponent));
        m_controls.cbCrLink->setIsLinked(deviceSettings().value(kAnalogVideoOutputCbCrLinked, true).toBool());
    } else {
        showValue(m_controls.chroma, device().getAnalogVideoOutputChromaGainLevel(connection));
    }
}

// --- User actions ---------------------------------------------------------------------

// Chroma of composite and S-Video stands for both colour differences. The link
// stays out of it: both take the value itself, not an offset.
void VideoOutputSettings::onVideoOutputChromaChanged(double value)
{
    for (SettingsSliderWithEditableValue* slider : {m_controls.cb, m_controls.cr}) {
        if (!slider)
            continue;
        showValue(slider, value);
        slider->notifyValueChanged();
    }
}

void VideoOutputSettings::onResetVideoOutputSliderLevels()
{
    for (SettingsSliderWithEditableValue* slider : {m_controls.y, m_controls.chroma}) {
        if (slider)
            slider->setRealValue(0.0);
    }
    if (m_controls.cbCrLink)
        m_controls.cbCrLink->resetSliders(0.0);
}

void VideoOutputSettings::onResetReferenceInputSliderLevels()
{
    if (m_controls.offset)
        m_controls.offset->setRealValue(0.0);
}

// --- Writing ---------------------------------------------------------------------------

bool VideoOutputSettings::changed(const ButtonRowTBase& row)
{
    return row.exists() && hasChanged(*row.buttons());
}

bool VideoOutputSettings::changed(const ComboBoxTBase& combo)
{
    return combo.exists() && hasChanged(*combo.combo());
}

bool VideoOutputSettings::changed(QObject* control)
{
    return control && hasChanged(*control);
}

// The digital outputs stay as they are; the analog ones are those whose button is on.
uint32_t VideoOutputSettings::chosenOutputConnection() const
{
    uint32_t connection = device().getVideoOutputConnection() & ~kAnalogOutputs;
    QButtonGroup* outputs = m_controls.analogOutputs.buttons();
    for (QAbstractButton* button : outputs->buttons()) {
        if (button->isChecked())
            connection |= uint32_t(outputs->id(button));
    }
    return connection;
}

void VideoOutputSettings::onApplyChanges()
{
    if (changed(m_controls.offset))
        device().setReferenceInputSamples(int64_t(m_controls.offset->realValue()));
    if (changed(m_controls.analogOutputs)) {
        device().setVideoOutputConnection(chosenOutputConnection());
        onVideoOutputChanged();
    }
    int id = -1;
    if (changed(m_controls.displayMode) && m_controls.displayMode.get(id))
        device().setVideoOutputDisplayMode(uint32_t(id));
    applyFlagChoices();
    if (changed(m_controls.sdiLink) && m_controls.sdiLink.get(id))
        device().setSDILinkConfiguration(uint32_t(id));
    if (changed(m_controls.idleOperation) && m_controls.idleOperation.get(id))
        device().setVideoOutputIdleOperation(uint32_t(id));
    if (changed(m_controls.packing3D) && m_controls.packing3D.get(id))
        device().setHDMI3DPackingFormat(uint32_t(id));
    if (device().supportsAnalogVideoOutputGain())
        applyAnalogLevels();
    if (changed(m_controls.ntscIre))
        applyAnalogFlag(kNtscSetupFlag, isChecked(m_controls.ntscIre, kIre75));
}

void VideoOutputSettings::applyFlagChoices()
{
    for (const FlagChoice& choice : kFlagChoices) {
        const ButtonRowTBase& row = m_controls.*choice.row;
        if (changed(row))
            (device().*choice.set)(isChecked(row, choice.onId));
    }
}

void VideoOutputSettings::applyAnalogLevels()
{
    using Setter = void (VisibleMarlix::*)(uint32_t, double);
    const QPair<SettingsSliderWithEditableValue*, Setter> levels[] = {
        {m_controls.y, &VisibleMarlix::setAnalogVideoOutputGainLevel},
        {m_controls.chroma, &VisibleMarlix::setAnalogVideoOutputChromaGainLevel},
        {m_controls.cb, &VisibleMarlix::setAnalogVideoOutputCbLevel},
        {m_controls.cr, &VisibleMarlix::setAnalogVideoOutputCrLevel},
    };
    const uint32_t connections = device().getVideoOutputConnections();
    for (const auto& level : levels) {
        if (changed(level.first))
            (device().*level.second)(connections, level.first->realValue());
    }
    // The link is the user's choice for this device, kept with the next change.
    if (m_controls.cbCrLink)
        deviceSettings().setValue(kAnalogVideoOutputCbCrLinked, m_controls.cbCrLink->isLinked());
    if (changed(m_controls.betacam))
        applyAnalogFlag(kBetacamFlag, m_controls.betacam->isChecked());
}

// Bits this tab does not know are written back as they were.
void VideoOutputSettings::applyAnalogFlag(uint32_t flag, bool set)
{
    const uint32_t flags = device().getAnalogVideoOutputFlags();
    device().setAnalogVideoOutputFlags(set ? flags | flag : flags & ~flag);
}
