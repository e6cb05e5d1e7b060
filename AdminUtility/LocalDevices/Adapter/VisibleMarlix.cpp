#include "VisibleMarlix.h"

#include "CapabilityTables.h"
#include "CommonGui.h"
#include "DisplayModeText.h"
#include "MarlixAPI.h"
#include "MarlixAPILoader.h"
#include "MarlixNotificationCallback.h"
#include "MarlixStrings.h"
#include "ProductTable.h"

#include <QWidget>

#include <algorithm>
#include <cstdlib>

using namespace MarlixItem;

// The items of one analog video level on the three analog connectors. Component
// chroma is two items (Cb and Cr); a component write sets both.
struct AnalogLevelItems
{
    uint32_t component;
    uint32_t componentSecond;
    uint32_t composite;
    uint32_t sVideo;
};

namespace {

const AnalogLevelItems kOutputGainItems{kConfigVideoOutputComponentLumaGain, 0,
                                        kConfigVideoOutputCompositeLumaGain,
                                        kConfigVideoOutputSVideoLumaGain};
const AnalogLevelItems kOutputChromaItems{kConfigVideoOutputComponentCbGain,
                                          kConfigVideoOutputComponentCrGain,
                                          kConfigVideoOutputCompositeChromaGain,
                                          kConfigVideoOutputSVideoChromaGain};
const AnalogLevelItems kInputGainItems{kConfigVideoInputComponentLumaGain, 0,
                                       kConfigVideoInputCompositeLumaGain,
                                       kConfigVideoInputSVideoLumaGain};
const AnalogLevelItems kInputChromaItems{kConfigVideoInputComponentCbGain,
                                         kConfigVideoInputComponentCrGain,
                                         kConfigVideoInputCompositeChromaGain,
                                         kConfigVideoInputSVideoChromaGain};

// Models whose hardware cannot carry 1080 PsF, whatever the driver says.
constexpr int64_t kModelsWithoutPsF[] = {27, 30, 44, 54, 55, 58, 63, 70, 75};
// Models that list analog inputs but have no input gain stage.
constexpr int64_t kModelsWithoutAnalogInputGain[] = {57, 68};
// Consumer models whose RCA jacks are labelled as HiFi.
constexpr int64_t kModelsWithHiFiAudio[] = {77, 79, 85, 86};
// Models whose firmware images are not offered in the build details.
constexpr int kFirmwareListExclusions[] = {0,  1,  2,  3,  5,  6,  7,  8,  9,  10,
                                           11, 11, 13, 14, 15, 16, 18, 19, 21, 22,
                                           49, 53, 55, 56, 57, 60, 63, 68, 70, 74};
constexpr int kModelWithSecondFirmwareImage = 69;
constexpr int kModelStudio4KPro = 46;
constexpr int kModelBolt4KPro = 48;

template <typename Range, typename Value>
bool contains(const Range& range, Value value)
{
    return std::find(std::begin(range), std::end(range), value) != std::end(range);
}

template <typename Interface, typename Value>
MarlixResult readItem(Interface* object, MarlixResult (Interface::*get)(MarlixCode, Value*),
                      uint32_t id, Value& value)
{
    return object ? (object->*get)(id, &value) : kMarlixFail;
}

// A value getter accepts only an exact success; anything else is the neutral value.
template <typename Interface, typename Value>
Value readExactly(Interface* object, MarlixResult (Interface::*get)(MarlixCode, Value*), uint32_t id)
{
    Value value{};
    return readItem(object, get, id, value) == kMarlixOk ? value : Value{};
}

template <typename Interface, typename Value>
bool isReadable(Interface* object, MarlixResult (Interface::*get)(MarlixCode, Value*), uint32_t id)
{
    Value value{};
    return MarlixSucceeded(readItem(object, get, id, value));
}

template <typename Interface>
QString readString(Interface* object, uint32_t id)
{
    char* text = nullptr;
    const MarlixResult result = readItem(object, &Interface::GetString, id, text);
    const QString value = result == kMarlixOk ? QZTstringToQString(text) : QString();
    free(text);
    return value;
}

QString readDeviceName(IMarlix* device, MarlixResult (IMarlix::*get)(char**))
{
    char* text = nullptr;
    const MarlixResult result = device ? (device->*get)(&text) : kMarlixFail;
    const QString value = result == kMarlixOk ? QZTstringToQString(text) : QString();
    free(text);
    return value;
}

template <typename Interface>
void release(Interface*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}

template <typename Interface>
bool queryInterface(IMarlixUnknown* from, const MarlixIID& iid, Interface*& out)
{
    void* object = nullptr;
    if (from->QueryInterface(iid, &object) != kMarlixOk || !object)
        return false;
    out = static_cast<Interface*>(object);
    return true;
}

// Later modes of the same code replace earlier ones.
template <typename Interface>
void loadDisplayModes(Interface* io, DisplayModeMap& modes)
{
    IMarlixDisplayModeIterator* iterator = nullptr;
    if (io->GetDisplayModeIterator(&iterator) != kMarlixOk || !iterator)
        return;
    IMarlixDisplayMode* mode = nullptr;
    while (iterator->Next(&mode) == kMarlixOk && mode) {
        const uint32_t code = mode->GetDisplayMode();
        modes.insert(code, DisplayMode(mode));
        mode = nullptr;
    }
    iterator->Release();
}

// The first connector selected, in the order component, composite, S-Video.
uint32_t firstSelectedItem(const AnalogLevelItems& items, uint32_t connection)
{
    if (connection & MarlixValue::kVideoComponent)
        return items.component;
    if (connection & MarlixValue::kVideoComposite)
        return items.composite;
    if (connection & MarlixValue::kVideoSVideo)
        return items.sVideo;
    return 0;
}

// Smaller pictures first, then progressive before interlaced, then lower rates.
uint64_t displayOrderKey(const DisplayMode& mode)
{
    const uint32_t area = uint32_t(mode.getWidth()) * uint32_t(mode.getHeight());
    const uint64_t interlaced = mode.isInterlaced() ? 1 : 0;
    const uint64_t rate = uint64_t(mode.getFrameRate()) & 0xFFFF;
    return (uint64_t(area) << 32) + (interlaced << 16) + rate;
}

QString firmwareListName(const OrvantaDeviceRecord& record)
{
    switch (record.modelId) {
    case kModelWithSecondFirmwareImage:
        return QStringLiteral("%1 2").arg(QString::fromUtf8(record.productName));
    case kModelStudio4KPro:
        return QString::fromUtf8(kStudio4KPro12GName);
    case kModelBolt4KPro:
        return QString::fromUtf8(kBolt4KProPanelName);
    default:
        return QString::fromUtf8(record.productName);
    }
}

} // namespace

VisibleMarlix::VisibleMarlix(IMarlix* device, QObject* parent)
    : QObject(parent)
    , m_device(device)
{
}

VisibleMarlix::~VisibleMarlix()
{
    delete m_summaryWidget;
    uninitialise();
}

// ---------------------------------------------------------------------------
// The shell's view of the device

QString VisibleMarlix::familyName() const
{
    return tr("Marlix");
}

