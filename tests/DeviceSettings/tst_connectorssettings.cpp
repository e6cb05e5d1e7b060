#include "ConnectorsSettings.h"
#include "MarlixCodes.h"
#include "InputTabsFleet.h"
#include "MarlixSettingsPage.h"
#include "SettingsComboBox.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>

namespace {

// The tabs of this suite's classes on a page, in page order; others are left out.
QStringList inputTabs(const MarlixSettingsPage& page)
{
    static const QStringList kNames{QStringLiteral("VideoInputSettings"), QStringLiteral("AudioSettings"),
                                    QStringLiteral("ConnectorsSettings"),
                                    QStringLiteral("DeckControlConnectionsSettings"),
                                    QStringLiteral("AboutSettings")};
    QStringList names;
    for (int i = 0; i < page.numTabs(); ++i) {
        const QString name = QString::fromLatin1(page.getTab(i)->metaObject()->className());
        if (kNames.contains(name))
            names << name;
    }
    return names;
}

QStringList itemTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

class TestConnectorsSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_fleet.configure()); }
    void init() { QVERIFY2(m_fleet.start(), "the profile's devices did not arrive"); }
    void cleanup() { QVERIFY(m_fleet.stop()); }

    void pageAddsTheTabsTheDeviceCallsFor_data();
    void pageAddsTheTabsTheDeviceCallsFor();
    void connectorChoiceGoesToTheOwnerOfDuplex_data();
    void connectorChoiceGoesToTheOwnerOfDuplex();
    void refreshesWriteNothing_data();
    void refreshesWriteNothing();
    void refusedChoiceComesBack();
    void partnerPluggedInAnewIsWrittenTo();

private:
    InputTabsFleet m_fleet;
};

void TestConnectorsSettings::pageAddsTheTabsTheDeviceCallsFor_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("both deck ports") << "studio"
                                     << QStringList{"VideoInputSettings", "AudioSettings",
                                                    "DeckControlConnectionsSettings", "AboutSettings"};
    // One input, no analog input, PsF by itself: the Video Input tab is empty; one deck port is no choice.
    QTest::newRow("nothing to choose") << "single" << QStringList{"AudioSettings", "AboutSettings"};
    QTest::newRow("pair, owner") << "duo-1" << QStringList{"ConnectorsSettings", "AboutSettings"};
    QTest::newRow("pair, partner") << "duo-2"
                                   << QStringList{"VideoInputSettings", "AudioSettings", "ConnectorsSettings",
                                                  "AboutSettings"};
}

void TestConnectorsSettings::pageAddsTheTabsTheDeviceCallsFor()
{
    QFETCH(QString, device);
    QFETCH(QStringList, tabs);

    MarlixSettingsPage page(*m_fleet.device(device));
    QCOMPARE(inputTabs(page), tabs);
}

void TestConnectorsSettings::connectorChoiceGoesToTheOwnerOfDuplex_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("choice");
    QTest::addColumn<uint>("written");

    QTest::newRow("owner, full duplex") << "duo-1" << QStringList{"SDI 1 & SDI 2", "SDI 1"} << "SDI 1" << 0 << uint(MarlixValue::kDuplexFull);
    QTest::newRow("owner, half duplex") << "duo-1" << QStringList{"SDI 1 & SDI 2", "SDI 1"} << "SDI 1" << 1 << uint(MarlixValue::kDuplexHalf);
    QTest::newRow("partner gives up") << "duo-2" << QStringList{"SDI 2", "None"} << "SDI 2" << 1 << uint(MarlixValue::kDuplexFull);
}

void TestConnectorsSettings::connectorChoiceGoesToTheOwnerOfDuplex()
{
    QFETCH(QString, device);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    QFETCH(int, choice);
    QFETCH(uint, written);

    VisibleMarlix* owner = m_fleet.device(QStringLiteral("duo-1"));
    ConnectorsSettings tab(*m_fleet.device(device));
    QVERIFY(tab.duplexTarget());
    QCOMPARE(tab.duplexTarget()->getPersistentId(), owner->getPersistentId());
    QCOMPARE(itemTexts(tab.connectorCombo()), items);
    QCOMPARE(tab.connectorCombo()->currentText(), selected);

    tab.connectorCombo()->setCurrentIndex(choice);
    emit tab.connectorCombo()->activated(choice);
    QCOMPARE(owner->getDuplexMode(), written);
}

void TestConnectorsSettings::refreshesWriteNothing_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("studio") << "studio";
    QTest::newRow("field") << "field";
    QTest::newRow("duo-2") << "duo-2";
}

// The device's own notifications are shown, never written back.
void TestConnectorsSettings::refreshesWriteNothing()
{
    QFETCH(QString, device);
    VisibleMarlix* marlix = m_fleet.device(device);
    marlix->setAudioInputConnection(marlix->getAudioInputConnections() & 4 ? 4 : 8);
    MarlixSettingsPage page(*marlix);
    InputTabsFleet::settle();
    QVERIFY(InputTabsFleet::writes(device, true) >= 0);
    QObject context;
    int refreshes = 0;
    connect(marlix, &VisibleMarlix::propertyChanged, &context, [&refreshes] { ++refreshes; });
    QVERIFY(SimulatedFleet::control(QStringLiteral("storm %1 pref 500").arg(device)));
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QTRY_COMPARE_WITH_TIMEOUT(refreshes, 500, 30000);
    QCOMPARE(InputTabsFleet::writes(device), 0);
}

// The owner refuses the partner's choice: the next refresh shows what the owner runs.
void TestConnectorsSettings::refusedChoiceComesBack()
{
    MarlixSettingsPage page(*m_fleet.device(QStringLiteral("duo-2")));
    auto* tab = qobject_cast<ConnectorsSettings*>(page.tabs().value(page.tabs().size() - 2));
    QVERIFY(tab);
    QVERIFY(SimulatedFleet::control(QStringLiteral("fail * Configuration.Set*")));
    tab->connectorCombo()->setCurrentIndex(1);
    emit tab->connectorCombo()->activated(1);
    QVERIFY(SimulatedFleet::control(QStringLiteral("clear *")));
    QVERIFY(SimulatedFleet::control(QStringLiteral("storm duo-2 pref 1")));
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    InputTabsFleet::settle();
    QCOMPARE(tab->connectorCombo()->currentText(), QStringLiteral("SDI 2"));
}

// While the owner is unplugged the choice can be neither read nor made; plugged in
// again, the open tab offers it and the choice reaches the device now plugged in.
void TestConnectorsSettings::partnerPluggedInAnewIsWrittenTo()
{
    ConnectorsSettings tab(*m_fleet.device(QStringLiteral("duo-2")));
    QVERIFY(tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("unplug duo-1")));
    QTRY_VERIFY(!m_fleet.device(QStringLiteral("duo-1")));
    QTRY_VERIFY(!tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("plug duo-1")));
    QTRY_VERIFY(m_fleet.device(QStringLiteral("duo-1")));
    QTRY_VERIFY(tab.connectorCombo()->isEnabled());
    tab.connectorCombo()->setCurrentIndex(1);
    emit tab.connectorCombo()->activated(1);
    QCOMPARE(m_fleet.device(QStringLiteral("duo-1"))->getDuplexMode(), uint(MarlixValue::kDuplexFull));
}

QTEST_MAIN(TestConnectorsSettings)
#include "tst_connectorssettings.moc"
