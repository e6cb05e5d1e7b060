#include "CardOpeningBenchmark.h"

#include "BenchFigures.h"
#include "ProbedApp.h"

#include <QJsonObject>
#include <QTest>
#include <QVector>

namespace {

constexpr int kRuns = 15;
constexpr int kDefaultFleetDevices = 11;
constexpr double kLimitMs = 50.0;

bool failed(const QString& what)
{
    BenchFigures::printNote(QStringLiteral("FAILED: card opening: %1").arg(what));
    return false;
}

bool timed(ProbedApp& app, const QString& command, double& milliseconds)
{
    const QJsonObject answer = app.command(command, 10000);
    milliseconds = double(answer.value("ns").toDouble()) / 1e6;
    return answer.contains("ns");
}

bool closeCard(ProbedApp& app)
{
    return app.command("card-cancel").value("ok").toBool()
        && QTest::qWaitFor([&app] { return !app.command("card").value("open").toBool(); }, 10000);
}

} // namespace

CardOpeningBenchmark::CardOpeningBenchmark(const QString& binDir, const QString& probeLibrary)
    : m_binDir(binDir)
    , m_probeLibrary(probeLibrary)
{
}

// Card and panel take turns, so that a busy machine slows both alike.
bool CardOpeningBenchmark::run()
{
    ProbedApp app(m_binDir, m_probeLibrary);
    QString error;
    if (!app.start(QString(), &error))
        return failed(error);
    if (app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000).contains("error"))
        return failed(QStringLiteral("the default fleet did not arrive"));
    QVector<double> card, panel;
    for (int run = 0; run < kRuns; ++run) {
        double cardMs = 0.0, panelMs = 0.0;
        if (!timed(app, "time-card", cardMs) || !closeCard(app) || !timed(app, "time-panel", panelMs))
            return failed(QStringLiteral("run %1").arg(run));
        card << cardMs;
        panel << panelMs;
    }
    const double floor = BenchFigures::median(panel);
    BenchFigures::printFloor(QStringLiteral("plain panel over the window, to its first paint"), floor, "ms");
    BenchFigures::printAgainstLimit(QStringLiteral("click to painted card with the About tab (median of %1)").arg(kRuns),
                                    BenchFigures::median(card), "ms", floor, kLimitMs);
    return true;
}
