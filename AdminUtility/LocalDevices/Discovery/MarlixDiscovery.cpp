#include "MarlixDiscovery.h"

#include "CapabilityTables.h"
#include "MarlixAPI.h"
#include "MarlixAPILoader.h"
#include "MarlixDiscoveryCallback.h"
#include "VisibleMarlix.h"

#include <algorithm>

MarlixDiscovery::MarlixDiscovery(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<IMarlix*>();
    connect(this, &MarlixDiscovery::marlixDeviceArrived, this, &MarlixDiscovery::onMarlixDeviceArrived);
    connect(this, &MarlixDiscovery::marlixDeviceRemoved, this, &MarlixDiscovery::onMarlixDeviceRemoved);
}

// Listed devices belong to whoever received them through found. Pending ones were
// never handed out, so nobody else could free them.
MarlixDiscovery::~MarlixDiscovery()
{
    uninitialise();
    for (PendingGroup* group : qAsConst(m_pendingGroups)) {
        if (group)
            qDeleteAll(*group);
        delete group;
    }
}

int32_t MarlixDiscovery::initialise()
{
    uninitialise();
    m_discovery = CreateMarlixDiscoveryInstance();
    if (!m_discovery)
        return 0;
    m_callback = new MarlixDiscoveryCallback(*this);
    return m_discovery->InstallDeviceNotifications(m_callback);
}

void MarlixDiscovery::uninitialise()
{
    if (m_discovery && m_callback) {
        m_discovery->UninstallDeviceNotifications();
        delete m_callback;
        m_callback = nullptr;
    }
    if (m_discovery)
        m_discovery->Release();
    m_discovery = nullptr;
}

bool MarlixDiscovery::isSupportedDevice(VisibleMarlix* device)
{
    return !kExcludedDevices.contains(uint64_t(device->modelId()));
}

void MarlixDiscovery::onMarlixDeviceArrived(IMarlix* device)
{
    auto* visible = new VisibleMarlix(device);
    visible->onConnected();
    if (!isSupportedDevice(visible)) {
        delete visible;
        return;
    }
    if (holdBackUntilComplete(visible))
        return;
    announce(visible);
}

// The sub-devices of one card appear together, in index order, once all are present.
// Without a readable group value a device cannot be grouped and is shown at once.
bool MarlixDiscovery::holdBackUntilComplete(VisibleMarlix* device)
{
    long groupValue = 0;
    const bool grouped = device->getDeviceGroupId(&groupValue) || device->getParentPCIBridgeBusNumber(&groupValue);
    const int64_t count = device->getSubDeviceCount();
    if (count < 2 || !grouped)
        return false;
    PendingGroup*& group = m_pendingGroups[groupKey(groupValue, device->modelId())];
    if (!group)
        group = new PendingGroup;
    group->append(device);
    if (group->size() >= count) {
        PendingGroup* complete = group;
        group = nullptr;
        releaseGroup(complete);
    }
    return true;
}

void MarlixDiscovery::releaseGroup(PendingGroup* group)
{
    std::stable_sort(group->begin(), group->end(), [](VisibleMarlix* a, VisibleMarlix* b) {
        return a->getSubDeviceIndex() < b->getSubDeviceIndex();
    });
    for (VisibleMarlix* device : qAsConst(*group))
        announce(device);
    delete group;
}

void MarlixDiscovery::announce(VisibleMarlix* device)
{
    m_devices.append(device);
    emit found(device);
}

// Two cards of one model differ in their group value; two models never share a key.
uint64_t MarlixDiscovery::groupKey(long groupValue, int64_t modelId)
{
    return (uint64_t(groupValue) << 32) | uint64_t(modelId);
}

// A device still pending in an incomplete group, or never shown, is not listed: nothing to do.
void MarlixDiscovery::onMarlixDeviceRemoved(IMarlix* device)
{
    const auto listed = std::find_if(m_devices.cbegin(), m_devices.cend(), [device](VisibleMarlix* visible) {
        return visible->driverDevice() == device;
    });
    if (listed == m_devices.cend())
        return;
    VisibleMarlix* visible = *listed;
    m_devices.removeAll(visible);
    visible->onDisconnected();
    emit lost(visible);
}
