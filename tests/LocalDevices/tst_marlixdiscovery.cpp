#include "CapabilityTables.h"
#include "MarlixDiscovery.h"
#include "MarlixFamily.h"
#include "ProductLine.h"
#include "ProductTable.h"
#include "SimulatorSession.h"
#include "VisibleMarlix.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

// A discovery started over the given profile, and what it announced, by the names the
// devices had when they were found (a lost device is already disconnected and has no
// name any more).
class Announcements : public QObject
{
public:
    explicit Announcements(const QString& profile)
    {
        connect(&discovery, &MarlixDiscovery::found, this, [this](VisibleDevice* device) {
            m_names.insert(device, device->deviceName());
            found.append(device->deviceName());
            offGuiThread |= QThread::currentThread() != qApp->thread();
        });
        connect(&discovery, &MarlixDiscovery::lost, this, [this](VisibleDevice* device) {
            lost.append(m_names.value(device));
            m_lostDevices.append(dynamic_cast<VisibleMarlix*>(device));
            offGuiThread |= QThread::currentThread() != qApp->thread();
        });
        started = SimulatorSession::useProfile(profile) && discovery.initialise() == 0;
        SimulatorSession::settle();
    }
    ~Announcements() override
    {
        discovery.uninitialise();
        qDeleteAll(discovery.devices());
        qDeleteAll(m_lostDevices);
    }

    // The names of the devices the discovery lists now.
    QStringList listed() const
    {
        QStringList result;
        for (VisibleMarlix* device : discovery.devices())
            result.append(m_names.value(device));
        return result;
    }

    // Runs the commands, each delivered before the next; the first refused, with its reason.
    QString control(const QStringList& commands) const
    {
        for (const QString& command : commands) {
            QString message;
            if (!SimulatorSession::control(command, &message))
                return command + QStringLiteral(": ") + message;
            SimulatorSession::settle();
        }
        return QString();
    }

    MarlixDiscovery discovery;
    bool started = false;
    QStringList found;
    QStringList lost;
    bool offGuiThread = false;

private:
    QHash<VisibleDevice*, QString> m_names;
    QList<VisibleMarlix*> m_lostDevices;
};

using Names = QStringList;

void groupingRow(const char* name, const char* profile, const Names& foundAtStart, const Names& commands,
                 const Names& foundAtEnd, const Names& lost, const Names& listed)
{
    QTest::newRow(name) << QString(profile) << foundAtStart << commands << foundAtEnd << lost << listed;
}

} // namespace

// Local discovery and the local family against small simulator profiles, and the
// simulator's default fleet against the product table.
class TestMarlixDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void grouping_data();
    void grouping();
    void everyReplugOrderShowsEachSubDeviceOnce();
    void teardownUnderStorm_data();
    void teardownUnderStorm();
    void familyAnnouncesForwardsAndDeletesLater();
    void buildInformation();
    void defaultFleetMatchesProductTable();
};

void TestMarlixDiscovery::initTestCase()
{
    // The fleet is chosen per test; none is reported before a test asks for it.
    SimulatorSession::start(QStringLiteral("grouping-exclusion.json"));
    initialiseStaticData();
}

void TestMarlixDiscovery::grouping_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("foundAtStart");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("foundAtEnd");
    QTest::addColumn<QStringList>("lost");
    QTest::addColumn<QStringList>("listed");
    const Names quad{"Quad 1", "Quad 2", "Quad 3", "Quad 4"};
    const Names cards{"Right 1", "Right 2", "Left 1", "Left 2"};
    const Names studio{"Studio Quad 2", "Studio Quad 1"};
    const Names core{"Core SDI"};
    const char* const outOfOrder = "grouping-out-of-order.json";
    groupingRow("arrival order 2, 0, 3, 1", outOfOrder, {}, {"plug quad-2"}, quad, {}, quad);
    groupingRow("removal of a shown sub-device", outOfOrder, {}, {"plug quad-2", "unplug quad-3"}, quad, {"Quad 3"},
                {"Quad 1", "Quad 2", "Quad 4"});
    groupingRow("unplug 3, plug 3, plug 2 while held back", outOfOrder, {},
                {"unplug quad-3", "plug quad-3", "plug quad-2"}, quad, {}, quad);
    groupingRow("held-back card completes with its live sub-devices", outOfOrder, {}, {"unplug quad-3", "plug quad-2"},
                {"Quad 1", "Quad 2", "Quad 4"}, {}, {"Quad 1", "Quad 2", "Quad 4"});
    groupingRow("two cards of one model", "grouping-two-cards.json", cards, {}, cards, {}, cards);
    groupingRow("unreadable group value", "grouping-no-group-value.json", studio, {}, studio, {}, studio);
    groupingRow("excluded models are never shown, nor lost", "grouping-exclusion.json", core,
                {"unplug home-hdmi-classic", "unplug studio-sd-2"}, core, {}, core);
}

