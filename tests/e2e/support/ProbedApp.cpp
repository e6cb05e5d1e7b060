#include "ProbedApp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QThread>

#include <ctime>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kStopTimeoutMs = 60000;

// A hard link keeps the copy cheap; across file systems a real copy serves.
bool linkOrCopy(const QString& from, const QString& to)
{
    return QFile::exists(to) || ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
        || QFile::copy(from, to);
}

} // namespace

ProbedApp::ProbedApp(const QString& binDir, const QString& probeLibrary, Layout layout)
    : m_binDir(binDir)
    , m_layout(layout)
    , m_plugins{probeLibrary}
    , m_programDir(binDir + QStringLiteral("/../e2e-XXXXXX"))
    , m_runtimeDir(QDir::tempPath() + QStringLiteral("/lumaris-XXXXXX"))
{
}

ProbedApp::ProbedApp()
    : ProbedApp(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY))
{
}

ProbedApp::~ProbedApp()
{
    stop();
}

qint64 ProbedApp::monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 ProbedApp::residentKilobytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The process's own count is in clock ticks (10 ms here, a sixth of an empty window's first
// seconds); each live thread's time on a CPU is kept in nanoseconds. Their sum is taken unless a
// thread has ended, whose time only the process's count still holds.
double ProbedApp::cpuMilliseconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold spaces; the fields after it are plain numbers.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double tickMs = 1000.0 / double(sysconf(_SC_CLK_TCK));
    const double ticksMs = double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) * tickMs;
    double threadsMs = 0.0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (!schedstat.open(QIODevice::ReadOnly))
            return ticksMs;
        threadsMs += double(schedstat.readAll().split(' ').value(0).toLongLong()) / 1e6;
    }
    return threadsMs + tickMs < ticksMs ? ticksMs : threadsMs;
}

QString ProbedApp::platform()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen") : QStringLiteral("xcb");
}

QString ProbedApp::programPath() const
{
    const QString dir = m_layout == Layout::Installed ? m_binDir : m_programDir.path();
    return dir + QLatin1Char('/') + m_program;
}

// The program finds plug-ins below the directory of its real file, so the probe and any
// further plug-ins go there.
bool ProbedApp::layOutProgram(QString* error)
{
    *error = QStringLiteral("cannot copy %1/%2").arg(m_binDir, m_program);
    if (!m_runtimeDir.isValid() || !m_programDir.isValid()
        || (m_layout == Layout::Copy && !linkOrCopy(m_binDir + QLatin1Char('/') + m_program, programPath())))
        return false;
    const QString root = QFileInfo(programPath()).canonicalPath();
    for (const QString& library : qAsConst(m_plugins)) {
        const QFileInfo source(library);
        const QString directory = root + QStringLiteral("/AdminUtility/PlugIns/") + source.completeBaseName();
        *error = QStringLiteral("cannot lay %1 into %2").arg(library, directory);
        if (!QDir().mkpath(directory) || !linkOrCopy(library, directory + QLatin1Char('/') + source.fileName()))
            return false;
    }
    return true;
}

QProcessEnvironment ProbedApp::environment(const QString& profile) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QMap<QString, QString> settings{{QStringLiteral("MARLIX_SIM_PROFILE"), profile},
                                    {QStringLiteral("MARLIX_SIM_STATE_DIR"), runtimePath("state")},
                                    {QStringLiteral("MARLIX_SIM_CONTROL"), runtimePath("sim.sock")},
                                    {QStringLiteral("LUMARIS_PROBE_SOCKET"), runtimePath("probe.sock")},
                                    {QStringLiteral("XDG_CONFIG_HOME"), runtimePath("config")},
                                    {QStringLiteral("QT_QPA_PLATFORM"), platform()}};
    // An installed program finds its libraries on its own.
    if (m_layout == Layout::Installed)
        settings.insert(QStringLiteral("LD_LIBRARY_PATH"), QString());
    settings.insert(m_environment);
    for (auto setting = settings.cbegin(); setting != settings.cend(); ++setting) {
        if (setting.value().isEmpty())
            env.remove(setting.key());
        else
            env.insert(setting.key(), setting.value());
    }
    return env;
}

QString ProbedApp::emptyProfile()
{
    QFile file(runtimePath("no-devices.json"));
    return file.open(QIODevice::WriteOnly) && file.write("{ \"devices\": [] }") > 0 ? file.fileName() : QString();
}