QString VisibleMarlix::deviceName() const
{
    if (!m_initialised)
        return QString();
    const QString label = getInformationLabel();
    return label.isEmpty() ? readDeviceName(m_device, &IMarlix::GetDisplayName) : label;
}

QString VisibleMarlix::modelName() const
{
    return m_initialised ? readDeviceName(m_device, &IMarlix::GetModelName) : QString();
}

int64_t VisibleMarlix::modelId() const
{
    return getAttributeInt(kAttrModelId);
}

QPixmap VisibleMarlix::modelImage() const
{
    return picture(m_modelImageName, m_modelImage);
}

QPixmap VisibleMarlix::modelThumb() const
{
    return picture(m_modelThumbName, m_modelThumb);
}

QPixmap VisibleMarlix::modelListThumb() const
{
    return picture(m_modelListThumbName, m_modelListThumb);
}

QPixmap VisibleMarlix::picture(const QString& name, QPixmap& decoded)
{
    if (decoded.isNull() && !name.isEmpty())
        decoded = CommonGui::pixmap(name);
    return decoded;
}

DeviceFirmwareUpdater* VisibleMarlix::getFirmwareUpdater()
{
    return nullptr;
}

static VisibleMarlix::SummaryWidgetFactory s_summaryWidgetFactory = nullptr;

void VisibleMarlix::setSummaryWidgetFactory(SummaryWidgetFactory factory)
{
    s_summaryWidgetFactory = factory;
}

QWidget* VisibleMarlix::summaryWidget() const
{
    if (!m_summaryWidget && s_summaryWidgetFactory && shouldShowSetup())
        m_summaryWidget = s_summaryWidgetFactory(const_cast<VisibleMarlix&>(*this));
    return m_summaryWidget;
}

QString VisibleMarlix::ipAddress() const
{
    return QString();
}

QPixmap VisibleMarlix::launcherConnectionIcon() const
{
    return QPixmap();
}

QPixmap VisibleMarlix::cardConnectionIcon() const
{
    return QPixmap();
}

bool VisibleMarlix::firmwareUpdateOnly() const
{
    return false;
}

QString VisibleMarlix::currentFirmwareString() const
{
    return QString();
}

bool VisibleMarlix::firmwareUpdateAvailable() const
{
    return false;
}

QString VisibleMarlix::availableFirmwareString() const
{
    return QString();
}

void VisibleMarlix::connect()
{
}

void VisibleMarlix::disconnect()
{
}

bool VisibleMarlix::isConnected() const
{
    return m_device != nullptr;
}

void VisibleMarlix::onConnected()
{
    if (!initialise())
        return;
    loadModelPictures();
    readCardPosition();
    emit connectionChangedSignal(true);
}

// Two cards of one model differ in their group value; two models never share a key.
void VisibleMarlix::readCardPosition()
{
    long groupValue = 0;
    const bool grouped = getDeviceGroupId(&groupValue) || getParentPCIBridgeBusNumber(&groupValue);
    m_cardKey = grouped && getSubDeviceCount() >= 2 ? (uint64_t(groupValue) << 32) | uint64_t(modelId()) : 0;
    m_cardIndex = getSubDeviceIndex();
}

bool VisibleMarlix::listsBefore(const VisibleDevice* other) const
{
    const auto* sibling = dynamic_cast<const VisibleMarlix*>(other);
    return sibling && m_cardKey != 0 && sibling->m_cardKey == m_cardKey && m_cardIndex < sibling->m_cardIndex;
}

void VisibleMarlix::onDisconnected()
{
    uninitialise();
    emit connectionChangedSignal(false);
}

void VisibleMarlix::onPropertyChanged()
{
    emit propertyChanged();
}

void VisibleMarlix::onStatusChanged()
{
    emit statusChanged();
}

QString VisibleMarlix::getInstallationLocation() const
{
    return QString();
}

// ---------------------------------------------------------------------------
// Initialisation

bool VisibleMarlix::initialise()
{
    m_initialised = false;
    if (!m_device)
        return false;
    if (!queryInterfaces()) {
        uninitialise();
        return false;
    }
    m_initialised = true;
    if (!queryDisplayModeInterfaces()) {
        uninitialise();
        return false;
    }
    return true;
}

bool VisibleMarlix::queryInterfaces()
{
    if (!queryInterface(m_device, IID_IMarlixAttributes, m_attributes)
        || !queryInterface(m_device, IID_IMarlixNotification, m_notification))
        return false;
    if (!subscribeNotifications())
        return false;
    release(m_configuration);
    return queryInterface(m_device, IID_IMarlixConfiguration, m_configuration)
        && queryInterface(m_device, IID_IMarlixStatus, m_status);
}

bool VisibleMarlix::subscribeNotifications()
{
    m_callback = new MarlixNotificationCallback(this);
    return m_notification->Subscribe(kTopicPreferences, m_callback) == kMarlixOk
        && m_notification->Subscribe(kTopicStatus, m_callback) == kMarlixOk;
}

bool VisibleMarlix::queryDisplayModeInterfaces()
{
    int64_t support = 0;
    if (readItem(m_attributes, &IMarlixAttributes::GetInt, kAttrVideoIOSupport, support) != kMarlixOk)
        return true;
    if (support & MarlixValue::kVideoIOCapture) {
        if (!queryInterface(m_device, IID_IMarlixInput, m_input))
            return false;
        loadDisplayModes(m_input, m_inputModes);
    }
    if (support & MarlixValue::kVideoIOPlayback) {
        if (!queryInterface(m_device, IID_IMarlixOutput, m_output))
            return false;
        loadDisplayModes(m_output, m_outputModes);
    }
    return true;
}

void VisibleMarlix::loadModelPictures()
{
    const auto icons = kModelImages.constFind(uint64_t(modelId()));
    if (icons == kModelImages.constEnd())
        return;
    m_modelImageName = icons->image;
    m_modelThumbName = icons->thumb;
    m_modelListThumbName = icons->listThumb;
}

// The display-mode maps stay filled: views may still name what was shown.
void VisibleMarlix::uninitialise()
{
    m_initialised = false;
    deleteSubDevices();
    release(m_status);
    release(m_attributes);
    unsubscribeNotifications();
    release(m_configuration);
    release(m_input);
    release(m_output);
    releaseDevice();
}

// The driver may return from Unsubscribe while a notification is still running:
// the callback keeps itself alive for it and hands nothing over once detached.
void VisibleMarlix::unsubscribeNotifications()
{
    if (!m_notification) {
        release(m_callback);
        return;
    }
    if (m_callback) {
        m_callback->detach();
        m_notification->Unsubscribe(kTopicPreferences, m_callback);
        m_notification->Unsubscribe(kTopicStatus, m_callback);
    }
    release(m_callback);
    release(m_notification);
}

void VisibleMarlix::forgetSubDevices()
{
    deleteSubDevices();
    if (m_initialised)
        emit propertyChanged();
}

void VisibleMarlix::deleteSubDevices()
{
    qDeleteAll(m_subDevices);
    m_subDevices.clear();
}

void VisibleMarlix::releaseDevice()
{
    release(m_device);
}

// ---------------------------------------------------------------------------
// Generic access

