#include "CommonGui.h"
#include "DeviceList.h"
#include "FlatImageButton.h"
#include "MarlixCodes.h"
#include "MarlixVisibleDevicesListViewWidget.h"
#include "MarlixVisibleDevicesListViewWidget_ScrollArea.h"
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

    void cells_data();
    void cells();
    void rowsStayWithTheirDevices();
    void clicksAskToShowTheDevice_data();
    void clicksAskToShowTheDevice();
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

// The cells as the profile plugs the devices in; then a change (a command, or the
// output mode set on the device when no command is given) touches only its own row.
void TestListView::cells_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");

    QTest::newRow("capture without signal: connection name only") << "Views Capture" << "" << int(VideoIn) << "SDI";
    QTest::newRow("no capture: dash under VIDEO IN") << "Views Playout" << "" << int(VideoIn) << "-";
    QTest::newRow("no reference input: dash under GENLOCK") << "Views Dual Link" << "" << int(Genlock) << "-";
    QTest::newRow("reference input not locked") << "Views Six Outputs" << "" << int(Genlock) << "-";
    QTest::newRow("input signal") << "Views Capture" << "signal capture-only Hi59" << int(VideoIn) << "SDI: 1080i59.94";
    QTest::newRow("segmented input") << "Views Dual Link" << "signal dual-link Hp25 1" << int(VideoIn)
                                     << "SDI: 1080PsF25";
    QTest::newRow("reference lock") << "Views Six Outputs" << "reference six-outputs Hi50" << int(Genlock)
                                    << "1080i50";
    QTest::newRow("output setting") << "Views Down Converter" << "set" << int(OutputFormat) << "720p59.94";
}

void TestListView::cells()
{
    QFETCH(QString, device);
    QFETCH(QString, command);
    QFETCH(int, column);
    QFETCH(QString, shown);

    QCOMPARE(text(device, Label), device);
    const QWidget* keyCell = m_view->table()->cellWidget(rowOf(device), Key);
    QVERIFY2(keyCell && keyCell->findChild<FlatImageButton*>(), "a device that can be set up has a setup button");
    if (command.isEmpty()) {
        QCOMPARE(text(device, column), shown);
        return;
    }
    QSignalSpy touched(m_view->table()->model(), &QAbstractItemModel::dataChanged);
    QString answer;
    if (command == QLatin1String("set"))
        m_fleet->device(device)->setVideoOutputDisplayMode(MarlixValue::kModeHD720p5994);
    else
        QVERIFY2(SimulatedFleet::control(command, &answer), qPrintable(answer));
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

void TestListView::clicksAskToShowTheDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("column");

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
    QVERIFY(area->rect().contains(overlay->geometry()));
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
