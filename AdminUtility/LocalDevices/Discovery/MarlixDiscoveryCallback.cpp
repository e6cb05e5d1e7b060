#include "MarlixDiscoveryCallback.h"

#include "MarlixDiscovery.h"

#include <QCoreApplication>

MarlixDiscoveryCallback::MarlixDiscoveryCallback(MarlixDiscovery* discovery)
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
    return ++m_refCount;
}

uint32_t MarlixDiscoveryCallback::Release()
{
    const uint32_t count = --m_refCount;
    if (count == 0)
        delete this;
    return count;
}

// The reference taken here passes to the device's adapter, or is given back.
MarlixResult MarlixDiscoveryCallback::MarlixDeviceArrived(IMarlix* device)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (m_detached || !application)
        return kMarlixOk;
    device->AddRef();
    const QPointer<MarlixDiscovery> discovery = m_discovery;
    QMetaObject::invokeMethod(
        application,
        [discovery, device] {
            if (discovery)
                emit discovery->marlixDeviceArrived(device);
            else
                device->Release();
        },
        Qt::QueuedConnection);
    return kMarlixOk;
}

// The device is only compared with those listed, never called.
MarlixResult MarlixDiscoveryCallback::MarlixDeviceRemoved(IMarlix* device)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (m_detached || !application)
        return kMarlixOk;
    const QPointer<MarlixDiscovery> discovery = m_discovery;
    QMetaObject::invokeMethod(
        application,
        [discovery, device] {
            if (discovery)
                emit discovery->marlixDeviceRemoved(device);
        },
        Qt::QueuedConnection);
    return kMarlixOk;
}

void MarlixDiscoveryCallback::detach()
{
    m_detached = true;
}
