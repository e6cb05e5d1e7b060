// The simulated driver: the fleet of devices, which of them are plugged in, the
// program's discovery callbacks, the callback threads, injected faults and the control
// socket. One per process, created by the first factory call.
#pragma once

#include "SimDevice.h"
#include "SimDispatcher.h"
#include "SimFaults.h"
#include "SimRef.h"
#include "SimSession.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimControlServer;

// Which successful calls answer a code of the driver's choosing instead of 0.
enum class SimSuccess { Getters, Probes };

class SimDriver
{
public:
    // Null once the process has begun to shut the driver down.
    static SimDriver* instance();

    SimFaults& faults() { return m_faults; }
    SimDispatcher& callbacks() { return m_callbacks; }

    std::vector<SimRef<IMarlix>> pluggedDevices() const;
    std::shared_ptr<SimDevice> device(const std::string& key) const;
    bool isPlugged(const std::string& key) const;
    std::vector<std::string> keys() const;
    struct Listed
    {
        std::shared_ptr<SimDevice> device;
        bool plugged;
    };
    // The whole fleet in order, taken at once.
    std::vector<Listed> listing() const;

    bool plug(const std::string& key, std::string& error);
    bool unplug(const std::string& key, std::string& error);
    // A device disappearing in the middle of a call.
    void vanish(const std::string& key);
    // Unplugs the whole fleet and plugs in the new one.
    void replaceFleet(std::vector<SimDeviceDescription> devices);
    void setUnsubscribeWaits(bool wait);

    void install(const void* owner, IMarlixDeviceNotificationCallback* callback);
    void uninstall(const void* owner);

    // item 0: many settings changed at once (a revert).
    void settingsChanged(const std::shared_ptr<SimDevice>& device, MarlixCode item, bool statusChanged);
    void notify(const std::shared_ptr<SimDevice>& device, MarlixCode topic, MarlixCode item);
    // Waits until every callback posted so far has been delivered.
    void drain();

    const std::string& controlPath() const;

    // Real drivers may answer a positive code for success; getters and probes can too.
    void setSuccessCode(SimSuccess which, MarlixResult code);
    // kMarlixOk once the driver is gone.
    static MarlixResult successCode(SimSuccess which);

    // A client released an object that still held subscriptions or a registration. With
    // MARLIX_SIM_STRICT=1 (the test suites) the process aborts, so that the leak fails a test.
    static void reportLeftBehind(const std::string& what);

private:
    struct Slot
    {
        std::shared_ptr<SimDevice> device;
        std::shared_ptr<SimSession> session;  // null while unplugged
        SimRef<IMarlix> object;
    };
    struct Registration
    {
        const void* owner;
        IMarlixDeviceNotificationCallback* callback;
    };
    friend class SimDriverHolder;

    SimDriver();
    ~SimDriver();
    void loadInitialFleet();
    void shutdown();
    Slot* findSlot(const std::string& key);
    const Slot* findSlot(const std::string& key) const;
    void plugSlot(Slot& slot);
    void unplugSlot(Slot& slot);
    void postArrival(const Registration& registration, const SimRef<IMarlix>& device);
    void postRemoval(const Registration& registration, const SimRef<IMarlix>& device);
    std::shared_ptr<SimDevice> partnerOfLocked(const SimDevice& device) const;
    std::shared_ptr<SimDevice> updatePartnerLocked(const SimDevice& device) const;
    void notifyPartner(const std::shared_ptr<SimDevice>& partner);

    mutable std::mutex m_mutex;
    std::vector<Slot> m_slots;
    std::vector<Registration> m_registrations;
    SimFaults m_faults;
    SimDispatcher m_arrivals;
    SimDispatcher m_callbacks;
    std::unique_ptr<SimControlServer> m_server;
    std::atomic<MarlixResult> m_getterSuccess{kMarlixOk};
    std::atomic<MarlixResult> m_probeSuccess{kMarlixOk};
};
