#include "AppBenchmarks.h"

#include "BenchFigures.h"
#include "CardOpeningBenchmark.h"
#include "ProbedApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <ctime>

namespace {

constexpr int kStartupRuns = 7;
constexpr double kStartupRatioLimit = 1.5;
constexpr double kMemoryRatioLimit = 1.3;
constexpr double kCpuRatioLimit = 1.6;
// CPU time is read this long after the process started: start-up and the first idle moments.
constexpr int kCpuWindowMs = 2000;
// Up to 64 devices the whole fleet must show within this; beyond, the cost per device counts.
constexpr double kScaleLimitMs = 150.0;
constexpr int kScaleLimitDevices = 64;
constexpr double kLiveLoadLimitMs = 0.1;
constexpr int kLiveLoadNotifications = 10000;
constexpr int kLiveLoadDevices = 8;
constexpr int kWarmUpStorms = 4;
constexpr int kMeasuredStorms = 3;
const int kScaleSteps[] = {8, 16, 32, 64, 256, 1024};
constexpr int kChannelsPerCard = 4;
// Linear growth keeps the cost per device flat; this leaves room for measuring noise.
constexpr double kLinearGrowthLimit = 1.5;
// Resident size may move by a few pages between two reads without anything growing.
constexpr double kGrowthNoiseKb = 128.0;
// Time for late allocations (fonts, pictures, caches) before resident size is read.
constexpr int kSettleMs = 1500;

double nsToMs(qint64 ns)
{
    return double(ns) / 1e6;
}

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Waits until the given time since startedAt (monotonic ns) has passed.
void sleepUntil(qint64 startedAt, int milliseconds)
{
    const qint64 until = startedAt + qint64(milliseconds) * 1000000;
    while (ProbedApp::monotonicNow() < until)
        QThread::msleep(5);
}

// Stays in the event loop for a while without doing anything else.
void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QThread::msleep(10);
}

} // namespace

AppBenchmarks::AppBenchmarks(const QString& binDir, const QString& probeLibrary, const QString& floorProgram,
                             const QString& profiles)
    : m_binDir(binDir)
    , m_probeLibrary(probeLibrary)
    , m_floorProgram(floorProgram)
    , m_profiles(profiles)
{
}

bool AppBenchmarks::run()
{
    BenchFigures::printNote(QStringLiteral("platform: %1").arg(ProbedApp::platform()));
    Floor floor;
    bool measured = measureStartupAndMemory(floor);
    measured = measureScale(floor) && measured;
    measured = measureLiveLoad() && measured;
    measured = CardOpeningBenchmark(m_binDir, m_probeLibrary).run() && measured;
    return measured && BenchFigures::allWithinLimits();
}

bool AppBenchmarks::runStartup()
{
    Floor floor;
    return measureStartupAndMemory(floor) && BenchFigures::allWithinLimits();
}

bool AppBenchmarks::fail(const QString& what)
{
    BenchFigures::printNote(QStringLiteral("FAILED: %1").arg(what));
    return false;
}

// The program tells the X11 platform not to load the OpenGL driver (it draws
// with the raster engine alone); the floor is started the same way, so that the
// ratios show the program's own work. The stock empty window, which loads the
// driver, is measured beside it for the record.
bool AppBenchmarks::measureFloorOnce(double& startupMs, double& residentKb, double& cpuMs, bool withOpenGl)
{
    QProcess floor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), ProbedApp::platform());
    if (!withOpenGl)
        env.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    floor.setProcessEnvironment(env);
    const qint64 startedAt = ProbedApp::monotonicNow();
    floor.start(m_floorProgram, QStringList());
    if (!floor.waitForStarted(10000))
        return false;
    while (!floor.canReadLine()) {
        if (!floor.waitForReadyRead(10000))
            return false;
    }
    const QList<QByteArray> words = floor.readLine().trimmed().split(' ');
    startupMs = nsToMs(words.value(1).toLongLong() - startedAt);
    sleepUntil(startedAt, kCpuWindowMs);
    cpuMs = ProbedApp::cpuMilliseconds(floor.processId());
    settle(kSettleMs);
    residentKb = double(ProbedApp::residentKilobytes(floor.processId()));
    floor.closeWriteChannel();
    if (!floor.waitForFinished(10000))
        floor.kill();
    return residentKb > 0;
}

bool AppBenchmarks::startApp(ProbedApp& app, const QString& profile)
{
    QString error;
    if (app.start(profile, &error))
        return true;
    return fail(error);
}