int64_t VisibleMarlix::getAttributeInt(uint32_t id) const
{
    return m_initialised ? readExactly(m_attributes, &IMarlixAttributes::GetInt, id) : 0;
}

bool VisibleMarlix::getAttributeFlag(uint32_t id) const
{
    return m_initialised && readExactly(m_attributes, &IMarlixAttributes::GetFlag, id);
}

double VisibleMarlix::getAttributeFloat(uint32_t id) const
{
    return m_initialised ? readExactly(m_attributes, &IMarlixAttributes::GetFloat, id) : 0.0;
}

int64_t VisibleMarlix::getConfigurationInt(uint32_t id) const
{
    return m_initialised ? readExactly(m_configuration, &IMarlixConfiguration::GetInt, id) : 0;
}

bool VisibleMarlix::getConfigurationFlag(uint32_t id) const
{
    return m_initialised && readExactly(m_configuration, &IMarlixConfiguration::GetFlag, id);
}

double VisibleMarlix::getConfigurationFloat(uint32_t id) const
{
    return m_initialised ? readExactly(m_configuration, &IMarlixConfiguration::GetFloat, id) : 0.0;
}

QString VisibleMarlix::getConfigurationString(uint32_t id) const
{
    return m_initialised ? readString(m_configuration, id) : QString();
}

int64_t VisibleMarlix::getStatusInt(uint32_t id) const
{
    int result = 0;
    return getStatusInt(id, result);
}

int64_t VisibleMarlix::getStatusInt(uint32_t id, int& result) const
{
    int64_t value = 0;
    result = m_initialised ? readItem(m_status, &IMarlixStatus::GetInt, id, value) : kMarlixFail;
    return result == kMarlixOk ? value : 0;
}

bool VisibleMarlix::getStatusFlag(uint32_t id) const
{
    int result = 0;
    return getStatusFlag(id, result);
}

bool VisibleMarlix::getStatusFlag(uint32_t id, int& result) const
{
    bool value = false;
    result = m_initialised ? readItem(m_status, &IMarlixStatus::GetFlag, id, value) : kMarlixFail;
    return result == kMarlixOk && value;
}

void VisibleMarlix::getStatusBytes(uint32_t id, QByteArray& bytes, int& result) const
{
    if (!m_initialised || !m_status) {
        result = kMarlixFail;
        return;
    }
    uint32_t size = 0;
    result = m_status->GetBytes(id, nullptr, &size);
    if (result != kMarlixOk)
        return;
    bytes.resize(int(size));
    result = m_status->GetBytes(id, bytes.data(), &size);
    if (result == kMarlixOk)
        bytes.resize(int(size));
}

bool VisibleMarlix::getStatusBytes(uint32_t id, QByteArray& bytes) const
{
    int result = kMarlixFail;
    getStatusBytes(id, bytes, result);
    if (result != kMarlixOk)
        bytes.clear();
    return result == kMarlixOk;
}

bool VisibleMarlix::getReceivedEDID(QByteArray& edid) const
{
    return getStatusBytes(kStatusReceivedEDID, edid);
}

bool VisibleMarlix::supportsAttributeInt(uint32_t id) const
{
    return m_initialised && isReadable(m_attributes, &IMarlixAttributes::GetInt, id);
}

bool VisibleMarlix::supportsAttributeInt(uint32_t id, int64_t value) const
{
    return m_initialised
        && MarlixSucceeded(readItem(m_attributes, &IMarlixAttributes::GetInt, id, value));
}

bool VisibleMarlix::supportsAttributeFlag(uint32_t id) const
{
    bool value = false;
    return m_initialised
        && MarlixSucceeded(readItem(m_attributes, &IMarlixAttributes::GetFlag, id, value)) && value;
}

bool VisibleMarlix::supportsConfigurationInt(uint32_t id) const
{
    return m_initialised && isReadable(m_configuration, &IMarlixConfiguration::GetInt, id);
}

bool VisibleMarlix::supportsConfigurationFlag(uint32_t id) const
{
    return m_initialised && isReadable(m_configuration, &IMarlixConfiguration::GetFlag, id);
}

bool VisibleMarlix::supportsConfigurationFloat(uint32_t id) const
{
    return m_initialised && isReadable(m_configuration, &IMarlixConfiguration::GetFloat, id);
}

bool VisibleMarlix::supportsStatusInt(uint32_t id) const
{
    return m_initialised && isReadable(m_status, &IMarlixStatus::GetInt, id);
}

bool VisibleMarlix::supportsStatusBytes(uint32_t id) const
{
    uint32_t size = 0;
    return m_initialised && m_status && MarlixSucceeded(m_status->GetBytes(id, nullptr, &size));
}

void VisibleMarlix::setConfigurationInt(uint32_t id, int64_t value)
{
    if (m_initialised && m_configuration)
        m_configuration->SetInt(id, value);
}

void VisibleMarlix::setConfigurationFlag(uint32_t id, bool value)
{
    if (m_initialised && m_configuration)
        m_configuration->SetFlag(id, value);
}

void VisibleMarlix::setConfigurationFloat(uint32_t id, double value)
{
    if (m_initialised && m_configuration)
        m_configuration->SetFloat(id, value);
}

void VisibleMarlix::setConfigurationString(uint32_t id, const QString& value)
{
    if (!m_initialised || !m_configuration)
        return;
    char* text = QZTstringAllocateFromQString(value);
    m_configuration->SetString(id, text);
    free(text);
}

// ---------------------------------------------------------------------------
// Flag settings

bool VisibleMarlix::getUseLTCTimecode() const { return getConfigurationFlag(kConfigUseLTCTimecode); }
void VisibleMarlix::setUseLTCTimecode(bool enabled) { setConfigurationFlag(kConfigUseLTCTimecode, enabled); }
bool VisibleMarlix::hasExternalTimeCodeInput() const { return supportsConfigurationFlag(kConfigUseLTCTimecode); }

bool VisibleMarlix::getFieldFlickerRemovalIsEnabled() const { return getConfigurationFlag(kConfigFieldFlickerRemoval); }
void VisibleMarlix::setFieldFlickerRemovalIsEnabled(bool enabled) { setConfigurationFlag(kConfigFieldFlickerRemoval, enabled); }
bool VisibleMarlix::supportsFieldFlickerRemoval() const { return supportsConfigurationFlag(kConfigFieldFlickerRemoval); }

bool VisibleMarlix::get444SDIIsEnabled() const { return getConfigurationFlag(kConfig444SDIOutput); }
void VisibleMarlix::set444SDIIsEnabled(bool enabled) { setConfigurationFlag(kConfig444SDIOutput, enabled); }
bool VisibleMarlix::supports444SDI() const { return supportsConfigurationFlag(kConfig444SDIOutput); }

bool VisibleMarlix::getOutput1080pAsPsF() const { return getConfigurationFlag(kConfigOutput1080pAsPsF); }
void VisibleMarlix::setOutput1080pAsPsF(bool enabled) { setConfigurationFlag(kConfigOutput1080pAsPsF, enabled); }

bool VisibleMarlix::supportsOutputPsF() const
{
    return !isModelWithoutPsF() && supportsConfigurationFlag(kConfigOutput1080pAsPsF);
}

