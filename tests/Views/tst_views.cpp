#include "CommonGui.h"
#include "DeviceList.h"
#include "FlatImageButton.h"
#include "LabelledImage.h"
#include "MarlixCodes.h"
#include "MarlixVisibleDevicesListViewWidget.h"
#include "MarlixVisibleDevicesListViewWidget_ScrollArea.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"
#include "VisibleMarlixSummaryWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

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

// The part of the gallery summary that shows the same news as the list's cell.
enum class Part
{
    None,
    Input,
    Reference,
};

enum class Change
{
    None,
    DownConvertSecondLink,
    OutputNTSC,
};

using Shown = QPair<QString, QString>; // info label, bold label
using ShownList = QList<Shown>;

const QStringList kFleet{"Views Capture", "Views Playout", "Views Dual Link", "Views Down Converter",
                         "Views Six Outputs"};

QStringList columnTitles(const VisibleMarlixSummaryWidget& summary)
{
    auto* grid = qobject_cast<QGridLayout*>(summary.layout());
    QStringList titles;
    for (int column = 0; column < grid->columnCount(); ++column) {
        QLayoutItem* item = grid->itemAtPosition(0, column);
        if (auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr)
            titles << label->text();
    }
    return titles;
}

ShownList shownOutputs(const VisibleMarlixSummaryWidget& summary)
{
    ShownList shown;
    for (const LabelledImage* output : summary.outputWidgets())
        shown << Shown(output->infoLabel(), output->boldLabel());
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Part)
Q_DECLARE_METATYPE(Change)

// The list view and the gallery summary on the simulator's devices.
class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void followTheDriver_data();
    void followTheDriver();
    void summaryOutputs_data();
    void summaryOutputs();
    void rowsStayWithTheirDevices();
    void longerLabelWidensTheTable();
    void overlayScrollBar_data();
    void overlayScrollBar();

private:
    int rowOf(const QString& name) const;
    QString text(const QString& name, int column) const;
    QStringList labels() const;
    std::unique_ptr<VisibleMarlixSummaryWidget> summaryOf(const QString& name);

    QWidget m_window;
    std::unique_ptr<SimulatedFleet> m_fleet;
    std::unique_ptr<MarlixVisibleDevicesListViewWidget> m_view;
};

void TestViews::initTestCase()
{
    QVERIFY(SimulatedFleet::configure({QStringLiteral(LUMARIS_TEST_PROFILES "/views-devices.json")}));
    CommonGui::registerApplicationFonts();
}

void TestViews::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    // Created before discovery starts, as the window does, so it sees every arrival.
    m_view = std::make_unique<MarlixVisibleDevicesListViewWidget>(m_fleet->deviceList(), nullptr);
    m_view->resize(900, 600);
    m_view->show();
    QVERIFY2(m_fleet->start(kFleet.size()), "the plugged devices of the profile did not arrive");
    QTRY_COMPARE(labels(), kFleet);
}

void TestViews::cleanup()
{
    m_view.reset();
    m_fleet.reset();
    QString error;
    QVERIFY2(SimulatedFleet::resetFleet(&error), qPrintable(error));
}

int TestViews::rowOf(const QString& name) const
{
    VisibleMarlix* device = m_fleet->device(name);
    return device ? m_view->getDeviceRow(device) : -1;
}

QString TestViews::text(const QString& name, int column) const
{
    const QTableWidgetItem* item = m_view->table()->item(rowOf(name), column);
    return item ? item->text() : QString();
}

QStringList TestViews::labels() const
{
    QStringList shown;
    for (int row = 0; row < m_view->table()->rowCount(); ++row) {
        const QTableWidgetItem* item = m_view->table()->item(row, Label);
        shown << (item ? item->text() : QString());
    }
    return shown;
}

std::unique_ptr<VisibleMarlixSummaryWidget> TestViews::summaryOf(const QString& name)
{
    VisibleMarlix* device = m_fleet->device(name);
    if (!device)
        return nullptr;
    // Shown inside a window, as in the gallery; the summary fixes its own size.
    auto summary = std::make_unique<VisibleMarlixSummaryWidget>(*device, &m_window);
    m_window.show();
    summary->show();
    return summary;
}

// The list's cell and the summary's part as the profile plugs the devices in; then
// after a change (a command, or the output mode set on the device for "set"),
// which touches only the device's own row.
void TestViews::followTheDriver_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<Part>("part");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("bold");

    QTest::newRow("capture without signal: connection name only")
        << "Views Capture" << "" << int(VideoIn) << "SDI" << Part::Input << "SDI" << "-";
    QTest::newRow("no capture: dash under VIDEO IN") << "Views Playout" << "" << int(VideoIn) << "-" << Part::None
                                                     << "" << "";
    QTest::newRow("no reference input: dash under GENLOCK")
        << "Views Dual Link" << "" << int(Genlock) << "-" << Part::None << "" << "";
    QTest::newRow("reference input not locked") << "Views Six Outputs" << "" << int(Genlock) << "-"
                                                << Part::Reference << "-" << "-";
    QTest::newRow("input signal") << "Views Capture" << "signal capture-only Hi59" << int(VideoIn)
                                  << "SDI: 1080i59.94" << Part::Input << "SDI" << "1080i59.94";
    QTest::newRow("input signal gone") << "Views Capture" << "signal capture-only none" << int(VideoIn) << "SDI"
                                       << Part::Input << "SDI" << "-";
    QTest::newRow("segmented input") << "Views Dual Link" << "signal dual-link Hp25 1" << int(VideoIn)
                                     << "SDI: 1080PsF25" << Part::Input << "SDI" << "1080PsF25";
    QTest::newRow("reference locked") << "Views Six Outputs" << "reference six-outputs Hi50" << int(Genlock)
                                      << "1080i50" << Part::Reference << "Locked" << "1080i50";
    QTest::newRow("reference gone") << "Views Playout" << "reference playout-ref none" << int(Genlock) << "-"
                                    << Part::Reference << "-" << "-";
    QTest::newRow("output setting") << "Views Down Converter" << "set" << int(OutputFormat) << "720p59.94"
                                    << Part::None << "" << "";
}

