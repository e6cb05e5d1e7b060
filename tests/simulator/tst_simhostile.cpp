// The simulated driver against hostile input of the same user: profiles and stored
// state that are not what they claim, control clients that stall, and the leftovers of
// killed processes. Each case ends in one plain line of error, never in a hang or a crash.
#include "MarlixAPILoader.h"
#include "SimTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace MarlixItem;

namespace {

// One device with a label, stored as box.json (it has no persistent id).
const QByteArray kBoxProfile = R"({"devices": [{"id": "box", "modelName": "Box", "attributes": {"rvid": 1},
    "configuration": {"dila": {"type": "string", "default": "factory"}}}]})";

QByteArray manyDevices(int count)
{
    QByteArray profile = R"({"devices": [)";
    for (int i = 0; i < count; ++i) {
        profile += (i ? "," : "") + QByteArray(R"({"id": "d)") + QByteArray::number(i)
                   + R"(", "modelName": "M", "plugged": false, "attributes": {"rvid": 1}})";
    }
    return profile + "]}";
}

// A raw client of the control socket: -1 when it cannot connect.
int connectRaw(const QString& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof address.sun_path)
        return -1;
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

// Sends the bytes and reads the answer until the server closes.
QByteArray exchangeRaw(const QString& path, const QByteArray& request)
{
    const int fd = connectRaw(path);
    if (fd < 0)
        return "<no connection>";
    if (!request.isEmpty())
        send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
    QByteArray reply;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, int(n));
    close(fd);
    return reply;
}

struct RawClients
{
    ~RawClients()
    {
        for (int fd : fds)
            close(fd);
    }
    std::vector<int> fds;
};

QStringList filesIn(const QString& directory)
{
    return QDir(directory).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

} // namespace

class TestSimulatorHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unreadableStoredStateIsKeptAside_data();
    void unreadableStoredStateIsKeptAside();
    void deviceIdsMakePlainFileNames();
    void staleTemporaryFilesGoAtStart();
    void othersDirectoriesAreRefused_data();
    void othersDirectoriesAreRefused();
    void controlPathThatIsNotASocketIsLeftAlone();
    void controlLineFaults_data();
    void controlLineFaults();
    void stalledClientsDelayNobody();
    void stoppingNeverWaitsForAClient();
    void largestSubDeviceIndexIsListed();
    void successCodesMayBePositive_data();
    void successCodesMayBePositive();
    void leftBehindIsReported_data();
    void leftBehindIsReported();

private:
    // A process environment with its own profile and state directory.
    QProcessEnvironment boxEnvironment(const QString& state) const;
    QString profile(const QString& name, const QByteArray& content) const;

    QTemporaryDir m_root;
    std::unique_ptr<QTemporaryDir> m_state;
    QString m_socket;
};

void TestSimulatorHostile::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_socket = m_root.filePath(QStringLiteral("control.sock"));
    qputenv("MARLIX_SIM_CONTROL", m_socket.toUtf8());
    qunsetenv("MARLIX_SIM_PROFILE");
    QVERIFY2(simControl(QStringLiteral("help")), "the driver library did not load");
}

void TestSimulatorHostile::init()
{
    m_state = std::make_unique<QTemporaryDir>(m_root.filePath(QStringLiteral("state-XXXXXX")));
    qputenv("MARLIX_SIM_STATE_DIR", m_state->path().toUtf8());
    QString error;
    QVERIFY2(simControl(QStringLiteral("profile default"), &error), qPrintable(error));
}

void TestSimulatorHostile::cleanup()
{
    simControl(QStringLiteral("success getters 0"));
    simControl(QStringLiteral("success probes 0"));
    simControl(QStringLiteral("wait"));
}

QProcessEnvironment TestSimulatorHostile::boxEnvironment(const QString& state) const
{
    QProcessEnvironment env = probeEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_PROFILE"), profile(QStringLiteral("box.json"), kBoxProfile));
    env.insert(QStringLiteral("MARLIX_SIM_STATE_DIR"), state);
    return env;
}

QString TestSimulatorHostile::profile(const QString& name, const QByteArray& content) const
{
    const QString path = m_root.filePath(name);
    return writeFile(path, content) ? path : QString();
}

