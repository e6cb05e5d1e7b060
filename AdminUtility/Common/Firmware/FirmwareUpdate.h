#pragma once

#include <QObject>
#include <QPointer>

class AdminUtilityWindow;
class DeviceFirmwareUpdater;
class FirmwareUpdateDialog;
class VisibleDevice;

// Brings one device's software up to date: asks the user, shows the
// progress of the device's updater and reports the outcome once per run.
// The object can be run again; it reuses its dialog and never deletes the
// updater, which belongs to the device.
class FirmwareUpdate : public QObject
{
    Q_OBJECT

public:
    FirmwareUpdate(AdminUtilityWindow* window, VisibleDevice* device);
    ~FirmwareUpdate() override;

    void updateFirmware();
    FirmwareUpdateDialog* dialog() const;

signals:
    void firmwareUpdated(bool upToDate);

public slots:
    void onAcceptClicked();
    void onCloseOrDeclineClicked();
    void onFirmwareUpdateTermination(int code);

private:
    void createDialog();

    DeviceFirmwareUpdater* m_updater = nullptr;
    QPointer<FirmwareUpdateDialog> m_dialog;
    AdminUtilityWindow* m_window;
    VisibleDevice* m_device;
    bool m_result = true;
};
