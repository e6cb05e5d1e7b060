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
    QPixmap modelImage() const override { return QPixmap(); }
    QPixmap modelThumb() const override { return QPixmap(); }
    QString deviceName() const override { return name; }
    QPixmap launcherConnectionIcon() const override { return QPixmap(); }
    QPixmap cardConnectionIcon() const override { return QPixmap(); }
    bool isUsbDevice() const override { return usb; }
    bool firmwareUpdateOnly() const override { return false; }
    QString currentFirmwareString() const override { return QString(); }
    bool firmwareUpdateAvailable() const override { return false; }
    QString availableFirmwareString() const override { return QString(); }
    DeviceFirmwareUpdater* getFirmwareUpdater() override { return nullptr; }
    QWidget* summaryWidget() const override { return summary; }

    // A new name is news that the family passes on.
    void rename(const QString& newName)
    {
        name = newName;
        emit displayInfoChanged(this);
    }

    QString name, family, model;
    QWidget* summary = nullptr;
    bool usb = false;

signals:
    void displayInfoChanged(VisibleDevice* device);
};
