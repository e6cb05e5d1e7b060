#pragma once

#include "DisplayMode.h"
#include "InstalledFirmware.h"
#include "VisibleDevice.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVector>

#include <cstdint>

class IMarlix;
class IMarlixAttributes;
class IMarlixConfiguration;
class IMarlixInput;
class IMarlixNotification;
class IMarlixOutput;
class IMarlixStatus;
class MarlixNotificationCallback;
struct AnalogLevelItems;

// The program's object for one local card or sub-device: every question the
// views, tabs and report ask about a device goes through here. While not
// initialised every query answers its neutral value without touching the driver.
class VisibleMarlix : public QObject, public VisibleDevice
{
    Q_OBJECT

public:
    // Takes over one reference to the device.
    explicit VisibleMarlix(IMarlix* device, QObject* parent = nullptr);
    ~VisibleMarlix() override;

    // The shell's view of the device.
    QString familyName() const override;
    QString deviceName() const override;
    QString modelName() const override;
    virtual int64_t modelId() const;
    QPixmap modelImage() const override;
    QPixmap modelThumb() const override;
    virtual QPixmap modelListThumb() const;
    DeviceFirmwareUpdater* getFirmwareUpdater() override;
    QWidget* summaryWidget() const override;
    // The gallery's live summary is a view, made above this layer: the
    // application names the function that makes it, once, at start.
    using SummaryWidgetFactory = QWidget* (*)(VisibleMarlix& device);
    static void setSummaryWidgetFactory(SummaryWidgetFactory factory);
    QString ipAddress() const override;
    QPixmap launcherConnectionIcon() const override;
    QPixmap cardConnectionIcon() const override;
    bool firmwareUpdateOnly() const override;
    QString currentFirmwareString() const override;
    bool firmwareUpdateAvailable() const override;
    QString availableFirmwareString() const override;
    bool listsBefore(const VisibleDevice* other) const override;
    // The card a sub-device belongs to (0 for none: a single device, or a card
    // whose group cannot be read) and its index on the card.
    uint64_t cardKey() const { return m_cardKey; }
    int64_t cardIndex() const { return m_cardIndex; }
    virtual void connect();
    virtual void disconnect();
    virtual bool isConnected() const;
    virtual void onConnected();
    virtual void onDisconnected();
    // Called on the driver's notification thread.
    virtual void onPropertyChanged();
    virtual void onStatusChanged();

    bool isInitialised() const { return m_initialised; }
    // The driver's object behind this adapter; null once disconnected.
    IMarlix* driverDevice() const { return m_device; }
    QString getInstallationLocation() const;

    // Generic access by item code. Getters answer the neutral value unless the
    // driver answers exactly 0; "supports" answers whether the read is non-negative.
    int64_t getAttributeInt(uint32_t id) const;
    bool getAttributeFlag(uint32_t id) const;
    double getAttributeFloat(uint32_t id) const;
    int64_t getConfigurationInt(uint32_t id) const;
    bool getConfigurationFlag(uint32_t id) const;
    double getConfigurationFloat(uint32_t id) const;
    QString getConfigurationString(uint32_t id) const;
    int64_t getStatusInt(uint32_t id) const;
    int64_t getStatusInt(uint32_t id, int& result) const;
    bool getStatusFlag(uint32_t id) const;
    bool getStatusFlag(uint32_t id, int& result) const;
    bool getStatusBytes(uint32_t id, QByteArray& bytes) const;
    void getStatusBytes(uint32_t id, QByteArray& bytes, int& result) const;
    bool getReceivedEDID(QByteArray& edid) const;

    bool supportsAttributeInt(uint32_t id) const;
    bool supportsAttributeInt(uint32_t id, int64_t value) const;
    bool supportsAttributeFlag(uint32_t id) const;
    bool supportsConfigurationInt(uint32_t id) const;
    bool supportsConfigurationFlag(uint32_t id) const;
    bool supportsConfigurationFloat(uint32_t id) const;
    bool supportsStatusInt(uint32_t id) const;
    bool supportsStatusBytes(uint32_t id) const;

    void setConfigurationInt(uint32_t id, int64_t value);
    void setConfigurationFlag(uint32_t id, bool value);
    void setConfigurationFloat(uint32_t id, double value);
    void setConfigurationString(uint32_t id, const QString& value);

