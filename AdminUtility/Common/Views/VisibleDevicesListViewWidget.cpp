#include "VisibleDevicesListViewWidget.h"

#include "DeviceList.h"

VisibleDevicesListViewWidget::VisibleDevicesListViewWidget(DeviceList& deviceList, QWidget* parent)
    : QFrame(parent)
    , m_deviceList(deviceList)
{
    connect(&m_deviceList, &DeviceList::deviceListAdded, this, &VisibleDevicesListViewWidget::onDeviceAdded);
    connect(&m_deviceList, &DeviceList::deviceListRemoved, this, &VisibleDevicesListViewWidget::onDeviceRemoved);
    connect(&m_deviceList, &DeviceList::deviceListChanged, this,
            &VisibleDevicesListViewWidget::onDeviceInfoChanged);
}

DeviceList& VisibleDevicesListViewWidget::deviceList()
{
    return m_deviceList;
}