bool VisibleMarlix::getCapture1080pAsPsF() const { return getConfigurationFlag(kConfigCapture1080pAsPsF); }
void VisibleMarlix::setCapture1080pAsPsF(bool enabled) { setConfigurationFlag(kConfigCapture1080pAsPsF, enabled); }

bool VisibleMarlix::supportsCapturePsF() const
{
    return !isModelWithoutPsF() && supportsConfigurationFlag(kConfigCapture1080pAsPsF);
}

bool VisibleMarlix::getSMPTELevelAOutput() const { return getConfigurationFlag(kConfigSMPTELevelAOutput); }
void VisibleMarlix::setSMPTELevelAOutput(bool enabled) { setConfigurationFlag(kConfigSMPTELevelAOutput, enabled); }

bool VisibleMarlix::getDownConversionOnAllAnalogOutputs() const { return getConfigurationFlag(kConfigDownConversionOnAllAnalogOutputs); }
void VisibleMarlix::setDownConversionOnAllAnalogOutputs(bool enabled) { setConfigurationFlag(kConfigDownConversionOnAllAnalogOutputs, enabled); }
bool VisibleMarlix::supportsDownConversionOnAllAnalogOutputs() const { return supportsConfigurationFlag(kConfigDownConversionOnAllAnalogOutputs); }

bool VisibleMarlix::getUseAnalogAudioConsumerLevels() const { return getConfigurationFlag(kConfigAnalogAudioConsumerLevels); }
void VisibleMarlix::setUseAnalogAudioConsumerLevels(bool enabled) { setConfigurationFlag(kConfigAnalogAudioConsumerLevels, enabled); }
bool VisibleMarlix::supportsAnalogAudioConsumerLevels() const { return supportsConfigurationFlag(kConfigAnalogAudioConsumerLevels); }

bool VisibleMarlix::getMicrophonePhantomPower() const { return getConfigurationFlag(kConfigMicrophonePhantomPower); }
void VisibleMarlix::setMicrophonePhantomPower(bool enabled) { setConfigurationFlag(kConfigMicrophonePhantomPower, enabled); }
bool VisibleMarlix::supportsMicrophonePhantomPower() const { return supportsConfigurationFlag(kConfigMicrophonePhantomPower); }

// ---------------------------------------------------------------------------
// Integer settings

uint32_t VisibleMarlix::getDuplexMode() const { return uint32_t(getConfigurationInt(kConfigDuplexMode)); }
void VisibleMarlix::setDuplexMode(uint32_t mode) { setConfigurationInt(kConfigDuplexMode, mode); }

uint32_t VisibleMarlix::getDeckControlConnection() const { return uint32_t(getConfigurationInt(kConfigDeckControlConnection)); }
void VisibleMarlix::setDeckControlConnection(uint32_t connection) { setConfigurationInt(kConfigDeckControlConnection, connection); }

uint32_t VisibleMarlix::getAnalogAudioOutputSwitch() const { return uint32_t(getConfigurationInt(kConfigAnalogAudioOutputSwitch)); }
void VisibleMarlix::setAnalogAudioOutputSwitch(uint32_t value) { setConfigurationInt(kConfigAnalogAudioOutputSwitch, value); }
bool VisibleMarlix::supportsSwitchableAnalogAudioOutputs() const { return supportsConfigurationInt(kConfigAnalogAudioOutputSwitch); }

uint32_t VisibleMarlix::getOutputConversionMode() const { return uint32_t(getConfigurationInt(kConfigVideoOutputConversionMode)); }
void VisibleMarlix::setOutputConversionMode(uint32_t mode) { setConfigurationInt(kConfigVideoOutputConversionMode, mode); }

uint32_t VisibleMarlix::getInputConversionMode() const { return uint32_t(getConfigurationInt(kConfigVideoInputConversionMode)); }
void VisibleMarlix::setInputConversionMode(uint32_t mode) { setConfigurationInt(kConfigVideoInputConversionMode, mode); }
bool VisibleMarlix::supportsVideoInputConversion() const { return supportsConfigurationInt(kConfigVideoInputConversionMode); }

uint32_t VisibleMarlix::getAudioInputConnection() const { return uint32_t(getConfigurationInt(kConfigAudioInputConnection)); }
void VisibleMarlix::setAudioInputConnection(uint32_t connection) { setConfigurationInt(kConfigAudioInputConnection, connection); }

uint32_t VisibleMarlix::getAnalogVideoOutputFlags() const { return uint32_t(getConfigurationInt(kConfigAnalogVideoOutputFlags)); }
void VisibleMarlix::setAnalogVideoOutputFlags(uint32_t flags) { setConfigurationInt(kConfigAnalogVideoOutputFlags, flags); }

uint32_t VisibleMarlix::getAnalogVideoInputFlags() const { return uint32_t(getConfigurationInt(kConfigAnalogVideoInputFlags)); }
void VisibleMarlix::setAnalogVideoInputFlags(uint32_t flags) { setConfigurationInt(kConfigAnalogVideoInputFlags, flags); }

int64_t VisibleMarlix::getReferenceInputSamples() const { return getConfigurationInt(kConfigReferenceInputSamples); }
void VisibleMarlix::setReferenceInputSamples(int64_t samples) { setConfigurationInt(kConfigReferenceInputSamples, samples); }

uint32_t VisibleMarlix::getHDMI3DPackingFormat() const { return uint32_t(getConfigurationInt(kConfigHDMI3DPackingFormat)); }
void VisibleMarlix::setHDMI3DPackingFormat(uint32_t format) { setConfigurationInt(kConfigHDMI3DPackingFormat, format); }
bool VisibleMarlix::supportsHDMI3DPackingFormat() const { return supportsConfigurationInt(kConfigHDMI3DPackingFormat); }

uint32_t VisibleMarlix::getVideoOutputIdleOperation() const { return uint32_t(getConfigurationInt(kConfigVideoOutputIdleOperation)); }
void VisibleMarlix::setVideoOutputIdleOperation(uint32_t operation) { setConfigurationInt(kConfigVideoOutputIdleOperation, operation); }

uint32_t VisibleMarlix::getSDILinkConfiguration() const { return uint32_t(getConfigurationInt(kConfigSDILinkConfiguration)); }
void VisibleMarlix::setSDILinkConfiguration(uint32_t configuration) { setConfigurationInt(kConfigSDILinkConfiguration, configuration); }

uint32_t VisibleMarlix::getDefaultVideoOutputDisplayMode() const { return uint32_t(getConfigurationInt(kConfigDefaultVideoOutputMode)); }
void VisibleMarlix::setVideoOutputDisplayMode(uint32_t mode) { setConfigurationInt(kConfigDefaultVideoOutputMode, mode); }

uint32_t VisibleMarlix::getVideoOutputConnection() const { return uint32_t(getConfigurationInt(kConfigVideoOutputConnection)); }
void VisibleMarlix::setVideoOutputConnection(uint32_t connection) { setConfigurationInt(kConfigVideoOutputConnection, connection); }

