#pragma once

#include "MarlixAPI.h"

#include <QPointer>

#include <atomic>

class MarlixDiscovery;

// Told of device arrivals and removals on the driver's threads. It only keeps
// the device alive and hands it over to the discovery in the GUI thread. The
// driver may still be inside a call after UninstallDeviceNotifications has
// returned, so the callback counts its references and outlives the discovery
// if need be; a hand-over that finds no discovery gives the device back.
class MarlixDiscoveryCallback final : public IMarlixDeviceNotificationCallback
{
public:
    // Created in the GUI thread.
    explicit MarlixDiscoveryCallback(MarlixDiscovery* discovery);

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    MarlixResult MarlixDeviceArrived(IMarlix* device) override;
    MarlixResult MarlixDeviceRemoved(IMarlix* device) override;

    // Nothing is handed over from now on.
    void detach();

private:
    ~MarlixDiscoveryCallback() = default;

    const QPointer<MarlixDiscovery> m_discovery;
    std::atomic<bool> m_detached{false};
    std::atomic<uint32_t> m_refCount{1};
};
