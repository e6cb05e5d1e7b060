#include "CardOpeningBenchmark.h"

#include "BenchFigures.h"
#include "ProbedApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>
#include <QThread>
#include <QVector>

namespace {

constexpr int kRuns = 15;
constexpr int kRefreshRuns = 21;
constexpr int kDefaultFleetDevices = 11;
constexpr double kOpeningLimitMs = 100.0;
constexpr double kRefreshLimitMs = 5.0;
constexpr int kStormSize = 10000;
// The first storms with the card open grow the resident size by about 2 MB while the
// allocator's pools fill; from the third on it stays within a few pages.
constexpr int kWarmUpStorms = 3;
constexpr double kGrowthNoiseKb = 128.0;
// Studio Pro: playback, capture, audio, conversions, deck control; every tab there is.
const QString kRichestName = QStringLiteral("Lumaris Studio Pro");
const QString kRichestId = QStringLiteral("studio-pro");

bool failed(const QString& what)
{
    BenchFigures::printNote(QStringLiteral("FAILED: card: %1").arg(what));
    return false;
}

bool timed(ProbedApp& app, const QString& command, double& milliseconds)
{
    const QJsonObject answer = app.command(command, 10000);
    milliseconds = double(answer.value("ns").toDouble()) / 1e6;
    return answer.contains("ns");
}

bool waitForCard(ProbedApp& app, bool open)
{
    return QTest::qWaitFor([&app, open] { return app.command("card").value("open").toBool() == open; }, 10000);
}

bool closeCard(ProbedApp& app)
{
    return app.command("card-cancel").value("ok").toBool() && waitForCard(app, false);
}

// The list row that shows the device, or -1.
int rowOf(ProbedApp& app, const QString& name)
{
    const QJsonArray rows = app.command("snapshot").value("list").toObject().value("rows").toArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString() == name)
            return row;
    }
    return -1;
}

qint64 guiThreadNs(ProbedApp& app)
{
    return qint64(app.command("cpu").value("ns").toDouble());
}

// Idle once the GUI thread spends almost nothing between two looks.
bool waitUntilIdle(ProbedApp& app)
{
    qint64 last = guiThreadNs(app);
    for (int attempt = 0; attempt < 400; ++attempt) {
        QThread::msleep(50);
        const qint64 now = guiThreadNs(app);
        if (now - last < 1000000)
            return true;
        last = now;
    }
    return false;
}

// GUI-thread time from sending a number of "pref" notifications (0 for the floor) until
// every tab has handled them, deferred work included.
bool refreshNs(ProbedApp& app, int notifications, qint64& ns)
{
    const qint64 before = guiThreadNs(app);
    const bool done = app.simCommand(QStringLiteral("storm %1 pref %2").arg(kRichestId).arg(notifications))
                      && app.simCommand(QStringLiteral("wait")) && app.command("settle").contains("ok");
    QThread::msleep(30);
    ns = app.command("settle").contains("ok") ? guiThreadNs(app) - before : -1;
    return done && ns >= 0;
}

} // namespace

CardOpeningBenchmark::CardOpeningBenchmark(const QString& binDir, const QString& probeLibrary)
    : m_binDir(binDir)
    , m_probeLibrary(probeLibrary)
{
}

bool CardOpeningBenchmark::run()
{
    ProbedApp app(m_binDir, m_probeLibrary);
    QString error;
    if (!app.start(QString(), &error))
        return failed(error);
    if (app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000).contains("error"))
        return failed(QStringLiteral("the default fleet did not arrive"));
    const int row = rowOf(app, kRichestName);
    if (row < 0)
        return failed(kRichestName + QStringLiteral(" is not listed"));
    if (!app.command("show-list").contains("ok") || !measureOpening(app, row))
        return false;
    if (!app.command(QStringLiteral("open-row %1").arg(row)).contains("ok") || !waitForCard(app, true)
        || !waitUntilIdle(app))
        return failed(QStringLiteral("the card did not open"));
    return measureRefresh(app) && measureStorm(app);
}

