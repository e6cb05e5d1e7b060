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

// One configuration write in this many fails, all session long.
constexpr int kFailingWrite = 10;
// One card edit in this many is made while the driver refuses every write, then checked.
constexpr int kRefusedEdit = 4;

// The name a device shows: its display name, else the model name its templates give it.
QString shownName(const QJsonObject& device, const QJsonObject& templates)
{
    if (device.contains("displayName"))
        return device.value("displayName").toString();
    QJsonObject node = device;
    for (int depth = 0; depth < 8; ++depth) {
        if (node.contains("modelName"))
            return node.value("modelName").toString();
        const QString parent = node.value(depth == 0 ? "template" : "base").toString();
        node = templates.value(parent).toObject();
    }
    return QString();
}

QMap<QString, QString> deviceKeys(const QJsonObject& profile)
{
    QMap<QString, QString> keys;
    const QJsonObject templates = profile.value("templates").toObject();
    for (const QJsonValue& device : profile.value("devices").toArray())
        keys.insert(shownName(device.toObject(), templates), device.toObject().value("id").toString());
    return keys;
}

// The default fleet, with the simulator told to return from unregistering at once.
QString writeProfile(const QString& directory, bool atOnce, QMap<QString, QString>& keys)
{
    QFile source(QStringLiteral(LUMARIS_DEFAULT_FLEET));
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    QJsonObject profile = QJsonDocument::fromJson(source.readAll()).object();
    keys = deviceKeys(profile);
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
    m_profile = writeProfile(directory.path(), m_options.atOnce, m_deviceKeys);
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
    if (!sim("wait") || !refreshFleet() || !sim(QStringLiteral("fail-every * Configuration.Set* %1").arg(kFailingWrite)))
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

// The card closes itself when its device goes; a command may meet it either way.
bool SoakSession::waitForCard(bool open)
{
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        const QJsonObject card = m_app.command("card", 30000);
        if (card.contains("error"))
            return fail(QStringLiteral("card: ") + card.value("error").toString());
        if (card.value("open").toBool() == open)
            return true;
        QThread::msleep(20);
    }
    return open || fail(QStringLiteral("the card did not close"));
}

// The simulator id of the device whose card is open; empty when none is.
QString SoakSession::openDevice()
{
    const QJsonObject card = m_app.command("card", 30000);
    if (!card.value("open").toBool())
        return QString();
    return m_deviceKeys.value(card.value("header").toArray().first().toString());
}

bool SoakSession::openCard()
{
    if (m_app.command("card", 30000).value("open").toBool())
        return true;
    const int listed = m_app.command("snapshot", 30000).value("devices").toInt();
    if (listed == 0)
        return true;
    if (!probe("show-list") || !probe(QStringLiteral("open-row %1").arg(m_random.bounded(listed))))
        return m_app.process().state() == QProcess::Running;
    // The device may have gone between the look and the click.
    return waitForCard(true);
}

bool SoakSession::closeCard()
{
    if (!m_app.command("card", 30000).value("open").toBool())
        return true;
    m_app.command(m_random.bounded(2) ? "card-save" : "card-cancel", 30000);
    return waitForCard(false);
}

// The controls the user sees on every tab, each with its value.
QJsonArray SoakSession::shownControls()
{
    // In the order shown; hidden controls do not count, since a tab may rebuild
    // rows it does not show.
    QJsonArray shown;
    for (const QJsonValue& control : m_app.command("controls", 30000).value("controls").toArray()) {
        QJsonObject entry = control.toObject();
        if (entry.value("shown").toBool()) {
            entry.remove("editable");
            shown.append(entry);
        }
    }
    return shown;
}

// A "pref" notification, delivered: every tab reads the device again.
bool SoakSession::refreshDevice(const QString& device)
{
    return sim(QStringLiteral("storm %1 pref 1").arg(device), true) && sim("wait") && probe("settle", 30000);
}

// Every write of one edit refused: the device's settings stay, and once the tabs have
// read the device again every control shows what it showed before the edit.
bool SoakSession::editRefused(const QString& device, int control)
{
    QString settingsBefore, settingsAfter;
    if (!refreshDevice(device) || !m_app.simCommand("setting " + device, &settingsBefore))
        return true;  // gone meanwhile
    const QJsonArray before = shownControls();
    // Refused on every device: an edit may write to a partner sub-device. The
    // session's one-in-ten failures step aside meanwhile, or they would answer first.
    if (!sim("clear *") || !sim(QStringLiteral("fail * Configuration.Set*")))
        return false;
    m_app.command(QStringLiteral("control-edit %1").arg(control), 30000);
    if (!probe("settle", 30000) || !sim("wait") || !sim("clear *")
        || !sim(QStringLiteral("fail-every * Configuration.Set* %1").arg(kFailingWrite)))
        return false;
    if (!m_app.simCommand("setting " + device, &settingsAfter))
        return true;
    if (settingsAfter != settingsBefore)
        return fail(QStringLiteral("a refused write changed %1's settings:\n%2\nbecame\n%3")
                        .arg(device, settingsBefore, settingsAfter));
    if (!refreshDevice(device) || openDevice() != device)
        return true;
    const QJsonArray after = shownControls();
    ++m_refusedEdits;
    return after == before
        || fail(QStringLiteral("after a refused edit of control %1 of %2 the card shows\n%3\ninstead of\n%4")
                    .arg(control)
                    .arg(device, QString::fromUtf8(QJsonDocument(after).toJson(QJsonDocument::Compact)),
                         QString::fromUtf8(QJsonDocument(before).toJson(QJsonDocument::Compact))));
}

// One change of a control the open card shows, any kind; sometimes with every write refused.
bool SoakSession::editCard()
{
    const QString device = openDevice();
    if (device.isEmpty())
        return true;
    QList<int> editable;
    const QJsonArray all = m_app.command("controls", 30000).value("controls").toArray();
    for (int index = 0; index < all.size(); ++index) {
        if (all.at(index).toObject().value("editable").toBool())
            editable << index;
    }
    if (editable.isEmpty())
        return true;
    const int control = editable.at(int(m_random.bounded(editable.size())));
    if (m_random.bounded(kRefusedEdit) == 0)
        return editRefused(device, control);
    m_app.command(QStringLiteral("control-edit %1").arg(control), 30000);
    return m_app.process().state() == QProcess::Running || fail(QStringLiteral("the program ended during an edit"));
}
