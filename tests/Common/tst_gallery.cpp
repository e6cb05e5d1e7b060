#include "FakeDevice.h"
#include "DeviceList.h"
#include "DotsWidget.h"
#include "FakeFamily.h"
#include "FlatImageButton.h"
#include "VisibleDevicesWidget.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace
{
// A device list fed by one fake family, connected as the window connects them.
struct FamilyFedList
{
    explicit FamilyFedList(DeviceList::SortOrder order = DeviceList::NameOrder)
        : family(QStringLiteral("Fake"))
    {
        list.setSortOrder(order);
        QObject::connect(&family, &FakeFamily::deviceArrived, &list, &DeviceList::onDeviceAdded);
        QObject::connect(&family, &FakeFamily::deviceRemoved, &list, &DeviceList::onDeviceRemoved);
        QObject::connect(&family, &FakeFamily::deviceInfoChanged, &list, &DeviceList::onDeviceInfoChanged);
    }
    // Announces "Device 0" .. "Device <count - 1>".
    void announce(int count)
    {
        for (int i = 0; i < count; ++i)
            family.announce(QStringLiteral("Device %1").arg(i));
    }
    void remove(int number) { family.remove(QStringLiteral("Device %1").arg(number)); }

    DeviceList list;
    FakeFamily family;
};

// The names on a device list, in its order.
QStringList deviceNames(const DeviceList& list)
{
    QStringList names;
    for (int i = 0; i < list.numberOfDevice(); ++i)
        names << list.deviceAt(i)->deviceName();
    return names;
}

const QString kLongModel = QStringLiteral("Lumaris Studio Fibre 4K with an Unusually Long Descriptive Model Name");
}

class TestGallery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void order_data();
    void order();
    void listTakesWhatItsFamiliesSay();
    void navigation_data();
    void navigation();
    void dots_data();
    void dots();
    void modelNameRoom();
    void summaryWidgetIsBorrowed();
    void focusCueOnlyFromTheKeyboard();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return m_gallery->findChild<T*>(QLatin1String(name));
    }

    std::unique_ptr<FamilyFedList> m_devices;
    std::unique_ptr<VisibleDevicesWidget> m_gallery;
};

void TestGallery::init()
{
    m_devices = std::make_unique<FamilyFedList>(DeviceList::ArrivalOrder);
    m_gallery = std::make_unique<VisibleDevicesWidget>(m_devices->list, nullptr);
    m_gallery->resize(780, 560);
    m_gallery->show();
}

void TestGallery::cleanup()
{
    m_gallery.reset();
    m_devices.reset();
}

// The buttons named are clicked in order, from the first device, then the keys
// are pressed; then the devices named are removed. The no-device page is the
// real-conditions suite's.
void TestGallery::navigation_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QVector<int>>("keys");
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("opened");

    const QString toRight = QStringLiteral("rightArrow");
    const int right = Qt::Key_Right;
    const int left = Qt::Key_Left;
    QTest::newRow("one device, no arrows") << 1 << QStringList{} << QVector<int>{} << QList<int>{} << "Device 0" << 0;
    QTest::newRow("back to the middle of three") << 3 << QStringList{toRight, toRight, "leftArrow"} << QVector<int>{}
                                                 << QList<int>{} << "Device 1" << 0;
    QTest::newRow("current removed: the first, not a neighbour")
        << 3 << QStringList{toRight, toRight} << QVector<int>{} << QList<int>{2} << "Device 0" << 0;
    QTest::newRow("first and current removed: the new first")
        << 3 << QStringList{} << QVector<int>{} << QList<int>{0} << "Device 1" << 0;
    QTest::newRow("another removed: current kept")
        << 3 << QStringList{toRight, toRight} << QVector<int>{} << QList<int>{0} << "Device 2" << 0;
    QTest::newRow("last device removed: none") << 1 << QStringList{} << QVector<int>{} << QList<int>{0} << "" << 0;
    QTest::newRow("right key stops at the last device") << 3 << QStringList{} << QVector<int>{right, right, right}
                                                        << QList<int>{} << "Device 2" << 0;
    QTest::newRow("left key steps back, stops at the first") << 3 << QStringList{} << QVector<int>{right, left, left}
                                                             << QList<int>{} << "Device 0" << 0;
    QTest::newRow("a click on the picture opens the current device")
        << 2 << QStringList{toRight, "pictureButton"} << QVector<int>{} << QList<int>{} << "Device 1" << 1;
    QTest::newRow("enter opens the current device") << 3 << QStringList{} << QVector<int>{right, Qt::Key_Return}
                                                    << QList<int>{} << "Device 1" << 1;
    QTest::newRow("keypad enter opens it too") << 2 << QStringList{} << QVector<int>{Qt::Key_Enter} << QList<int>{}
                                               << "Device 0" << 1;
    QTest::newRow("enter without a device opens nothing") << 0 << QStringList{} << QVector<int>{Qt::Key_Return}
                                                          << QList<int>{} << "" << 0;
}

