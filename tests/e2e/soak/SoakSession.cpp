#include "SoakSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kStormSize = 400;
constexpr int kBurstCycles = 150;
constexpr int kCommandTimeoutMs = 30000;
// Faults the adapter meets while reading a device or subscribing to it.
const QStringList kFaultOperations{"Attributes.GetInt", "Status.GetInt", "Status.GetString",
                                   "Configuration.GetInt", "Notification.Subscribe", "QueryInterface"};
// One configuration write in this many fails, all session long.
const QString kFailingWrites = QStringLiteral("fail-every * Configuration.Set* 10");
// One card edit in this many is made while the driver refuses every write, then checked.
constexpr int kRefusedEdit = 4;

bool fail(const QString& what)
{
    std::fprintf(stderr, "lumaris-soak: %s\n", qPrintable(what));
    return false;
}

QString compact(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

// The default fleet, with the simulator told to return from unregistering at once.
QString writeProfile(const QString& directory, bool atOnce)
{
    QFile source(QStringLiteral(LUMARIS_DEFAULT_FLEET));
    QFile target(directory + QStringLiteral("/soak-fleet.json"));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return QString();
    QJsonObject profile = QJsonDocument::fromJson(source.readAll()).object();
    profile.insert("unsubscribeWaits", !atOnce);
    target.write(QJsonDocument(profile).toJson());
    return target.fileName();
}

} // namespace

