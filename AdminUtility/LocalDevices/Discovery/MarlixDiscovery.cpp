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
    connect(this, &MarlixDiscovery::marlixDeviceArrived, this, &MarlixDiscovery::onMarlixDeviceArrived);
    connect(this, &MarlixDiscovery::marlixDeviceRemoved, this, &MarlixDiscovery::onMarlixDeviceRemoved);
}

// Listed devices belong to whoever received them through found. Pending ones were
// never handed out, so nobody else could free them.
MarlixDiscovery::~MarlixDiscovery()
{
    uninitialise();
    for (const CardGroup& group : qAsConst(m_groups)) {
        for (const Member& member : group.pending)
            delete member.device;
    }
}

int32_t MarlixDiscovery::initialise()
{
    uninitialise();
    m_discovery = CreateMarlixDiscoveryInstance();
    if (!m_discovery)
        return 0;
    m_callback = new MarlixDiscoveryCallback(this);
    return m_discovery->InstallDeviceNotifications(m_callback);
}

// The driver may still be inside the callback when Uninstall returns: the
// callback stays alive on its own count, detached from this discovery.
void MarlixDiscovery::uninitialise()
{
    if (m_callback) {
        m_callback->detach();
        if (m_discovery)
            m_discovery->UninstallDeviceNotifications();
        m_callback->Release();
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
    // A device that cannot be read has gone again (or is broken): shown, it would
    // be a row without a name that no removal could ever take away.
    if (!visible->isInitialised() || !isSupportedDevice(visible)) {
        delete visible;
        return;
    }
    if (holdBackUntilComplete(visible))
        return;
    announce(visible);
}

// The sub-devices of one card appear together, in index order, once every live
// one is present. Without a readable group value a device cannot be grouped and
// is shown at once.
bool MarlixDiscovery::holdBackUntilComplete(VisibleMarlix* device)
{
    const uint64_t key = device->cardKey();
    if (key == 0)
        return false;
    const int64_t count = device->getSubDeviceCount();
    const int64_t index = device->cardIndex();
    CardGroup& group = m_groups[key];
    group.count = count;
    group.gone.remove(index);
    if (group.listed > 0) {
        // Its siblings are on show: it takes its place among them.
        m_members.insert(device, Membership{key, index});
        ++group.listed;
        announce(device, positionAmongSiblings(key, index));
        return true;
    }
    group.pending.append(Member{device, index});
    releaseIfComplete(key, group);
    return true;
}

// A sub-device unplugged while held back is not waited for any more.
void MarlixDiscovery::releaseIfComplete(uint64_t key, CardGroup& group)
{
    if (group.pending.isEmpty() || group.pending.size() + group.gone.size() < group.count)
        return;
    QVector<Member> complete;
    complete.swap(group.pending);
    std::stable_sort(complete.begin(), complete.end(), [](const Member& a, const Member& b) {
        return a.index < b.index;
    });
    group.listed += complete.size();
    for (const Member& member : qAsConst(complete)) {
        m_members.insert(member.device, Membership{key, member.index});
        announce(member.device);
    }
}

void MarlixDiscovery::announce(VisibleMarlix* device, int position)
{
    if (position < 0)
        m_devices.append(device);
    else
        m_devices.insert(position, device);
    forgetSiblings(*device);
    emit found(device);
}

// A sub-device that comes or goes changes its card's group: the adapters that
// its listed siblings keep would talk to what was plugged in before.
void MarlixDiscovery::forgetSiblings(const VisibleMarlix& changed)
{
    if (changed.cardKey() == 0)
        return;
    for (VisibleMarlix* listed : qAsConst(m_devices)) {
        if (listed != &changed && listed->cardKey() == changed.cardKey())
            listed->forgetSubDevices();
    }
}

// Before the first listed sibling with a higher index, else after the last one.
int MarlixDiscovery::positionAmongSiblings(uint64_t key, int64_t index) const
{
    int after = -1;
    for (int i = 0; i < m_devices.size(); ++i) {
        const auto member = m_members.constFind(m_devices.at(i));
        if (member == m_members.constEnd() || member->key != key)
            continue;
        if (member->index > index)
            return i;
        after = i + 1;
    }
    return after;
}

// A device never shown (an unsupported model) needs nothing. One still held
// back leaves its group and is deleted: it was never handed out.
void MarlixDiscovery::onMarlixDeviceRemoved(IMarlix* device)
{
    if (dropPending(device))
        return;
    const auto listed = std::find_if(m_devices.cbegin(), m_devices.cend(), [device](VisibleMarlix* visible) {
        return visible->driverDevice() == device;
    });
    if (listed == m_devices.cend())
        return;
    VisibleMarlix* visible = *listed;
    m_devices.removeAll(visible);
    leaveGroup(visible);
    forgetSiblings(*visible);
    visible->onDisconnected();
    emit lost(visible);
}

bool MarlixDiscovery::dropPending(IMarlix* device)
{
    for (auto group = m_groups.begin(); group != m_groups.end(); ++group) {
        QVector<Member>& pending = group->pending;
        for (int i = 0; i < pending.size(); ++i) {
            if (pending.at(i).device->driverDevice() != device)
                continue;
            const Member member = pending.takeAt(i);
            group->gone.insert(member.index);
            delete member.device;
            releaseIfComplete(group.key(), *group);
            return true;
        }
    }
    return false;
}

// When the last listed sub-device of a card goes, the card is held back again,
// awaiting only those that come back.
void MarlixDiscovery::leaveGroup(VisibleMarlix* device)
{
    const auto member = m_members.constFind(device);
    if (member == m_members.constEnd())
        return;
    CardGroup& group = m_groups[member->key];
    group.gone.insert(member->index);
    --group.listed;
    m_members.erase(member);
}