void TestGallery::navigation()
{
    QFETCH(int, count);
    QFETCH(QStringList, clicks);
    QFETCH(QVector<int>, keys);
    QFETCH(QList<int>, removed);
    QFETCH(QString, current);
    QFETCH(int, opened);

    m_devices->announce(count);
    QSignalSpy requested(m_gallery.get(), &VisibleDevicesWidget::requestShowDevice);
    QApplication::setActiveWindow(m_gallery.get());
    QVERIFY(QTest::qWaitForWindowActive(m_gallery.get()));
    for (const QString& arrow : qAsConst(clicks))
        QTest::mouseClick(child<FlatImageButton>(qPrintable(arrow)), Qt::LeftButton);
    for (int key : qAsConst(keys))
        QTest::keyClick(m_gallery.get(), Qt::Key(key));
    QSignalSpy selected(&m_devices->list, &DeviceList::deviceListSelected);
    QSignalSpy removals(&m_devices->list, &DeviceList::deviceListRemoved);
    for (int device : qAsConst(removed))
        m_devices->remove(device);
    // A removal moves the selection without announcing it as the user's choice.
    QCOMPARE(selected.count(), 0);
    QCOMPARE(removals.count(), removed.size());
    QCOMPARE(m_devices->list.numberOfDevice(), count - removed.size());

    const int index = deviceNames(m_devices->list).indexOf(current);
    QCOMPARE(m_devices->list.getCurrentDeviceIndex(), index);
    // An arrow for each side that has a device to step to.
    QCOMPARE(!child<FlatImageButton>("leftArrow")->isHidden(), index > 0);
    QCOMPARE(!child<FlatImageButton>("rightArrow")->isHidden(), index >= 0 && index < count - removed.size() - 1);
    QCOMPARE(child<FlatImageButton>("pictureButton")->isEnabled(), index >= 0);
    if (index >= 0)
        QCOMPARE(child<QLabel>("deviceName")->text(), current);
    QCOMPARE(requested.count(), opened);
    if (opened)
        QCOMPARE(requested.first().first().value<VisibleDevice*>(), m_devices->list.getCurrentDevice());
}

// Devices are selected in the order given, then one is removed; the dots then
// start at the device given. A dot is then clicked: the last one shown, or the
// first when the last is already lit.
void TestGallery::dots_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<QList<int>>("selections");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("first");
    const int cap = DotsWidget::kMaxDots;

    QTest::newRow("no device, no dot") << 0 << QList<int>{} << -1 << 0;
    QTest::newRow("a single dot is hidden") << 1 << QList<int>{} << -1 << 0;
    QTest::newRow("removal drops a dot") << 3 << QList<int>{2} << 1 << 0;
    QTest::newRow("removal down to one hides it") << 2 << QList<int>{} << 0 << 0;
    QTest::newRow("a dot per device below the cap") << 10 << QList<int>{9} << -1 << 0;
    QTest::newRow("no more dots than the footer holds") << 1000 << QList<int>{0} << -1 << 0;
    QTest::newRow("the dots follow the current device to the end") << 1000 << QList<int>{999} << -1 << 1000 - cap;
    QTest::newRow("and back towards the start") << 1000 << QList<int>{999, 500} << -1 << 500;
    QTest::newRow("a step within the dots moves none") << 1000 << QList<int>{999, 980} << -1 << 1000 - cap;
}