void TestSimulatorHostile::unreadableStoredStateIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    QTest::newRow("cut short") << QByteArray(R"({"format": 1, "configuration": {"dila": )") << "syntax error";
    QTest::newRow("settings not an object")
        << QByteArray(R"({"format": 1, "device": "box", "configuration": []})") << "not a stored configuration";
    QTest::newRow("setting of the wrong kind")
        << QByteArray(R"({"format": 1, "device": "box", "configuration": {"dila": {"int": "x"}}})")
        << "entry 'dila' is not a stored setting";
    QTest::newRow("nested 10,000 deep") << QByteArray(10000, '[') + QByteArray(10000, ']') << "nests deeper";
    QTest::newRow("a FIFO under its name") << QByteArray() << "is not a regular file";
}

// The bad file stays whole under a name that says what it is, and a save never touches it.
void TestSimulatorHostile::unreadableStoredStateIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString stored = m_state->filePath(QStringLiteral("box.json"));
    const bool fifo = content.isEmpty();
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(stored).constData(), 0600), 0);
    else
        QVERIFY(writeFile(stored, content));
    const QProcessEnvironment env = boxEnvironment(m_state->path());

    const ProbeRun first = runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box")}, env, 10000);
    QCOMPARE(first.out, QStringLiteral("factory\n"));
    QCOMPARE(first.err.count('\n'), 1);
    QVERIFY2(first.err.contains(reason) && first.err.contains("kept as"), qPrintable(first.err));
    const QStringList kept = QDir(m_state->path()).entryList({QStringLiteral("box.json.unreadable-*")}, QDir::System | QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(first.err.contains(kept.first()), qPrintable(first.err));

    QCOMPARE(runProbe(SIM_PROBE, {QStringLiteral("setlabel"), QStringLiteral("Box"), QStringLiteral("new")}, env).exitCode, 0);
    const ProbeRun after = runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box")}, env, 10000);
    QCOMPARE(after.out, QStringLiteral("new\n"));
    QCOMPARE(after.err, QString());
    const QFileInfo keptFile(m_state->filePath(kept.first()));
    if (fifo) {
        QVERIFY(keptFile.isFile() == false && keptFile.exists());
    } else {
        QFile file(keptFile.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void TestSimulatorHostile::deviceIdsMakePlainFileNames()
{
    const QString path = profile(QStringLiteral("escaping.json"), R"({"devices": [
        {"id": "../outside/escaped", "modelName": "Escaped", "attributes": {"rvid": 1},
         "configuration": {"dila": {"type": "string", "default": ""}}},
        {"id": "..%2Foutside", "modelName": "Lookalike", "attributes": {"rvid": 1},
         "configuration": {"dila": {"type": "string", "default": ""}}}]})");
    QString error;
    QVERIFY2(simControl(QStringLiteral("profile ") + path, &error), qPrintable(error));
    for (const QString& name : {QStringLiteral("Escaped"), QStringLiteral("Lookalike")}) {
        const auto device = findDevice(name);
        const auto configuration = query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration);
        QVERIFY(configuration);
        QCOMPARE(configuration->SetString(kConfigDeviceLabel, "stored"), kMarlixOk);
        QCOMPARE(configuration->WriteToPreferences(), kMarlixOk);
    }
    QCOMPARE(filesIn(m_state->path()),
             (QStringList{"%2E%2E%252Foutside.json", "%2E%2E%2Foutside%2Fescaped.json"}));
    QVERIFY(!QFileInfo::exists(m_root.filePath(QStringLiteral("outside"))));
}

// Only files of processes that are gone: a live writer keeps its file.
void TestSimulatorHostile::staleTemporaryFilesGoAtStart()
{
    QProcess gone;
    gone.start(QStringLiteral("true"), QStringList());
    QVERIFY(gone.waitForStarted());
    const qint64 gonePid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString stale = QStringLiteral("box.json.tmp-%1-0").arg(gonePid);
    const QString live = QStringLiteral("box.json.tmp-%1-1").arg(QCoreApplication::applicationPid());
    const QString unrelated = QStringLiteral("notes.tmp-x");
    for (const QString& name : {stale, live, unrelated})
        QVERIFY(writeFile(m_state->filePath(name), "{"));
    QCOMPARE(runProbe(SIM_PROBE, {QStringLiteral("list")}, boxEnvironment(m_state->path())).exitCode, 0);
    QCOMPARE(filesIn(m_state->path()), (QStringList{live, unrelated}));
}

void TestSimulatorHostile::othersDirectoriesAreRefused_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<bool>("foreignOwner");
    QTest::addColumn<QString>("fault");

    QTest::newRow("state directory of another user") << "MARLIX_SIM_STATE_DIR" << true << "owned by another user";
    QTest::newRow("state directory anyone may write") << "MARLIX_SIM_STATE_DIR" << false << "writable by other users";
    QTest::newRow("runtime directory of another user") << "XDG_RUNTIME_DIR" << true << "owned by another user";
    QTest::newRow("runtime directory anyone may write") << "XDG_RUNTIME_DIR" << false << "writable by other users";
}

