#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class SimulatedFleet;
class VisibleMarlix;

// The fleet of the input tabs' profile: one device for each branch of the
// Video Input, Audio, Connectors and Serial Port tabs.
class InputTabsFleet
{
public:
    InputTabsFleet();
    ~InputTabsFleet();

    // Once per test program, before the driver is touched.
    bool configure();
    // Before and after each test: the profile's fleet with nothing stored.
    bool start();
    bool stop();

    // By the profile's id ("studio", "single", "field", "duo-1", "duo-2").
    VisibleMarlix* device(const QString& id) const;
    // Configuration writes the device took since the last reset; -1 on failure.
    static int writes(const QString& id, bool reset = false);
    // Lets the driver's notifications arrive.
    static void settle();

private:
    QTemporaryDir m_config;
    std::unique_ptr<SimulatedFleet> m_fleet;
};
