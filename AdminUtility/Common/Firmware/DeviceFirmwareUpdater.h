#pragma once

#include <QObject>

// What a device offers to bring its software up to date. The device owns it;
// the update flow only calls it and listens. An updater that works on
// another thread emits its signals so that they arrive on the GUI thread.
class DeviceFirmwareUpdater : public QObject
{
    Q_OBJECT

public:
    // Termination codes of firmwareUpdated(); any other code ends without a verdict.
    enum Termination
    {
        Succeeded = 0,
        Failed = 1
    };

    explicit DeviceFirmwareUpdater(QObject* parent = nullptr);

    virtual bool isFirmwareUpToDate() = 0;
    // Returns at once; the outcome comes through the signals.
    virtual void startUpdate() = 0;

signals:
    void isFirmwareCurrent(bool current);
    void firmwareUpdated(int termination);
    // Percent done, or a negative value while that is not known.
    void firmwareUpdateProgress(int percent);
};
