#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class DeviceList;
class MarlixFamily;
class VisibleMarlix;

// The local family on a simulator profile, feeding a device list as the main
// window does. The simulator lives once per process: point it at the profile
// before the first driver call, then reset the fleet between tests.
class SimulatedFleet
{
public:
    // Call once, before anything touches the driver library.
    static void configure(const QString& profile);
    // Plugs the profile's fleet in again from scratch; false with the reason on failure.
    static bool resetFleet(QString* error);
    // One control command (see marlix-simctl help); false with the answer on failure.
    static bool control(const QString& line, QString* answer = nullptr);

    SimulatedFleet();
    ~SimulatedFleet();

    DeviceList& deviceList() { return *m_deviceList; }
    // Starts discovery and waits until the list holds that many devices.
    bool start(int expectedDevices);
    VisibleMarlix* device(const QString& displayName) const;
    QList<VisibleMarlix*> devices() const;

private:
    std::unique_ptr<DeviceList> m_deviceList;
    std::unique_ptr<MarlixFamily> m_family;
};