void TestGallery::dots()
{
    QFETCH(int, devices);
    QFETCH(QList<int>, selections);
    QFETCH(int, removed);
    QFETCH(int, first);
    // A dot per device up to the footer's room, shown only when there is a choice.
    const int dots = qMin(devices - (removed >= 0 ? 1 : 0), int(DotsWidget::kMaxDots));
    const bool shown = dots > 1;

    FamilyFedList fixture(DeviceList::ArrivalOrder);
    DotsWidget widget(fixture.list);
    fixture.announce(devices);
    for (int index : qAsConst(selections))
        fixture.list.setCurrentDevice(index);
    if (removed >= 0)
        fixture.remove(removed);
    QCOMPARE(widget.dotCount(), dots);
    QCOMPARE(widget.firstDevice(), first);
    // The lit dot is the current device's.
    const int lit = fixture.list.getCurrentDeviceIndex() - first;
    QCOMPARE(widget.markedDot(), lit);
    const QImage on = FlatImageButton(QStringLiteral(":/Dot_On")).image().toImage();
    const QImage off = FlatImageButton(QStringLiteral(":/Dot_Off")).image().toImage();
    QVERIFY2(on != off, "the dot pictures must differ for this test to mean anything");
    for (int i = 0; i < widget.dotCount(); ++i) {
        QCOMPARE(widget.dot(i)->isHidden(), !shown);
        QVERIFY2(widget.dot(i)->image().toImage() == (i == lit ? on : off), qPrintable(QString::number(i)));
    }
    if (!shown)
        return;

    const int clicked = lit == dots - 1 ? 0 : dots - 1;
    QSignalSpy selected(&fixture.list, &DeviceList::deviceListSelected);
    QTest::mouseClick(widget.dot(clicked), Qt::LeftButton);
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), first + clicked);
    QCOMPARE(widget.markedDot(), clicked);
    QCOMPARE(selected.count(), 1);
}

// Model names come from the driver: a long one is elided within its room, and a
// shorter one that follows is shown whole. No device of the program has a
// connection icon beside it.
void TestGallery::modelNameRoom()
{
    FakeDevice* device = m_devices->family.announce(QStringLiteral("Device"));
    for (const QString& model : {kLongModel, QStringLiteral("Lumaris Core SDI")}) {
        device->model = model;
        m_devices->list.updateDeviceInfo(device);
        auto* label = child<QLabel>("modelName");
        QCOMPARE(label->text() != model, model == kLongModel);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    }
    QVERIFY(child<QLabel>("connectionIcon")->isHidden());
}

void TestGallery::summaryWidgetIsBorrowed()
{
    FakeDevice* first = m_devices->family.announce(QStringLiteral("First"));
    FakeDevice* second = m_devices->family.announce(QStringLiteral("Second"));
    auto summary = std::make_unique<QLabel>(QStringLiteral("summary"));
    first->summary = summary.get();
    m_devices->list.updateDeviceInfo(first);

    QCOMPARE(summary->parentWidget(), static_cast<QWidget*>(m_gallery.get()));
    QVERIFY(summary->isVisible());

    // Another device, without a summary: the first one's is handed back.
    m_devices->list.setCurrentDevice(m_devices->list.indexOfDevice(second));
    QVERIFY(!summary->parentWidget());
    QVERIFY(summary->isHidden());

    m_devices->list.setCurrentDevice(m_devices->list.indexOfDevice(first));
    QCOMPARE(summary->parentWidget(), static_cast<QWidget*>(m_gallery.get()));
    // Destroying the gallery must leave the device's widget alone.
    QPointer<QWidget> guard(summary.get());
    m_gallery.reset();
    QVERIFY(guard);
}

