#pragma once

#include "MarlixAPI.h"

class MarlixDiscovery;

// Told of device arrivals and removals on the driver's threads. It only keeps
// the device alive and hands it over; the discovery does the rest in the GUI
// thread. Owned by the discovery, so the reference count is not kept.
class MarlixDiscoveryCallback final : public IMarlixDeviceNotificationCallback
{
public:
    explicit MarlixDiscoveryCallback(MarlixDiscovery& discovery);

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    MarlixResult MarlixDeviceArrived(IMarlix* device) override;
    MarlixResult MarlixDeviceRemoved(IMarlix* device) override;

private:
    MarlixDiscovery& m_discovery;
};
