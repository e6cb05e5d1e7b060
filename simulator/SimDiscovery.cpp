#include "SimDiscovery.h"

#include "SimDriver.h"
#include "SimSession.h"

SimDiscovery::~SimDiscovery()
{
    if (UninstallDeviceNotifications() == kMarlixOk)
        SimDriver::reportLeftBehind("a discovery interface was released with its device notifications installed");
}

// Devices already present are reported first, in profile order, then every change.
MarlixResult SimDiscovery::InstallDeviceNotifications(IMarlixDeviceNotificationCallback* callback)
{
    const MarlixResult entered = SimSession::enterGlobal("Discovery", "InstallDeviceNotifications");
    if (entered != kMarlixOk)
        return entered;
    SimDriver* driver = SimDriver::instance();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!callback || m_installed)
        return kMarlixInvalidArg;
    if (!driver)
        return kMarlixFail;
    driver->install(this, callback);
    m_installed = true;
    return kMarlixOk;
}

MarlixResult SimDiscovery::UninstallDeviceNotifications()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_installed)
        return kMarlixFalse;
    if (SimDriver* driver = SimDriver::instance())
        driver->uninstall(this);
    m_installed = false;
    return kMarlixOk;
}
