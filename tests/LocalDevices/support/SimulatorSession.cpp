#include "SimulatorSession.h"

#include "MarlixAPI.h"
#include "MarlixAPILoader.h"
#include "MarlixSimulatorControl.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <dlfcn.h>

#include <cstdlib>

namespace SimulatorSession {

namespace {

MarlixSimulatorControlFunction controlEntry()
{
    InitMarlixAPI();
    return reinterpret_cast<MarlixSimulatorControlFunction>(dlsym(RTLD_DEFAULT, MARLIX_SIMULATOR_CONTROL_ENTRY));
}

} // namespace

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
    const MarlixSimulatorControlFunction entry = controlEntry();
    if (!entry) {
        if (message)
            *message = QStringLiteral("the driver library has no control entry point");
        return false;
    }
    char* output = nullptr;
    const int result = entry(command.toUtf8().constData(), &output);
    if (message)
        *message = QString::fromUtf8(output ? output : "");
    free(output);
    return result == 0;
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
    IMarlixIterator* iterator = CreateMarlixIteratorInstance();
    if (!iterator)
        return devices;
    IMarlix* device = nullptr;
    while (iterator->Next(&device) == kMarlixOk && device) {
        devices.append(create ? create(device) : new VisibleMarlix(device));
        devices.last()->onConnected();
        device = nullptr;
    }
    iterator->Release();
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
