// Reports device arrivals and removals to one program callback, on a driver thread.
#pragma once

#include "SimUnknown.h"

#include <mutex>

class SimDiscovery : public SimUnknown<IMarlixDiscovery>
{
public:
    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
    MarlixResult InstallDeviceNotifications(IMarlixDeviceNotificationCallback* callback) override;
    MarlixResult UninstallDeviceNotifications() override;

protected:
    ~SimDiscovery() override;

private:
    std::mutex m_mutex;
    bool m_installed = false;
};
