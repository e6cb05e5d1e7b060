#include "SoakSession.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kStormSize = 400;
constexpr int kBurstCycles = 150;
// Faults the adapter meets while reading a device or subscribing to it.
const QStringList kFaultOperations{"Attributes.GetInt", "Status.GetInt", "Status.GetString",
                                   "Configuration.GetInt", "Notification.Subscribe", "QueryInterface"};

bool fail(const QString& what)
{
    std::fprintf(stderr, "lumaris-soak: %s\n", qPrintable(what));
    return false;
}

// The default fleet, with the simulator told to return from unregistering at once.
QString writeProfile(const QString& directory, bool atOnce)
{
    QFile source(QStringLiteral(LUMARIS_DEFAULT_FLEET));
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    QJsonObject profile = QJsonDocument::fromJson(source.readAll()).object();
    profile.insert("unsubscribeWaits", !atOnce);
    QFile target(directory + QStringLiteral("/soak-fleet.json"));
    if (!target.open(QIODevice::WriteOnly))
        return QString();
    target.write(QJsonDocument(profile).toJson());
    return target.fileName();
}

} // namespace

SoakSession::SoakSession(const Options& options)
    : m_options(options)
    , m_random(options.seed)
    , m_app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY))
{
    createActions();
}

// More actions (cards opened, settings edited) join this table.
void SoakSession::createActions()
{
    m_actions = {
        {"plug", 6, [this] { return plugOne(); }},
        {"unplug", 6, [this] { return unplugOne(); }},
        {"storm", 8, [this] { return storm(); }},
        {"signal", 6, [this] { return signalChange(); }},
        {"fault", 3, [this] { return fault(); }},
        {"reload", 1, [this] { return reload(); }},
        {"burst", 1, [this] { return burst(); }},
        {"view", 4, [this] { return switchView(); }},
    };
    for (const Action& action : m_actions)
        m_totalWeight += action.weight;
}

bool SoakSession::run()
{
    QTemporaryDir directory;
    m_profile = writeProfile(directory.path(), m_options.atOnce);
    if (m_profile.isEmpty())
        return fail(QStringLiteral("cannot write the soak profile"));
    if (!start())
        return false;
    QElapsedTimer& clock = m_clock;
    clock.start();
    const qint64 total = qint64(m_options.seconds) * 1000;
    qint64 warmKb = -1;
    int steps = 0;
    while (clock.elapsed() < total) {
        if (!step())
            return false;
        ++steps;
        if (warmKb < 0 && clock.elapsed() > total / 3)
            warmKb = ProbedApp::residentKilobytes(m_app.pid());
    }
    QStringList counts;
    for (auto count = m_counts.cbegin(); count != m_counts.cend(); ++count)
        counts << QStringLiteral("%1 %2").arg(count.value()).arg(count.key());
    std::printf("lumaris-soak: seed %u, %d s, %d actions (%s), simulator %s\n", m_options.seed, m_options.seconds,
                steps, qPrintable(counts.join(", ")), m_options.atOnce ? "returns at once" : "waits");
    if (!settleFleet())
        return false;
    const qint64 endKb = ProbedApp::residentKilobytes(m_app.pid());
    return quit() && checkResidentSize(warmKb, endKb);
}

bool SoakSession::start()
{
    QString error;
    if (!m_app.start(m_profile, &error))
        return fail(error);
    // The driver, and with it the control socket, comes up on the first turn of the event loop.
    QDeadlineTimer deadline(20000);
    while (!m_app.simCommand(QStringLiteral("wait")) && !deadline.hasExpired())
        QThread::msleep(20);
    if (!sim("wait") || !refreshFleet())
        return false;
    const QJsonObject shown = m_app.command("snapshot");
    m_listedAtStart = shown.value("devices").toInt();
    return m_listedAtStart > 0 || fail(QStringLiteral("the fleet shows no device"));
}

bool SoakSession::step()
{
    int draw = int(m_random.bounded(m_totalWeight));
    for (const Action& action : m_actions) {
        draw -= action.weight;
        if (draw >= 0)
            continue;
        ++m_counts[QString::fromLatin1(action.name)];
        if (m_options.verbose)
            std::fprintf(stderr, "%8.3f s %s (%d listed)\n", double(m_clock.elapsed()) / 1000.0, action.name,
                         m_app.command("snapshot", 60000).value("devices").toInt());
        if (action.run())
            return true;
        const bool running = m_app.process().state() == QProcess::Running;
        return fail(QStringLiteral("action %1 failed after %2 s; the program %3")
                        .arg(QString::fromLatin1(action.name))
                        .arg(double(m_clock.elapsed()) / 1000.0)
                        .arg(running ? QStringLiteral("still runs")
                                     : QStringLiteral("ended: ") + m_app.standardError().right(4000)));
    }
    return true;
}

// Faults cleared, the fleet loaded afresh: the program must show it as at the start.
bool SoakSession::settleFleet()
{
    if (!sim("clear") || !sim("profile " + m_profile) || !sim("wait"))
        return false;
    const QJsonObject waited = m_app.command(QStringLiteral("wait-rows %1").arg(m_listedAtStart), 120000);
    const QJsonObject shown = m_app.command("snapshot");
    const int listed = shown.value("devices").toInt();
    const int rows = shown.value("list").toObject().value("rows").toArray().size();
    if (waited.contains("error") || listed != m_listedAtStart || rows != m_listedAtStart)
        return fail(QStringLiteral("after the session %1 devices are listed in %2 rows; the fleet has %3")
                        .arg(listed)
                        .arg(rows)
                        .arg(m_listedAtStart));
    return true;
}