void TestSimulatorHostile::othersDirectoriesAreRefused()
{
    QFETCH(QString, variable);
    QFETCH(bool, foreignOwner);
    QFETCH(QString, fault);
    const QString directory = m_root.filePath(QString::fromUtf8(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY(QDir().mkpath(directory));
    const QByteArray name = QFile::encodeName(directory);
    if (foreignOwner && chown(name.constData(), 65534, 65534) != 0)
        QSKIP("giving a directory to another user needs root");
    QCOMPARE(chmod(name.constData(), foreignOwner ? 0700 : 0777), 0);

    QProcessEnvironment env = boxEnvironment(m_state->path());
    env.insert(variable, directory);
    if (variable == QLatin1String("XDG_RUNTIME_DIR"))
        env.remove(QStringLiteral("MARLIX_SIM_CONTROL"));
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("setlabel"), QStringLiteral("Box"), QStringLiteral("x")}, env);
    QVERIFY2(run.err.contains("refused") && run.err.contains(fault), qPrintable(run.err));
    QCOMPARE(filesIn(directory), QStringList());
}

void TestSimulatorHostile::controlPathThatIsNotASocketIsLeftAlone()
{
    const QString precious = m_root.filePath(QStringLiteral("precious.txt"));
    QVERIFY(writeFile(precious, "keep me"));
    QProcessEnvironment env = boxEnvironment(m_state->path());
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), precious);
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("list")}, env);
    QCOMPARE(run.out, QStringLiteral("Box\t1\n"));
    QVERIFY2(run.err.contains("not a socket"), qPrintable(run.err));
    QFile file(precious);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void TestSimulatorHostile::controlLineFaults_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("line longer than 64 KiB") << QByteArray(100 * 1024, 'a') << QByteArray("error: the command is too long\n");
    QTest::newRow("NUL byte then junk") << QByteArray("list\0junk\n", 10) << QByteArray("error: the command holds a NUL byte\n");
    QTest::newRow("nothing said") << QByteArray() << QByteArray("error: no command within 2 s\n");
    QTest::newRow("last line without its end") << QByteArray("faults") << QByteArray("ok\n");
}

void TestSimulatorHostile::controlLineFaults()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    const int fd = connectRaw(m_socket);
    QVERIFY(fd >= 0);
    if (!request.isEmpty())
        QCOMPARE(send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL), ssize_t(request.size()));
    if (!request.isEmpty() && !request.endsWith('\n') && request.size() < 1024)
        shutdown(fd, SHUT_WR);
    QByteArray answer;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, int(n));
    close(fd);
    QCOMPARE(answer, reply);
}

// A silent client, one that stops half-way through its line and one that never reads its
// long answer are each served on their own: everybody else is answered at once.
void TestSimulatorHostile::stalledClientsDelayNobody()
{
    QString error;
    QVERIFY2(simControl(QStringLiteral("profile ") + profile(QStringLiteral("many.json"), manyDevices(10000)), &error),
             qPrintable(error));
    RawClients clients;
    for (const QByteArray& request : {QByteArray(), QByteArray("li"), QByteArray("list\n")}) {
        clients.fds.push_back(connectRaw(m_socket));
        QVERIFY(clients.fds.back() >= 0);
        if (!request.isEmpty())
            send(clients.fds.back(), request.constData(), size_t(request.size()), MSG_NOSIGNAL);
    }
    const ProbeRun help = runProbe(SIM_CTL, {QStringLiteral("help")}, QProcessEnvironment::systemEnvironment(), 10000);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.elapsedMs < 1500, qPrintable(QString::number(help.elapsedMs)));

    // Listing is linear in the fleet: ten thousand devices took 7 s when it was not, and
    // take well under a second now (a few under the sanitizers on a busy machine).
    const ProbeRun list = runProbe(SIM_CTL, {QStringLiteral("list")}, QProcessEnvironment::systemEnvironment(), 20000);
    QCOMPARE(list.out.count('\n'), 10000);
    QVERIFY2(list.elapsedMs < 5000, qPrintable(QString::number(list.elapsedMs)));
}

