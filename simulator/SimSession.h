// One plug cycle of a device. The objects handed out for a device keep its session;
// when the device is unplugged (or vanishes) the session ends and every later call on
// those objects answers kMarlixDisconnected.
#pragma once

#include "SimDevice.h"

#include <atomic>
#include <memory>

class SimSession
{
public:
    explicit SimSession(std::shared_ptr<SimDevice> device) : m_device(std::move(device)) {}

    SimDevice& device() const { return *m_device; }
    const std::shared_ptr<SimDevice>& sharedDevice() const { return m_device; }
    bool alive() const { return m_alive.load(); }
    void end() { m_alive = false; }

    // Presence and injected faults for one call; anything but kMarlixOk ends the call.
    MarlixResult enter(const char* interfaceName, const char* method, const std::string& detail = {}) const;
    MarlixResult enter(const char* interfaceName, const char* method, MarlixCode item) const;
    // Calls not tied to a device (iterator, discovery, information).
    static MarlixResult enterGlobal(const char* interfaceName, const char* method);

private:
    std::shared_ptr<SimDevice> m_device;
    std::atomic<bool> m_alive{true};
};
