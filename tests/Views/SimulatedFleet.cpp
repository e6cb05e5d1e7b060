#include "SimulatedFleet.h"

#include "CapabilityTables.h"
#include "DeviceList.h"
#include "MarlixFamily.h"
#include "ProbedApp.h"
#include "VisibleMarlix.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QTemporaryDir& runtimeDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lumaris-views-XXXXXX"));
    return dir;
}

QString profilePath()
{
    return runtimeDir().filePath(QStringLiteral("fleet.json"));
}

// Display names by profile id.
QHash<QString, QString>& names()
{
    static QHash<QString, QString> byId;
    return byId;
}

QString controlPath()
{
    return runtimeDir().path() + QStringLiteral("/sim.sock");
}

} // namespace

bool SimulatedFleet::configure(const QStringList& profiles)
{
    QJsonObject templates;
    QJsonArray devices;
    for (const QString& path : profiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QJsonObject profile = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject own = profile.value(QLatin1String("templates")).toObject();
        for (auto it = own.begin(); it != own.end(); ++it)
            templates.insert(it.key(), it.value());
        for (const QJsonValue& device : profile.value(QLatin1String("devices")).toArray()) {
            devices.append(device);
            const QJsonObject fields = device.toObject();
            names().insert(fields.value(QLatin1String("id")).toString(),
                           fields.value(QLatin1String("displayName")).toString());
        }
    }
    QFile merged(profilePath());
    const QJsonObject fleet{{QStringLiteral("templates"), templates}, {QStringLiteral("devices"), devices}};
    if (!runtimeDir().isValid() || !merged.open(QIODevice::WriteOnly)
        || merged.write(QJsonDocument(fleet).toJson()) <= 0)
        return false;
    qputenv("MARLIX_SIM_PROFILE", QFile::encodeName(profilePath()));
    qputenv("MARLIX_SIM_STATE_DIR", QFile::encodeName(runtimeDir().filePath(QStringLiteral("state"))));
    qputenv("MARLIX_SIM_CONTROL", QFile::encodeName(controlPath()));
    // Linked-slider choices and the like go to a settings file of this run only.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtimeDir().filePath(QStringLiteral("config"))));
    initialiseStaticData();
    return true;
}

bool SimulatedFleet::control(const QString& line, QString* answer)
{
    return ProbedApp::sendSimCommand(controlPath(), line, answer);
}

bool SimulatedFleet::resetFleet(QString* error)
{
    return control(QStringLiteral("profile %1").arg(profilePath()), error);
}

SimulatedFleet::SimulatedFleet()
    : m_deviceList(std::make_unique<DeviceList>())
    , m_family(std::make_unique<MarlixFamily>())
{
    m_deviceList->setSortOrder(DeviceList::ArrivalOrder);
    QObject::connect(m_family.get(), &MarlixFamily::deviceArrived, m_deviceList.get(), &DeviceList::onDeviceAdded);
    QObject::connect(m_family.get(), &MarlixFamily::deviceRemoved, m_deviceList.get(),
                     &DeviceList::onDeviceRemoved);
    QObject::connect(m_family.get(), &MarlixFamily::deviceInfoChanged, m_deviceList.get(),
                     &DeviceList::onDeviceInfoChanged);
}

SimulatedFleet::~SimulatedFleet()
{
    // The family deletes its devices; the list must not outlive them by much.
    m_family.reset();
}

bool SimulatedFleet::start(int expectedDevices)
{
    m_family->init();
    return QTest::qWaitFor([this, expectedDevices] { return m_deviceList->numberOfDevice() == expectedDevices; },
                           10000);
}

VisibleMarlix* SimulatedFleet::device(const QString& idOrName) const
{
    const QString name = names().value(idOrName, idOrName);
    for (VisibleMarlix* candidate : m_family->discovery().devices()) {
        if (candidate->deviceName() == name)
            return candidate;
    }
    return nullptr;
}
