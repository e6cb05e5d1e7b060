#include "MarlixDiscoveryCallback.h"

#include "MarlixDiscovery.h"

MarlixDiscoveryCallback::MarlixDiscoveryCallback(MarlixDiscovery& discovery)
    : m_discovery(discovery)
{
}

MarlixResult MarlixDiscoveryCallback::QueryInterface(MarlixIID, void** out)
{
    if (out)
        *out = nullptr;
    return kMarlixNoInterface;
}

uint32_t MarlixDiscoveryCallback::AddRef()
{
    return 1;
}

uint32_t MarlixDiscoveryCallback::Release()
{
    return 1;
}

// The reference taken here passes to the device's adapter.
MarlixResult MarlixDiscoveryCallback::MarlixDeviceArrived(IMarlix* device)
{
    device->AddRef();
    emit m_discovery.marlixDeviceArrived(device);
    return kMarlixOk;
}

MarlixResult MarlixDiscoveryCallback::MarlixDeviceRemoved(IMarlix* device)
{
    emit m_discovery.marlixDeviceRemoved(device);
    return kMarlixOk;
}