// The floor and the program take turns, so that a busy machine slows both alike.
bool AppBenchmarks::measureStartupAndMemory(Floor& floor)
{
    QVector<double> floorStartups;
    QVector<double> floorSizes;
    QVector<double> firstPaints;
    QVector<double> firstDevices;
    QVector<double> startups;
    QVector<double> sizes;
    QVector<double> floorCpu;
    QVector<double> stockCpu;
    QVector<double> cpu;
    QVector<double> noDeviceCpu;
    for (int run = 0; run < kStartupRuns; ++run) {
        double floorStartup = 0.0;
        double floorSize = 0.0;
        double floorCpuMs = 0.0;
        Startup startup;
        if (!measureFloorOnce(floorStartup, floorSize, floorCpuMs))
            return fail(QStringLiteral("the empty window did not start"));
        if (!measureStartupOnce(startup))
            return false;
        floorStartups.append(floorStartup);
        floorSizes.append(floorSize);
        firstPaints.append(startup.firstPaintMs);
        firstDevices.append(startup.firstDeviceMs);
        startups.append(startup.shownMs);
        sizes.append(startup.residentKb);
        floorCpu.append(floorCpuMs);
        cpu.append(measureProgramCpuOnce(false));
        noDeviceCpu.append(measureProgramCpuOnce(true));
        if (measureFloorOnce(floorStartup, floorSize, floorCpuMs, true))
            stockCpu.append(floorCpuMs);
    }
    floor.cpuMs = BenchFigures::median(floorCpu);
    floor.startupMs = BenchFigures::median(floorStartups);
    floor.residentKb = BenchFigures::median(floorSizes);
    BenchFigures::printFloor(QStringLiteral("floor start-up (empty main window shown)"), floor.startupMs,
                             QStringLiteral("ms"));
    BenchFigures::printFloor(QStringLiteral("floor resident size (empty main window)"), floor.residentKb,
                             QStringLiteral("kB"));
    BenchFigures::printNote(QStringLiteral("start-up milestones (median): window first painted %1 ms, "
                                           "first device listed %2 ms")
                                .arg(BenchFigures::median(firstPaints), 0, 'f', 1)
                                .arg(BenchFigures::median(firstDevices), 0, 'f', 1));
    BenchFigures::printAgainstFloor(QStringLiteral("start-up (window shown with the first device, default fleet)"),
                                    BenchFigures::median(startups), QStringLiteral("ms"), floor.startupMs,
                                    kStartupRatioLimit);
    BenchFigures::printFloor(QStringLiteral("floor CPU time, first 2 s (empty main window)"), floor.cpuMs,
                             QStringLiteral("ms"));
    BenchFigures::printAgainstFloor(QStringLiteral("CPU time, first 2 s (default fleet)"), BenchFigures::median(cpu),
                                    QStringLiteral("ms"), floor.cpuMs, kCpuRatioLimit);
    BenchFigures::printNote(QStringLiteral("the same with no device: %1 ms (median; the default fleet's devices "
                                           "cost the difference)")
                                .arg(BenchFigures::median(noDeviceCpu), 0, 'f', 0));
    BenchFigures::printNote(QStringLiteral("the stock empty window, which loads the OpenGL driver: "
                                           "%1 ms of CPU time in its first 2 s (median)")
                                .arg(BenchFigures::median(stockCpu), 0, 'f', 0));
    BenchFigures::printAgainstFloor(QStringLiteral("resident size (default fleet shown)"),
                                    BenchFigures::median(sizes), QStringLiteral("kB"), floor.residentKb,
                                    kMemoryRatioLimit);
    return true;
}

bool AppBenchmarks::measureStartupOnce(Startup& startup)
{
    ProbedApp app(m_binDir, m_probeLibrary);
    if (!startApp(app, QString()))
        return false;
    const QJsonObject shown = app.command(QStringLiteral("wait-shown"), 20000);
    if (shown.contains("error"))
        return fail(shown.value("error").toString());
    const auto sinceStart = [&app, &shown](const char* milestone) {
        return nsToMs(qint64(shown.value(milestone).toDouble()) - app.startedAt());
    };
    startup.firstPaintMs = sinceStart("firstPaint");
    startup.firstDeviceMs = sinceStart("firstDevice");
    startup.shownMs = sinceStart("at");
    if (!waitUntilSettled(app, -1))
        return false;
    settle(kSettleMs);
    startup.residentKb = double(ProbedApp::residentKilobytes(app.pid()));
    return startup.residentKb > 0;
}

