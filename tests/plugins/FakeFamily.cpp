#include "FakeFamily.h"

#include "FakeDevice.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QVariant>

namespace
{
const char* const kLogProperty = "fakeFamilyLog";
}

FakeFamily::FakeFamily(const QString& name, QObject* parent)
    : ProductFamilyBase(parent)
    , m_name(name)
{
}

QStringList FakeFamily::log()
{
    return qApp->property(kLogProperty).toStringList();
}

void FakeFamily::clearLog()
{
    qApp->setProperty(kLogProperty, QStringList());
}

void FakeFamily::setInitialDevices(const QStringList& names, const QStringList& usbNames)
{
    m_initialDevices = names;
    m_usbDevices = usbNames;
}

void FakeFamily::setInitialLooks(const QStringList& models, const QStringList& pictures)
{
    m_models = models;
    m_pictures = pictures;
}

QString FakeFamily::getName() const
{
    return m_name;
}

qint32 FakeFamily::init()
{
    record(QStringLiteral("init"));
    for (int i = 0; i < m_initialDevices.size(); ++i) {
        const QString& name = m_initialDevices.at(i);
        FakeDevice* device = announce(name, m_usbDevices.contains(name));
        device->setModelName(m_models.value(i, name));
        device->setImage(QPixmap(m_pictures.value(i)));
        emit deviceInfoChanged(device);
    }
    return 0;
}

void FakeFamily::destroy()
{
    record(QStringLiteral("destroy"));
}

bool FakeFamily::okToClose() const
{
    record(QStringLiteral("okToClose"));
    return !m_vetoClose;
}

void FakeFamily::showDevice(VisibleDevice* device, AdminUtilityWindow*)
{
    recordRequest("showDevice", device);
}

void FakeFamily::showControlApp(VisibleDevice* device, AdminUtilityWindow*)
{
    recordRequest("showControlApp", device);
}

void FakeFamily::updateDevice(VisibleDevice* device, AdminUtilityWindow*)
{
    recordRequest("updateDevice", device);
}

QString FakeFamily::getBuildInfo() const
{
    return m_buildInfo;
}

FakeDevice* FakeFamily::announce(const QString& name, bool usb)
{
    auto* device = new FakeDevice(name, this);
    device->setFamilyName(m_name);
    device->setUsb(usb);
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
        if (candidate->deviceName() == name)
            return candidate;
    }
    return nullptr;
}

void FakeFamily::record(const QString& entry) const
{
    qApp->setProperty(kLogProperty, log() << QStringLiteral("%1:%2").arg(m_name, entry));
}

void FakeFamily::recordRequest(const char* request, VisibleDevice* device) const
{
    record(QStringLiteral("%1:%2").arg(QLatin1String(request), device->deviceName()));
}