uint32_t VisibleMarlix::getVideoInputConnection() const { return uint32_t(getConfigurationInt(kConfigVideoInputConnection)); }
void VisibleMarlix::setVideoInputConnection(uint32_t connection) { setConfigurationInt(kConfigVideoInputConnection, connection); }

bool VisibleMarlix::getCapturePassthroughIsDisabled() const
{
    return getConfigurationInt(kConfigCapturePassthroughMode) == MarlixValue::kPassthroughDisabled;
}

void VisibleMarlix::setCapturePassthroughDisabled(bool disabled)
{
    setConfigurationInt(kConfigCapturePassthroughMode,
                        disabled ? MarlixValue::kPassthroughDisabled : MarlixValue::kPassthroughCleanSwitch);
}

bool VisibleMarlix::supportsDisablingCapturePassthrough() const { return supportsConfigurationInt(kConfigCapturePassthroughMode); }

// ---------------------------------------------------------------------------
// Capabilities

uint32_t VisibleMarlix::getVideoOutputConnections() const { return uint32_t(getAttributeInt(kAttrVideoOutputConnections)); }
uint32_t VisibleMarlix::getVideoInputConnections() const { return uint32_t(getAttributeInt(kAttrVideoInputConnections)); }
uint32_t VisibleMarlix::getAudioOutputConnections() const { return uint32_t(getAttributeInt(kAttrAudioOutputConnections)); }
uint32_t VisibleMarlix::getAudioInputConnections() const { return uint32_t(getAttributeInt(kAttrAudioInputConnections)); }
uint32_t VisibleMarlix::getDeckControlConnections() const { return uint32_t(getAttributeInt(kAttrDeckControlConnections)); }
bool VisibleMarlix::supportsDeckControlConnections() const { return supportsAttributeInt(kAttrDeckControlConnections); }

bool VisibleMarlix::supportsDuplexModeConfiguration() const { return getAttributeFlag(kAttrDuplexModeConfigurable); }
bool VisibleMarlix::supportsSMPTELevelAOutput() const { return getAttributeFlag(kAttrSMPTELevelAOutput); }
bool VisibleMarlix::canOnlyAdjustOverallVideoOutputGain() const { return getAttributeFlag(kAttrOnlyOverallVideoOutputGain); }
bool VisibleMarlix::supportsAnalogVideoOutputGain() const { return getAttributeFlag(kAttrAnalogVideoOutputGain); }
bool VisibleMarlix::supportsFullFrameReferenceInput() const { return getAttributeFlag(kAttrFullFrameReferenceInput); }
bool VisibleMarlix::supportsReferenceInput() const { return getAttributeFlag(kAttrReferenceInput); }
bool VisibleMarlix::supportsPsFAutoSwitching() const { return getAttributeFlag(kAttrPsFAutoSwitching); }
bool VisibleMarlix::supportsSDIQuadLink() const { return getAttributeFlag(kAttrSDIQuadLink); }
bool VisibleMarlix::supportsSDIDualLink() const { return getAttributeFlag(kAttrSDIDualLink); }
bool VisibleMarlix::supportsIdleOutput() const { return supportsAttributeFlag(kAttrIdleOutput); }
bool VisibleMarlix::supportsCapture() const { return videoIOSupport() & MarlixValue::kVideoIOCapture; }
bool VisibleMarlix::supportsPlayback() const { return videoIOSupport() & MarlixValue::kVideoIOPlayback; }

int64_t VisibleMarlix::videoIOSupport() const
{
    return getAttributeInt(kAttrVideoIOSupport);
}

bool VisibleMarlix::isModelWithoutPsF() const
{
    return contains(kModelsWithoutPsF, modelId());
}

// ---------------------------------------------------------------------------
// Identity

int64_t VisibleMarlix::getPersistentId() const { return getAttributeInt(kAttrPersistentId); }
bool VisibleMarlix::supportsPersistentID() const { return supportsAttributeInt(kAttrPersistentId); }
int64_t VisibleMarlix::getTopologicalID() const { return getAttributeInt(kAttrTopologicalId); }
bool VisibleMarlix::supportsTopologicalID() const { return supportsAttributeInt(kAttrTopologicalId); }
int64_t VisibleMarlix::getSubDeviceIndex() const { return getAttributeInt(kAttrSubDeviceIndex); }
int64_t VisibleMarlix::getSubDeviceCount() const { return getAttributeInt(kAttrSubDeviceCount); }
int64_t VisibleMarlix::getConnectorCount() const { return getAttributeInt(kAttrSubDeviceCount); }
int64_t VisibleMarlix::getPairedDevicePersistentId() const { return getAttributeInt(kAttrPairedDevicePersistentId); }
uint32_t VisibleMarlix::getDeviceInterface() const { return uint32_t(getAttributeInt(kAttrDeviceInterface)); }
int64_t VisibleMarlix::getMaxAnalogAudioOutputChannels() const { return getAttributeInt(kAttrMaxAnalogAudioOutputChannels); }

// The channel count depends on which analog input is selected right now.
int64_t VisibleMarlix::getMaxAnalogAudioInputChannels() const
{
    int64_t connection = 0;
    const bool readable = m_initialised
        && readItem(m_configuration, &IMarlixConfiguration::GetInt, kConfigAudioInputConnection, connection)
            == kMarlixOk;
    if (readable && connection == MarlixValue::kAudioXLR)
        return getAttributeInt(kAttrMaxXLRAudioInputChannels);
    if (readable && connection == MarlixValue::kAudioRCA)
        return getAttributeInt(kAttrMaxRCAAudioInputChannels);
    return getAttributeInt(kAttrMaxAnalogAudioInputChannels);
}

bool VisibleMarlix::getParentPCIBridgeBusNumber(long* value) const
{
    return readIdentity(kAttrParentPCIBridgeBusNumber, value);
}

bool VisibleMarlix::getDeviceGroupId(long* value) const
{
    return readIdentity(kAttrDeviceGroupId, value);
}

// Any non-negative answer counts as readable, and its value is taken as it stands.
bool VisibleMarlix::readIdentity(uint32_t id, long* value) const
{
    int64_t read = 0;
    if (!m_initialised || !MarlixSucceeded(readItem(m_attributes, &IMarlixAttributes::GetInt, id, read)))
        return false;
    *value = long(read);
    return true;
}

void VisibleMarlix::getFirmwareVersion(long& first, long& second) const
{
    first = long(getAttributeInt(kAttrFirmwareInterfaceVersion));
    second = long(getAttributeInt(kAttrFirmwareModuleVersion));
}

// ---------------------------------------------------------------------------
// Live status

bool VisibleMarlix::getPCIExpressLinkWidth(int64_t& width) const
{
    int result = kMarlixFail;
    width = getStatusInt(kStatusPCIExpressLinkWidth, result);
    return result == kMarlixOk;
}

bool VisibleMarlix::getPCIExpressLinkSpeed(int64_t& speed) const
{
    int result = kMarlixFail;
    speed = getStatusInt(kStatusPCIExpressLinkSpeed, result);
    return result == kMarlixOk;
}

bool VisibleMarlix::getLastVideoOutputPixelFormat(int64_t& format) const
{
    int result = kMarlixFail;
    format = getStatusInt(kStatusLastVideoOutputPixelFormat, result);
    return result == kMarlixOk;
}

