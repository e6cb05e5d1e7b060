#include "ConversionsSettings.h"

#include "CardSection.h"
#include "CommonGui.h"
#include "ImageButtonRowBuilder.h"
#include "MarlixCodes.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace {

constexpr int kComboWidth = 240;
using MarlixValue::kConversionNone;
// Set by the driver while an application converts on its own; not for the user to change.
constexpr uint32_t kConversionByApplication = MarlixValue::kConversionAdvanced;

// The group headings come from the tables untranslated; these are them, for the translators.
[[maybe_unused]] const char* const kGroupNames[] = {
    QT_TRANSLATE_NOOP("ConversionsSettings", "None"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "HD (1080) to SD"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "HD (720) to SD"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "SD to HD"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "HD to SD"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "SD to HD 720p"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "SD to HD 1080i"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "HD 720 to HD 1080"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "2K to SD"),
    QT_TRANSLATE_NOOP("ConversionsSettings", "UHD 2160p to HD 1080p"),
};

bool isNoneGroup(const ConversionModeList* group)
{
    return group && *group == ConversionModeList{kConversionNone};
}

} // namespace

ConversionsSettings::ConversionsSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    createInput();
    createOutput();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// --- Building ----------------------------------------------------------------------

void ConversionsSettings::createInput()
{
    if (!device().supportsCapture() || !device().supportsVideoInputConversion())
        return;
    m_input.section = addSection(tr("Input Conversion"));
    m_input.table = &kVideoInputConversionModes;
    QStringList names;
    for (const VideoInputConnectionGroupInfo& group : qAsConst(kVideoInputConversionModeGroups)) {
        names << group.name;
        m_input.all << group.modes;
    }
    addGroupRow(m_input, tr("Input conversion:"), names);
    connect(m_input.combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ConversionsSettings::onInputConversionGroupChanged);
}

void ConversionsSettings::createOutput()
{
    if (!device().supportsPlayback())
        return;
    m_output.section = addSection(tr("Output Conversion"));
    m_output.table = &kVideoOutputConversionModes;
    m_output.onlySupportedModes = true;
    QStringList names;
    for (const VideoOutputConnectionGroupInfo& group : qAsConst(kVideoOutputConversionModeGroups)) {
        names << group.name;
        m_output.all << group.modes;
    }
    addGroupRow(m_output, tr("Output conversion:"), names);
    if (m_output.combo->count() > 0) {
        connect(m_output.combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &ConversionsSettings::onOutputConversionGroupChanged);
        return;
    }
    // Nothing to choose: without the row (and its section) a device that
    // converts nothing leaves the tab empty, and the page drops it.
    removeRowContaining(m_output.combo);
    m_output.combo = nullptr;
    showSection(m_output.section, false);
}

// One item per group that has a mode to offer; names stay in table order.
void ConversionsSettings::addGroupRow(Half& half, const QString& label, const QStringList& names)
{
    half.combo = addComboBoxRow(label, kComboWidth);
    for (int i = 0; i < half.all.size(); ++i) {
        if (modesToOffer(half, *half.all.at(i)).isEmpty())
            continue;
        half.combo->addItem(tr(names.at(i).toUtf8().constData()));
        half.offered << half.all.at(i);
    }
}

QList<uint32_t> ConversionsSettings::modesToOffer(const Half& half, const ConversionModeList& group) const
{
    if (!half.onlySupportedModes)
        return group;
    QList<uint32_t> modes;
    for (uint32_t mode : group) {
        if (device().supportsOutputConversionMode(mode))
            modes << mode;
    }
    return modes;
}

// --- Choosing a group -----------------------------------------------------------------

void ConversionsSettings::removeModeRow(Half& half)
{
    if (half.modes && !half.modes->buttons().isEmpty())
        removeRowContaining(half.modes->buttons().first());
    half.modes = nullptr;
    half.buttons.clear();
    half.shown = nullptr;
}

