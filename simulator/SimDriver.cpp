#include "SimDriver.h"

#include "SimControlServer.h"
#include "SimMarlix.h"
#include "SimPreferences.h"
#include "SimProfile.h"
#include "SimText.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

// Creates the driver on first use and shuts it down cleanly when the process exits:
// its threads stop before the library's statics go away.
class SimDriverHolder
{
public:
    ~SimDriverHolder()
    {
        SimDriver* driver = s_driver.exchange(nullptr);
        if (driver) {
            driver->shutdown();
            delete driver;
        }
    }

    static SimDriver* get()
    {
        std::call_once(s_once, [] {
            static SimDriverHolder holder;
            s_driver = new SimDriver();
            s_driver.load()->loadInitialFleet();
        });
        return s_driver.load();
    }

private:
    static std::once_flag s_once;
    static std::atomic<SimDriver*> s_driver;
};

std::once_flag SimDriverHolder::s_once;
std::atomic<SimDriver*> SimDriverHolder::s_driver{nullptr};

SimDriver* SimDriver::instance()
{
    return SimDriverHolder::get();
}

SimDriver::SimDriver() : m_server(std::make_unique<SimControlServer>()) {}

SimDriver::~SimDriver() = default;

// MARLIX_SIM_PROFILE names another fleet; a faulty one leaves the driver without devices.
void SimDriver::loadInitialFleet()
{
    std::vector<SimDeviceDescription> devices;
    std::string error;
    const char* path = getenv("MARLIX_SIM_PROFILE");
    const bool external = path && *path;
    SimProfileOptions options;
    const bool loaded = external ? SimProfile::load(path, devices, error, &options)
                                 : SimProfile::parse(SimProfile::builtInText(), devices, error, &options);
    if (!loaded)
        fprintf(stderr, "marlix-sim: profile %s: %s\n",
                external ? SimText::printable(path).c_str() : "(built-in)", error.c_str());
    SimPreferences::prepareDirectory();
    setUnsubscribeWaits(options.unsubscribeWaits);
    replaceFleet(std::move(devices));
    m_server->start();
}

void SimDriver::shutdown()
{
    m_server->stop();
    m_arrivals.stop();
    m_callbacks.stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Slot& slot : m_slots) {
        if (slot.session)
            slot.session->end();
    }
    m_slots.clear();
    m_registrations.clear();
}

SimDriver::Slot* SimDriver::findSlot(const std::string& key)
{
    for (Slot& slot : m_slots) {
        if (slot.device->key() == key)
            return &slot;
    }
    return nullptr;
}

const SimDriver::Slot* SimDriver::findSlot(const std::string& key) const
{
    return const_cast<SimDriver*>(this)->findSlot(key);
}

std::vector<SimRef<IMarlix>> SimDriver::pluggedDevices() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SimRef<IMarlix>> devices;
    for (const Slot& slot : m_slots) {
        if (slot.object)
            devices.push_back(slot.object);
    }
    return devices;
}

std::shared_ptr<SimDevice> SimDriver::device(const std::string& key) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Slot* slot = findSlot(key);
    return slot ? slot->device : nullptr;
}

bool SimDriver::isPlugged(const std::string& key) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Slot* slot = findSlot(key);
    return slot && slot->object;
}

std::vector<std::string> SimDriver::keys() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> result;
    for (const Slot& slot : m_slots)
        result.push_back(slot.device->key());
    return result;
}

std::vector<SimDriver::Listed> SimDriver::listing() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Listed> result;
    result.reserve(m_slots.size());
    for (const Slot& slot : m_slots)
        result.push_back(Listed{slot.device, static_cast<bool>(slot.object)});
    return result;
}


void SimDriver::setUnsubscribeWaits(bool wait)
{
    m_arrivals.setWaitOnCancel(wait);
    m_callbacks.setWaitOnCancel(wait);
}

// Each call holds a reference to the callback: when unregistering does not wait,
// the program may drop its own while the call runs.
void SimDriver::postArrival(const Registration& registration, const SimRef<IMarlix>& device)
{
    m_arrivals.post(registration.owner, [callback = SimRef<IMarlixDeviceNotificationCallback>::share(registration.callback), device] {
        callback->MarlixDeviceArrived(device.get());
    });
}

void SimDriver::postRemoval(const Registration& registration, const SimRef<IMarlix>& device)
{
    m_arrivals.post(registration.owner, [callback = SimRef<IMarlixDeviceNotificationCallback>::share(registration.callback), device] {
        callback->MarlixDeviceRemoved(device.get());
    });
}

// A device plugged in again comes back with its stored settings, as after a power cycle.
void SimDriver::plugSlot(Slot& slot)
{
    bool statusChanged = false;
    slot.device->revert(statusChanged);
    // The partner follows the duplex choice the device comes back with.
    if (const auto partner = updatePartnerLocked(*slot.device))
        notifyPartner(partner);
    slot.session = std::make_shared<SimSession>(slot.device);
    slot.object = SimRef<IMarlix>::adopt(new SimMarlix(slot.session));
    for (const Registration& registration : m_registrations)
        postArrival(registration, slot.object);
}

void SimDriver::unplugSlot(Slot& slot)
{
    slot.session->end();
    for (const Registration& registration : m_registrations)
        postRemoval(registration, slot.object);
    slot.object = SimRef<IMarlix>();
    slot.session.reset();
}

