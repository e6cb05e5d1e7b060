#include "FakeDevice.h"

FakeDevice::FakeDevice(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_modelName(name)
{
}

void FakeDevice::setDeviceName(const QString& name)
{
    m_name = name;
    emit displayInfoChanged(this);
}

void FakeDevice::setUpdateOnly(const QString& current, const QString& available)
{
    m_updateOnly = true;
    m_currentFirmware = current;
    m_availableFirmware = available;
}
