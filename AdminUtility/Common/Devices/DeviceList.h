#pragma once

#include "VisibleDevice.h"

#include <QList>
#include <QObject>

class ProductFamily;

// The one model of which devices are on screen, in which order, and which
// one is current. Holds raw pointers only: families own their devices.
class DeviceList : public QObject
{
    Q_OBJECT

public:
    enum SortOrder
    {
        ArrivalOrder = 0,
        NameOrder = 1
    };
    Q_ENUM(SortOrder)

    explicit DeviceList(QObject* parent = nullptr);

    int numberOfDevice() const;
    int indexOfDevice(VisibleDevice* device) const;
    VisibleDevice* getCurrentDevice() const;
    int getCurrentDeviceIndex() const;
    ProductFamily* getFamilyOfDevice(VisibleDevice* device) const;
    VisibleDevice* deviceAt(int index) const;

    void setSortOrder(SortOrder order);
    void setCurrentDevice(int index);
    void selectNextDevice();
    void selectPreviousDevice();
    void updateDeviceInfo(VisibleDevice* device);

public slots:
    void onDeviceAdded(VisibleDevice* device);
    void onDeviceRemoved(VisibleDevice* device);
    void onDeviceInfoChanged(VisibleDevice* device);

signals:
    void deviceListAdded(VisibleDevice* device);
    void deviceListRemoved(VisibleDevice* device);
    void deviceListSelected(VisibleDevice* device);
    void deviceListChanged(VisibleDevice* device);

private:
    struct DeviceInfo
    {
        VisibleDevice* device;
        ProductFamily* family;
    };

    int insertionIndex(VisibleDevice* device) const;
    int usbDeviceCount() const;
    void selectIndex(int index);

    QList<DeviceInfo> m_entries;
    VisibleDevice* m_current = nullptr;
    SortOrder m_sortOrder = NameOrder;
};
