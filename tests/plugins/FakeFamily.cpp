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
    return true;
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
    for (FakeDevice* gone : qAsConst(m_devices)) {
        if (gone->name == name) {
            m_devices.removeOne(gone);
            emit deviceRemoved(gone);
            gone->deleteLater();
            return;
        }
    }
}

void FakeFamily::record(const QString& entry) const
{
    qApp->setProperty(kLogProperty, log() << QStringLiteral("%1:%2").arg(m_name, entry));
}

void FakeFamily::record(const char* request, VisibleDevice* device) const
{
    record(QStringLiteral("%1:%2").arg(QLatin1String(request), device->deviceName()));
}
