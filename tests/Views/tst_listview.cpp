#include "CommonGui.h"
#include "DeviceList.h"
#include "FlatImageButton.h"
#include "MarlixAPILoader.h"
#include "MarlixCodes.h"
#include "MarlixVisibleDevicesListViewWidget.h"
#include "MarlixVisibleDevicesListViewWidget_ScrollArea.h"
#include "ProductFamilyBase.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

enum Column
{
    Label = MarlixVisibleDevicesListViewWidget::LabelColumn,
    VideoIn = MarlixVisibleDevicesListViewWidget::VideoInColumn,
    OutputFormat = MarlixVisibleDevicesListViewWidget::OutputFormatColumn,
    Genlock = MarlixVisibleDevicesListViewWidget::GenlockColumn,
    Key = MarlixVisibleDevicesListViewWidget::KeyColumn,
};

const QStringList kFleet{"Views Capture", "Views Playout", "Views Dual Link", "Views Down Converter",
                         "Views Six Outputs"};

// A local device that may be looked at but not set up.
class ViewOnlyMarlix : public VisibleMarlix
{
public:
    using VisibleMarlix::VisibleMarlix;
    bool shouldShowSetup() const override { return false; }
};

// Announces one view-only device, wrapping the first device the driver lists.
class ViewOnlyFamily : public ProductFamilyBase
{
public:
    ViewOnlyFamily()
        : ProductFamilyBase(nullptr)
    {
    }
    ~ViewOnlyFamily() override { delete m_device; }
    QString getName() const override { return QStringLiteral("View only"); }
    qint32 init() override
    {
        IMarlixIterator* iterator = CreateMarlixIteratorInstance();
        IMarlix* device = nullptr;
        if (!iterator || iterator->Next(&device) != 0)
            return -1;
        iterator->Release();
        m_device = new ViewOnlyMarlix(device);
        m_device->onConnected();
        emit deviceArrived(m_device);
        return 0;
    }
    VisibleMarlix* device() const { return m_device; }

private:
    VisibleMarlix* m_device = nullptr;
};

QPoint cellCentre(QTableWidget* table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

} // namespace

class TestListView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsShowTheirDevices_data();
    void rowsShowTheirDevices();
    void changeTouchesOnlyItsRow_data();
    void changeTouchesOnlyItsRow();
    void rowsStayWithTheirDevices();
    void emptyTableIsHidden();
    void clicksAskToShowTheDevice_data();
    void clicksAskToShowTheDevice();
    void viewOnlyDeviceHasNoSetup();
    void longerLabelWidensTheTable();
    void overlayScrollBar_data();
    void overlayScrollBar();

private:
    int rowOf(const QString& name) const;
    QString text(const QString& name, int column) const;
    QStringList labels() const;

    std::unique_ptr<SimulatedFleet> m_fleet;
    std::unique_ptr<MarlixVisibleDevicesListViewWidget> m_view;
};

void TestListView::initTestCase()
{
    SimulatedFleet::configure(QStringLiteral(LUMARIS_TEST_PROFILES "/views-devices.json"));
    CommonGui::registerApplicationFonts();
}

void TestListView::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    // Created before discovery starts, as the window does, so it sees every arrival.
    m_view = std::make_unique<MarlixVisibleDevicesListViewWidget>(m_fleet->deviceList(), nullptr);
    m_view->resize(900, 600);
    m_view->show();
    QVERIFY2(m_fleet->start(kFleet.size()), "the plugged devices of the profile did not arrive");
    QTRY_COMPARE(labels(), kFleet);
}

void TestListView::cleanup()
{
    m_view.reset();
    m_fleet.reset();
    QString error;
    QVERIFY2(SimulatedFleet::resetFleet(&error), qPrintable(error));
}

int TestListView::rowOf(const QString& name) const
{
    VisibleMarlix* device = m_fleet->device(name);
    return device ? m_view->getDeviceRow(device) : -1;
}

QString TestListView::text(const QString& name, int column) const
{
    const QTableWidgetItem* item = m_view->table()->item(rowOf(name), column);
    return item ? item->text() : QString();
}

QStringList TestListView::labels() const
{
    QStringList shown;
    for (int row = 0; row < m_view->table()->rowCount(); ++row) {
        const QTableWidgetItem* item = m_view->table()->item(row, Label);
        shown << (item ? item->text() : QString());
    }
    return shown;
}

