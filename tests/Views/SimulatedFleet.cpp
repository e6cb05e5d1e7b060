#include "SimulatedFleet.h"

#include "CapabilityTables.h"
#include "DeviceList.h"
#include "MarlixFamily.h"
#include "ProbedApp.h"
#include "VisibleMarlix.h"

#include <QDir>
#include <QTest>

namespace {

QString& profilePath()
{
    static QString path;
    return path;
}

QTemporaryDir& runtimeDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lumaris-views-XXXXXX"));
    return dir;
}

QString controlPath()
{
    return runtimeDir().path() + QStringLiteral("/sim.sock");
}

} // namespace

void SimulatedFleet::configure(const QString& profile)
{
    profilePath() = profile;
    qputenv("MARLIX_SIM_PROFILE", QFile::encodeName(profile));
    qputenv("MARLIX_SIM_STATE_DIR", QFile::encodeName(runtimeDir().path() + QStringLiteral("/state")));
    qputenv("MARLIX_SIM_CONTROL", QFile::encodeName(controlPath()));
    initialiseStaticData();
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

VisibleMarlix* SimulatedFleet::device(const QString& displayName) const
{
    for (VisibleMarlix* candidate : devices()) {
        if (candidate->deviceName() == displayName)
            return candidate;
    }
    return nullptr;
}

QList<VisibleMarlix*> SimulatedFleet::devices() const
{
    return m_family->discovery().devices();
}
