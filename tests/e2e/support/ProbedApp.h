#pragma once

#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The real program started against the simulator, with the test-only view
// probe laid beside a copy of it. Each instance gets its own simulator state,
// control socket, probe socket and settings, so runs never meet.
class ProbedApp
{
public:
    // Copy: a copy of the built program runs with the probe beside it.
    // Installed: the program runs from binDir as installed, its link resolved to
    // the real file; the probe goes into the plug-in directory beside that file.
    enum class Layout { Copy, Installed };

    // binDir holds lumaris-setup and marlix-simctl; probeLibrary is the built probe plug-in.
    ProbedApp(const QString& binDir, const QString& probeLibrary, Layout layout = Layout::Copy);
    // The built program of this tree, copied.
    ProbedApp();
    virtual ~ProbedApp();

    // Another build of the program in binDir, and further plug-in libraries
    // to lay beside it; both before start().
    void setProgram(const QString& name) { m_program = name; }
    void addPlugin(const QString& library) { m_plugins << library; }
    // An environment setting for the program over the inherited one (an empty
    // value removes it); before start().
    void setEnvironment(const QString& name, const QString& value) { m_environment[name] = value; }

    // Starts the program with the given simulator profile (empty: the built-in
    // fleet) and waits until the probe answers. Returns false with a reason.
    bool start(const QString& profile, QString* error);
    // Stops the program; true when it ended on its own with exit code 0.
    bool stop();
    // A profile without devices, written for this instance.
    QString emptyProfile();

    // One probe command; the answer, or an object with "error".
    QJsonObject command(const QString& line, int timeoutMs = 10000);
    // Asks the probe until the answer passes the check, handling this process's
    // events in between; false after timeoutMs.
    bool waitFor(const QString& line, const std::function<bool(const QJsonObject&)>& check, int timeoutMs = 15000);
    // Until the answer to line shows the text somewhere (or, with shown false, no longer does).
    bool waitForText(const QString& line, const QString& text, bool shown = true, int timeoutMs = 15000);
    static bool shows(const QJsonObject& answer, const QString& text);
    // Until the window has kept one width for a while: it widens in an animation
    // when the list asks for room.
    bool waitForSteadyWindow();
    // Opens the card of the device whose list label starts with label; false if none opens.
    bool openCard(const QString& label);
    // Runs marlix-simctl against this program's simulator; false with its output on failure.
    bool simctl(const QStringList& arguments, QString* output = nullptr);
    // The same command sent straight to the control socket, without starting the tool.
    bool simCommand(const QString& line, QString* output = nullptr);

    qint64 pid() const { return m_process.processId(); }
    qint64 startedAt() const { return m_startedAt; }
    QString standardError() { return QString::fromUtf8(m_process.readAllStandardError()); }
    QProcess& process() { return m_process; }
    bool endedCleanly() const { return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0; }

    // One command to a simulator's control socket; true when it answered "ok".
    static bool sendSimCommand(const QString& socketPath, const QString& line, QString* output = nullptr);

    static qint64 monotonicNow();
    // Resident set size of a process in kB, from /proc; -1 if unreadable.
    static qint64 residentKilobytes(qint64 pid);
    // CPU time (user and system, all threads) a process has used, in ms; -1 if unreadable.
    static double cpuMilliseconds(qint64 pid);
    // The platform children should use: the X server when there is one.
    static QString platform();

private:
    QString programPath() const;
    QString runtimePath(const char* name) const { return m_runtimeDir.path() + QLatin1Char('/') + QLatin1String(name); }
    bool layOutProgram(QString* error);
    bool connectProbe(QString* error);
    QProcessEnvironment environment(const QString& profile) const;

    QString m_binDir;
    Layout m_layout;
    QString m_program = QStringLiteral("lumaris-setup");
    QStringList m_plugins;
    QMap<QString, QString> m_environment;
    QTemporaryDir m_programDir;
    QTemporaryDir m_runtimeDir;
    QProcess m_process;
    std::unique_ptr<class QLocalSocket> m_probe;
    qint64 m_startedAt = 0;
};