bool VisibleMarlix::getVideoInputPixelFormat(int64_t& format) const
{
    int result = kMarlixFail;
    format = getStatusInt(kStatusCurrentVideoInputPixelFormat, result);
    return result == kMarlixOk;
}

uint32_t VisibleMarlix::getDuplexStatus() const
{
    return uint32_t(getStatusInt(kStatusDuplexMode));
}

bool VisibleMarlix::isReferenceSignalLocked() const
{
    bool locked = false;
    return m_initialised
        && MarlixSucceeded(readItem(m_status, &IMarlixStatus::GetFlag, kStatusReferenceLocked, locked)) && locked;
}

bool VisibleMarlix::getGenlockDisplayMode(uint32_t& mode, uint32_t& flags) const
{
    int result = kMarlixFail;
    const int64_t referenceMode = getStatusInt(kStatusReferenceMode, result);
    if (result != kMarlixOk)
        return false;
    mode = uint32_t(referenceMode);
    flags = uint32_t(getStatusInt(kStatusReferenceFlags, result));
    return result == kMarlixOk;
}

// ---------------------------------------------------------------------------
// Levels

void VisibleMarlix::getAnalogVideoOutputGainLevelRange(double& min, double& max) const
{
    min = getAttributeFloat(kAttrVideoOutputGainMin);
    max = getAttributeFloat(kAttrVideoOutputGainMax);
}

void VisibleMarlix::getAnalogVideoInputGainLevelRange(double& min, double& max) const
{
    min = getAttributeFloat(kAttrVideoInputGainMin);
    max = getAttributeFloat(kAttrVideoInputGainMax);
}

double VisibleMarlix::getDigitalOutputScale() const { return getConfigurationFloat(kConfigDigitalAudioOutputScale); }
void VisibleMarlix::setDigitalOutputScale(double value) { setConfigurationFloat(kConfigDigitalAudioOutputScale, value); }
bool VisibleMarlix::supportsDigitalOutputScale() const { return supportsConfigurationFloat(kConfigDigitalAudioOutputScale); }
double VisibleMarlix::getDigitalInputScale() const { return getConfigurationFloat(kConfigDigitalAudioInputScale); }
void VisibleMarlix::setDigitalInputScale(double value) { setConfigurationFloat(kConfigDigitalAudioInputScale, value); }
bool VisibleMarlix::supportsDigitalInputScale() const { return supportsConfigurationFloat(kConfigDigitalAudioInputScale); }
double VisibleMarlix::getHeadphoneInputGain() const { return getConfigurationFloat(kConfigHeadphoneVolume); }
void VisibleMarlix::setHeadphoneInputGain(double value) { setConfigurationFloat(kConfigHeadphoneVolume, value); }
bool VisibleMarlix::supportsHeadphoneGainControl() const { return supportsConfigurationFloat(kConfigHeadphoneVolume); }
double VisibleMarlix::getMicrophoneInputGain() const { return getConfigurationFloat(kConfigMicrophoneInputGain); }
void VisibleMarlix::setMicrophoneInputGain(double value) { setConfigurationFloat(kConfigMicrophoneInputGain, value); }
bool VisibleMarlix::supportsMicrophoneGainControl() const { return supportsConfigurationFloat(kConfigMicrophoneInputGain); }

// Every connector selected by the mask is written.
void VisibleMarlix::setAnalogLevel(const AnalogLevelItems& items, uint32_t connection, double value)
{
    if (connection & MarlixValue::kVideoComponent) {
        setConfigurationFloat(items.component, value);
        if (items.componentSecond)
            setConfigurationFloat(items.componentSecond, value);
    }
    if (connection & MarlixValue::kVideoComposite)
        setConfigurationFloat(items.composite, value);
    if (connection & MarlixValue::kVideoSVideo)
        setConfigurationFloat(items.sVideo, value);
}

double VisibleMarlix::getAnalogLevel(const AnalogLevelItems& items, uint32_t connection) const
{
    const uint32_t item = firstSelectedItem(items, connection);
    return item ? getConfigurationFloat(item) : 0.0;
}

double VisibleMarlix::getComponentLevel(uint32_t item, uint32_t connection) const
{
    return connection == MarlixValue::kVideoComponent ? getConfigurationFloat(item) : 0.0;
}

void VisibleMarlix::setComponentLevel(uint32_t item, uint32_t connection, double value)
{
    if (connection & MarlixValue::kVideoComponent)
        setConfigurationFloat(item, value);
}

void VisibleMarlix::setAnalogVideoOutputGainLevel(uint32_t connection, double value) { setAnalogLevel(kOutputGainItems, connection, value); }
double VisibleMarlix::getAnalogVideoOutputGainLevel(uint32_t connection) const { return getAnalogLevel(kOutputGainItems, connection); }

bool VisibleMarlix::supportsAnalogVideoOutputGain(uint32_t connection) const
{
    const uint32_t item = firstSelectedItem(kOutputGainItems, connection);
    return item && supportsConfigurationFloat(item);
}

void VisibleMarlix::setAnalogVideoOutputChromaGainLevel(uint32_t connection, double value) { setAnalogLevel(kOutputChromaItems, connection, value); }
double VisibleMarlix::getAnalogVideoOutputChromaGainLevel(uint32_t connection) const { return getAnalogLevel(kOutputChromaItems, connection); }
void VisibleMarlix::setAnalogVideoOutputCbLevel(uint32_t connection, double value) { setComponentLevel(kConfigVideoOutputComponentCbGain, connection, value); }
double VisibleMarlix::getAnalogVideoOutputCbLevel(uint32_t connection) const { return getComponentLevel(kConfigVideoOutputComponentCbGain, connection); }
void VisibleMarlix::setAnalogVideoOutputCrLevel(uint32_t connection, double value) { setComponentLevel(kConfigVideoOutputComponentCrGain, connection, value); }
double VisibleMarlix::getAnalogVideoOutputCrLevel(uint32_t connection) const { return getComponentLevel(kConfigVideoOutputComponentCrGain, connection); }

void VisibleMarlix::setAnalogVideoInputGainLevel(uint32_t connection, double value) { setAnalogLevel(kInputGainItems, connection, value); }
double VisibleMarlix::getAnalogVideoInputGainLevel(uint32_t connection) const { return getAnalogLevel(kInputGainItems, connection); }

// Unlike the output, the input asks about exactly one connector.
bool VisibleMarlix::supportsAnalogVideoInputGain(uint32_t connection) const
{
    if (contains(kModelsWithoutAnalogInputGain, modelId()))
        return false;
    if (!isAnalogVideo(connection))
        return false;
    return supportsConfigurationFloat(firstSelectedItem(kInputGainItems, connection));
}