void TestListView::rowsShowTheirDevices_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("videoIn");
    QTest::addColumn<QString>("outputFormat");
    QTest::addColumn<QString>("genlock");

    QTest::newRow("capture without signal: connection name only") << "Views Capture" << "SDI" << "-" << "-";
    QTest::newRow("no capture: dash under VIDEO IN") << "Views Playout" << "-" << "1080i59.94" << "-";
    QTest::newRow("no reference input: dash under GENLOCK") << "Views Dual Link" << "SDI" << "1080i59.94" << "-";
    QTest::newRow("reference input not locked") << "Views Six Outputs" << "SDI" << "1080i59.94" << "-";
}

void TestListView::rowsShowTheirDevices()
{
    QFETCH(QString, device);
    QFETCH(QString, videoIn);
    QFETCH(QString, outputFormat);
    QFETCH(QString, genlock);

    QCOMPARE(text(device, Label), device);
    QCOMPARE(text(device, VideoIn), videoIn);
    QCOMPARE(text(device, OutputFormat), outputFormat);
    QCOMPARE(text(device, Genlock), genlock);
    const QWidget* keyCell = m_view->table()->cellWidget(rowOf(device), Key);
    QVERIFY2(keyCell && keyCell->findChild<FlatImageButton*>(), "a device that can be set up has a setup button");
}

void TestListView::changeTouchesOnlyItsRow_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");

    QTest::newRow("input signal") << "Views Capture" << "signal capture-only Hi59" << int(VideoIn) << "SDI: 1080i59.94";
    QTest::newRow("segmented input") << "Views Dual Link" << "signal dual-link Hp25 1" << int(VideoIn)
                                     << "SDI: 1080PsF25";
    QTest::newRow("reference lock") << "Views Six Outputs" << "reference six-outputs Hi50" << int(Genlock)
                                    << "1080i50";
    QTest::newRow("output setting") << "Views Down Converter" << "" << int(OutputFormat) << "720p59.94";
}

void TestListView::changeTouchesOnlyItsRow()
{
    QFETCH(QString, device);
    QFETCH(QString, command);
    QFETCH(int, column);
    QFETCH(QString, shown);

    QSignalSpy touched(m_view->table()->model(), &QAbstractItemModel::dataChanged);
    if (command.isEmpty()) {
        m_fleet->device(device)->setVideoOutputDisplayMode(MarlixValue::kModeHD720p5994);
    } else {
        QString answer;
        QVERIFY2(SimulatedFleet::control(command, &answer), qPrintable(answer));
    }
    QTRY_COMPARE(text(device, column), shown);
    QVERIFY(!touched.isEmpty());
    for (const QList<QVariant>& change : qAsConst(touched)) {
        QCOMPARE(change.at(0).toModelIndex().row(), rowOf(device));
        QCOMPARE(change.at(1).toModelIndex().row(), rowOf(device));
    }
}

void TestListView::rowsStayWithTheirDevices()
{
    VisibleMarlix* lastDevice = m_fleet->device("Views Six Outputs");
    QVERIFY(SimulatedFleet::control("unplug dual-link"));
    QTRY_COMPARE(labels(), (QStringList{"Views Capture", "Views Playout", "Views Down Converter", "Views Six Outputs"}));
    QCOMPARE(m_view->getDeviceRow(lastDevice), 3);
    QCOMPARE(m_view->getRowDevice(3), static_cast<VisibleDevice*>(lastDevice));

    // The moved row still refreshes from its own device.
    QVERIFY(SimulatedFleet::control("signal six-outputs hp50"));
    QTRY_COMPARE(m_view->table()->item(3, VideoIn)->text(), QString("SDI: 720p50"));
    QCOMPARE(m_view->table()->item(2, VideoIn)->text(), QString("SDI"));

    QVERIFY(SimulatedFleet::control("plug spare"));
    QTRY_COMPARE(labels().value(4), QString("Views Spare"));
    QCOMPARE(m_view->getRowDevice(4), static_cast<VisibleDevice*>(m_fleet->device("Views Spare")));
}

