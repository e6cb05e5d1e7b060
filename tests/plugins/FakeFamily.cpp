#include "FakeFamily.h"

#include "FakeDevice.h"

qint32 FakeFamily::init()
{
    record(QStringLiteral("init"));
    for (const QString& name : qAsConst(initialDevices))
        announce(name);
    return 0;
}

bool FakeFamily::okToClose() const
{
    record(QStringLiteral("okToClose"));
    return !vetoClose;
}

FakeDevice* FakeFamily::announce(const QString& name, bool usb)
{
    auto* device = new FakeDevice(name, this);
    device->family = m_name;
    device->usb = usb;
    connect(device, &FakeDevice::displayInfoChanged, this, &FakeFamily::deviceInfoChanged);
    m_devices.append(device);
    emit deviceArrived(device);
    return device;
}

// Like a real family, the device outlives the removal signal's receivers.
void FakeFamily::remove(const QString& name)
{
    FakeDevice* gone = device(name);
    if (!gone)
        return;
    m_devices.removeOne(gone);
    emit deviceRemoved(gone);
    gone->deleteLater();
}

FakeDevice* FakeFamily::device(const QString& name) const
{
    for (FakeDevice* candidate : m_devices) {
        if (candidate->name == name)
            return candidate;
    }
    return nullptr;
}

void FakeFamily::record(const QString& entry) const
{
    qApp->setProperty(kLogProperty, log() << QStringLiteral("%1:%2").arg(m_name, entry));
}

void FakeFamily::record(const char* request, VisibleDevice* device) const
{
    record(QStringLiteral("%1:%2").arg(QLatin1String(request), device->deviceName()));
}
