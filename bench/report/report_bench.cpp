// Figures of the status report: the page rendered and written for one device of the
// default fleet, first with the host commands answered at once (what the report
// itself costs), then with the real commands. The floor of the first is writing a
// page of the same size atomically, which every report pays; the floor of the
// second adds running the four host commands, each with a bare QProcess.
#include "BenchFigures.h"
#include "CapabilityTables.h"
#include "MarlixStatusReport.h"
#include "SimulatorSession.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

constexpr int kRuns = 41;
constexpr int kRunsWithCommands = 9;
// Rendering and the driver's answers on top of the write itself.
constexpr double kExcludedRatioLimit = 5.0;
// The commands themselves dominate: little may be added to them.
constexpr double kIncludedRatioLimit = 1.5;
// The richest device of the default fleet: capture, playback, reference, EDID, PCIe.
const QString kDevice = QStringLiteral("Lumaris Studio Pro");

// Medians of the work and of the floor, run in turns so that both meet the same
// load on a shared machine.
bool medianMs(int runs, const std::function<bool()>& work, const std::function<bool()>& floor, double& workMs,
              double& floorMs)
{
    QVector<double> times[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            QElapsedTimer timer;
            timer.start();
            if (!(which ? floor() : work()))
                return false;
            times[which].append(timer.nsecsElapsed() / 1e6);
        }
    }
    workMs = BenchFigures::median(times[0]);
    floorMs = BenchFigures::median(times[1]);
    return true;
}

bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool runHostCommands()
{
    const QList<QStringList> commands = {{"hostname"}, {"lsb_release", "-sd"}, {"uname", "-r"}, {"nproc"}};
    for (const QStringList& command : commands) {
        QProcess process;
        process.start(command.first(), command.mid(1));
        if (!process.waitForFinished() || process.exitCode() != 0)
            return false;
    }
    return true;
}

CommandRunner instantHost()
{
    return [](const QString& command, QString* output) {
        *output = command == QLatin1String("nproc") ? QStringLiteral("8\n") : QStringLiteral("answer\n");
        return 0;
    };
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SimulatorSession::start();
    initialiseStaticData();
    std::unique_ptr<VisibleMarlix> device(SimulatorSession::takeDevice(kDevice));
    if (!device) {
        fprintf(stderr, "bench-report: no device \"%s\" in the default fleet\n", qPrintable(kDevice));
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.html"));
    MarlixStatusReport report(*device);
    report.setCommandRunner(instantHost());
    const QByteArray page = report.render().toUtf8();

    const auto floor = [&] { return writeAtomically(path, page); };
    const auto write = [&] { return report.writeTo(path); };
    const auto floorWithCommands = [&] { return runHostCommands() && floor(); };
    double excluded = 0, floorExcluded = 0, included = 0, floorIncluded = 0;
    bool written = medianMs(kRuns, write, floor, excluded, floorExcluded);
    report.setCommandRunner(shellCommandRunner());
    written = written && medianMs(kRunsWithCommands, write, floorWithCommands, included, floorIncluded);
    if (!written) {
        fprintf(stderr, "bench-report: the report could not be written to %s\n", qPrintable(path));
        return 1;
    }

    BenchFigures::printNote(QStringLiteral("report page: %1 bytes").arg(page.size()));
    BenchFigures::printFloor(QStringLiteral("page of the same size written atomically"), floorExcluded,
                             QStringLiteral("ms"));
    BenchFigures::printAgainstFloor(QStringLiteral("report written, host commands excluded"), excluded,
                                    QStringLiteral("ms"), floorExcluded, kExcludedRatioLimit);
    BenchFigures::printFloor(QStringLiteral("host commands run, then the page written atomically"), floorIncluded,
                             QStringLiteral("ms"));
    BenchFigures::printAgainstFloor(QStringLiteral("report written, host commands included"), included,
                                    QStringLiteral("ms"), floorIncluded, kIncludedRatioLimit);
    return BenchFigures::allWithinLimits() ? 0 : 1;
}