void TestViews::followTheDriver()
{
    QFETCH(QString, device);
    QFETCH(QString, command);
    QFETCH(int, column);
    QFETCH(QString, cell);
    QFETCH(Part, part);
    QFETCH(QString, info);
    QFETCH(QString, bold);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    LabelledImage* shown = part == Part::Input ? summary->inputWidget()
        : part == Part::Reference              ? summary->referenceWidget()
                                               : nullptr;
    QCOMPARE(shown != nullptr, part != Part::None);
    QCOMPARE(text(device, Label), device);

    QSignalSpy touched(m_view->table()->model(), &QAbstractItemModel::dataChanged);
    if (command == QLatin1String("set")) {
        m_fleet->device(device)->setVideoOutputDisplayMode(MarlixValue::kModeHD720p5994);
    } else if (!command.isEmpty()) {
        // Start from another state, so that the change itself is seen.
        QVERIFY(SimulatedFleet::control(command.section(QLatin1Char(' '), 0, 1) + QStringLiteral(" hp50")));
        QTRY_COMPARE(shown->boldLabel(), QString("720p50"));
        touched.clear();
        QString answer;
        QVERIFY2(SimulatedFleet::control(command, &answer), qPrintable(answer));
    }
    QTRY_COMPARE(text(device, column), cell);
    if (shown) {
        QTRY_COMPARE(shown->boldLabel(), bold);
        QCOMPARE(shown->infoLabel(), info);
    }
    if (command.isEmpty())
        return;
    QVERIFY(!touched.isEmpty());
    for (const QList<QVariant>& change : qAsConst(touched)) {
        QCOMPARE(change.at(0).toModelIndex().row(), rowOf(device));
        QCOMPARE(change.at(1).toModelIndex().row(), rowOf(device));
    }
}

// The columns a device's abilities call for, and one output per connector; a
// change made after the summary exists shows through the refresh on the driver's notice.
void TestViews::summaryOutputs_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<ShownList>("expected");

    const QStringList duplex{"VIDEO INPUT", "VIDEO OUTPUT"};
    QTest::newRow("capture only") << "Views Capture" << Change::None << QStringList{"VIDEO INPUT"} << ShownList{};
    QTest::newRow("second link carries the same mode: one widget")
        << "Views Dual Link" << Change::None << duplex << ShownList{{"SDI", "1080i59.94"}, {"HDMI", "1080i59.94"}};
    QTest::newRow("second link down-converted: A and B")
        << "Views Dual Link" << Change::DownConvertSecondLink << duplex
        << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"}, {"HDMI", "1080i59.94"}};
    QTest::newRow("dedicated down-converted output differs")
        << "Views Down Converter" << Change::None << duplex << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"}};
    QTest::newRow("dedicated down-converted output equal")
        << "Views Down Converter" << Change::OutputNTSC << duplex << ShownList{{"SDI", "NTSC"}};
    QTest::newRow("digital and analog connectors in table order, reference column")
        << "Views Playout" << Change::None << QStringList{"VIDEO OUTPUT", "REF INPUT"}
        << ShownList{{"SDI", "1080i59.94"}, {"HDMI", "1080i59.94"}, {"Component", "1080i59.94"}};
    QTest::newRow("connectors that cannot carry the mode show a dash")
        << "Views Six Outputs" << Change::None << QStringList{"VIDEO INPUT", "VIDEO OUTPUT", "REF INPUT"}
        << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"},      {"HDMI", "1080i59.94"},
                     {"Optical A", "1080i59.94"}, {"Optical B", "NTSC"}, {"Component", "1080i59.94"},
                     {"Composite", "-"},          {"S Video", "-"}};
}

void TestViews::summaryOutputs()
{
    QFETCH(QString, device);
    QFETCH(Change, change);
    QFETCH(QStringList, titles);
    QFETCH(ShownList, expected);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    QCOMPARE(columnTitles(*summary), titles);
    if (change == Change::DownConvertSecondLink)
        m_fleet->device(device)->setOutputConversionMode(MarlixValue::kConversionHWLetterbox);
    else if (change == Change::OutputNTSC)
        m_fleet->device(device)->setVideoOutputDisplayMode(MarlixValue::kModeNTSC);
    QTRY_COMPARE(shownOutputs(*summary), expected);
    // The outputs share one width, wide enough for the widest of them.
    for (const LabelledImage* output : summary->outputWidgets()) {
        QTRY_COMPARE(output->width(), summary->outputWidgets().first()->width());
        QVERIFY(output->width() >= output->sizeHint().width());
    }
}

void TestViews::rowsStayWithTheirDevices()
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

    // The moved row's setup button asks for its own device (a click on a cell
    // is the real-conditions suite's business).
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QSignalSpy requests(m_view.get(), &MarlixVisibleDevicesListViewWidget::requestShowDevice);
    auto* button = m_view->table()->cellWidget(3, Key)->findChild<FlatImageButton*>();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<VisibleDevice*>(), static_cast<VisibleDevice*>(lastDevice));
}

void TestViews::longerLabelWidensTheTable()
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

void TestViews::overlayScrollBar_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("visible");

    QTest::newRow("rows taller than the view") << 250 << true;
    QTest::newRow("rows fit") << 900 << false;
}

void TestViews::overlayScrollBar()
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

QTEST_MAIN(TestViews)
#include "tst_views.moc"
