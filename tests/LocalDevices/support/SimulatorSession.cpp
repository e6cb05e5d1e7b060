#include "SimulatorSession.h"

#include "SimTestSupport.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace SimulatorSession {

void start(const QString& profileName)
{
    static QTemporaryDir stateDirectory;
    qputenv("MARLIX_SIM_STATE_DIR", stateDirectory.path().toUtf8());
    if (profileName.isEmpty())
        qunsetenv("MARLIX_SIM_PROFILE");
    else
        qputenv("MARLIX_SIM_PROFILE", profilePath(profileName).toUtf8());
}

QString profilePath(const QString& name)
{
    return QStringLiteral(LUMARIS_TEST_PROFILES "/") + name;
}

bool control(const QString& command, QString* message)
{
    return simControl(command, message);
}

bool useProfile(const QString& name)
{
    const bool loaded = control(QStringLiteral("profile ") + profilePath(name));
    settle();
    return loaded;
}

void settle()
{
    control(QStringLiteral("wait"));
    QCoreApplication::processEvents();
}

QVector<VisibleMarlix*> connectedDevices(const AdapterFactory& create)
{
    QVector<VisibleMarlix*> devices;
    for (Held<IMarlix>& device : pluggedDevices()) {
        devices.append(create ? create(device.release()) : new VisibleMarlix(device.release()));
        devices.last()->onConnected();
    }
    return devices;
}

VisibleMarlix* takeDevice(const QString& displayName, const AdapterFactory& create)
{
    VisibleMarlix* found = nullptr;
    for (VisibleMarlix* device : connectedDevices(create)) {
        if (!found && device->deviceName() == displayName)
            found = device;
        else
            delete device;
    }
    return found;
}

} // namespace SimulatorSession
