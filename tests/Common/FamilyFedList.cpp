#include "FamilyFedList.h"

QStringList deviceNames(const DeviceList& list)
{
    QStringList names;
    for (int i = 0; i < list.numberOfDevice(); ++i)
        names << list.deviceAt(i)->deviceName();
    return names;
}

FamilyFedList::FamilyFedList(DeviceList::SortOrder order)
    : family(QStringLiteral("Fake"))
{
    list.setSortOrder(order);
    QObject::connect(&family, &FakeFamily::deviceArrived, &list, &DeviceList::onDeviceAdded);
    QObject::connect(&family, &FakeFamily::deviceRemoved, &list, &DeviceList::onDeviceRemoved);
    QObject::connect(&family, &FakeFamily::deviceInfoChanged, &list, &DeviceList::onDeviceInfoChanged);
}

void FamilyFedList::announce(int count)
{
    for (int i = 0; i < count; ++i)
        family.announce(QStringLiteral("Device %1").arg(i));
}

void FamilyFedList::remove(int number)
{
    family.remove(QStringLiteral("Device %1").arg(number));
}
