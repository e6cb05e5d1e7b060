#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class DeviceList;
class MarlixFamily;
class VisibleMarlix;

// The local family on the devices of simulator profiles, feeding a device list
// as the main window does. The simulator lives once per process: point it at
// the profiles before the first driver call, then reset the fleet between tests.
class SimulatedFleet
{
public:
    // Call once, before anything touches the driver library: the profiles'
    // templates and devices become one profile of this run, and the program's
    // own settings go to a folder of this run.
    static bool configure(const QStringList& profiles);
    // Plugs the profiles' fleet in again from scratch; false with the reason on failure.
    static bool resetFleet(QString* error = nullptr);
    // One control command (see marlix-simctl help); false with the answer on failure.
    static bool control(const QString& line, QString* answer = nullptr);

    SimulatedFleet();
    ~SimulatedFleet();

    DeviceList& deviceList() { return *m_deviceList; }
    // Starts discovery and waits until the list holds that many devices.
    bool start(int expectedDevices);
    // By the profile's id ("rich", "duo-1", ...) or by the name shown.
    VisibleMarlix* device(const QString& idOrName) const;

private:
    std::unique_ptr<DeviceList> m_deviceList;
    std::unique_ptr<MarlixFamily> m_family;
};