// Card and panel take turns, so that a busy machine slows both alike.
bool CardOpeningBenchmark::measureOpening(ProbedApp& app, int row)
{
    QVector<double> card, panel;
    for (int run = 0; run < kRuns; ++run) {
        double cardMs = 0.0, panelMs = 0.0;
        if (!timed(app, QStringLiteral("time-card %1").arg(row), cardMs) || !closeCard(app)
            || !timed(app, "time-panel", panelMs))
            return failed(QStringLiteral("opening, run %1").arg(run));
        card << cardMs;
        panel << panelMs;
    }
    const double floor = BenchFigures::median(panel);
    BenchFigures::printFloor(QStringLiteral("plain panel over the window, to its first paint"), floor, "ms");
    BenchFigures::printAgainstLimit(
        QStringLiteral("click to painted card of %1 with all its tabs (median of %2)").arg(kRichestName).arg(kRuns),
        BenchFigures::median(card), "ms", floor, kOpeningLimitMs);
    return true;
}

// One notification against none, in turns; the floor is what the round trip itself costs.
bool CardOpeningBenchmark::measureRefresh(ProbedApp& app)
{
    QVector<double> refresh, floor;
    for (int run = 0; run < kRefreshRuns; ++run) {
        qint64 withNs = 0, withoutNs = 0;
        if (!refreshNs(app, 0, withoutNs) || !refreshNs(app, 1, withNs))
            return failed(QStringLiteral("refresh, run %1").arg(run));
        floor << double(withoutNs) / 1e6;
        refresh << double(withNs) / 1e6;
    }
    const double floorMs = BenchFigures::median(floor);
    BenchFigures::printFloor(QStringLiteral("GUI-thread CPU of a round trip without a notification"), floorMs, "ms");
    BenchFigures::printAgainstLimit(
        QStringLiteral("GUI-thread CPU of one \"pref\" notification refreshing every tab (median of %1)").arg(kRefreshRuns),
        BenchFigures::median(refresh), "ms", floorMs, kRefreshLimitMs);
    return true;
}

bool CardOpeningBenchmark::stormOnce(ProbedApp& app, qint64& writes, qint64& growthKb)
{
    QString count;
    if (!app.simCommand(QStringLiteral("writes %1 reset").arg(kRichestId)))
        return false;
    const qint64 before = ProbedApp::residentKilobytes(app.pid());
    if (!app.simCommand(QStringLiteral("storm %1 pref %2").arg(kRichestId).arg(kStormSize))
        || !app.simCommand(QStringLiteral("wait")) || !waitUntilIdle(app)
        || !app.simCommand(QStringLiteral("writes %1").arg(kRichestId), &count))
        return false;
    growthKb = ProbedApp::residentKilobytes(app.pid()) - before;
    writes = count.trimmed().toLongLong();
    return true;
}

// Storms until the last one measured; the warm-up ones fill the allocator's pools.
bool CardOpeningBenchmark::stormAfterWarmUp(ProbedApp& app, qint64& writes, qint64& growthKb)
{
    for (int storm = 0; storm <= kWarmUpStorms; ++storm) {
        if (!stormOnce(app, writes, growthKb))
            return false;
    }
    return true;
}

// The same storms with the card closed are the floor.
bool CardOpeningBenchmark::measureStorm(ProbedApp& app)
{
    qint64 openWrites = 0, openGrowth = 0, closedWrites = 0, closedGrowth = 0;
    if (!stormAfterWarmUp(app, openWrites, openGrowth))
        return failed(QStringLiteral("storm with the card open"));
    if (!closeCard(app) || !stormAfterWarmUp(app, closedWrites, closedGrowth))
        return failed(QStringLiteral("storm with the card closed"));
    const QString storm = QStringLiteral("a storm of %1 \"pref\" notifications with the card of %2 open")
                              .arg(kStormSize)
                              .arg(kRichestName);
    BenchFigures::printFloor(QStringLiteral("configuration writes, the same storm with the card closed"),
                             double(closedWrites), "writes");
    BenchFigures::printAgainstLimit(QStringLiteral("configuration writes during ") + storm, double(openWrites),
                                    "writes", double(closedWrites), 0.0);
    BenchFigures::printFloor(QStringLiteral("resident size growth, the same storm with the card closed"),
                             double(closedGrowth), "kB");
    BenchFigures::printAgainstLimit(QStringLiteral("resident size growth across ") + storm, double(openGrowth), "kB",
                                    double(closedGrowth), kGrowthNoiseKb);
    return true;
}
