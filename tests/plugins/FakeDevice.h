#pragma once

#include "VisibleDevice.h"

#include <QObject>

// A device that exists only in tests: every answer is a field the test sets.
class FakeDevice : public QObject, public VisibleDevice
{
    Q_OBJECT

public:
    explicit FakeDevice(const QString& deviceName, QObject* parent = nullptr)
        : QObject(parent), name(deviceName), model(deviceName)
    {
    }

    QString familyName() const override { return family; }
    QString modelName() const override { return model; }
    QString ipAddress() const override { return QString(); }
    QPixmap modelImage() const override { return image; }
    QPixmap modelThumb() const override { return image; }
    QString deviceName() const override { return name; }
    QPixmap launcherConnectionIcon() const override { return connectionIcon; }
    QPixmap cardConnectionIcon() const override { return connectionIcon; }
    bool isUsbDevice() const override { return usb; }
    bool firmwareUpdateOnly() const override { return updateOnly; }
    QString currentFirmwareString() const override { return currentFirmware; }
    bool firmwareUpdateAvailable() const override { return !availableFirmware.isEmpty(); }
    QString availableFirmwareString() const override { return availableFirmware; }
    DeviceFirmwareUpdater* getFirmwareUpdater() override { return nullptr; }
    QWidget* summaryWidget() const override { return summary; }
    bool shouldShowSetup() const override { return showSetup; }
    bool hasControlApp() const override { return !appIcon.isNull(); }
    QPixmap controlAppIcon() const override { return appIcon; }
    QPixmap controlAppIconHover() const override { return appIcon; }

    // A new name is news that the family passes on.
    void rename(const QString& newName)
    {
        name = newName;
        emit displayInfoChanged(this);
    }

    QString name, family, model, currentFirmware, availableFirmware;
    QPixmap image, connectionIcon, appIcon;
    QWidget* summary = nullptr;
    bool usb = false, showSetup = true, updateOnly = false;

signals:
    void displayInfoChanged(VisibleDevice* device);
};
