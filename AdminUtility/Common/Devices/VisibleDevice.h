#pragma once

#include <QPixmap>
#include <QString>

class DeviceFirmwareUpdater;
class QWidget;

// The shell's view of one device. A concrete device derives from QObject
// first and this second, and emits displayInfoChanged(VisibleDevice*) when
// something shown about it changes. The slot order is part of the plug-in
// binary interface: append, never reorder.
class VisibleDevice
{
public:
    virtual QString familyName() const = 0;
    virtual QString modelName() const = 0;
    virtual QString ipAddress() const = 0;
    virtual QPixmap modelImage() const = 0;
    virtual QPixmap modelThumb() const = 0;
    virtual QString deviceName() const = 0;
    virtual QPixmap launcherConnectionIcon() const = 0;
    virtual QPixmap cardConnectionIcon() const = 0;
    virtual bool isUsbDevice() const { return false; }
    virtual bool firmwareUpdateOnly() const = 0;
    virtual QString currentFirmwareString() const = 0;
    virtual bool firmwareUpdateAvailable() const = 0;
    virtual QString availableFirmwareString() const = 0;
    virtual DeviceFirmwareUpdater* getFirmwareUpdater() = 0;
    virtual QWidget* summaryWidget() const { return nullptr; }
    virtual bool shouldShowSetup() const { return true; }
    virtual bool hasControlApp() const { return false; }
    virtual QPixmap controlAppIcon() const { return QPixmap(); }
    virtual QPixmap controlAppIconHover() const { return QPixmap(); }
    // Where a device goes among those listed in arrival order: before the first
    // one it belongs before (a card's sub-devices keep their index order).
    virtual bool listsBefore(const VisibleDevice* other) const
    {
        Q_UNUSED(other)
        return false;
    }
};

Q_DECLARE_METATYPE(VisibleDevice*)