void TestMarlixDiscovery::grouping()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, foundAtStart);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, foundAtEnd);
    QFETCH(QStringList, lost);
    QFETCH(QStringList, listed);
    Announcements announced(profile);
    QVERIFY(announced.started);
    QCOMPARE(announced.found, foundAtStart);
    QCOMPARE(announced.control(commands), QString());
    QCOMPARE(announced.found, foundAtEnd);
    QCOMPARE(announced.lost, lost);
    QCOMPARE(announced.listed(), listed);
    QVERIFY2(!announced.offGuiThread, "a device was announced on a driver thread");
}

// Each order of plugging a four-channel card back in, after it went in the reverse order.
void TestMarlixDiscovery::everyReplugOrderShowsEachSubDeviceOnce()
{
    Announcements announced(QStringLiteral("grouping-out-of-order.json"));
    QVERIFY(announced.started);
    QCOMPARE(announced.control({QStringLiteral("plug quad-2")}), QString());
    const QStringList quad{"Quad 1", "Quad 2", "Quad 3", "Quad 4"};
    QList<int> order{1, 2, 3, 4};
    do {
        for (int i = order.size() - 1; i >= 0; --i)
            QVERIFY(SimulatorSession::control(QStringLiteral("unplug quad-%1").arg(order.at(i))));
        SimulatorSession::settle();
        QVERIFY(announced.discovery.devices().isEmpty());
        QStringList expected;
        for (int sub : qAsConst(order)) {
            QCOMPARE(announced.control({QStringLiteral("plug quad-%1").arg(sub)}), QString());
            expected.append(QStringLiteral("Quad %1").arg(sub));
            std::sort(expected.begin(), expected.end());
            QCOMPARE(announced.listed(), expected);
        }
        QCOMPARE(announced.listed(), quad);
    } while (std::next_permutation(order.begin(), order.end()));
}

void TestMarlixDiscovery::teardownUnderStorm_data()
{
    QTest::addColumn<QString>("profile");
    QTest::newRow("driver waits for running callbacks")
        << SimulatorSession::profilePath(QStringLiteral("grouping-out-of-order.json"));
    // The profile corpus keeps the same fleet with "unsubscribeWaits": false.
    QTest::newRow("driver returns at once") << QStringLiteral(LUMARIS_PROFILE_CORPUS "/unsubscribe-at-once.json");
}

// Discoveries and their devices go while the driver's threads still report
// arrivals and notify the devices, and while the devices' queued signals wait for
// the GUI thread; the sanitizer build turns any touch of a freed callback, adapter
// or discovery into a failure.
void TestMarlixDiscovery::teardownUnderStorm()
{
    QFETCH(QString, profile);
    QVERIFY(SimulatorSession::control(QStringLiteral("profile ") + profile));
    SimulatorSession::settle();

    int found = 0;
    int notified = 0;
    QObject guiReceiver;
    for (int round = 0; round < 20; ++round) {
        auto discovery = std::make_unique<MarlixDiscovery>();
        connect(discovery.get(), &MarlixDiscovery::found, [&](VisibleDevice* device) {
            ++found;
            connect(static_cast<VisibleMarlix*>(device), &VisibleMarlix::statusChanged, &guiReceiver,
                    [&notified] { ++notified; });
        });
        QCOMPARE(discovery->initialise(), 0);
        QVERIFY(SimulatorSession::control(QStringLiteral("plug quad-2")));
        // Every other round lets the card be shown, and the storm reach it, before the re-plug.
        QDeadlineTimer deadline(5000);
        while (round % 2 == 0 && discovery->devices().size() < 4 && !deadline.hasExpired())
            QCoreApplication::processEvents();
        QVERIFY(SimulatorSession::control(QStringLiteral("storm quad-1 both 300")));
        QVERIFY(SimulatorSession::control(QStringLiteral("storm quad-3 both 300")));
        const int before = notified;
        while (round % 2 == 0 && notified == before && !deadline.hasExpired())
            QCoreApplication::processEvents();
        QVERIFY(SimulatorSession::control(QStringLiteral("unplug quad-2")));
        QVERIFY(SimulatorSession::control(QStringLiteral("plug quad-2")));
        const QList<VisibleMarlix*> devices = discovery->devices();
        discovery.reset();
        qDeleteAll(devices);
        QVERIFY(SimulatorSession::control(QStringLiteral("unplug quad-2")));
        QCoreApplication::processEvents();
    }
    SimulatorSession::settle();
    QVERIFY2(found >= 40, qPrintable(QStringLiteral("only %1 devices were found").arg(found)));
    QVERIFY(notified > 0);
}