bool SoakSession::quit()
{
    if (!probe("quit"))
        return false;
    if (!m_app.process().waitForFinished(60000))
        return fail(QStringLiteral("the program did not exit"));
    const QString errors = m_app.standardError();
    if (m_app.process().exitStatus() != QProcess::NormalExit || m_app.process().exitCode() != 0)
        return fail(QStringLiteral("exit code %1: %2").arg(m_app.process().exitCode()).arg(errors));
    return true;
}

bool SoakSession::checkResidentSize(qint64 warmKb, qint64 endKb)
{
    std::printf("lumaris-soak: resident size %lld kB after warm-up, %lld kB at the end\n", warmKb, endKb);
    if (m_options.rssGrowthLimitKb <= 0)
        return true;
    if (warmKb <= 0 || endKb <= 0)
        return fail(QStringLiteral("the resident size could not be read"));
    return endKb - warmKb <= m_options.rssGrowthLimitKb
        || fail(QStringLiteral("the resident size grew by %1 kB after warm-up (limit %2 kB)")
                    .arg(endKb - warmKb)
                    .arg(m_options.rssGrowthLimitKb));
}

bool SoakSession::sim(const QString& line, bool mayBeRefused)
{
    QString output;
    if (m_app.simCommand(line, &output) || mayBeRefused)
        return true;
    return fail(QStringLiteral("simulator refused \"%1\": %2").arg(line, output.trimmed()));
}

bool SoakSession::probe(const QString& line, int timeoutMs)
{
    const QJsonObject answer = m_app.command(line, timeoutMs);
    return !answer.contains("error") || fail(line + ": " + answer.value("error").toString());
}

// Which devices the simulator has plugged in, and which not.
bool SoakSession::refreshFleet()
{
    QString output;
    if (!m_app.simCommand(QStringLiteral("list"), &output))
        return fail(QStringLiteral("list: ") + output);
    m_plugged.clear();
    m_unplugged.clear();
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(' ');
        if (words.size() < 2)
            continue;
        (words.at(1) == QLatin1String("plugged") ? m_plugged : m_unplugged).append(words.at(0));
    }
    return !(m_plugged.isEmpty() && m_unplugged.isEmpty()) || fail(QStringLiteral("the simulator lists no device"));
}

QString SoakSession::pick(const QStringList& choices)
{
    return choices.isEmpty() ? QString() : choices.at(int(m_random.bounded(choices.size())));
}

QString SoakSession::anyDevice(bool plugged)
{
    if (!refreshFleet())
        return QString();
    return pick(plugged ? m_plugged : m_unplugged);
}

// A device can vanish under an injected fault between the look and the command.
bool SoakSession::plugOne()
{
    const QString device = anyDevice(false);
    return device.isEmpty() || sim("plug " + device, true);
}

bool SoakSession::unplugOne()
{
    const QString device = anyDevice(true);
    return device.isEmpty() || sim("unplug " + device, true);
}

bool SoakSession::storm()
{
    const QString device = anyDevice(true);
    const QString topic = pick({"pref", "stat", "both"});
    return device.isEmpty() || sim(QStringLiteral("storm %1 %2 %3").arg(device, topic).arg(kStormSize));
}

bool SoakSession::signalChange()
{
    const QString device = anyDevice(true);
    if (device.isEmpty())
        return true;
    if (m_random.bounded(2))
        return sim(QStringLiteral("signal %1 %2").arg(device, pick({"Hi59", "hp50", "Hp25", "none"})), true);
    return sim(QStringLiteral("reference %1 %2").arg(device, pick({"Hi50", "Hi59", "none"})), true);
}

// One failing call, or a device that vanishes inside one; then a re-plug, so
// the adapter meets the fault while it reads the device.
bool SoakSession::fault()
{
    const QString device = anyDevice(true);
    if (device.isEmpty())
        return true;
    const QString operation = pick(kFaultOperations);
    const bool vanish = m_random.bounded(3) == 0;
    const QString line = vanish ? QStringLiteral("vanish %1 %2").arg(device, operation)
                                : QStringLiteral("fail %1 %2 2").arg(device, operation);
    return sim(line) && sim("unplug " + device, true) && sim("plug " + device, true)
        && sim("clear " + device);
}

bool SoakSession::reload()
{
    return sim("profile " + m_profile);
}

// Plug and unplug as fast as the control socket takes them, unthrottled.
bool SoakSession::burst()
{
    const QString device = anyDevice(true);
    if (device.isEmpty())
        return true;
    for (int cycle = 0; cycle < kBurstCycles; ++cycle) {
        if (!sim("unplug " + device, true) || !sim("plug " + device, true))
            return false;
    }
    return true;
}

bool SoakSession::switchView()
{
    switch (m_random.bounded(3)) {
    case 0:
        return probe("show-list");
    case 1:
        return probe("show-gallery");
    default:
        // With fewer devices than that the dot is missing: nothing to click.
        m_app.command(QStringLiteral("dot %1").arg(m_random.bounded(4)));
        return true;
    }
}
