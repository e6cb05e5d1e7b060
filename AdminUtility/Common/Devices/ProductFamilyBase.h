#pragma once

#include "ProductFamily.h"
#include "VisibleDevice.h"

#include <QObject>

// Gives a family its signals and the answers of a family that handles
// nothing beyond its own devices; a family overrides only what it handles.
class ProductFamilyBase : public QObject, public ProductFamily
{
    Q_OBJECT

public:
    explicit ProductFamilyBase(QObject* parent);

    void destroy() override;
    bool okToClose() const override;
    bool handlesBonjourArrival(const BonjourInfo& info) override;
    bool handlesBonjourRemoval(const BonjourInfo& info) override;
    bool handlesBonjourUpdate(const BonjourInfo& info) override;
    void showDevice(VisibleDevice* device, AdminUtilityWindow* window) override;
    void showControlApp(VisibleDevice* device, AdminUtilityWindow* window) override;
    void updateDevice(VisibleDevice* device, AdminUtilityWindow* window) override;
    QString getBuildInfo() const override;
    void addMainWindowMenuOptions(IMainWindowMenu* menu) override;

signals:
    void deviceArrived(VisibleDevice* device);
    void deviceRemoved(VisibleDevice* device);
    void deviceInfoChanged(VisibleDevice* device);
    // For a family that wants a device brought forward; the shell leaves it unconnected.
    void displayDevice(VisibleDevice* device);
};
