#include "AppBenchmarks.h"
#include "BenchFigures.h"
#include "CardOpeningBenchmark.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Start-up and memory only mean something with a windowing system: without a
// display, run again under a virtual X server.
bool runUnderVirtualDisplay(const QStringList& arguments, int& exitCode)
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || xvfbRun.isEmpty())
        return false;
    QProcess inner;
    inner.setProcessChannelMode(QProcess::ForwardedChannels);
    inner.start(xvfbRun, QStringList{"-a", "-s", "-screen 0 1600x1200x24"} + arguments);
    inner.waitForFinished(-1);
    exitCode = inner.exitStatus() == QProcess::NormalExit ? inner.exitCode() : 1;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int exitCode = 0;
    if (runUnderVirtualDisplay(QCoreApplication::arguments(), exitCode))
        return exitCode;
    // "card-opening": the figures of the open card alone.
    if (QCoreApplication::arguments().contains(QStringLiteral("card-opening")))
        return CardOpeningBenchmark(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY)).run()
                       && BenchFigures::allWithinLimits()
                   ? 0
                   : 1;
    AppBenchmarks benchmarks(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY),
                             QStringLiteral(LUMARIS_FLOOR_PROGRAM), QStringLiteral(LUMARIS_BENCH_PROFILES));
    // "start-up": start-up, its CPU time and resident size alone.
    if (QCoreApplication::arguments().contains(QStringLiteral("start-up")))
        return benchmarks.runStartup() ? 0 : 1;
    return benchmarks.run() ? 0 : 1;
}