    // Flag settings.
    bool getUseLTCTimecode() const;
    void setUseLTCTimecode(bool enabled);
    bool hasExternalTimeCodeInput() const;
    bool getFieldFlickerRemovalIsEnabled() const;
    void setFieldFlickerRemovalIsEnabled(bool enabled);
    bool supportsFieldFlickerRemoval() const;
    bool get444SDIIsEnabled() const;
    void set444SDIIsEnabled(bool enabled);
    bool supports444SDI() const;
    bool getOutput1080pAsPsF() const;
    void setOutput1080pAsPsF(bool enabled);
    bool supportsOutputPsF() const;
    bool getCapture1080pAsPsF() const;
    void setCapture1080pAsPsF(bool enabled);
    bool supportsCapturePsF() const;
    bool getSMPTELevelAOutput() const;
    void setSMPTELevelAOutput(bool enabled);
    bool getDownConversionOnAllAnalogOutputs() const;
    void setDownConversionOnAllAnalogOutputs(bool enabled);
    bool supportsDownConversionOnAllAnalogOutputs() const;
    bool getUseAnalogAudioConsumerLevels() const;
    void setUseAnalogAudioConsumerLevels(bool enabled);
    bool supportsAnalogAudioConsumerLevels() const;
    bool getMicrophonePhantomPower() const;
    void setMicrophonePhantomPower(bool enabled);
    bool supportsMicrophonePhantomPower() const;

    // Integer settings.
    uint32_t getDuplexMode() const;
    void setDuplexMode(uint32_t mode);
    uint32_t getDeckControlConnection() const;
    void setDeckControlConnection(uint32_t connection);
    uint32_t getAnalogAudioOutputSwitch() const;
    void setAnalogAudioOutputSwitch(uint32_t value);
    bool supportsSwitchableAnalogAudioOutputs() const;
    uint32_t getOutputConversionMode() const;
    void setOutputConversionMode(uint32_t mode);
    uint32_t getInputConversionMode() const;
    void setInputConversionMode(uint32_t mode);
    bool supportsVideoInputConversion() const;
    uint32_t getAudioInputConnection() const;
    void setAudioInputConnection(uint32_t connection);
    uint32_t getAnalogVideoOutputFlags() const;
    void setAnalogVideoOutputFlags(uint32_t flags);
    uint32_t getAnalogVideoInputFlags() const;
    void setAnalogVideoInputFlags(uint32_t flags);
    int64_t getReferenceInputSamples() const;
    void setReferenceInputSamples(int64_t samples);
    uint32_t getHDMI3DPackingFormat() const;
    void setHDMI3DPackingFormat(uint32_t format);
    bool supportsHDMI3DPackingFormat() const;
    uint32_t getVideoOutputIdleOperation() const;
    void setVideoOutputIdleOperation(uint32_t operation);
    uint32_t getSDILinkConfiguration() const;
    void setSDILinkConfiguration(uint32_t configuration);
    uint32_t getDefaultVideoOutputDisplayMode() const;
    void setVideoOutputDisplayMode(uint32_t mode);
    uint32_t getVideoOutputConnection() const;
    void setVideoOutputConnection(uint32_t connection);
    uint32_t getVideoInputConnection() const;
    void setVideoInputConnection(uint32_t connection);
    bool getCapturePassthroughIsDisabled() const;
    void setCapturePassthroughDisabled(bool disabled);
    bool supportsDisablingCapturePassthrough() const;

    // Capability masks of connection codes.
    uint32_t getVideoOutputConnections() const;
    uint32_t getVideoInputConnections() const;
    uint32_t getAudioOutputConnections() const;
    uint32_t getAudioInputConnections() const;
    uint32_t getDeckControlConnections() const;
    bool supportsDeckControlConnections() const;

    // Capability flags.
    bool supportsDuplexModeConfiguration() const;
    bool supportsSMPTELevelAOutput() const;
    bool canOnlyAdjustOverallVideoOutputGain() const;
    bool supportsAnalogVideoOutputGain() const;
    bool supportsFullFrameReferenceInput() const;
    bool supportsReferenceInput() const;
    bool supportsPsFAutoSwitching() const;
    bool supportsSDIQuadLink() const;
    bool supportsSDIDualLink() const;
    bool supportsIdleOutput() const;
    bool supportsCapture() const;
    bool supportsPlayback() const;