bool ConversionsSettings::showModes(Half& half, int index)
{
    removeModeRow(half);
    half.shown = half.offered.value(index);
    if (!half.shown || isNoneGroup(half.shown))
        return false;
    const QList<uint32_t> modes = modesToOffer(half, *half.shown);
    if (modes.isEmpty())
        return false;
    ImageButtonRowBuilder pictures;
    for (uint32_t mode : modes) {
        // A mode the table does not know gets an empty picture and name.
        const VideoConversionInfo info = half.table->value(mode);
        pictures.add(info.icon.isEmpty() ? QPixmap() : CommonGui::pixmap(info.icon), info.name, int(mode));
    }
    setActiveSection(half.section);
    half.modes = pictures.build(*this, tr("Display As:")).buttons();
    setActiveSection(nullptr);
    for (uint32_t mode : modes)
        half.buttons.insert(mode, half.modes->button(int(mode)));
    half.buttons.value(modes.first())->setChecked(true);
    // A single way of showing is no choice.
    if (modes.size() == 1)
        showRowContaining(half.modes->buttons().first(), false);
    alignImageButtonGroups(true);
    return true;
}

void ConversionsSettings::onInputConversionGroupChanged(int index)
{
    if (!m_input.combo)
        return;
    showModes(m_input, index);
}

void ConversionsSettings::onOutputConversionGroupChanged(int index)
{
    if (!m_output.combo)
        return;
    if (m_convertAnalog) {
        removeRowContaining(m_convertAnalog);
        m_convertAnalog = nullptr;
    }
    if (!showModes(m_output, index) || !device().supportsDownConversionOnAllAnalogOutputs())
        return;
    setActiveSection(m_output.section);
    m_convertAnalog = addCheckBoxRow(QString(), tr("Convert Analog Outputs"));
    setActiveSection(nullptr);
    m_convertAnalog->setChecked(device().getDownConversionOnAllAnalogOutputs());
}

// --- Showing the device --------------------------------------------------------------

// The group is the first in table order that holds the mode; a mode of no
// offered group leaves the combo box as it was.
void ConversionsSettings::showCurrentMode(Half& half, uint32_t mode,
                                          void (ConversionsSettings::*onGroupChanged)(int))
{
    if (!half.combo)
        return;
    int index = -1;
    for (const ConversionModeList* group : qAsConst(half.all)) {
        if (group->contains(mode)) {
            index = half.offered.indexOf(group);
            break;
        }
    }
    if (index < 0)
        return;
    {
        const QSignalBlocker quiet(half.combo);
        half.combo->setCurrentIndex(index);
    }
    // A refresh of the same group keeps its row; only the checked mode may differ.
    if (half.shown != half.offered.at(index))
        (this->*onGroupChanged)(index);
    if (QAbstractButton* button = half.buttons.value(mode))
        button->setChecked(true);
}

void ConversionsSettings::onPropertyChanged()
{
    if (m_input.combo)
        showCurrentMode(m_input, device().getInputConversionMode(),
                        &ConversionsSettings::onInputConversionGroupChanged);
    if (!m_output.combo)
        return;
    const uint32_t outputMode = device().getOutputConversionMode();
    showCurrentMode(m_output, outputMode, &ConversionsSettings::onOutputConversionGroupChanged);
    if (m_convertAnalog)
        m_convertAnalog->setChecked(device().getDownConversionOnAllAnalogOutputs());
    m_output.combo->setEnabled(outputMode != kConversionByApplication);
}

// --- Writing ---------------------------------------------------------------------------

void ConversionsSettings::applyHalf(Half& half, void (VisibleMarlix::*set)(uint32_t))
{
    if (!half.combo || half.combo->currentIndex() < 0)
        return;
    if (!hasChanged(*half.combo) && !(half.modes && hasChanged(*half.modes)))
        return;
    if (isNoneGroup(half.offered.value(half.combo->currentIndex())))
        (device().*set)(kConversionNone);
    else if (half.modes && half.modes->checkedId() >= 0)
        (device().*set)(uint32_t(half.modes->checkedId()));
}

void ConversionsSettings::onApplyChanges()
{
    applyHalf(m_input, &VisibleMarlix::setInputConversionMode);
    applyHalf(m_output, &VisibleMarlix::setOutputConversionMode);
    if (m_convertAnalog && hasChanged(*m_convertAnalog))
        device().setDownConversionOnAllAnalogOutputs(m_convertAnalog->isChecked());
}