void VisibleMarlix::setAnalogVideoInputChromaGainLevel(uint32_t connection, double value) { setAnalogLevel(kInputChromaItems, connection, value); }
double VisibleMarlix::getAnalogVideoInputChromaGainLevel(uint32_t connection) const { return getAnalogLevel(kInputChromaItems, connection); }
void VisibleMarlix::setAnalogVideoInputCbLevel(uint32_t connection, double value) { setComponentLevel(kConfigVideoInputComponentCbGain, connection, value); }
double VisibleMarlix::getAnalogVideoInputCbLevel(uint32_t connection) const { return getComponentLevel(kConfigVideoInputComponentCbGain, connection); }
void VisibleMarlix::setAnalogVideoInputCrLevel(uint32_t connection, double value) { setComponentLevel(kConfigVideoInputComponentCrGain, connection, value); }
double VisibleMarlix::getAnalogVideoInputCrLevel(uint32_t connection) const { return getComponentLevel(kConfigVideoInputComponentCrGain, connection); }

// Channels 1 to 4 are consecutive codes ("aos1".."aos4"); any other channel has none.
uint32_t VisibleMarlix::audioScaleItem(uint32_t firstItem, int channel)
{
    return channel >= 1 && channel <= 4 ? firstItem + uint32_t(channel - 1) : 0;
}

void VisibleMarlix::setAnalogAudioOutputScaleChannel(int channel, double value)
{
    if (const uint32_t item = audioScaleItem(kConfigAnalogAudioOutputScale1, channel))
        setConfigurationFloat(item, value);
}

double VisibleMarlix::getAnalogAudioOutputScaleChannel(int channel) const
{
    const uint32_t item = audioScaleItem(kConfigAnalogAudioOutputScale1, channel);
    return item ? getConfigurationFloat(item) : 0.0;
}

bool VisibleMarlix::supportsAnalogAudioOutputScaleChannel(int channel) const
{
    const uint32_t item = audioScaleItem(kConfigAnalogAudioOutputScale1, channel);
    return item && supportsConfigurationFloat(item);
}

void VisibleMarlix::setAnalogAudioInputScaleChannel(int channel, double value)
{
    if (const uint32_t item = audioScaleItem(kConfigAnalogAudioInputScale1, channel))
        setConfigurationFloat(item, value);
}

double VisibleMarlix::getAnalogAudioInputScaleChannel(int channel) const
{
    const uint32_t item = audioScaleItem(kConfigAnalogAudioInputScale1, channel);
    return item ? getConfigurationFloat(item) : 0.0;
}

bool VisibleMarlix::supportsAnalogAudioInputScaleChannel(int channel) const
{
    const uint32_t item = audioScaleItem(kConfigAnalogAudioInputScale1, channel);
    return item && supportsConfigurationFloat(item);
}

// Any one of these means the Audio tab has a level to offer.
bool VisibleMarlix::supportsAudioLevelAdjustment() const
{
    const uint32_t inputs = getAudioInputConnections();
    int inputCount = 0;
    for (auto it = kAudioConnections.constBegin(); it != kAudioConnections.constEnd(); ++it)
        inputCount += (inputs & it.key()) ? 1 : 0;
    if (inputCount > 1)
        return true;
    if (getMaxAnalogAudioInputChannels() != 0)
        return true;
    if (supportsConfigurationFlag(kConfigAnalogAudioConsumerLevels))
        return true;
    if ((getAudioOutputConnections() & MarlixValue::kAudioAnalog)
        && (supportsConfigurationFloat(kConfigDigitalAudioInputScale)
            || supportsConfigurationFloat(kConfigDigitalAudioOutputScale)))
        return true;
    if (getMaxAnalogAudioOutputChannels() != 0)
        return true;
    return supportsConfigurationInt(kConfigAnalogAudioOutputSwitch);
}

QString VisibleMarlix::getAudioInputConnectionTranslated(const QString& name) const
{
    if (name == QLatin1String("RCA") && contains(kModelsWithHiFiAudio, modelId()))
        return QStringLiteral("HIFI");
    return name;
}

// ---------------------------------------------------------------------------
// Analog video outputs

bool VisibleMarlix::hasAnalogVideoOutputs() const
{
    const uint32_t outputs = getVideoOutputConnections();
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it) {
        if ((outputs & it.key()) && isAnalogVideo(it.key()))
            return true;
    }
    return false;
}

bool VisibleMarlix::supportsSwitchableAnalogVideoOutputs() const
{
    return hasAnalogVideoOutputs() && !getAttributeFlag(kAttrAllAnalogOutputsActive);
}

bool VisibleMarlix::getSwitchableAnalogVideoOutputs(QList<uint32_t>& connections) const
{
    if (!supportsSwitchableAnalogVideoOutputs())
        return false;
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it) {
        if (isAnalogVideo(it.key()))
            connections.append(it.key());
    }
    return true;
}

// ---------------------------------------------------------------------------
// Device information

QString VisibleMarlix::getInformationLabel() const { return getConfigurationString(kConfigDeviceLabel); }
void VisibleMarlix::setInformationLabel(const QString& value) { setConfigurationString(kConfigDeviceLabel, value); }
QString VisibleMarlix::getInformationSerialNumber() const { return getConfigurationString(kConfigDeviceSerialNumber); }
void VisibleMarlix::setInformationSerialNumber(const QString& value) { setConfigurationString(kConfigDeviceSerialNumber, value); }
QString VisibleMarlix::getInformationDate() const { return getConfigurationString(kConfigDeviceDate); }
void VisibleMarlix::setInformationDate(const QString& value) { setConfigurationString(kConfigDeviceDate, value); }
QString VisibleMarlix::getInformationEMail() const { return getConfigurationString(kConfigDeviceEMail); }
void VisibleMarlix::setInformationEMail(const QString& value) { setConfigurationString(kConfigDeviceEMail, value); }
QString VisibleMarlix::getInformationPhone() const { return getConfigurationString(kConfigDevicePhone); }
void VisibleMarlix::setInformationPhone(const QString& value) { setConfigurationString(kConfigDevicePhone, value); }
QString VisibleMarlix::getInformationCompany() const { return getConfigurationString(kConfigDeviceCompany); }
void VisibleMarlix::setInformationCompany(const QString& value) { setConfigurationString(kConfigDeviceCompany, value); }

// ---------------------------------------------------------------------------
// Persistence

bool VisibleMarlix::writeToPreferences()
{
    if (!m_initialised || !m_configuration || m_configuration->WriteToPreferences() != kMarlixOk)
        return false;
    // The label may have changed, and with it the name the shell shows.
    emit displayInfoChanged(this);
    return true;
}

// A fresh configuration interface starts from the stored values.
bool VisibleMarlix::readFromPreferences()
{
    if (!m_initialised)
        return false;
    release(m_configuration);
    return queryInterface(m_device, IID_IMarlixConfiguration, m_configuration);
}

// ---------------------------------------------------------------------------
// Display modes

DisplayModeMap VisibleMarlix::getVideoInputDisplayModes() const
{
    return m_initialised ? m_inputModes : DisplayModeMap();
}

DisplayModeMap VisibleMarlix::getVideoOutputDisplayModes() const
{
    return m_initialised ? m_outputModes : DisplayModeMap();
}

DisplayModeList VisibleMarlix::getVideoOutputDisplayModesInDisplayOrder() const
{
    DisplayModeList modes = getVideoOutputDisplayModes().values();
    std::stable_sort(modes.begin(), modes.end(), [](const DisplayMode& a, const DisplayMode& b) {
        return displayOrderKey(a) < displayOrderKey(b);
    });
    return modes;
}