    // Identity.
    int64_t getPersistentId() const;
    bool supportsPersistentID() const;
    int64_t getTopologicalID() const;
    bool supportsTopologicalID() const;
    int64_t getSubDeviceIndex() const;
    int64_t getSubDeviceCount() const;
    int64_t getConnectorCount() const;
    int64_t getPairedDevicePersistentId() const;
    uint32_t getDeviceInterface() const;
    int64_t getMaxAnalogAudioOutputChannels() const;
    int64_t getMaxAnalogAudioInputChannels() const;
    bool getParentPCIBridgeBusNumber(long* value) const;
    bool getDeviceGroupId(long* value) const;
    void getFirmwareVersion(long& first, long& second) const;

    // Live status.
    bool getPCIExpressLinkWidth(int64_t& width) const;
    bool getPCIExpressLinkSpeed(int64_t& speed) const;
    bool getLastVideoOutputPixelFormat(int64_t& format) const;
    bool getVideoInputPixelFormat(int64_t& format) const;
    uint32_t getDuplexStatus() const;
    bool isReferenceSignalLocked() const;
    bool getGenlockDisplayMode(uint32_t& mode, uint32_t& flags) const;

    // Analog video level ranges.
    void getAnalogVideoOutputGainLevelRange(double& min, double& max) const;
    void getAnalogVideoInputGainLevelRange(double& min, double& max) const;

    // Digital and headphone/microphone levels.
    double getDigitalOutputScale() const;
    void setDigitalOutputScale(double value);
    bool supportsDigitalOutputScale() const;
    double getDigitalInputScale() const;
    void setDigitalInputScale(double value);
    bool supportsDigitalInputScale() const;
    double getHeadphoneInputGain() const;
    void setHeadphoneInputGain(double value);
    bool supportsHeadphoneGainControl() const;
    double getMicrophoneInputGain() const;
    void setMicrophoneInputGain(double value);
    bool supportsMicrophoneGainControl() const;

    // Analog video levels by connection code (8 component, 16 composite,
    // 32 S-Video). Setters take a mask; getters read the first selected item.
    void setAnalogVideoOutputGainLevel(uint32_t connection, double value);
    double getAnalogVideoOutputGainLevel(uint32_t connection) const;
    bool supportsAnalogVideoOutputGain(uint32_t connection) const;
    void setAnalogVideoOutputChromaGainLevel(uint32_t connection, double value);
    double getAnalogVideoOutputChromaGainLevel(uint32_t connection) const;
    void setAnalogVideoOutputCbLevel(uint32_t connection, double value);
    double getAnalogVideoOutputCbLevel(uint32_t connection) const;
    void setAnalogVideoOutputCrLevel(uint32_t connection, double value);
    double getAnalogVideoOutputCrLevel(uint32_t connection) const;
    void setAnalogVideoInputGainLevel(uint32_t connection, double value);
    double getAnalogVideoInputGainLevel(uint32_t connection) const;
    bool supportsAnalogVideoInputGain(uint32_t connection) const;
    void setAnalogVideoInputChromaGainLevel(uint32_t connection, double value);
    double getAnalogVideoInputChromaGainLevel(uint32_t connection) const;
    void setAnalogVideoInputCbLevel(uint32_t connection, double value);
    double getAnalogVideoInputCbLevel(uint32_t connection) const;
    void setAnalogVideoInputCrLevel(uint32_t connection, double value);
    double getAnalogVideoInputCrLevel(uint32_t connection) const;

    // Analog audio scales by channel 1 to 4.
    void setAnalogAudioOutputScaleChannel(int channel, double value);
    double getAnalogAudioOutputScaleChannel(int channel) const;
    bool supportsAnalogAudioOutputScaleChannel(int channel) const;
    void setAnalogAudioInputScaleChannel(int channel, double value);
    double getAnalogAudioInputScaleChannel(int channel) const;
    bool supportsAnalogAudioInputScaleChannel(int channel) const;

    bool supportsAudioLevelAdjustment() const;
    QString getAudioInputConnectionTranslated(const QString& name) const;

    // Analog video outputs.
    bool hasAnalogVideoOutputs() const;
    bool supportsSwitchableAnalogVideoOutputs() const;
    bool getSwitchableAnalogVideoOutputs(QList<uint32_t>& connections) const;

    // Device information kept in the driver's configuration store.
    QString getInformationLabel() const;
    void setInformationLabel(const QString& value);
    QString getInformationSerialNumber() const;
    void setInformationSerialNumber(const QString& value);
    QString getInformationDate() const;
    void setInformationDate(const QString& value);
    QString getInformationEMail() const;
    void setInformationEMail(const QString& value);
    QString getInformationPhone() const;
    void setInformationPhone(const QString& value);
    QString getInformationCompany() const;
    void setInformationCompany(const QString& value);

