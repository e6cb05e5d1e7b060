#pragma once

#include "VisibleDevice.h"

#include <QFrame>

class DeviceList;

// The framework's list view: one entry per device of the window's device
// list. A family-specific subclass decides what a row shows; this class only
// ties it to the list and gives the window one signal to open a device.
class VisibleDevicesListViewWidget : public QFrame
{
    Q_OBJECT

public:
    VisibleDevicesListViewWidget(DeviceList& deviceList, QWidget* parent);

signals:
    void requestShowDevice(VisibleDevice* device);

public slots:
    virtual void onDeviceAdded(VisibleDevice* device) = 0;
    virtual void onDeviceRemoved(VisibleDevice* device) = 0;
    virtual void onDeviceInfoChanged(VisibleDevice* device) = 0;

protected:
    DeviceList& deviceList();

private:
    DeviceList& m_deviceList;
};