bool SimDriver::plug(const std::string& key, std::string& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Slot* slot = findSlot(key);
    if (!slot) {
        error = "unknown device '" + key + "'";
        return false;
    }
    if (slot->object) {
        error = "device '" + key + "' is already plugged in";
        return false;
    }
    plugSlot(*slot);
    return true;
}

bool SimDriver::unplug(const std::string& key, std::string& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Slot* slot = findSlot(key);
    if (!slot) {
        error = "unknown device '" + key + "'";
        return false;
    }
    if (!slot->object) {
        error = "device '" + key + "' is not plugged in";
        return false;
    }
    unplugSlot(*slot);
    return true;
}

void SimDriver::vanish(const std::string& key)
{
    std::string ignored;
    unplug(key, ignored);
}

void SimDriver::replaceFleet(std::vector<SimDeviceDescription> devices)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Slot& slot : m_slots) {
        if (slot.object)
            unplugSlot(slot);
    }
    m_slots.clear();
    for (SimDeviceDescription& description : devices) {
        const bool plugged = description.plugged;
        m_slots.push_back(Slot{std::make_shared<SimDevice>(std::move(description)), nullptr, SimRef<IMarlix>()});
        if (plugged)
            plugSlot(m_slots.back());
    }
    for (const Slot& slot : m_slots)
        updatePartnerLocked(*slot.device);
}

void SimDriver::install(const void* owner, IMarlixDeviceNotificationCallback* callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_registrations.push_back(Registration{owner, callback});
    for (const Slot& slot : m_slots) {
        if (slot.object)
            postArrival(m_registrations.back(), slot.object);
    }
}

void SimDriver::uninstall(const void* owner)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_registrations.begin(); it != m_registrations.end();) {
            it = it->owner == owner ? m_registrations.erase(it) : it + 1;
        }
    }
    m_arrivals.cancel(owner);
}

std::shared_ptr<SimDevice> SimDriver::partnerOfLocked(const SimDevice& device) const
{
    const int64_t partnerId = device.description().attributeInt(MarlixItem::kAttrPairedDevicePersistentId);
    if (partnerId == 0)
        return nullptr;
    for (const Slot& slot : m_slots) {
        if (slot.device->description().attributeInt(MarlixItem::kAttrPersistentId) == partnerId)
            return slot.device;
    }
    return nullptr;
}

// The partner of a sub-device that owns the duplex setting reports what that setting leaves it.
std::shared_ptr<SimDevice> SimDriver::updatePartnerLocked(const SimDevice& device) const
{
    SimValue duplex;
    const auto partner = partnerOfLocked(device);
    if (partner && device.getConfiguration(MarlixItem::kConfigDuplexMode, SimKind::Int, duplex) == kMarlixOk
        && partner->followPartnerDuplex(static_cast<MarlixCode>(duplex.integer)))
        return partner;
    return nullptr;
}

void SimDriver::settingsChanged(const std::shared_ptr<SimDevice>& device, MarlixCode item, bool statusChanged)
{
    notify(device, MarlixItem::kTopicPreferences, item);
    if (statusChanged)
        notify(device, MarlixItem::kTopicStatus, item);
    if (item != 0 && item != MarlixItem::kConfigDuplexMode)
        return;
    std::shared_ptr<SimDevice> partner;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        partner = updatePartnerLocked(*device);
    }
    if (partner)
        notifyPartner(partner);
}

// What the partner offers changed with the duplex choice, as if its settings had.
void SimDriver::notifyPartner(const std::shared_ptr<SimDevice>& partner)
{
    notify(partner, MarlixItem::kTopicPreferences, 0);
    notify(partner, MarlixItem::kTopicStatus, MarlixItem::kStatusDuplexMode);
}

// Queued while the subscription is still listed: an Unsubscribe removes it first and then
// cancels its queued calls, so no call can be queued after that cancel and run once
// Unsubscribe has returned (by then the program may have let go of its object).
void SimDriver::notify(const std::shared_ptr<SimDevice>& device, MarlixCode topic, MarlixCode item)
{
    device->forEachSubscriber(topic, [this, topic, item](const std::shared_ptr<SimSubscription>& subscription) {
        m_callbacks.post(subscription.get(), [subscription, topic, item,
                                              callback = SimRef<IMarlixNotificationCallback>::share(subscription->callback)] {
            callback->Notify(topic, item, 0);
        });
    });
}

void SimDriver::drain()
{
    m_arrivals.drain();
    m_callbacks.drain();
}

const std::string& SimDriver::controlPath() const
{
    return m_server->path();
}

void SimDriver::setSuccessCode(SimSuccess which, MarlixResult code)
{
    (which == SimSuccess::Getters ? m_getterSuccess : m_probeSuccess) = code;
}

MarlixResult SimDriver::successCode(SimSuccess which)
{
    const SimDriver* driver = instance();
    if (!driver)
        return kMarlixOk;
    return (which == SimSuccess::Getters ? driver->m_getterSuccess : driver->m_probeSuccess).load();
}

void SimDriver::reportLeftBehind(const std::string& what)
{
    fprintf(stderr, "marlix-sim: left behind: %s\n", SimText::printable(what).c_str());
    const char* strict = getenv("MARLIX_SIM_STRICT");
    if (strict && std::string(strict) == "1")
        abort();
}