    // Persistence: save makes the values set so far permanent; revert drops them.
    bool writeToPreferences();
    bool readFromPreferences();

    // Display modes.
    DisplayModeMap getVideoInputDisplayModes() const;
    DisplayModeMap getVideoOutputDisplayModes() const;
    DisplayModeList getVideoOutputDisplayModesInDisplayOrder() const;
    bool getVideoInputDisplayMode(uint32_t& mode, uint32_t& flags) const;
    bool getVideoOutputDisplayMode(uint32_t& mode, uint32_t& flags) const;
    bool supportsOutputConversionMode(uint32_t mode) const;
    bool hasDedicatedDownconvertedOutput() const;

    // The devices of this device's group, this device included (as its own object).
    const QVector<VisibleMarlix*>& getSubDevices();
    // A sibling came or went: drops the adapters kept for the group (pointers to
    // them go stale; they are made again from the devices plugged in when next
    // asked for), and whoever shows what a sibling offers reads it again.
    void forgetSubDevices();
    bool hasSubDevices() const;
    VisibleMarlix* getSubDeviceByPersistentId(int64_t id);
    VisibleMarlix* getSubDeviceByIndex(int64_t index);
    VisibleMarlix* getSubDeviceByConnectorId(int64_t connectorId);
    void getConnectorIds(int64_t& first, int64_t& second) const;
    QString subDeviceName() const;
    QString subDeviceShortName() const;

    // Driver-wide information, not tied to a device.
    static QString getAPIVersion();
    static QString getInformationString(uint32_t id);
    static QVector<InstalledFirmware> getInstalledFirmwareList();

signals:
    void connectionChangedSignal(bool connected);
    void propertyChanged();
    void statusChanged();
    void displayInfoChanged(VisibleDevice* device);

private:
    bool initialise();
    void uninitialise();
    bool queryInterfaces();
    bool subscribeNotifications();
    void unsubscribeNotifications();
    bool queryDisplayModeInterfaces();
    void loadModelPictures();
    void readCardPosition();
    static QPixmap picture(const QString& name, QPixmap& decoded);
    void deleteSubDevices();
    void releaseDevice();
    int64_t videoIOSupport() const;
    bool isModelWithoutPsF() const;
    bool currentAudioInputChannelCount(int64_t& channels) const;
    bool isOutputPsFCandidate(uint32_t mode) const;
    bool readIdentity(uint32_t id, long* value) const;
    static bool readGroupKey(const VisibleMarlix& device, long* key);
    static uint32_t audioScaleItem(uint32_t firstItem, int channel);

    void setAnalogLevel(const AnalogLevelItems& items, uint32_t connection, double value);
    double getAnalogLevel(const AnalogLevelItems& items, uint32_t connection) const;
    double getComponentLevel(uint32_t item, uint32_t connection) const;
    void setComponentLevel(uint32_t item, uint32_t connection, double value);

    IMarlix* m_device = nullptr;
    IMarlixAttributes* m_attributes = nullptr;
    IMarlixNotification* m_notification = nullptr;
    MarlixNotificationCallback* m_callback = nullptr;
    IMarlixConfiguration* m_configuration = nullptr;
    IMarlixInput* m_input = nullptr;
    IMarlixOutput* m_output = nullptr;
    IMarlixStatus* m_status = nullptr;
    // Named when the device connects, decoded when first asked for: a fleet of
    // cards needs one gallery picture at start-up, not one for every card.
    QString m_modelImageName;
    QString m_modelThumbName;
    QString m_modelListThumbName;
    mutable QPixmap m_modelImage;
    mutable QPixmap m_modelThumb;
    mutable QPixmap m_modelListThumb;
    DisplayModeMap m_inputModes;
    DisplayModeMap m_outputModes;
    bool m_initialised = false;
    // The card a sub-device belongs to and its index on it, read when connected;
    // a key of 0 means the device is no card's sub-device.
    uint64_t m_cardKey = 0;
    int64_t m_cardIndex = 0;
    // The gallery re-parents the summary and may delete it first.
    mutable QPointer<QWidget> m_summaryWidget;
    QVector<VisibleMarlix*> m_subDevices;
};