void TestListView::emptyTableIsHidden()
{
    const QStringList keys{"capture-only", "playout-ref", "dual-link", "down-converter", "six-outputs"};
    for (const QString& key : keys)
        QVERIFY(SimulatedFleet::control("unplug " + key));
    QTRY_COMPARE(m_view->table()->rowCount(), 0);
    QVERIFY(m_view->table()->isHidden());

    QVERIFY(SimulatedFleet::control("plug spare"));
    QTRY_COMPARE(m_view->table()->rowCount(), 1);
    QVERIFY(!m_view->table()->isHidden());
}

void TestListView::clicksAskToShowTheDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("column");

    QTest::newRow("picture cell") << "Views Playout" << 0;
    QTest::newRow("label cell") << "Views Dual Link" << int(Label);
    QTest::newRow("genlock cell of the last row") << "Views Six Outputs" << int(Genlock);
    QTest::newRow("setup button") << "Views Capture" << int(Key);
}

void TestListView::clicksAskToShowTheDevice()
{
    QFETCH(QString, device);
    QFETCH(int, column);

    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QSignalSpy requests(m_view.get(), &MarlixVisibleDevicesListViewWidget::requestShowDevice);
    QTableWidget* table = m_view->table();
    if (column == Key) {
        auto* button = table->cellWidget(rowOf(device), Key)->findChild<FlatImageButton*>();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    } else {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, rowOf(device), column));
    }
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<VisibleDevice*>(), static_cast<VisibleDevice*>(m_fleet->device(device)));
}

void TestListView::viewOnlyDeviceHasNoSetup()
{
    ViewOnlyFamily family;
    connect(&family, &ViewOnlyFamily::deviceArrived, &m_fleet->deviceList(), &DeviceList::onDeviceAdded);
    QCOMPARE(family.init(), 0);
    const int row = m_view->getDeviceRow(family.device());
    QCOMPARE(row, kFleet.size());
    QVERIFY(!m_view->table()->cellWidget(row, Key));

    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QSignalSpy requests(m_view.get(), &MarlixVisibleDevicesListViewWidget::requestShowDevice);
    QTest::mouseClick(m_view->table()->viewport(), Qt::LeftButton, {}, cellCentre(m_view->table(), row, Label));
    QCOMPARE(requests.count(), 0);
    m_fleet->deviceList().onDeviceRemoved(family.device());
}

void TestListView::longerLabelWidensTheTable()
{
    VisibleMarlix* device = m_fleet->device("Views Capture");
    QTRY_VERIFY(m_view->table()->minimumWidth() > 0);
    const int before = m_view->table()->width();
    const QString label = QStringLiteral("Ingest bay 3, left rack, top position");
    device->setInformationLabel(label);
    QVERIFY(device->writeToPreferences());
    QTRY_COMPARE(m_view->table()->item(0, Label)->text(), label);
    QTRY_VERIFY(m_view->table()->width() > before);
    // The new label fits its column with room to spare, and the scroll area keeps room for its bar.
    const QTableWidgetItem* shown = m_view->table()->item(0, Label);
    QVERIFY(QFontMetrics(shown->font()).horizontalAdvance(label) + 24 <= m_view->table()->columnWidth(Label));
    QVERIFY(m_view->table()->width() + 28 <= m_view->scrollArea()->width());

    // The label is stored by the simulator; leave the fleet as the next test expects it.
    device->setInformationLabel(QString());
    QVERIFY(device->writeToPreferences());
}

void TestListView::overlayScrollBar_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("visible");

    QTest::newRow("rows taller than the view") << 250 << true;
    QTest::newRow("rows fit") << 900 << false;
}

void TestListView::overlayScrollBar()
{
    QFETCH(int, height);
    QFETCH(bool, visible);

    m_view->resize(m_view->width(), height);
    MarlixVisibleDevicesListViewWidget_ScrollArea* area = m_view->scrollArea();
    QScrollBar* overlay = area->overlayScrollBar();
    QTRY_COMPARE(overlay->isVisible(), visible);
    QCOMPARE(overlay->geometry(), QRect(area->width() - 11, 0, 8, area->height()));
    QCOMPARE(overlay->maximum(), area->verticalScrollBar()->maximum());
    QCOMPARE(overlay->pageStep(), area->verticalScrollBar()->pageStep());
    if (!visible)
        return;
    overlay->setValue(overlay->maximum());
    QCOMPARE(area->verticalScrollBar()->value(), overlay->maximum());
    area->verticalScrollBar()->setValue(0);
    QCOMPARE(overlay->value(), 0);
}

QTEST_MAIN(TestListView)
#include "tst_listview.moc"
