#pragma once

#include "DeviceList.h"
#include "FakeFamily.h"

// The names on a device list, in its order.
QStringList deviceNames(const DeviceList& list);

// A device list fed by one fake family, connected as the window connects them.
class FamilyFedList
{
public:
    explicit FamilyFedList(DeviceList::SortOrder order = DeviceList::NameOrder);

    // Announces "Device 0" .. "Device <count - 1>".
    void announce(int count);
    void remove(int number);

    DeviceList list;
    FakeFamily family;
};
