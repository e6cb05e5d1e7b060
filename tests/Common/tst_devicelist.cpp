#include "FakeDevice.h"
#include "FamilyFedList.h"

#include <QSignalSpy>
#include <QtTest>

class TestDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void insertionOrder_data();
    void insertionOrder();
    void equalNamesKeepArrivalOrder();
    void firstDeviceBecomesCurrentSilently();
    void removal_data();
    void removal();
    void onlyAFamilyAnnounces();
    void infoChangesAndStrayRemovalsAreForwarded();
};

void TestDeviceList::insertionOrder_data()
{
    QTest::addColumn<DeviceList::SortOrder>("order");
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QStringList>("usb");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("arrival order appends") << DeviceList::ArrivalOrder << QStringList{"C", "A", "B"}
                                           << QStringList{"A"} << QStringList{"C", "A", "B"};
    QTest::newRow("name order sorts") << DeviceList::NameOrder << QStringList{"C", "A", "B"} << QStringList{}
                                      << QStringList{"A", "B", "C"};
    QTest::newRow("usb Z before pcie A") << DeviceList::NameOrder << QStringList{"A", "Z"} << QStringList{"Z"}
                                         << QStringList{"Z", "A"};
    QTest::newRow("usb devices sorted among themselves") << DeviceList::NameOrder << QStringList{"P", "Y", "B", "X"}
                                                         << QStringList{"X", "Y"} << QStringList{"X", "Y", "B", "P"};
    QTest::newRow("usb newcomer after all usb devices") << DeviceList::NameOrder << QStringList{"A", "B", "C"}
                                                        << QStringList{"A", "C"} << QStringList{"A", "C", "B"};
    QTest::newRow("case-sensitive code units") << DeviceList::NameOrder << QStringList{"b", "C", "a", "B"}
                                               << QStringList{} << QStringList{"B", "C", "a", "b"};
    QTest::newRow("prefix sorts first") << DeviceList::NameOrder << QStringList{"Card 10", "Card 1", "Card"}
                                        << QStringList{} << QStringList{"Card", "Card 1", "Card 10"};
}

void TestDeviceList::insertionOrder()
{
    QFETCH(DeviceList::SortOrder, order);
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, usb);
    QFETCH(QStringList, expected);

    FamilyFedList fixture(order);
    for (const QString& name : arrivals)
        fixture.family.announce(name, usb.contains(name));
    QCOMPARE(deviceNames(fixture.list), expected);
}

void TestDeviceList::equalNamesKeepArrivalOrder()
{
    FamilyFedList fixture;
    FakeDevice* first = fixture.family.announce(QStringLiteral("Same"));
    fixture.family.announce(QStringLiteral("Other"));
    FakeDevice* second = fixture.family.announce(QStringLiteral("Same"));
    QCOMPARE(fixture.list.indexOfDevice(first), 1);
    QCOMPARE(fixture.list.indexOfDevice(second), 2);
}

void TestDeviceList::firstDeviceBecomesCurrentSilently()
{
    FamilyFedList fixture;
    QSignalSpy selected(&fixture.list, &DeviceList::deviceListSelected);
    QSignalSpy added(&fixture.list, &DeviceList::deviceListAdded);
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), -1);

    FakeDevice* device = fixture.family.announce(QStringLiteral("B"));
    QCOMPARE(fixture.list.getCurrentDevice(), static_cast<VisibleDevice*>(device));
    QCOMPARE(selected.count(), 0);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().value<VisibleDevice*>(), static_cast<VisibleDevice*>(device));

    // A newcomer sorted before the current device does not take the selection.
    fixture.family.announce(QStringLiteral("A"));
    QCOMPARE(fixture.list.getCurrentDevice(), static_cast<VisibleDevice*>(device));
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), 1);
}

// From "Device <start>" selected among "Device 0" .. "Device <count - 1>", one
// device is removed. Steps forward and back are the gallery's arrow and key rows.
void TestDeviceList::removal_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("removed current moves to first, not neighbour") << 4 << 2 << 2 << "Device 0";
    QTest::newRow("removed first current moves to new first") << 3 << 0 << 0 << "Device 1";
    QTest::newRow("removed other device keeps current") << 3 << 2 << 0 << "Device 2";
    QTest::newRow("removed last device leaves none") << 1 << 0 << 0 << "";
}

void TestDeviceList::removal()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, removed);
    QFETCH(QString, expected);

    FamilyFedList fixture;
    fixture.announce(count);
    fixture.list.setCurrentDevice(start);
    QSignalSpy selected(&fixture.list, &DeviceList::deviceListSelected);
    QSignalSpy removals(&fixture.list, &DeviceList::deviceListRemoved);
    fixture.remove(removed);

    VisibleDevice* current = fixture.list.getCurrentDevice();
    QCOMPARE(current ? current->deviceName() : QString(), expected);
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), deviceNames(fixture.list).indexOf(expected));
    QCOMPARE(fixture.list.numberOfDevice(), count - 1);
    QCOMPARE(removals.count(), 1);
    // A removal moves the selection without announcing it as the user's choice.
    QCOMPARE(selected.count(), 0);
}

// Only a family may put devices on screen: a stray emitter or a direct call has
// no family to record. Which family announced a device is held by the window's
// routing rows.
void TestDeviceList::onlyAFamilyAnnounces()
{
    FamilyFedList fixture;
    QSignalSpy added(&fixture.list, &DeviceList::deviceListAdded);
    // The device itself is a QObject with a matching signal, but no family.
    FakeDevice stray(QStringLiteral("Stray"));
    QObject::connect(&stray, &FakeDevice::displayInfoChanged, &fixture.list, &DeviceList::onDeviceAdded);
    emit stray.displayInfoChanged(&stray);
    fixture.list.onDeviceAdded(&stray);
    QCOMPARE(fixture.list.numberOfDevice(), 0);
    QCOMPARE(added.count(), 0);
    QVERIFY(!fixture.list.getFamilyOfDevice(&stray));
}

void TestDeviceList::infoChangesAndStrayRemovalsAreForwarded()
{
    FamilyFedList fixture;
    FakeDevice* a = fixture.family.announce(QStringLiteral("A"));
    fixture.family.announce(QStringLiteral("B"));
    QSignalSpy changed(&fixture.list, &DeviceList::deviceListChanged);

    a->rename(QStringLiteral("Z"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<VisibleDevice*>(), static_cast<VisibleDevice*>(a));
    QCOMPARE(deviceNames(fixture.list), (QStringList{"Z", "B"}));

    FakeDevice unlisted(QStringLiteral("Unlisted"));
    QSignalSpy removed(&fixture.list, &DeviceList::deviceListRemoved);
    fixture.list.onDeviceRemoved(&unlisted);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(fixture.list.numberOfDevice(), 2);
}

QTEST_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
