#pragma once

#include <QString>
#include <QVector>

#include <functional>

class IMarlix;
class VisibleMarlix;

// The simulated driver as the tests drive it: which fleet it starts with, its
// control commands, and adapters over the devices it reports. The program under
// test reaches the simulator only through the driver contract, as in production.
namespace SimulatorSession {

// Must run before anything asks the driver for an object: the simulator reads
// these once. An empty name keeps the built-in default fleet. Settings are kept
// in a temporary directory for the life of the process.
void start(const QString& profileName = QString());

QString profilePath(const QString& name);

// Runs one control command; false (with the simulator's message) if it was refused.
bool control(const QString& command, QString* message = nullptr);

// Replaces the fleet with the named profile and waits until the change has been
// reported and delivered.
bool useProfile(const QString& name);

// Waits until every callback the simulator has posted has run, then delivers the
// queued signals that those callbacks emitted.
void settle();

// One connected adapter per plugged device, in the driver's order; the caller owns
// them. create, if given, makes the adapter for a device (taking its reference).
using AdapterFactory = std::function<VisibleMarlix*(IMarlix* device)>;
QVector<VisibleMarlix*> connectedDevices(const AdapterFactory& create = AdapterFactory());

// The connected adapter of the device with the given display name; others are deleted.
VisibleMarlix* takeDevice(const QString& displayName, const AdapterFactory& create = AdapterFactory());

} // namespace SimulatorSession
