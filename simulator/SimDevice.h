// The state of one simulated device: its fixed attributes, live and stored settings,
// live status and the program's subscriptions. Thread-safe; outlives its plug cycles.
#pragma once

#include "SimDeviceDescription.h"
#include "SimSubscription.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimDevice
{
public:
    explicit SimDevice(SimDeviceDescription description);

    const SimDeviceDescription& description() const { return m_description; }
    const std::string& key() const { return m_description.key; }
    const std::string& preferencesPath() const { return m_path; }

    MarlixResult getAttribute(MarlixCode id, SimKind kind, SimValue& out) const;
    // Non-negative when the device can convert its output with this mode.
    MarlixResult probeOutputConversion(int64_t mode) const;

    MarlixResult getConfiguration(MarlixCode id, SimKind kind, SimValue& out) const;
    std::map<MarlixCode, SimValue> liveSettings() const;
    // Validates and applies at once; statusChanged says whether live status followed.
    MarlixResult setConfiguration(MarlixCode id, const SimValue& value, bool& statusChanged);
    MarlixResult writePreferences();
    // Every setting write that reached the device, accepted or not: tests prove with
    // it that the program never writes back what it was told.
    uint64_t configurationWrites() const { return m_configurationWrites; }
    void resetConfigurationWrites() { m_configurationWrites = 0; }
    // Live settings go back to the stored ones; true when anything changed.
    bool revert(bool& statusChanged);

    MarlixResult getStatus(MarlixCode id, SimKind kind, SimValue& out) const;
    bool setStatus(MarlixCode id, const std::string& text, std::string& error);
    // kModeUnknown means no signal. connection 0 is the selected input connection; a signal on
    // another one is seen once that connection is selected.
    bool setInputSignal(MarlixCode mode, int64_t flags, std::string& error, int64_t connection = 0);
    bool setReference(MarlixCode mode, int64_t flags, std::string& error);
    // The sub-device sharing connectors with its partner reports the partner's choice; while
    // the partner takes both connectors this one offers no connection and cannot be set to one.
    bool followPartnerDuplex(MarlixCode partnerMode);
    bool offersConnections() const;

    void addSubscription(const std::shared_ptr<SimSubscription>& subscription);
    std::shared_ptr<SimSubscription> removeSubscription(const void* owner, MarlixCode topic,
                                                        IMarlixNotificationCallback* callback);
    std::vector<std::shared_ptr<SimSubscription>> removeSubscriptions(const void* owner);
    // Calls visit for each subscription to the topic, under the lock that removing one takes:
    // whatever visit queues is queued before a removal's cancel can run.
    void forEachSubscriber(MarlixCode topic, const std::function<void(const std::shared_ptr<SimSubscription>&)>& visit) const;
    bool isSubscribed(const void* owner, MarlixCode topic, IMarlixNotificationCallback* callback) const;

    std::string describe() const;

private:
    void loadStored();
    bool deriveStatus();
    bool showInputSignal();
    int64_t selectedInputConnection() const;
    bool assignStatus(MarlixCode id, const SimValue& value);
    int64_t outputFlagsFor(MarlixCode mode) const;
    static MarlixResult read(const std::map<MarlixCode, SimValue>& items, MarlixCode id, SimKind kind,
                             SimValue& out);

    const SimDeviceDescription m_description;
    const std::string m_path;
    mutable std::mutex m_mutex;
    std::map<MarlixCode, SimValue> m_live;
    std::map<MarlixCode, SimValue> m_stored;
    std::map<MarlixCode, SimValue> m_status;
    std::vector<std::shared_ptr<SimSubscription>> m_subscriptions;
    std::map<int64_t, SimSignal> m_inputSignals;  // by connection code
    bool m_connectorsTaken = false;  // the partner uses both shared connectors
    bool m_storeBlocked = false;  // the stored file could not be read nor moved aside
    std::atomic<uint64_t> m_configurationWrites{0};
};