// The process ends at once when it is told to, whoever is connected.
void TestSimulatorHostile::stoppingNeverWaitsForAClient()
{
    const QString socket = m_root.filePath(QStringLiteral("serve.sock"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), socket);
    // Enough devices that the listing does not fit the socket's buffer.
    env.insert(QStringLiteral("MARLIX_SIM_PROFILE"), profile(QStringLiteral("some.json"), manyDevices(4000)));
    QProcess serving;
    serving.setProcessEnvironment(env);
    serving.start(SIM_PROBE, {QStringLiteral("serve")});
    QVERIFY(serving.waitForReadyRead(60000));
    QCOMPARE(serving.readLine(), QByteArray("ready\n"));

    RawClients clients;
    for (const QByteArray& request : {QByteArray(), QByteArray("list\n")}) {
        clients.fds.push_back(connectRaw(socket));
        QVERIFY(clients.fds.back() >= 0);
        if (!request.isEmpty())
            send(clients.fds.back(), request.constData(), size_t(request.size()), MSG_NOSIGNAL);
    }
    // The listing is under way and stuck on the client that does not read.
    QVERIFY(exchangeRaw(socket, "wait\n").startsWith("ok\n"));
    QElapsedTimer clock;
    clock.start();
    serving.closeWriteChannel();
    QVERIFY(serving.waitForFinished(10000));
    QCOMPARE(serving.exitCode(), 0);
    // A silent client alone held the old server for its 5 s read time-out.
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
}

void TestSimulatorHostile::largestSubDeviceIndexIsListed()
{
    const QString path = profile(QStringLiteral("index.json"), R"({"devices": [{"id": "far", "modelName": "Far",
        "attributes": {"rvid": 1, "subi": 9223372036854775807, "nsbd": 2}}]})");
    QString error;
    QVERIFY2(simControl(QStringLiteral("profile ") + path, &error), qPrintable(error));
    const ProbeRun run = runProbe(SIM_CTL, {QStringLiteral("list")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("sub-device 9223372036854775808 of 2"), qPrintable(run.out));
}

void TestSimulatorHostile::successCodesMayBePositive_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("probe");
    QTest::addColumn<MarlixCode>("item");
    QTest::addColumn<int>("answer");

    QTest::newRow("getter answers 1") << "success getters 1" << false << kAttrModelId << 1;
    QTest::newRow("getter answers a large code") << "success getters 2147483647" << false << kAttrModelId << 2147483647;
    QTest::newRow("getter of a missing item still fails") << "success getters 1" << false << MarlixFourCC("zzzz")
                                                          << int(kMarlixNotImplemented);
    QTest::newRow("probe answers 7") << "success probes 7" << true << MarlixValue::kConversionLetterbox << 7;
    QTest::newRow("probe of a missing conversion still fails") << "success probes 7" << true
                                                               << MarlixValue::kConversionHWLetterbox
                                                               << int(kMarlixInvalidArg);
    QTest::newRow("getters unaffected by probes") << "success probes 7" << false << kAttrModelId << int(kMarlixOk);
}

void TestSimulatorHostile::successCodesMayBePositive()
{
    QFETCH(QString, command);
    QFETCH(bool, probe);
    QFETCH(MarlixCode, item);
    QFETCH(int, answer);
    QString error;
    QVERIFY2(simControl(command, &error), qPrintable(error));
    const auto device = findDevice(QStringLiteral("Lumaris Shuttle HD 2"));
    const auto attributes = query<IMarlixAttributes>(device.get(), IID_IMarlixAttributes);
    QVERIFY(attributes);
    int64_t value = probe ? int64_t(item) : -1;
    QCOMPARE(attributes->GetInt(probe ? kAttrSupportedOutputConversion : item, &value), MarlixResult(answer));
    // A getter that succeeds fills its value whatever code it answers.
    if (!probe && answer >= 0)
        QVERIFY(value > 0);
}

void TestSimulatorHostile::leftBehindIsReported_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("strict");

    QTest::newRow("subscription, test run") << "subscription" << true;
    QTest::newRow("subscription, plain run") << "subscription" << false;
    QTest::newRow("discovery registration, test run") << "discovery" << true;
    QTest::newRow("discovery registration, plain run") << "discovery" << false;
}

// In a test run a client's leak ends the process, so that the test that caused it fails.
void TestSimulatorHostile::leftBehindIsReported()
{
    QFETCH(QString, what);
    QFETCH(bool, strict);
    QProcessEnvironment env = probeEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_STRICT"), strict ? QStringLiteral("1") : QStringLiteral("0"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("leave"), what}, env);
    QCOMPARE(run.exitCode, strict ? -1 : 0);
    QVERIFY2(run.err.startsWith("marlix-sim: left behind: ") && run.err.contains(what == "discovery" ? "discovery" : "stat"),
             qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestSimulatorHostile)
#include "tst_simhostile.moc"
