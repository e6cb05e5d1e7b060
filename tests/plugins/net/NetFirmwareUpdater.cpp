#include "NetFirmwareUpdater.h"

#include "NetDevice.h"

namespace
{
// Progress reported at each step: unknown at first, then known.
const int kProgress[] = {-1, -1, 0, 25, 50, 75, 100};
const int kNoVerdict = 2;
}

NetFirmwareUpdater::NetFirmwareUpdater(NetDevice* device)
    : DeviceFirmwareUpdater(device)
    , m_device(device)
{
    m_steps.setInterval(kStepMs);
    connect(&m_steps, &QTimer::timeout, this, &NetFirmwareUpdater::onStep);
}

bool NetFirmwareUpdater::isFirmwareUpToDate()
{
    return !m_device->firmwareUpdateAvailable();
}

// "update pace" slows the steps down, so that each stage can be looked at.
void NetFirmwareUpdater::startUpdate()
{
    const int pace = m_device->info().textRecord(QStringLiteral("update pace")).toInt();
    m_steps.setInterval(pace > 0 ? qMin(pace, kSlowestStepMs) : kStepMs);
    m_step = 0;
    m_steps.start();
}

void NetFirmwareUpdater::onStep()
{
    if (m_step < int(std::size(kProgress))) {
        emit firmwareUpdateProgress(kProgress[m_step++]);
        return;
    }
    m_steps.stop();
    const int code = outcome();
    if (code == Succeeded)
        m_device->markUpdated();
    emit firmwareUpdated(code);
}

int NetFirmwareUpdater::outcome() const
{
    const QString wanted = m_device->info().textRecord(QStringLiteral("update outcome"));
    if (wanted == QLatin1String("fail"))
        return Failed;
    return wanted == QLatin1String("none") ? kNoVerdict : Succeeded;
}