bool VisibleMarlix::getVideoInputDisplayMode(uint32_t& mode, uint32_t& flags) const
{
    if (!m_initialised)
        return false;
    uint32_t modeItem = kStatusCurrentVideoInputMode;
    uint32_t flagsItem = kStatusCurrentVideoInputFlags;
    if (getAttributeFlag(kAttrInputFormatDetection)) {
        modeItem = kStatusDetectedVideoInputMode;
        flagsItem = kStatusDetectedVideoInputFlags;
    } else if (!getStatusFlag(kStatusVideoInputSignalLocked)) {
        mode = MarlixValue::kModeUnknown;
        flags = 0;
        return true;
    }
    int modeResult = kMarlixFail;
    int flagsResult = kMarlixFail;
    const int64_t modeValue = getStatusInt(modeItem, modeResult);
    const int64_t flagsValue = getStatusInt(flagsItem, flagsResult);
    if (modeResult != kMarlixOk || flagsResult != kMarlixOk)
        return false;
    mode = uint32_t(modeValue);
    flags = uint32_t(flagsValue);
    return true;
}

// While the device passes its input through, the output carries the input's mode.
bool VisibleMarlix::getVideoOutputDisplayMode(uint32_t& mode, uint32_t& flags) const
{
    if (!m_initialised)
        return false;
    const int64_t busy = getStatusInt(kStatusBusy);
    const bool passingThrough = getAttributeFlag(kAttrFullDuplex)
        ? (busy & 3) == 1 && getConfigurationInt(kConfigCapturePassthroughMode) == MarlixValue::kPassthroughDirect
        : (busy & 1) != 0;
    if (passingThrough) {
        if (!getVideoInputDisplayMode(mode, flags)) {
            mode = MarlixValue::kModeUnknown;
            flags = 0;
        }
        return true;
    }
    int modeResult = kMarlixFail;
    int flagsResult = kMarlixFail;
    const int64_t current = getStatusInt(kStatusCurrentVideoOutputMode, modeResult);
    const int64_t currentFlags = getStatusInt(kStatusCurrentVideoOutputFlags, flagsResult);
    if (modeResult == kMarlixOk && flagsResult == kMarlixOk) {
        mode = uint32_t(current);
        flags = uint32_t(currentFlags);
        return true;
    }
    mode = getDefaultVideoOutputDisplayMode();
    flags = 0;
    if (!isModelWithoutPsF() && getOutput1080pAsPsF() && isOutputPsFCandidate(mode))
        flags |= kDisplayModeFlagPsF;
    return true;
}

bool VisibleMarlix::isOutputPsFCandidate(uint32_t mode) const
{
    const auto found = m_outputModes.constFind(mode);
    return found != m_outputModes.constEnd() && found->getHeight() == 1080 && found->getFrameRate() < 31;
}

bool VisibleMarlix::supportsOutputConversionMode(uint32_t mode) const
{
    return supportsAttributeInt(kAttrSupportedOutputConversion, mode);
}

bool VisibleMarlix::hasDedicatedDownconvertedOutput() const
{
    return !m_initialised || !supportsAttributeInt(kAttrSupportedOutputConversion, MarlixValue::kConversionNone);
}

// ---------------------------------------------------------------------------
// Sub-devices

bool VisibleMarlix::readGroupKey(const VisibleMarlix& device, long* key)
{
    return device.getDeviceGroupId(key) || device.getParentPCIBridgeBusNumber(key);
}

const QVector<VisibleMarlix*>& VisibleMarlix::getSubDevices()
{
    long ownKey = 0;
    if (!m_subDevices.isEmpty() || !m_initialised || !getDeviceGroupId(&ownKey))
        return m_subDevices;
    IMarlixIterator* iterator = CreateMarlixIteratorInstance();
    if (!iterator)
        return m_subDevices;
    IMarlix* device = nullptr;
    while (iterator->Next(&device) == kMarlixOk && device) {
        auto* sibling = new VisibleMarlix(device);
        device = nullptr;
        sibling->onConnected();
        long key = 0;
        if (readGroupKey(*sibling, &key) && key == ownKey)
            m_subDevices.append(sibling);
        else
            delete sibling;
    }
    iterator->Release();
    return m_subDevices;
}

bool VisibleMarlix::hasSubDevices() const
{
    return !m_subDevices.isEmpty();
}

VisibleMarlix* VisibleMarlix::getSubDeviceByPersistentId(int64_t id)
{
    for (VisibleMarlix* device : getSubDevices()) {
        if (device->getPersistentId() == id)
            return device;
    }
    return nullptr;
}

VisibleMarlix* VisibleMarlix::getSubDeviceByIndex(int64_t index)
{
    for (VisibleMarlix* device : getSubDevices()) {
        if (device->getSubDeviceIndex() == index)
            return device;
    }
    return nullptr;
}

// Each sub-device owns two consecutive connectors.
VisibleMarlix* VisibleMarlix::getSubDeviceByConnectorId(int64_t connectorId)
{
    return getSubDeviceByIndex(connectorId / 2);
}

namespace {

// The driver may report any index: the arithmetic on it stops at the ends of the range.
int64_t saturated(int64_t value, int64_t factor, int64_t offset)
{
    int64_t product = 0;
    int64_t sum = 0;
    if (__builtin_mul_overflow(value, factor, &product))
        return value < 0 ? INT64_MIN : INT64_MAX;
    if (__builtin_add_overflow(product, offset, &sum))
        return product < 0 ? INT64_MIN : INT64_MAX;
    return sum;
}

} // namespace

void VisibleMarlix::getConnectorIds(int64_t& first, int64_t& second) const
{
    first = saturated(getSubDeviceIndex(), 2, 0);
    second = saturated(first, 1, 1);
}

QString VisibleMarlix::subDeviceName() const
{
    return QStringLiteral("Card %1").arg(subDeviceShortName());
}

// Counted from one; the largest index still has its number.
QString VisibleMarlix::subDeviceShortName() const
{
    const int64_t index = getSubDeviceIndex();
    return index >= 0 ? QString::number(quint64(index) + 1) : QString::number(index + 1);
}

// ---------------------------------------------------------------------------
// Driver-wide information

QString VisibleMarlix::getAPIVersion()
{
    return getInformationString(kInfoVersion);
}

QString VisibleMarlix::getInformationString(uint32_t id)
{
    IMarlixAPIInformation* information = CreateMarlixAPIInformationInstance();
    if (!information)
        return QString();
    const QString value = readString(information, id);
    information->Release();
    return value;
}

// Built from our own product table: the driver carries the images of these products.
QVector<InstalledFirmware> VisibleMarlix::getInstalledFirmwareList()
{
    QVector<InstalledFirmware> list;
    for (const OrvantaDeviceRecord& record : gOrvantaDeviceTable) {
        if (contains(kFirmwareListExclusions, record.modelId))
            continue;
        list.append({firmwareListName(record), record.modelId, record.firmwareVersion});
    }
    std::stable_sort(list.begin(), list.end(), &InstalledFirmware::sortByName);
    return list;
}
