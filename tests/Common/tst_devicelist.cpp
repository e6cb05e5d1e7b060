#include "FakeDevice.h"
#include "FamilyFedList.h"

#include <QSignalSpy>
#include <QtTest>

class TestDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void firstDeviceBecomesCurrentSilently();
    void removal_data();
    void removal();
    void onlyAFamilyAnnounces();
    void infoChangesAndStrayRemovalsAreForwarded();
};

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
