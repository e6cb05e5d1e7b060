#include "AppDefaults.h"
#include "CapabilityTables.h"
#include "MarlixDiscovery.h"
#include "MarlixFamily.h"
#include "SimulatorSession.h"
#include "VisibleMarlix.h"

#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

// What a discovery announced, by the names the devices had when they were found
// (a lost device is already disconnected and has no name any more).
class Announcements : public QObject
{
public:
    explicit Announcements(MarlixDiscovery& discovery)
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
    }
    ~Announcements() override { qDeleteAll(m_lostDevices); }

    QStringList names(const QList<VisibleMarlix*>& devices) const
    {
        QStringList result;
        for (VisibleMarlix* device : devices)
            result.append(m_names.value(device));
        return result;
    }

    QStringList found;
    QStringList lost;
    bool offGuiThread = false;

private:
    QHash<VisibleDevice*, QString> m_names;
    QList<VisibleMarlix*> m_lostDevices;
};

// A list written as one text, separated by commas.
QStringList list(const char* text)
{
    return QString(text).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

void groupingRow(const char* name, const char* profile, const char* foundAtStart, const char* commands,
                 const char* foundAtEnd, const char* lost, const char* listed)
{
    QTest::newRow(name) << QString(profile) << list(foundAtStart) << list(commands) << list(foundAtEnd) << list(lost)
                        << list(listed);
}

} // namespace

// Local discovery and the local family against small simulator profiles.
class TestMarlixDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void grouping_data();
    void grouping();
    void familyAnnouncesForwardsAndDeletesLater();
    void buildInformation_data();
    void buildInformation();
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
    const char* const quad = "Quad 1, Quad 2, Quad 3, Quad 4";
    const char* const cards = "Right 1, Right 2, Left 1, Left 2";
    const char* const studio = "Studio Quad 2, Studio Quad 1";
    groupingRow("arrival order 2, 0, 3, 1", "grouping-out-of-order.json", "", "plug quad-2", quad, "", quad);
    groupingRow("removal while the group is incomplete", "grouping-out-of-order.json", "", "unplug quad-3", "", "", "");
    groupingRow("removal of a shown sub-device", "grouping-out-of-order.json", "", "plug quad-2, unplug quad-3", quad,
                "Quad 3", "Quad 1, Quad 2, Quad 4");
    groupingRow("two cards of one model", "grouping-two-cards.json", cards, "", cards, "", cards);
    groupingRow("unreadable group value", "grouping-no-group-value.json", studio, "", studio, "", studio);
    groupingRow("excluded models are never shown, nor lost", "grouping-exclusion.json", "Core SDI",
                "unplug home-hdmi-classic, unplug studio-sd-2", "Core SDI", "", "Core SDI");
    groupingRow("removal of a shown device", "grouping-exclusion.json", "Core SDI", "unplug core-sdi", "Core SDI",
                "Core SDI", "");
}

void TestMarlixDiscovery::grouping()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, foundAtStart);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, foundAtEnd);
    QFETCH(QStringList, lost);
    QFETCH(QStringList, listed);
    QVERIFY(SimulatorSession::useProfile(profile));

    MarlixDiscovery discovery;
    Announcements announced(discovery);
    QCOMPARE(discovery.initialise(), 0);
    SimulatorSession::settle();
    QCOMPARE(announced.found, foundAtStart);

    for (const QString& command : qAsConst(commands)) {
        QString message;
        QVERIFY2(SimulatorSession::control(command, &message), qPrintable(message));
        SimulatorSession::settle();
    }
    QCOMPARE(announced.found, foundAtEnd);
    QCOMPARE(announced.lost, lost);
    QCOMPARE(announced.names(discovery.devices()), listed);
    QVERIFY2(!announced.offGuiThread, "a device was announced on a driver thread");
    discovery.uninitialise();
    qDeleteAll(discovery.devices());
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

void TestMarlixDiscovery::buildInformation_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("atStart");
    QTest::newRow("heading and software versions")
        << QStringLiteral("<b>Software versions</b><br>&nbsp;&nbsp;Utility: ") + AppDefaults::aboutRelease()
               + QStringLiteral("<br>&nbsp;&nbsp;API: ") + VisibleMarlix::getAPIVersion()
               + QStringLiteral("<br><br><b>Firmware versions</b><br>")
        << true;
    QTest::newRow("model with two devices plugged in")
        << "<br><span style=\"color: #1d8a5b\">&nbsp;&nbsp;Lumaris Core SDI 3G: 0x2c (0x2c, 0xa)</span><br>" << false;
    QTest::newRow("second image of a model that is plugged in")
        << "<br><span style=\"color: #1d8a5b\">&nbsp;&nbsp;Lumaris Core Quad 12G 2: 0x13 (0x55)</span><br>" << false;
    QTest::newRow("model that is not plugged in") << "<br>&nbsp;&nbsp;Lumaris Studio SD: 0x34<br>" << false;
    QTest::newRow("special name of a model not plugged in")
        << "<br>&nbsp;&nbsp;Lumaris Studio 4K Pro 12G: 0x32<br>" << false;
}

void TestMarlixDiscovery::buildInformation()
{
    QFETCH(QString, line);
    QFETCH(bool, atStart);
    QVERIFY(SimulatorSession::useProfile(QStringLiteral("build-info.json")));
    MarlixFamily family;
    QCOMPARE(family.init(), 0);
    SimulatorSession::settle();
    QCOMPARE(family.discovery().devices().size(), 3);
    QVERIFY(!VisibleMarlix::getAPIVersion().isEmpty());
    const QString html = family.getBuildInfo();
    QVERIFY2(atStart ? html.startsWith(line) : html.contains(line), qPrintable(html));
}

QTEST_MAIN(TestMarlixDiscovery)
#include "tst_marlixdiscovery.moc"