// Tab shows where the focus is; a click leaves the look as it was. Every image
// button the keyboard reaches has a name a screen reader can say.
void TestGallery::focusCueOnlyFromTheKeyboard()
{
    // From the second of four devices both arrows stay after a step to the right.
    m_devices->announce(4);
    m_devices->list.setCurrentDevice(1);
    QApplication::setActiveWindow(m_gallery.get());
    QVERIFY(QTest::qWaitForWindowActive(m_gallery.get()));

    QTest::keyClick(m_gallery.get(), Qt::Key_Tab);
    auto* focused = qobject_cast<FlatImageButton*>(QApplication::focusWidget());
    QVERIFY2(focused, "Tab should reach an image button");
    QVERIFY(focused->focusCueShown());

    auto* right = child<FlatImageButton>("rightArrow");
    QTest::mouseClick(right, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), right);
    QVERIFY(!right->focusCueShown());
    QVERIFY(!focused->focusCueShown());

    for (FlatImageButton* button : m_gallery->findChildren<FlatImageButton*>()) {
        if (button->focusPolicy() & Qt::TabFocus)
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    }
    QVERIFY(!m_gallery->accessibleName().isEmpty());
}

// The device list the gallery shows, on a list of its own. The program's window
// keeps arrival order; name order, USB devices first, is the list's own default.
void TestGallery::order_data()
{
    QTest::addColumn<DeviceList::SortOrder>("order");
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QStringList>("usb");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("arrival order appends") << DeviceList::ArrivalOrder << QStringList{"C", "A", "B"}
                                           << QStringList{"A"} << QStringList{"C", "A", "B"};
    QTest::newRow("usb first, each group by name") << DeviceList::NameOrder << QStringList{"P", "Y", "B", "X"}
                                                   << QStringList{"X", "Y"} << QStringList{"X", "Y", "B", "P"};
    QTest::newRow("case-sensitive code units") << DeviceList::NameOrder << QStringList{"b", "C", "a", "B"}
                                               << QStringList{} << QStringList{"B", "C", "a", "b"};
    QTest::newRow("prefix sorts first") << DeviceList::NameOrder << QStringList{"Card 10", "Card 1", "Card"}
                                        << QStringList{} << QStringList{"Card", "Card 1", "Card 10"};
}

void TestGallery::order()
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

// Only a family may put devices on screen: a stray emitter or a direct call has
// no family to record (which family announced a device is held by the window's
// routing). The first device becomes current without a selection being
// announced; a newcomer sorted before it does not take the selection. Changes
// of a device's texts, and removals even of a device never listed, are passed on.
void TestGallery::listTakesWhatItsFamiliesSay()
{
    FamilyFedList fixture;
    QSignalSpy selected(&fixture.list, &DeviceList::deviceListSelected);
    QSignalSpy added(&fixture.list, &DeviceList::deviceListAdded);
    QSignalSpy changed(&fixture.list, &DeviceList::deviceListChanged);
    QSignalSpy removed(&fixture.list, &DeviceList::deviceListRemoved);
    // The device itself is a QObject with a matching signal, but no family.
    FakeDevice stray(QStringLiteral("Stray"));
    QObject::connect(&stray, &FakeDevice::displayInfoChanged, &fixture.list, &DeviceList::onDeviceAdded);
    emit stray.displayInfoChanged(&stray);
    fixture.list.onDeviceAdded(&stray);
    QCOMPARE(fixture.list.numberOfDevice(), 0);
    QVERIFY(!fixture.list.getFamilyOfDevice(&stray));
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), -1);

    FakeDevice* b = fixture.family.announce(QStringLiteral("B"));
    QCOMPARE(fixture.list.getCurrentDevice(), static_cast<VisibleDevice*>(b));
    FakeDevice* a = fixture.family.announce(QStringLiteral("A"));
    QCOMPARE(fixture.list.getCurrentDevice(), static_cast<VisibleDevice*>(b));
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), 1);
    QCOMPARE(added.count(), 2);
    QCOMPARE(added.first().first().value<VisibleDevice*>(), static_cast<VisibleDevice*>(b));
    QCOMPARE(selected.count(), 0);

    a->rename(QStringLiteral("Z"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<VisibleDevice*>(), static_cast<VisibleDevice*>(a));
    QCOMPARE(deviceNames(fixture.list), (QStringList{"Z", "B"}));
    fixture.list.onDeviceRemoved(&stray);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(fixture.list.numberOfDevice(), 2);
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