// CPU time of the first seconds of the program as a user starts it, like the
// floor's: without the test probe, whose plug-in and socket thread are the
// benchmark's instruments, not the program. Without devices, it shows what the
// devices themselves cost.
double AppBenchmarks::measureProgramCpuOnce(bool noDevices)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("MARLIX_SIM_PROFILE"));
    if (noDevices) {
        QFile profile(runtime.filePath(QStringLiteral("no-devices.json")));
        if (!profile.open(QIODevice::WriteOnly) || profile.write("{ \"devices\": [] }") <= 0)
            return -1.0;
        env.insert(QStringLiteral("MARLIX_SIM_PROFILE"), profile.fileName());
    }
    env.insert(QStringLiteral("MARLIX_SIM_STATE_DIR"), runtime.path() + QStringLiteral("/state"));
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), runtime.path() + QStringLiteral("/sim.sock"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), ProbedApp::platform());
    QProcess program;
    program.setProcessEnvironment(env);
    const qint64 startedAt = ProbedApp::monotonicNow();
    program.start(m_binDir + QStringLiteral("/lumaris-setup"), QStringList());
    if (!program.waitForStarted(10000))
        return -1.0;
    sleepUntil(startedAt, kCpuWindowMs);
    const double cpuMs = ProbedApp::cpuMilliseconds(program.processId());
    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished(10000);
    }
    return cpuMs;
}

// Waits until the number of devices stops changing (or reaches the expected one).
bool AppBenchmarks::waitUntilSettled(ProbedApp& app, int expectedDevices)
{
    if (expectedDevices >= 0) {
        const QJsonObject answer = app.command(QStringLiteral("wait-rows %1").arg(expectedDevices), 20000);
        return !answer.contains("error") || fail(answer.value("error").toString());
    }
    int last = -1;
    QElapsedTimer stable;
    stable.start();
    while (stable.elapsed() < 500) {
        const int devices = app.command(QStringLiteral("snapshot")).value("devices").toInt();
        if (devices != last) {
            last = devices;
            stable.restart();
        }
        QThread::msleep(20);
    }
    return last > 0 || fail(QStringLiteral("no device appeared"));
}

bool AppBenchmarks::measureScale(const Floor& floor)
{
    QMap<int, double> perDevice;
    for (int devices : kScaleSteps) {
        double milliseconds = 0.0;
        if (!measureScaleOnce(devices, milliseconds))
            return false;
        const QString name = QStringLiteral("scale: %1 devices plugged until both views show them").arg(devices);
        if (devices <= kScaleLimitDevices)
            BenchFigures::printAgainstLimit(name, milliseconds, QStringLiteral("ms"), floor.startupMs, kScaleLimitMs);
        else
            BenchFigures::printNote(QStringLiteral("%1: %2 ms").arg(name).arg(milliseconds, 0, 'f', 1));
        perDevice.insert(devices, milliseconds / devices);
    }
    // Linear growth keeps the cost per device flat.
    BenchFigures::printAgainstLimit(QStringLiteral("scale: cost per device at 64 / at 8"),
                                    perDevice.value(64) / perDevice.value(8), QStringLiteral("x"), 1.0,
                                    kLinearGrowthLimit);
    BenchFigures::printAgainstLimit(QStringLiteral("scale: cost per device at 1024 / at 64"),
                                    perDevice.value(1024) / perDevice.value(64), QStringLiteral("x"), 1.0,
                                    kLinearGrowthLimit);
    return true;
}

// Cards of four channels made from the scale profile's template, every channel plugged in.
bool AppBenchmarks::writeScaleFleet(int devices, const QString& path) const
{
    QFile source(m_profiles + QStringLiteral("/views-bench-scale.json"));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QJsonObject profile = QJsonDocument::fromJson(source.readAll()).object();
    QJsonArray plugged;
    for (int index = 0; index < devices; ++index) {
        const int card = index / kChannelsPerCard + 1;
        const int channel = index % kChannelsPerCard;
        const QJsonObject attributes{{"subi", channel}, {"dgid", 9900 + card}, {"peid", 99000000 + card * 10 + channel}};
        plugged.append(QJsonObject{{"id", QStringLiteral("card%1-%2").arg(card).arg(channel + 1)},
                                   {"template", "channel"},
                                   {"displayName", QStringLiteral("Bench Card %1 (%2)").arg(card).arg(channel + 1)},
                                   {"attributes", attributes}});
    }
    profile.insert("devices", plugged);
    QFile fleet(path);
    return fleet.open(QIODevice::WriteOnly) && fleet.write(QJsonDocument(profile).toJson()) > 0;
}