void TestMarlixDiscovery::familyAnnouncesForwardsAndDeletesLater()
{
    QVERIFY(SimulatorSession::useProfile(QStringLiteral("grouping-exclusion.json")));
    MarlixFamily family;
    QSignalSpy arrived(&family, &ProductFamilyBase::deviceArrived);
    QSignalSpy infoChanged(&family, &ProductFamilyBase::deviceInfoChanged);
    QCOMPARE(family.init(), 0);
    SimulatorSession::settle();
    QCOMPARE(arrived.count(), 1);
    auto* device = dynamic_cast<VisibleMarlix*>(arrived.first().first().value<VisibleDevice*>());
    QVERIFY(device);
    QCOMPARE(device->deviceName(), QStringLiteral("Core SDI"));

    QVERIFY(device->writeToPreferences());
    QCOMPARE(infoChanged.count(), 1);
    QCOMPARE(infoChanged.first().first().value<VisibleDevice*>(), static_cast<VisibleDevice*>(device));

    QPointer<VisibleMarlix> watched(device);
    bool validWhileRemoved = false;
    connect(&family, &ProductFamilyBase::deviceRemoved, this, [&](VisibleDevice* removed) {
        validWhileRemoved = removed == watched.data() && !watched.isNull();
    });
    QVERIFY(SimulatorSession::control(QStringLiteral("unplug core-sdi")));
    SimulatorSession::settle();
    QVERIFY(validWhileRemoved);
    QVERIFY2(!watched.isNull(), "deleted before the event loop came round");
    QTRY_VERIFY(watched.isNull());
    QVERIFY(family.discovery().devices().isEmpty());
}

void TestMarlixDiscovery::buildInformation()
{
    QVERIFY(SimulatorSession::useProfile(QStringLiteral("build-info.json")));
    MarlixFamily family;
    QCOMPARE(family.init(), 0);
    SimulatorSession::settle();
    QCOMPARE(family.discovery().devices().size(), 3);
    QVERIFY(!VisibleMarlix::getAPIVersion().isEmpty());
    const QString html = family.getBuildInfo();
    // A model with two devices plugged in, and one the device list excludes, which keeps its
    // firmware line; the other names of the list are the adapter suite's business.
    for (const char* line :
         {"<br><span style=\"color: #1d8a5b\">&nbsp;&nbsp;Lumaris Core SDI 3G: 0x2c (0x2c, 0xa)</span><br>",
          "<br>&nbsp;&nbsp;Lumaris Studio SD: 0x34<br>"})
        QVERIFY2(html.contains(QLatin1String(line)), qPrintable(html));
}

// The simulator's built-in fleet uses the same model numbers and names as the product
// table; read through the driver contract, as the program does.
void TestMarlixDiscovery::defaultFleetMatchesProductTable()
{
    QVERIFY(SimulatorSession::control(QStringLiteral("profile default")));
    SimulatorSession::settle();
    const QVector<VisibleMarlix*> fleet = SimulatorSession::connectedDevices();
    const auto release = qScopeGuard([&fleet] { qDeleteAll(fleet); });
    QList<int> fleetIds;
    for (VisibleMarlix* device : fleet) {
        const int64_t id = device->modelId();
        QVERIFY2(id > 0 && id < kOrvantaDeviceCount, qPrintable(device->modelName()));
        QCOMPARE(device->modelName(), QString::fromUtf8(gOrvantaDeviceTable[id].productName));
        if (!fleetIds.contains(int(id)))
            fleetIds.append(int(id));
    }
    QList<int> documented = ProductLine::defaultFleet();
    std::sort(fleetIds.begin(), fleetIds.end());
    std::sort(documented.begin(), documented.end());
    QCOMPARE(fleetIds, documented);
}

QTEST_MAIN(TestMarlixDiscovery)
#include "tst_marlixdiscovery.moc"