bool ProbedApp::start(const QString& profile, QString* error)
{
    if (!layOutProgram(error))
        return false;
    m_process.setProcessEnvironment(environment(profile));
    m_startedAt = monotonicNow();
    m_process.start(programPath(), QStringList());
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        *error = QStringLiteral("the program did not start: %1").arg(m_process.errorString());
        return false;
    }
    return connectProbe(error);
}

bool ProbedApp::connectProbe(QString* error)
{
    QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(runtimePath("probe.sock"));
        if (socket->waitForConnected(100)) {
            m_probe = std::move(socket);
            return true;
        }
        // The program creates the socket while it starts; look again shortly.
        QThread::msleep(1);
    }
    *error = QStringLiteral("the probe did not answer; program output: %1").arg(standardError());
    return false;
}

QJsonObject ProbedApp::command(const QString& line, int timeoutMs)
{
    if (!m_probe)
        return QJsonObject{{"error", "not connected"}};
    m_probe->write(line.toUtf8() + '\n');
    m_probe->flush();
    QDeadlineTimer deadline(timeoutMs);
    while (!m_probe->canReadLine()) {
        if (deadline.hasExpired() || !m_probe->waitForReadyRead(int(deadline.remainingTime())))
            return QJsonObject{{"error", QStringLiteral("no answer to %1").arg(line)}};
    }
    return QJsonDocument::fromJson(m_probe->readLine()).object();
}

bool ProbedApp::waitFor(const QString& line, const std::function<bool(const QJsonObject&)>& check, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!check(command(line))) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

bool ProbedApp::shows(const QJsonObject& answer, const QString& text)
{
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)).contains(text);
}

bool ProbedApp::waitForText(const QString& line, const QString& text, bool shown, int timeoutMs)
{
    return waitFor(line, [&](const QJsonObject& answer) { return shows(answer, text) == shown; }, timeoutMs);
}

bool ProbedApp::waitForSteadyWindow()
{
    int lastWidth = -1;
    int steadyLooks = 0;
    return waitFor(QStringLiteral("snapshot"), [&](const QJsonObject& snapshot) {
        const QJsonObject window = snapshot.value("window").toObject();
        const int width = window.value("width").toInt();
        steadyLooks = width == lastWidth && window.value("minimumWidth").toInt() <= width ? steadyLooks + 1 : 0;
        lastWidth = width;
        QThread::msleep(80);
        return steadyLooks >= 5;
    }, 10000);
}

bool ProbedApp::openCard(const QString& label)
{
    const QJsonArray rows = command(QStringLiteral("snapshot")).value("list").toObject().value("rows").toArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString().startsWith(label))
            return command(QStringLiteral("open-row %1").arg(row)).contains("ok")
                && waitFor(QStringLiteral("card"), [](const QJsonObject& card) { return card.value("open").toBool(); });
    }
    return false;
}

bool ProbedApp::simctl(const QStringList& arguments, QString* output)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), runtimePath("sim.sock"));
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(m_binDir + QStringLiteral("/marlix-simctl"), arguments);
    const bool finished = tool.waitForFinished(kStartTimeoutMs);
    if (output)
        *output = QString::fromUtf8(tool.readAll());
    return finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

bool ProbedApp::simCommand(const QString& line, QString* output)
{
    return sendSimCommand(runtimePath("sim.sock"), line, output);
}

bool ProbedApp::sendSimCommand(const QString& socketPath, const QString& line, QString* output)
{
    QLocalSocket control;
    control.connectToServer(socketPath);
    QString answer;
    if (control.waitForConnected(kStartTimeoutMs)) {
        control.write(line.toUtf8() + '\n');
        control.flush();
        // The simulator answers and closes: "ok" and the output, or "error: " and a reason.
        while (control.state() == QLocalSocket::ConnectedState && control.waitForReadyRead(kStartTimeoutMs)) {
        }
        answer = QString::fromUtf8(control.readAll());
    }
    // No answer at all is a fault of the channel, not a refusal: say which.
    if (answer.isEmpty())
        answer = QStringLiteral("(no answer: %1, socket state %2)").arg(control.errorString()).arg(int(control.state()));
    if (output)
        *output = answer;
    return answer.startsWith(QLatin1String("ok"));
}

bool ProbedApp::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return endedCleanly();
    if (m_probe && m_probe->state() == QLocalSocket::ConnectedState)
        command(QStringLiteral("quit"), 2000);
    // A sanitizer build on a busy machine can take many seconds to tear down and
    // check for leaks; only a program that never ends is stopped by force.
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    m_probe.reset();
    return endedCleanly();
}
