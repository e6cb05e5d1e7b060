#include "DeviceList.h"

#include "ProductFamily.h"
#include "VisibleDevice.h"

DeviceList::DeviceList(QObject* parent)
    : QObject(parent)
{
}

int DeviceList::numberOfDevice() const
{
    return m_entries.size();
}

int DeviceList::indexOfDevice(VisibleDevice* device) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).device == device)
            return i;
    }
    return -1;
}

VisibleDevice* DeviceList::getCurrentDevice() const
{
    return m_current;
}

int DeviceList::getCurrentDeviceIndex() const
{
    return m_current ? indexOfDevice(m_current) : -1;
}

ProductFamily* DeviceList::getFamilyOfDevice(VisibleDevice* device) const
{
    const int index = indexOfDevice(device);
    return index < 0 ? nullptr : m_entries.at(index).family;
}

VisibleDevice* DeviceList::deviceAt(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    return m_entries.at(index).device;
}

void DeviceList::setSortOrder(SortOrder order)
{
    m_sortOrder = order;
}

void DeviceList::setCurrentDevice(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    selectIndex(index);
}

void DeviceList::selectNextDevice()
{
    if (m_entries.isEmpty())
        return;
    const int index = getCurrentDeviceIndex();
    if (index < 0)
        selectIndex(0);
    else if (index + 1 < m_entries.size())
        selectIndex(index + 1);
}

void DeviceList::selectPreviousDevice()
{
    const int index = getCurrentDeviceIndex();
    if (index > 0)
        selectIndex(index - 1);
}

void DeviceList::updateDeviceInfo(VisibleDevice* device)
{
    emit deviceListChanged(device);
}

void DeviceList::onDeviceAdded(VisibleDevice* device)
{
    // The family is whoever announced the device; anything else is not a family.
    // A cross-cast, because a plug-in family may carry its own copy of the
    // framework's classes and so its own meta objects.
    ProductFamily* family = dynamic_cast<ProductFamily*>(sender());
    if (!family)
        return;

    m_entries.insert(insertionIndex(device), DeviceInfo{device, family});
    if (!m_current)
        m_current = m_entries.first().device;
    emit deviceListAdded(device);
}

void DeviceList::onDeviceRemoved(VisibleDevice* device)
{
    const int index = indexOfDevice(device);
    if (index >= 0)
        m_entries.removeAt(index);
    if (index >= 0 && m_current == device)
        m_current = m_entries.isEmpty() ? nullptr : m_entries.first().device;
    emit deviceListRemoved(device);
}

void DeviceList::onDeviceInfoChanged(VisibleDevice* device)
{
    emit deviceListChanged(device);
}

int DeviceList::insertionIndex(VisibleDevice* device) const
{
    if (m_sortOrder == ArrivalOrder) {
        for (int i = 0; i < m_entries.size(); ++i) {
            if (device->listsBefore(m_entries.at(i).device))
                return i;
        }
        return m_entries.size();
    }

    // USB devices hold the first positions; each group is ordered by name,
    // and a name equal to a listed one goes after it.
    const int usbCount = usbDeviceCount();
    const bool usb = device->isUsbDevice();
    const int first = usb ? 0 : usbCount;
    const int end = usb ? usbCount : m_entries.size();
    const QString name = device->deviceName();
    for (int i = first; i < end; ++i) {
        if (m_entries.at(i).device->deviceName() > name)
            return i;
    }
    return end;
}

int DeviceList::usbDeviceCount() const
{
    int count = 0;
    for (const DeviceInfo& entry : m_entries) {
        if (entry.device->isUsbDevice())
            ++count;
    }
    return count;
}

void DeviceList::selectIndex(int index)
{
    m_current = m_entries.at(index).device;
    emit deviceListSelected(m_current);
}