SoakSession::SoakSession(const Options& options)
    : m_options(options)
    , m_random(options.seed)
{
    const auto replug = [this](bool plug) {
        const QString device = anyDevice(!plug);
        // A device can vanish under an injected fault between the look and the command.
        return device.isEmpty() || sim((plug ? "plug " : "unplug ") + device, true);
    };
    m_actions = {
        {"plug", 6, [replug] { return replug(true); }},
        {"unplug", 6, [replug] { return replug(false); }},
        {"storm", 8, [this] {
             const QString device = anyDevice(true);
             const QString topic = pick({"pref", "stat", "both"});
             return device.isEmpty() || sim(QStringLiteral("storm %1 %2 %3").arg(device, topic).arg(kStormSize));
         }},
        {"signal", 6, [this] {
             const QString device = anyDevice(true);
             const bool input = m_random.bounded(2);
             const QString mode = input ? pick({"Hi59", "hp50", "Hp25", "none"}) : pick({"Hi50", "Hi59", "none"});
             return device.isEmpty() || sim(QStringLiteral("%1 %2 %3").arg(input ? "signal" : "reference", device, mode), true);
         }},
        {"fault", 3, [this] { return fault(); }},
        {"reload", 1, [this] { return sim("profile " + m_profile); }},
        {"burst", 1, [this] { return burst(); }},
        {"view", 4, [this] {
             if (const int view = int(m_random.bounded(3)); view < 2)
                 return probe(view ? "show-gallery" : "show-list");
             // With fewer devices than that the dot is missing: nothing to click.
             m_app.command(QStringLiteral("dot %1").arg(m_random.bounded(4)));
             return true;
         }},
        {"card-open", 4, [this] { return openCard(); }},
        {"card-edit", 12, [this] { return editCard(); }},
        {"card-close", 2, [this] { return closeCard(); }},
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
    m_clock.start();
    const qint64 total = qint64(m_options.seconds) * 1000;
    qint64 warmKb = -1;
    int steps = 0;
    for (; m_clock.elapsed() < total; ++steps) {
        if (!step())
            return false;
        if (warmKb < 0 && m_clock.elapsed() > total / 3)
            warmKb = ProbedApp::residentKilobytes(m_app.pid());
    }
    QStringList counts;
    for (auto count = m_counts.cbegin(); count != m_counts.cend(); ++count)
        counts << QStringLiteral("%1 %2").arg(count.value()).arg(count.key());
    std::printf("lumaris-soak: seed %u, %d s, %d actions (%s), %d edits checked after refused writes, simulator %s\n",
                m_options.seed, m_options.seconds, steps, qPrintable(counts.join(", ")), m_refusedEdits,
                m_options.atOnce ? "returns at once" : "waits");
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
    if (!sim("wait") || !refreshFleet() || !sim(kFailingWrites))
        return false;
    m_listedAtStart = m_app.command("snapshot").value("devices").toInt();
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
        if (action.run())
            return true;
        // A program that died has closed its sockets before its end is seen: give it a moment.
        const bool running = !m_app.process().waitForFinished(2000);
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
    const bool shown = !m_app.command(QStringLiteral("wait-rows %1").arg(m_listedAtStart), 120000).contains("error");
    const int listed = m_app.command("snapshot").value("devices").toInt();
    return (shown && listed == m_listedAtStart)
        || fail(QStringLiteral("after the session %1 devices are listed, not every row shown as the %2 of the fleet")
                    .arg(listed)
                    .arg(m_listedAtStart));
}

// Stopped by force only when it does not end on its own: then it did not exit normally.
bool SoakSession::quit()
{
    return m_app.stop()
        || fail(QStringLiteral("exit code %1: %2").arg(m_app.process().exitCode()).arg(m_app.standardError()));
}

bool SoakSession::checkResidentSize(qint64 warmKb, qint64 endKb)
{
    std::printf("lumaris-soak: resident size %lld kB after warm-up, %lld kB at the end\n", warmKb, endKb);
    if (m_options.rssGrowthLimitKb <= 0)
        return true;
    return (warmKb > 0 && endKb > 0 && endKb - warmKb <= m_options.rssGrowthLimitKb)
        || fail(QStringLiteral("the resident size grew from %1 kB after warm-up to %2 kB (limit %3 kB of growth)")
                    .arg(warmKb)
                    .arg(endKb)
                    .arg(m_options.rssGrowthLimitKb));
}

bool SoakSession::sim(const QString& line, bool mayBeRefused, QString* output)
{
    QString answer;
    output = output ? output : &answer;
    return m_app.simCommand(line, output) || mayBeRefused
        || fail(QStringLiteral("simulator refused \"%1\": %2").arg(line, output->trimmed()));
}

bool SoakSession::probe(const QString& line)
{
    const QJsonObject answer = m_app.command(line, kCommandTimeoutMs);
    return !answer.contains("error") || fail(line + ": " + answer.value("error").toString());
}

// Which devices the simulator has plugged in, and which not.
bool SoakSession::refreshFleet()
{
    QString output;
    if (!sim(QStringLiteral("list"), false, &output))
        return false;
    m_plugged.clear();
    m_unplugged.clear();
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(' ');
        if (words.size() >= 2)
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
    return refreshFleet() ? pick(plugged ? m_plugged : m_unplugged) : QString();
}

// One failing call, or a device that vanishes inside one; then a re-plug, so
// the adapter meets the fault while it reads the device.
bool SoakSession::fault()
{
    const QString device = anyDevice(true);
    if (device.isEmpty())
        return true;
    const QString operation = pick(kFaultOperations);
    const QString line = m_random.bounded(3) == 0 ? QStringLiteral("vanish %1 %2").arg(device, operation)
                                                  : QStringLiteral("fail %1 %2 2").arg(device, operation);
    return sim(line) && sim("unplug " + device, true) && sim("plug " + device, true) && sim("clear " + device);
}

// Plug and unplug as fast as the control socket takes them, unthrottled.
bool SoakSession::burst()
{
    const QString device = anyDevice(true);
    for (int cycle = 0; !device.isEmpty() && cycle < kBurstCycles; ++cycle) {
        if (!sim("unplug " + device, true) || !sim("plug " + device, true))
            return false;
    }
    return true;
}

bool SoakSession::cardOpen()
{
    return m_app.command("card", kCommandTimeoutMs).value("open").toBool();
}

// The card closes itself when its device goes; a command may meet it either way.
bool SoakSession::openCard()
{
    if (cardOpen())
        return true;
    const int listed = m_app.command("snapshot", kCommandTimeoutMs).value("devices").toInt();
    if (listed == 0)
        return true;
    if (!probe("show-list") || !probe(QStringLiteral("open-row %1").arg(m_random.bounded(listed))))
        return m_app.process().state() == QProcess::Running;
    // The device may have gone between the look and the click.
    m_app.waitForText("card", "\"open\":true", true, kCommandTimeoutMs);
    return true;
}

bool SoakSession::closeCard()
{
    if (!cardOpen())
        return true;
    m_app.command(m_random.bounded(2) ? "card-save" : "card-cancel", kCommandTimeoutMs);
    return m_app.waitForText("card", "\"open\":true", false, kCommandTimeoutMs)
        || fail(QStringLiteral("the card did not close"));
}

// The controls the user sees on every tab, each with its value, in the order
// shown; hidden controls do not count, since a tab may rebuild rows it does not show.
QJsonArray SoakSession::shownControls()
{
    QJsonArray shown;
    for (const QJsonValue& control : m_app.command("controls", kCommandTimeoutMs).value("controls").toArray()) {
        QJsonObject entry = control.toObject();
        entry.remove("editable");
        if (entry.value("shown").toBool())
            shown.append(entry);
    }
    return shown;
}

// A "pref" notification to every plugged device, delivered: every tab reads its
// device again. Then the settings of them all, as the simulator holds them.
bool SoakSession::refreshDevices(QString& settings)
{
    settings.clear();
    for (const QString& device : m_plugged) {
        QString live;
        if (!sim(QStringLiteral("storm %1 pref 1").arg(device)) || !sim("setting " + device, false, &live))
            return false;
        settings += device + QLatin1Char('\n') + live;
    }
    return sim("wait") && probe("settle");
}

// Every write of one edit refused (an edit may write to a partner sub-device): no
// device's settings change, and once the tabs have read the devices again every
// control shows what it showed before the edit. The session's one-in-ten failures
// step aside meanwhile, or they would answer first.
bool SoakSession::editRefused(int control)
{
    QString settingsBefore, settingsAfter;
    if (!refreshFleet() || !refreshDevices(settingsBefore))
        return false;
    const QJsonArray before = shownControls();
    if (!sim("clear *") || !sim(QStringLiteral("fail * Configuration.Set*")))
        return false;
    m_app.command(QStringLiteral("control-edit %1").arg(control), kCommandTimeoutMs);
    if (!probe("settle") || !sim("wait") || !sim("clear *") || !sim(kFailingWrites) || !refreshDevices(settingsAfter))
        return false;
    if (settingsAfter != settingsBefore)
        return fail(QStringLiteral("a refused write changed the settings:\n%1\nbecame\n%2")
                        .arg(settingsBefore, settingsAfter));
    const QJsonArray after = shownControls();
    ++m_refusedEdits;
    return after == before
        || fail(QStringLiteral("after a refused edit of control %1 the card shows\n%2\ninstead of\n%3")
                    .arg(control)
                    .arg(compact(after), compact(before)));
}

// One change of a control the open card shows, any kind; sometimes with every write refused.
bool SoakSession::editCard()
{
    if (!cardOpen())
        return true;
    QList<int> editable;
    const QJsonArray all = m_app.command("controls", kCommandTimeoutMs).value("controls").toArray();
    for (int index = 0; index < all.size(); ++index) {
        if (all.at(index).toObject().value("editable").toBool())
            editable << index;
    }
    if (editable.isEmpty())
        return true;
    const int control = editable.at(int(m_random.bounded(editable.size())));
    if (m_random.bounded(kRefusedEdit) == 0)
        return editRefused(control);
    m_app.command(QStringLiteral("control-edit %1").arg(control), kCommandTimeoutMs);
    return m_app.process().state() == QProcess::Running || fail(QStringLiteral("the program ended during an edit"));
}
