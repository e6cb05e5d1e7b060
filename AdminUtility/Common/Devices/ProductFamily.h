#pragma once

#include <QString>

class AdminUtilityWindow;
class BonjourInfo;
class IMainWindowMenu;
class VisibleDevice;

// One source of devices. The shell reaches the family's signals through the
// QObject side of the same object, so every family is also a QObject
// (ProductFamilyBase provides both). The slot order is part of the plug-in
// binary interface: append, never reorder.
class ProductFamily
{
public:
    virtual QString getName() const = 0;
    virtual void destroy() = 0;
    virtual qint32 init() = 0;
    virtual bool okToClose() const = 0;
    virtual bool handlesBonjourArrival(const BonjourInfo& info) = 0;
    virtual bool handlesBonjourRemoval(const BonjourInfo& info) = 0;
    virtual bool handlesBonjourUpdate(const BonjourInfo& info) = 0;
    virtual void showDevice(VisibleDevice* device, AdminUtilityWindow* window) = 0;
    virtual void showControlApp(VisibleDevice* device, AdminUtilityWindow* window) = 0;
    virtual void updateDevice(VisibleDevice* device, AdminUtilityWindow* window) = 0;
    virtual QString getBuildInfo() const = 0;
    virtual void addMainWindowMenuOptions(IMainWindowMenu* menu) = 0;
};
