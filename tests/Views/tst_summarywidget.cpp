#include "HorizontalScrollArea.h"
#include "LabelledImage.h"
#include "MarlixCodes.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"
#include "VisibleMarlixSummaryWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
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

int separatorCount(const VisibleMarlixSummaryWidget& summary)
{
    int count = 0;
    for (const QFrame* frame : summary.findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly))
        count += frame->width() == 1 && frame->height() == 105;
    return count;
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

    void columns_data();
    void columns();
    void outputs_data();
    void outputs();
    void inputFollowsSignal_data();
    void inputFollowsSignal();
    void referenceFollowsLock();
    void outputsShareOneWidth();
    void outputRowKeepsToRemainingWidth_data();
    void outputRowKeepsToRemainingWidth();

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

void TestSummaryWidget::columns_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("capture only") << "Views Capture" << QStringList{"VIDEO INPUT"};
    QTest::newRow("playback with reference") << "Views Playout" << QStringList{"VIDEO OUTPUT", "REF INPUT"};
    QTest::newRow("duplex without reference") << "Views Dual Link" << QStringList{"VIDEO INPUT", "VIDEO OUTPUT"};
    QTest::newRow("duplex with reference")
        << "Views Six Outputs" << QStringList{"VIDEO INPUT", "VIDEO OUTPUT", "REF INPUT"};
}

void TestSummaryWidget::columns()
{
    QFETCH(QString, device);
    QFETCH(QStringList, titles);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    QCOMPARE(columnTitles(*summary), titles);
    QCOMPARE(separatorCount(*summary), titles.size() - 1);
    QCOMPARE(summary->inputWidget() != nullptr, titles.contains("VIDEO INPUT"));
    QCOMPARE(summary->outputScrollArea() != nullptr, titles.contains("VIDEO OUTPUT"));
    QCOMPARE(summary->referenceWidget() != nullptr, titles.contains("REF INPUT"));
}

void TestSummaryWidget::outputs_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<Change>("change");
    QTest::addColumn<ShownList>("expected");

    QTest::newRow("second link carries the same mode: one widget")
        << "Views Dual Link" << Change::None
        << ShownList{{"SDI", "1080i59.94"}, {"HDMI", "1080i59.94"}};
    QTest::newRow("second link down-converted: A and B")
        << "Views Dual Link" << Change::DownConvertSecondLink
        << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"}, {"HDMI", "1080i59.94"}};
    QTest::newRow("dedicated down-converted output differs")
        << "Views Down Converter" << Change::None << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"}};
    QTest::newRow("dedicated down-converted output equal")
        << "Views Down Converter" << Change::OutputNTSC << ShownList{{"SDI", "NTSC"}};
    QTest::newRow("digital and analog connectors in table order")
        << "Views Playout" << Change::None
        << ShownList{{"SDI", "1080i59.94"}, {"HDMI", "1080i59.94"}, {"Component", "1080i59.94"}};
    QTest::newRow("connectors that cannot carry the mode show a dash")
        << "Views Six Outputs" << Change::None
        << ShownList{{"SDI A", "1080i59.94"}, {"SDI B", "NTSC"},      {"HDMI", "1080i59.94"},
                     {"Optical A", "1080i59.94"}, {"Optical B", "NTSC"}, {"Component", "1080i59.94"},
                     {"Composite", "-"},          {"S Video", "-"}};
}

void TestSummaryWidget::outputs()
{
    QFETCH(QString, device);
    QFETCH(Change, change);
    QFETCH(ShownList, expected);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    // Changed after the summary exists, so the refresh on the driver's notice is what shows it.
    apply(m_fleet->device(device), change);
    QTRY_COMPARE(shownOutputs(*summary), expected);
}

void TestSummaryWidget::inputFollowsSignal_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no signal") << "none" << "-";
    QTest::newRow("interlaced HD") << "Hi59" << "1080i59.94";
    QTest::newRow("segmented frames") << "Hp25 1" << "1080PsF25";
    QTest::newRow("SD short name") << "ntsc" << "NTSC";
}

void TestSummaryWidget::inputFollowsSignal()
{
    QFETCH(QString, signal);
    QFETCH(QString, shown);

    const auto summary = summaryOf("Views Capture");
    QVERIFY(summary);
    // Start from a different state, so that the change itself is seen.
    QVERIFY(SimulatedFleet::control("signal capture-only hp50"));
    QTRY_COMPARE(summary->inputWidget()->boldLabel(), QString("720p50"));
    QString answer;
    QVERIFY2(SimulatedFleet::control("signal capture-only " + signal, &answer), qPrintable(answer));
    QTRY_COMPARE(summary->inputWidget()->boldLabel(), shown);
    QCOMPARE(summary->inputWidget()->infoLabel(), QString("SDI"));
    QCOMPARE(summary->inputWidget()->image(), QString(":/InputSDISmall"));
}

void TestSummaryWidget::referenceFollowsLock()
{
    const auto summary = summaryOf("Views Playout");
    QVERIFY(summary);
    QCOMPARE(summary->referenceWidget()->boldLabel(), QString("-"));
    QCOMPARE(summary->referenceWidget()->infoLabel(), QString("-"));

    QVERIFY(SimulatedFleet::control("reference playout-ref Hi50"));
    QTRY_COMPARE(summary->referenceWidget()->infoLabel(), QString("Locked"));
    QCOMPARE(summary->referenceWidget()->boldLabel(), QString("1080i50"));

    QVERIFY(SimulatedFleet::control("reference playout-ref none"));
    QTRY_COMPARE(summary->referenceWidget()->infoLabel(), QString("-"));
    QCOMPARE(summary->referenceWidget()->boldLabel(), QString("-"));
}

void TestSummaryWidget::outputsShareOneWidth()
{
    const auto summary = summaryOf("Views Six Outputs");
    QVERIFY(summary);
    QTRY_COMPARE(summary->outputWidgets().size(), 8);
    int widest = 65;
    for (const LabelledImage* output : summary->outputWidgets())
        widest = qMax(widest, output->sizeHint().width());
    for (const LabelledImage* output : summary->outputWidgets())
        QTRY_COMPARE(output->width(), widest);
}

void TestSummaryWidget::outputRowKeepsToRemainingWidth_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("two outputs fit") << "Views Dual Link" << false;
    QTest::newRow("eight outputs scroll") << "Views Six Outputs" << true;
}

void TestSummaryWidget::outputRowKeepsToRemainingWidth()
{
    QFETCH(QString, device);
    QFETCH(bool, scrolls);

    const auto summary = summaryOf(device);
    QVERIFY(summary);
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    // Up to four outputs show whole; the row scrolls to the rest.
    QTRY_COMPARE(summary->outputScrollArea()->horizontalScrollBar()->maximum() > 0, scrolls);
    const QList<LabelledImage*> outputs = summary->outputWidgets();
    const int whole = qMin(int(outputs.size()), 4);
    QTRY_VERIFY(summary->outputScrollArea()->width() >= whole * outputs.first()->width() + (whole - 1) * 12);
}

QTEST_MAIN(TestSummaryWidget)
#include "tst_summarywidget.moc"