bool AppBenchmarks::measureScaleOnce(int devices, double& milliseconds)
{
    QTemporaryDir profiles;
    const QString empty = profiles.filePath(QStringLiteral("empty.json"));
    const QString fleet = profiles.filePath(QStringLiteral("fleet.json"));
    QFile emptyFile(empty);
    if (!emptyFile.open(QIODevice::WriteOnly) || emptyFile.write("{\"devices\": []}") <= 0)
        return fail(QStringLiteral("cannot write %1").arg(empty));
    emptyFile.close();
    if (!writeScaleFleet(devices, fleet))
        return fail(QStringLiteral("cannot write %1").arg(fleet));

    ProbedApp app(m_binDir, m_probeLibrary);
    if (!startApp(app, empty) || !waitUntilSettled(app, 0))
        return false;
    // One control command plugs the whole new fleet in at once.
    const qint64 pluggedAt = ProbedApp::monotonicNow();
    QString output;
    if (!app.simCommand(QStringLiteral("profile %1").arg(fleet), &output))
        return fail(QStringLiteral("profile %1: %2").arg(fleet, output));
    const QJsonObject shown = app.command(QStringLiteral("wait-rows %1").arg(devices), 300000);
    if (shown.contains("error"))
        return fail(shown.value("error").toString());
    milliseconds = nsToMs(qint64(shown.value("at").toDouble()) - pluggedAt);
    return true;
}

bool AppBenchmarks::waitUntilIdle(ProbedApp& app)
{
    // Idle once the GUI thread spends almost nothing between two looks.
    qint64 last = qint64(app.command(QStringLiteral("cpu")).value("ns").toDouble());
    for (int attempt = 0; attempt < 200; ++attempt) {
        QThread::msleep(50);
        const qint64 now = qint64(app.command(QStringLiteral("cpu")).value("ns").toDouble());
        if (now - last < 1000000)
            return true;
        last = now;
    }
    return fail(QStringLiteral("the program never went idle"));
}

// Storms of status notifications spread evenly over the devices, each one
// waited for until the program is idle again.
bool AppBenchmarks::runStorms(ProbedApp& app, int storms)
{
    for (int storm = 0; storm < storms; ++storm) {
        for (int device = 1; device <= kLiveLoadDevices; ++device) {
            const QString command = QStringLiteral("storm live%1 stat %2")
                                        .arg(device)
                                        .arg(kLiveLoadNotifications / kLiveLoadDevices);
            QString output;
            if (!app.simCommand(command, &output))
                return fail(command + ": " + output);
        }
        if (!app.simCommand(QStringLiteral("wait")) || !waitUntilIdle(app))
            return false;
    }
    return true;
}

bool AppBenchmarks::measureLiveLoad()
{
    ProbedApp app(m_binDir, m_probeLibrary);
    if (!startApp(app, m_profiles + QStringLiteral("/views-bench-live.json"))
        || !waitUntilSettled(app, kLiveLoadDevices))
        return false;
    // The first storms fill every cache and the allocator's pools; then the measured ones.
    if (!runStorms(app, kWarmUpStorms))
        return false;
    const qint64 residentBefore = ProbedApp::residentKilobytes(app.pid());
    const qint64 cpuBefore = qint64(app.command(QStringLiteral("cpu")).value("ns").toDouble());
    if (!runStorms(app, kMeasuredStorms))
        return false;
    const qint64 cpuAfter = qint64(app.command(QStringLiteral("cpu")).value("ns").toDouble());
    const qint64 residentAfter = ProbedApp::residentKilobytes(app.pid());

    const double perNotificationMs = nsToMs(cpuAfter - cpuBefore) / (kLiveLoadNotifications * kMeasuredStorms);
    BenchFigures::printAgainstLimit(
        QStringLiteral("live load: GUI-thread CPU per status notification (%1 storms of %2 over %3 devices)")
            .arg(kMeasuredStorms)
            .arg(kLiveLoadNotifications)
            .arg(kLiveLoadDevices),
        perNotificationMs, QStringLiteral("ms"), queuedDeliveryFloorNs() / 1e6, kLiveLoadLimitMs);
    BenchFigures::printAgainstLimit(QStringLiteral("live load: resident size growth across the measured storms"),
                                    double(residentAfter - residentBefore), QStringLiteral("kB"),
                                    double(residentBefore), kGrowthNoiseKb);
    return true;
}

namespace {

class Receiver : public QObject
{
public:
    void receive() { ++count; }
    int count = 0;
};

} // namespace

// What one queued call costs the receiving thread when the slot does nothing.
double AppBenchmarks::queuedDeliveryFloorNs()
{
    constexpr int kCalls = 100000;
    Receiver receiver;
    for (int call = 0; call < kCalls; ++call)
        QMetaObject::invokeMethod(&receiver, [&receiver] { receiver.receive(); }, Qt::QueuedConnection);
    const qint64 before = threadCpuNs();
    QCoreApplication::sendPostedEvents(&receiver);
    return double(threadCpuNs() - before) / kCalls;
}
