#pragma once

#include "DeviceFirmwareUpdater.h"

#include <QTimer>

class NetDevice;

// Pretends to write new software to a test device: a short while of unknown
// progress, then known steps up to 100, then the outcome the device's TXT
// key "update outcome" asks for ("fail", "none" for no verdict, else success)
// at the pace of "update pace" (milliseconds a step).
class NetFirmwareUpdater : public DeviceFirmwareUpdater
{
    Q_OBJECT

public:
    static constexpr int kStepMs = 60;
    static constexpr int kSlowestStepMs = 2000;

    explicit NetFirmwareUpdater(NetDevice* device);

    bool isFirmwareUpToDate() override;
    void startUpdate() override;

private:
    void onStep();
    int outcome() const;

    NetDevice* m_device;
    QTimer m_steps;
    int m_step = 0;
};
