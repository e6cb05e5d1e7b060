#include "LabelledImage.h"
#include "MarlixCodes.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"
#include "VisibleMarlixSummaryWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

using Shown = QPair<QString, QString>; // info label, bold label
using ShownList = QList<Shown>;

enum class Change
{
    None,
    DownConvertSecondLink,
    OutputNTSC,
};

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

void apply(VisibleMarlix* device, Change change)
{
    if (change == Change::DownConvertSecondLink)
        device->setOutputConversionMode(MarlixValue::kConversionHWLetterbox);
    else if (change == Change::OutputNTSC)
        device->setVideoOutputDisplayMode(MarlixValue::kModeNTSC);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestSummaryWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void outputs_data();
    void outputs();
    void followsTheDriver_data();
    void followsTheDriver();
    void outputsShareOneWidth();

private:
    std::unique_ptr<VisibleMarlixSummaryWidget> summaryOf(const QString& name);

    QWidget m_window;
    std::unique_ptr<SimulatedFleet> m_fleet;
};

void TestSummaryWidget::initTestCase()
{
    SimulatedFleet::configure(QStringLiteral(LUMARIS_TEST_PROFILES "/views-devices.json"));
}

void TestSummaryWidget::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(5), "the five plugged devices of the profile did not arrive");
}

void TestSummaryWidget::cleanup()
{
    m_fleet.reset();
    QString error;
    QVERIFY2(SimulatedFleet::resetFleet(&error), qPrintable(error));
}

std::unique_ptr<VisibleMarlixSummaryWidget> TestSummaryWidget::summaryOf(const QString& name)
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

// The columns a device's abilities call for, and one output per connector; a
// change made after the summary exists shows through the refresh on the driver's notice.
void TestSummaryWidget::outputs_data()
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

void TestSummaryWidget::outputs()
{
    QFETCH(QString, device);
    QFETCH(Change, change);
    QFETCH(QStringList, titles);
    QFETCH(ShownList, expected);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    QCOMPARE(columnTitles(*summary), titles);
    apply(m_fleet->device(device), change);
    QTRY_COMPARE(shownOutputs(*summary), expected);
}

void TestSummaryWidget::followsTheDriver_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("bold");

    QTest::newRow("input signal") << "Views Capture" << "signal capture-only Hi59" << false << "SDI" << "1080i59.94";
    QTest::newRow("input signal gone") << "Views Capture" << "signal capture-only none" << false << "SDI" << "-";
    QTest::newRow("reference locked") << "Views Playout" << "reference playout-ref Hi50" << true << "Locked"
                                      << "1080i50";
    QTest::newRow("reference gone") << "Views Playout" << "reference playout-ref none" << true << "-" << "-";
}

void TestSummaryWidget::followsTheDriver()
{
    QFETCH(QString, device);
    QFETCH(QString, command);
    QFETCH(bool, reference);
    QFETCH(QString, info);
    QFETCH(QString, bold);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    // Start from another state, so that the change itself is seen.
    const QString key = command.section(QLatin1Char(' '), 0, 1);
    QVERIFY(SimulatedFleet::control(key + QStringLiteral(" hp50")));
    LabelledImage* shown = reference ? summary->referenceWidget() : summary->inputWidget();
    QTRY_COMPARE(shown->boldLabel(), QString("720p50"));
    QString answer;
    QVERIFY2(SimulatedFleet::control(command, &answer), qPrintable(answer));
    QTRY_COMPARE(shown->boldLabel(), bold);
    QCOMPARE(shown->infoLabel(), info);
}

void TestSummaryWidget::outputsShareOneWidth()
{
    const auto summary = summaryOf("Views Six Outputs");
    QVERIFY(summary);
    QTRY_COMPARE(summary->outputWidgets().size(), 8);
    int widest = 0;
    for (const LabelledImage* output : summary->outputWidgets())
        widest = qMax(widest, output->sizeHint().width());
    for (const LabelledImage* output : summary->outputWidgets())
        QTRY_COMPARE(output->width(), summary->outputWidgets().first()->width());
    QVERIFY(summary->outputWidgets().first()->width() >= widest);
}

QTEST_MAIN(TestSummaryWidget)
#include "tst_summarywidget.moc"
