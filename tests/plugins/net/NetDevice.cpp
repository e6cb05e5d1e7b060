#include "NetDevice.h"

#include "NetFirmwareUpdater.h"

NetDevice::NetDevice(const BonjourInfo& info, const QString& family, QObject* parent)
    : QObject(parent)
    , m_info(info)
    , m_family(family)
    , m_installed(info.releaseVersion())
    , m_updater(new NetFirmwareUpdater(this))
{
}

// The device reports what it runs: a new release version is installed software.
void NetDevice::update(const BonjourInfo& info)
{
    const bool releaseChanged = info.releaseVersion() != m_info.releaseVersion();
    m_info = info;
    if (!releaseChanged)
        return;
    m_installed = info.releaseVersion();
    emit displayInfoChanged(this);
}

void NetDevice::markUpdated()
{
    m_installed = QLatin1String(kAvailableRelease);
    emit displayInfoChanged(this);
}

DeviceFirmwareUpdater* NetDevice::getFirmwareUpdater()
{
    return m_updater;
}
