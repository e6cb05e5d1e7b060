#include "NetFamily.h"

#include "FirmwareUpdate.h"
#include "NetDevice.h"

NetFamily::NetFamily(QObject* parent)
    : ProductFamilyBase(parent)
{
}

// A device is known by its unique id; the same device added again is news.
NetDevice* NetFamily::find(const BonjourInfo& info) const
{
    for (NetDevice* device : m_devices) {
        if (device->info().uniqueId() == info.uniqueId())
            return device;
    }
    return nullptr;
}

bool NetFamily::handlesBonjourArrival(const BonjourInfo& info)
{
    if (info.familyName() != QLatin1String(kClass))
        return false;
    if (handlesBonjourUpdate(info))
        return true;
    auto* device = new NetDevice(info, getName(), this);
    connect(device, &NetDevice::displayInfoChanged, this, &NetFamily::deviceInfoChanged);
    m_devices.append(device);
    emit deviceArrived(device);
    return true;
}

bool NetFamily::handlesBonjourUpdate(const BonjourInfo& info)
{
    NetDevice* device = find(info);
    if (!device)
        return false;
    device->update(info);
    return true;
}

bool NetFamily::handlesBonjourRemoval(const BonjourInfo& info)
{
    NetDevice* device = find(info);
    if (!device)
        return false;
    m_devices.removeOne(device);
    emit deviceRemoved(device);
    device->deleteLater();
    return true;
}

void NetFamily::updateDevice(VisibleDevice* device, AdminUtilityWindow* window)
{
    for (NetDevice* candidate : qAsConst(m_devices)) {
        if (candidate == device)
            updateFor(candidate, window)->updateFirmware();
    }
}

// One flow per device, kept with the device so that it is reused.
FirmwareUpdate* NetFamily::updateFor(NetDevice* device, AdminUtilityWindow* window)
{
    auto* update = device->findChild<FirmwareUpdate*>();
    if (!update) {
        update = new FirmwareUpdate(window, device);
        update->setParent(device);
    }
    return update;
}
