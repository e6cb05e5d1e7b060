// The simulated driver, driven as the program drives it, and against hostile input of the
// same user. The settings tabs, the adapter and the end-to-end suites read through it too:
// rows here hold what only the simulator decides (its verdicts, messages and timing).
#include "SimTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

using namespace MarlixItem;
using namespace MarlixValue;

namespace {

const QString kStudioPro = QStringLiteral("Lumaris Studio Pro");
const QString kShuttle = QStringLiteral("Lumaris Shuttle HD 2");
const QString kCoreDuoOwner = QStringLiteral("Lumaris Core Duo (1)");
const QString kCoreDuoPartner = QStringLiteral("Lumaris Core Duo (2)");
const QString kBolt = QStringLiteral("Lumaris Bolt HD 2");

enum class Kind { AttrInt, ConfInt, ConfFloat, ConfString, StatFlag, StatInt };

// One read through the interface a kind names; the value in the kind's own type.
MarlixResult readItem(IMarlixUnknown* object, Kind kind, MarlixCode id, QVariant* value = nullptr)
{
    bool flag = false;
    int64_t integer = 0;
    double real = 0;
    char* text = nullptr;
    MarlixResult result = kMarlixFail;
    const auto configuration = [object] { return query<IMarlixConfiguration>(object, IID_IMarlixConfiguration); };
    const auto status = [object] { return query<IMarlixStatus>(object, IID_IMarlixStatus); };
    switch (kind) {
    case Kind::AttrInt: result = query<IMarlixAttributes>(object, IID_IMarlixAttributes)->GetInt(id, &integer); break;
    case Kind::ConfInt: result = configuration()->GetInt(id, &integer); break;
    case Kind::ConfFloat: result = configuration()->GetFloat(id, &real); break;
    case Kind::ConfString: result = configuration()->GetString(id, &text); break;
    case Kind::StatFlag: result = status()->GetFlag(id, &flag); break;
    case Kind::StatInt: result = status()->GetInt(id, &integer); break;
    }
    const QString string = takeString(text);
    if (value) {
        *value = kind == Kind::StatFlag ? QVariant(flag)
                 : kind == Kind::ConfFloat  ? QVariant(real)
                 : kind == Kind::ConfString ? QVariant(string)
                                            : QVariant(qlonglong(integer));
    }
    return result;
}

// Strings go as raw bytes, so that a row can hand the driver bytes that are not UTF-8.
MarlixResult writeItem(IMarlixConfiguration* configuration, Kind kind, MarlixCode id, const QVariant& value)
{
    switch (kind) {
    case Kind::ConfInt: return configuration->SetInt(id, value.toLongLong());
    case Kind::ConfFloat: return configuration->SetFloat(id, value.toDouble());
    default: return configuration->SetString(id, value.toByteArray().constData());
    }
}

// The value read, or an invalid one when the read is refused.
QVariant valueOf(IMarlixUnknown* object, Kind kind, MarlixCode id)
{
    QVariant value;
    return readItem(object, kind, id, &value) == kMarlixOk ? value : QVariant();
}

// Straight through an interface already held, as the program reads after a fault.
int64_t configInt(IMarlixConfiguration* configuration, MarlixCode id)
{
    int64_t value = -1;
    return configuration->GetInt(id, &value) == kMarlixOk ? value : -1;
}

// A device, its configuration, and a recorder subscribed to one topic until the end.
struct Watched
{
    explicit Watched(const QString& name)
        : device(findDevice(name))
        , configuration(query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration))
        , notification(query<IMarlixNotification>(device.get(), IID_IMarlixNotification))
    {
    }
    ~Watched()
    {
        if (topic)
            notification->Unsubscribe(topic, &recorder);
    }
    MarlixResult subscribe(MarlixCode to)
    {
        topic = to;
        return notification->Subscribe(to, &recorder);
    }

    Held<IMarlix> device;
    Held<IMarlixConfiguration> configuration;
    Held<IMarlixNotification> notification;
    Recorder recorder;
    MarlixCode topic = 0;
};

mode_t permissions(const QString& path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

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

// A raw client of the control socket that has sent its bytes; -1 when it cannot connect.
int sendRaw(const QString& path, const QByteArray& request)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof address.sun_path)
        return -1;
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
        return fd;
    }
    if (fd >= 0)
        close(fd);
    return -1;
}

// Sends the bytes, says no more (unless it said nothing), and reads the answer until the server closes.
QByteArray exchangeRaw(const QString& path, const QByteArray& request)
{
    const int fd = sendRaw(path, request);
    if (fd < 0)
        return "<no connection>";
    if (!request.isEmpty())
        shutdown(fd, SHUT_WR);
    QByteArray reply;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, int(n));
    close(fd);
    return reply;
}

// Clients that send their bytes and then neither say more nor read.
struct StalledClients
{
    StalledClients(const QString& path, const QList<QByteArray>& requests)
    {
        for (const QByteArray& request : requests)
            fds.push_back(sendRaw(path, request));
    }
    ~StalledClients()
    {
        for (int fd : fds)
            close(fd);
    }
    bool connected() const { return std::find(fds.begin(), fds.end(), -1) == fds.end(); }
    std::vector<int> fds;
};

QStringList filesIn(const QString& directory)
{
    return QDir(directory).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void itemsFollowTheModel_data();
    void itemsFollowTheModel();
    void pairedSubDeviceFollowsDuplex();
    void inputFollowsSelectedConnection_data();
    void inputFollowsSelectedConnection();
    void failEverySpreadsFailures();
    void unsubscribeAndRunningCallback_data();
    void unsubscribeAndRunningCallback();
    void noCallOnceUnsubscribedMidStorm();
    void refusedCommandsAndProfiles_data();
    void refusedCommandsAndProfiles();
    void faults_data();
    void faults();
    void missingLibraryGivesOneLine();
    void killedWhileStoringLeavesAParsableFile();

    // Hostile input of the same user: profiles and stored state that are not what they
    // claim, control clients that stall, and the leftovers of killed processes. Each case
    // ends in one plain line of error, never in a hang or a crash.
    void unreadableStoredStateIsKeptAside_data();
    void unreadableStoredStateIsKeptAside();
    void deviceIdsMakePlainFileNames();
    void staleTemporaryFilesGoAtStart();
    void othersPathsAreLeftAlone_data();
    void othersPathsAreLeftAlone();
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
    QProcessEnvironment boxEnvironment() const;
    QString profile(const QString& name, const QByteArray& content) const;
    // Loads a profile written to a file of that name; the simulator's error, empty when it took it.
    QString useProfile(const QString& name, const QByteArray& content) const;

    QTemporaryDir m_root;
    std::unique_ptr<QTemporaryDir> m_state;
    QString m_socket;
};

void TestSimulator::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_socket = m_root.filePath(QStringLiteral("control.sock"));
    qputenv("MARLIX_SIM_CONTROL", m_socket.toUtf8());
    qunsetenv("MARLIX_SIM_PROFILE");
    QVERIFY2(simControl(QStringLiteral("help")), "the driver library did not load");
    QVERIFY(IsMarlixAPIPresent());
    QVERIFY(S_ISSOCK(permissions(m_socket)));
    QCOMPARE(permissions(m_socket) & 0777, mode_t(0600));
}

// Each test starts from a fresh fleet with an empty state directory.
void TestSimulator::init()
{
    m_state = std::make_unique<QTemporaryDir>(m_root.filePath(QStringLiteral("state-XXXXXX")));
    qputenv("MARLIX_SIM_STATE_DIR", m_state->path().toUtf8());
    QString error;
    QVERIFY2(simControl(QStringLiteral("clear"), &error), qPrintable(error));
    QVERIFY2(simControl(QStringLiteral("profile default"), &error), qPrintable(error));
}

void TestSimulator::cleanup()
{
    for (const char* command : {"clear", "success getters 0", "success probes 0", "wait"})
        simControl(QString::fromLatin1(command));
}

QProcessEnvironment TestSimulator::boxEnvironment() const
{
    QProcessEnvironment env = probeEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_PROFILE"), profile(QStringLiteral("box.json"), kBoxProfile));
    env.insert(QStringLiteral("MARLIX_SIM_STATE_DIR"), m_state->path());
    return env;
}

QString TestSimulator::profile(const QString& name, const QByteArray& content) const
{
    const QString path = m_root.filePath(name);
    return writeFile(path, content) ? path : QString();
}

QString TestSimulator::useProfile(const QString& name, const QByteArray& content) const
{
    QString error;
    return simControl(QStringLiteral("profile ") + profile(name, content), &error) ? QString() : error;
}

// Which items each model answers and which values its settings take. The settings tabs
// prove that the values they offer are taken; these rows hold each rule of refusal, and
// the edges of ranges.
void TestSimulator::itemsFollowTheModel_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::addColumn<MarlixCode>("item");
    // Invalid: the row only reads.
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<bool>("ok");

    auto row = [](const char* name, const QString& device, Kind kind, MarlixCode item, const QVariant& written,
                  bool ok) { QTest::newRow(name) << device << static_cast<int>(kind) << item << written << ok; };
    const auto code = [](const char (&s)[5]) { return QVariant::fromValue<qlonglong>(MarlixFourCC(s)); };
    const QVariant read;
    // One check of the kind serves every read, one every write: a row each.
    row("flag read as int", kStudioPro, Kind::AttrInt, kAttrReferenceInput, read, false);
    row("unknown item", kStudioPro, Kind::AttrInt, MarlixFourCC("zzzz"), read, false);
    row("usb unit has no pcie link", kShuttle, Kind::StatInt, kStatusPCIExpressLinkWidth, read, false);
    row("thunderbolt unit has a pcie link", kBolt, Kind::StatInt, kStatusPCIExpressLinkWidth, read, true);

    row("output mode it lacks", kStudioPro, Kind::ConfInt, kConfigDefaultVideoOutputMode, code("4k29"), false);
    row("optical input it lacks", kStudioPro, Kind::ConfInt, kConfigVideoInputConnection, qlonglong(kVideoOptical), false);
    row("two inputs at once", kStudioPro, Kind::ConfInt, kConfigVideoInputConnection, qlonglong(3), false);
    row("analog outputs together", kStudioPro, Kind::ConfInt, kConfigVideoOutputConnection, qlonglong(56), true);
    row("no outputs at all", kStudioPro, Kind::ConfInt, kConfigVideoOutputConnection, qlonglong(0), false);
    row("idle operation unknown", kStudioPro, Kind::ConfInt, kConfigVideoOutputIdleOperation, code("gray"), false);
    row("reference offset at its end", kStudioPro, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(-511), true);
    row("reference offset too far", kStudioPro, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(512), false);
    row("conversion it lacks", kStudioPro, Kind::ConfInt, kConfigVideoOutputConversionMode, code("HWud"), false);
    row("output conversion as input", kStudioPro, Kind::ConfInt, kConfigVideoInputConversionMode, code("HWcc"), false);
    row("level not a number", kStudioPro, Kind::ConfFloat, kConfigAnalogAudioInputScale3, qQNaN(), false);
    row("headphone at full", kBolt, Kind::ConfFloat, kConfigHeadphoneVolume, 1.0, true);
    row("chroma gain past range", kStudioPro, Kind::ConfFloat, kConfigVideoOutputCompositeChromaGain, 0.51, false);
    row("flag written as int", kStudioPro, Kind::ConfInt, kConfigOutput1080pAsPsF, qlonglong(1), false);
    row("label text", kShuttle, Kind::ConfString, kConfigDeviceLabel, QStringLiteral("Edit bay \u00e9 2"), true);
    row("label too long", kShuttle, Kind::ConfString, kConfigDeviceLabel, QString(300, 'x'), false);
    row("label not UTF-8", kShuttle, Kind::ConfString, kConfigDeviceLabel, QByteArray("bay \xff"), false);
    row("setting the device lacks", kShuttle, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(0), false);
    row("duplex on the partner", kCoreDuoPartner, Kind::ConfInt, kConfigDuplexMode, code("hdup"), false);
}

// A refused call answers negative; a refused write changes nothing and tells nobody, an
// accepted one reads back and is told from the driver's own thread.
void TestSimulator::itemsFollowTheModel()
{
    QFETCH(QString, device);
    QFETCH(int, kind);
    QFETCH(MarlixCode, item);
    QFETCH(QVariant, written);
    QFETCH(bool, ok);
    Watched watched(device);
    QVERIFY2(watched.configuration, qPrintable(device));
    QVariant before, after;
    MarlixResult result = readItem(watched.device.get(), static_cast<Kind>(kind), item, &before);
    if (written.isValid()) {
        QCOMPARE(watched.subscribe(kTopicPreferences), kMarlixOk);
        result = writeItem(watched.configuration.get(), static_cast<Kind>(kind), item, written);
        readItem(watched.configuration.get(), static_cast<Kind>(kind), item, &after);
        QCOMPARE(after, ok ? written : before);
        QVERIFY(simControl(QStringLiteral("wait")));
        QCOMPARE(watched.recorder.preferences.load(), ok ? 1 : 0);
        QVERIFY(!watched.recorder.calledOnOwnThread);
    }
    QVERIFY2((result == kMarlixOk) == ok && (ok || result < 0), qPrintable(QString::number(result, 16)));
}

void TestSimulator::pairedSubDeviceFollowsDuplex()
{
    const Watched owner(kCoreDuoOwner);
    Watched partner(kCoreDuoPartner);
    QCOMPARE(partner.subscribe(kTopicStatus), kMarlixOk);
    QCOMPARE(valueOf(partner.device.get(), Kind::StatInt, kStatusDuplexMode), QVariant(qlonglong(kDuplexHalf)));

    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexFull), kMarlixOk);
    QCOMPARE(valueOf(owner.device.get(), Kind::StatInt, kStatusDuplexMode), QVariant(qlonglong(kDuplexFull)));
    const QVariant partnerDuplex = valueOf(partner.device.get(), Kind::StatInt, kStatusDuplexMode);
    QVERIFY(partnerDuplex.isValid() && partnerDuplex != QVariant(qlonglong(kDuplexHalf)));
    QTRY_COMPARE(partner.recorder.status.load(), 1);

    // Both connectors belong to the owner now: the partner offers none and takes none.
    IMarlix* other = partner.device.get();
    for (const MarlixCode mask : {kAttrVideoInputConnections, kAttrVideoOutputConnections, kAttrVideoIOSupport})
        QCOMPARE(valueOf(other, Kind::AttrInt, mask), QVariant(qlonglong(0)));
    QVERIFY(partner.configuration->SetInt(kConfigVideoInputConnection, kVideoSDI) < 0);

    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexHalf), kMarlixOk);
    QTRY_COMPARE(partner.recorder.status.load(), 2);
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(kVideoSDI)));
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoIOSupport), QVariant(qlonglong(kVideoIOCapture | kVideoIOPlayback)));
    QCOMPARE(partner.configuration->SetInt(kConfigVideoInputConnection, kVideoSDI), kMarlixOk);

    // Plugged in again, the owner comes back with its stored half duplex, and so does the partner.
    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexFull), kMarlixOk);
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(0)));
    QVERIFY(simControl(QStringLiteral("unplug core-duo-1")) && simControl(QStringLiteral("plug core-duo-1")));
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(kVideoSDI)));
}

// Studio Pro's profile gives three of its inputs a signal of their own and none to HDMI; a
// signal sent to HDMI waits there until HDMI is selected.
void TestSimulator::inputFollowsSelectedConnection_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<qlonglong>("connection");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<MarlixCode>("mode");

    QTest::newRow("SDI, selected at start") << QString() << qlonglong(kVideoSDI) << true << kModePAL;
    QTest::newRow("component") << QString() << qlonglong(kVideoComponent) << true << MarlixFourCC("Hi59");
    QTest::newRow("composite") << QString() << qlonglong(kVideoComposite) << true << kModeNTSC;
    QTest::newRow("HDMI without a signal") << QString() << qlonglong(kVideoHDMI) << false << kModeUnknown;
    QTest::newRow("SDI, with a signal waiting on HDMI") << "signal studio-pro Hp25 0 2" << qlonglong(kVideoSDI) << true
                                                        << kModePAL;
    QTest::newRow("HDMI, where the signal waited") << "signal studio-pro Hp25 0 2" << qlonglong(kVideoHDMI) << true
                                                   << MarlixFourCC("Hp25");
}

// Status follows the choice; after the unsaved choice goes with the released
// configuration, so does its signal.
void TestSimulator::inputFollowsSelectedConnection()
{
    QFETCH(QString, signal);
    QFETCH(qlonglong, connection);
    QFETCH(bool, locked);
    QFETCH(MarlixCode, mode);
    QString error;
    QVERIFY2(signal.isEmpty() || simControl(signal, &error), qPrintable(error));
    {
        Watched watched(kStudioPro);
        IMarlix* device = watched.device.get();
        QCOMPARE(watched.subscribe(kTopicStatus), kMarlixOk);
        QCOMPARE(watched.configuration->SetInt(kConfigVideoInputConnection, connection), kMarlixOk);
        QCOMPARE(valueOf(device, Kind::StatFlag, kStatusVideoInputSignalLocked), QVariant(locked));
        QCOMPARE(valueOf(device, Kind::StatInt, kStatusDetectedVideoInputMode), QVariant(qlonglong(mode)));
        QCOMPARE(valueOf(device, Kind::StatInt, kStatusCurrentVideoInputMode), QVariant(qlonglong(mode)));
        QVERIFY(simControl(QStringLiteral("wait")));
        QCOMPARE(watched.recorder.status.load(), connection == kVideoSDI ? 0 : 1);
    }
    QCOMPARE(valueOf(findDevice(kStudioPro).get(), Kind::StatInt, kStatusDetectedVideoInputMode),
             QVariant(qlonglong(kModePAL)));
}

// One setter call in ten fails, evenly; reads are untouched. The per-device count of writes
// holds what reached the device, refused values too: the count is of what the program asked for.
void TestSimulator::failEverySpreadsFailures()
{
    const Watched watched(kStudioPro);
    QString error;
    QVERIFY2(simControl(QStringLiteral("fail-every studio-pro Configuration.Set* 10"), &error), qPrintable(error));
    QList<int> failed;
    for (int call = 1; call <= 30; ++call) {
        if (watched.configuration->SetInt(kConfigReferenceInputSamples, call) < 0)
            failed << call;
        QVERIFY(configInt(watched.configuration.get(), kConfigReferenceInputSamples) >= 0);
    }
    QCOMPARE(failed, (QList<int>{10, 20, 30}));
    QVERIFY(watched.configuration->SetInt(kConfigReferenceInputSamples, 9999) < 0);
    const auto answer = [](const char* command) {
        QString text;
        return simControl(QLatin1String(command), &text) ? text.trimmed() : text;
    };
    QCOMPARE(answer("writes studio-pro reset"), QStringLiteral("28"));
    QCOMPARE(answer("writes studio-pro"), QStringLiteral("0"));
    QCOMPARE(answer("writes shuttle-hd-2"), QStringLiteral("0"));
}

void TestSimulator::unsubscribeAndRunningCallback_data()
{
    QTest::addColumn<bool>("waits");
    QTest::newRow("waits for the running callback") << true;
    QTest::newRow("returns at once when the profile says so") << false;
}

// Unsubscribe returns only once the running callback has returned, unless the profile
// lets it return at once; either way nothing follows and the driver lets go of the callback.
void TestSimulator::unsubscribeAndRunningCallback()
{
    QFETCH(bool, waits);
    QCOMPARE(useProfile(QStringLiteral("unsubscribe.json"), R"({"unsubscribeWaits": )" + QByteArray(waits ? "true" : "false")
                            + R"(, "devices": [{"id": "d", "modelName": "M", "attributes": {"rvid": 1}}]})"),
             QString());
    Watched watched(QStringLiteral("M"));
    Recorder& recorder = watched.recorder;
    // 0 before the first callback, 1 while it runs, 2 once it has returned.
    std::atomic<int> callback{0};
    recorder.hook = [&callback] {
        int before = 0;
        if (callback.compare_exchange_strong(before, 1)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            callback = 2;
        }
    };
    QCOMPARE(watched.subscribe(kTopicStatus), kMarlixOk);
    QCOMPARE(recorder.references.load(), 2u);
    QVERIFY(simControl(QStringLiteral("storm d stat 5")));
    QTRY_COMPARE_WITH_TIMEOUT(callback.load(), 1, 10000);
    QCOMPARE(watched.notification->Unsubscribe(kTopicStatus, &recorder), kMarlixOk);
    QCOMPARE(callback.load() == 1, !waits);
    QTRY_COMPARE(recorder.status.load(), 1);
    QVERIFY(simControl(QStringLiteral("storm d stat 5")) && simControl(QStringLiteral("wait")));
    QCOMPARE(recorder.status.load(), 1);
    QTRY_COMPARE(recorder.references.load(), 1u);
    QVERIFY(watched.notification->Unsubscribe(kTopicStatus, &recorder) < 0);
}

// A storm from another thread while the program subscribes and unsubscribes: once
// Unsubscribe has returned, no call of that subscription may follow. A subscriber read
// just before its removal was once queued just after it, and its call ran late (the
// program had let go of its object by then).
void TestSimulator::noCallOnceUnsubscribedMidStorm()
{
    QCOMPARE(useProfile(QStringLiteral("storm.json"),
                        R"({"unsubscribeWaits": true, "devices": [{"id": "d", "modelName": "M", "attributes": {"rvid": 1}}]})"),
             QString());
    Watched watched(QStringLiteral("M"));
    std::atomic<bool> storming{true};
    std::thread storm([&storming] {
        while (storming)
            simControl(QStringLiteral("storm d stat 20"));
    });
    int late = 0;
    int round = 0;
    for (; round < 5000 && late == 0; ++round) {
        watched.notification->Subscribe(kTopicStatus, &watched.recorder);
        watched.notification->Unsubscribe(kTopicStatus, &watched.recorder);
        const int returned = watched.recorder.status;
        simControl(QStringLiteral("wait"));
        late = watched.recorder.status - returned;
    }
    storming = false;
    storm.join();
    QVERIFY2(late == 0, qPrintable(QStringLiteral("a call ran after Unsubscribe returned, in round %1").arg(round)));
    QCOMPARE(watched.recorder.references.load(), 1u);
}

// Whether the command and profile readers get through malformed bytes at all is the fuzz
// targets' business; these rows hold the verdict a user reads.
void TestSimulator::refusedCommandsAndProfiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    // Written to a file whose path ends the arguments, unless empty.
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QString>("fault");
    const auto commandRow = [](const char* name, const QStringList& arguments, const char* fault) {
        QTest::newRow(name) << arguments << QByteArray() << QString::fromUtf8(fault);
    };
    const auto profileRow = [](const char* name, const QByteArray& profile, const char* fault) {
        QTest::newRow(name) << QStringList{"profile"} << profile << QString::fromUtf8(fault);
    };

    commandRow("unknown command", QStringList{"explode"}, "unknown command 'explode'");
    commandRow("mode the input lacks", QStringList{"signal", "studio-pro", "4k60"}, "cannot capture '4k60'");
    commandRow("no reference input", QStringList{"reference", "core-quad-1", "Hi59"}, "no reference input");
    commandRow("status item it lacks", QStringList{"status", "shuttle-hd-2", "pwid", "4"}, "no status item 'pwid'");
    commandRow("already plugged", QStringList{"plug", "studio-pro"}, "already plugged in");
    commandRow("raw bytes are not echoed", QStringList{"unplug", "\x1b[2J\x07"}, "unknown device '\\x1b[2J\\x07'");
    commandRow("signal on an input it lacks", QStringList{"signal", "studio-pro", "Hi59", "0", "4"}, "no input connection 4");
    commandRow("signal on no connection", QStringList{"signal", "studio-pro", "Hi59", "0", "0"}, "the connection must be");
    commandRow("wildcard naming nothing", QStringList{"fail-every", "*", "Configuration.Open*", "2"}, "unknown operation");
    commandRow("profile that is a directory", QStringList{"profile", "/"}, "is a directory");

    const QByteArray device = R"("id": "d", "modelName": "Lumaris Core SDI", "attributes": {"rvid": 1})";
    const auto withDevice = [&device](const char* more) {
        return QByteArray(R"({"devices": [{)") + device + more + "}]}";
    };
    profileRow("syntax error", R"({"devices": [)", "syntax error");
    // Once crashed the program at start.
    profileRow("nested 10,000 deep", R"({"devices": [)" + QByteArray(10000, '[') + QByteArray(10000, ']') + "]}",
               "nests deeper than 64 levels");
    profileRow("template cycle",
               R"({"templates": {"a": {"base": "b"}, "b": {"base": "a"}}, "devices": [{)" + device
                   + R"(, "template": "a"}]})",
               "nest too deeply");
    profileRow("default outside its domain",
               withDevice(R"(, "outputModes": ["sd"],
                             "configuration": {"dvom": {"type": "int", "default": "Hp60", "mode": "output"}})"),
               "not an output mode");
    profileRow("default of wrong type", withDevice(R"(, "configuration": {"fdfr": {"type": "flag", "default": 1}})"),
               "does not fit type 'flag'");
    profileRow("device id twice", R"({"devices": [{)" + device + "}, {" + device + "}]}", "used twice");
    profileRow("id of all ones beyond the signed range",
               R"({"devices": [{"id": "d", "modelName": "M", "attributes": {"rvid": 1, "peid": 18446744073709551615}}]})",
               "outside the signed 64-bit range");
    profileRow("same model and persistent id",
               R"({"devices": [{"id": "a", "modelName": "M", "attributes": {"rvid": 1, "peid": 7}},
                               {"id": "b", "modelName": "M", "attributes": {"rvid": 1, "peid": 7}}]})",
               "'a' and 'b' have the same model and persistent id");
    profileRow("id with a control character",
               R"({"devices": [{"id": "a\u0001b", "modelName": "M", "attributes": {"rvid": 1}}]})",
               "without spaces or control characters");
    profileRow("NUL byte followed by junk", QByteArray("{\"devices\": []}\0{{junk", 22), "a NUL byte at offset 15");
    profileRow("raw bytes in an item code", withDevice(", \"status\": {\"\x7f[2J\": 0}"),
               "'\\x7f[2J' is not a four-character code");
    profileRow("bytes that are not UTF-8", "{\"devices\": [\"\xff\xfe\"]}", "ill-formed UTF-8");
}

// One line naming the fault (and the profile), a non-zero exit, no raw bytes echoed, and
// the fleet unchanged.
void TestSimulator::refusedCommandsAndProfiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, profile);
    QFETCH(QString, fault);
    const QString path = m_root.filePath(QStringLiteral("bad-profile.json"));
    if (!profile.isEmpty()) {
        QVERIFY(writeFile(path, profile));
        arguments << path;
    }
    QString listBefore, listAfter;
    QVERIFY(simControl(QStringLiteral("list"), &listBefore));
    const ProbeRun run = runProbe(SIM_CTL, arguments);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(fault) && (profile.isEmpty() || run.err.contains(path)), qPrintable(run.err));
    for (const QChar raw : {QChar(0x07), QChar(0x1b), QChar(0x7f), QChar(QChar::ReplacementCharacter)})
        QVERIFY2(!run.err.contains(raw), qPrintable(run.err));
    QVERIFY2(!run.err.contains("json.exception"), qPrintable(run.err));
    QVERIFY(simControl(QStringLiteral("list"), &listAfter));
    QCOMPARE(listAfter, listBefore);
}

void TestSimulator::faults_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("vanishes");

    QTest::newRow("read fails until cleared") << "fail studio-pro Configuration.GetInt:dvom" << false;
    // An unplugged device's removal is the discovery suite's.
    QTest::newRow("device vanishes mid-call") << "vanish studio-pro Configuration.GetInt:dvom" << true;
}

// Told through the control socket. A gone device answers nothing and is reported off the
// caller's thread; plugged in again it comes back as a new object. A failing read leaves
// the device's other items readable.
void TestSimulator::faults()
{
    QFETCH(QString, command);
    QFETCH(bool, vanishes);
    Recorder recorder;
    Held<IMarlixDiscovery> discovery(CreateMarlixDiscoveryInstance());
    QCOMPARE(discovery->InstallDeviceNotifications(&recorder), kMarlixOk);
    QTRY_COMPARE(recorder.arrived().size(), size_t(12));
    const auto device = findDevice(kStudioPro);
    const auto configuration = query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration);
    const ProbeRun run = runProbe(SIM_CTL, command.split(' '));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    for (int i = 0; i < 3; ++i)
        QVERIFY(configInt(configuration.get(), kConfigDefaultVideoOutputMode) < 0);
    QCOMPARE(configInt(configuration.get(), kConfigReferenceInputSamples) < 0, vanishes);
    QTRY_COMPARE(recorder.removed().size(), size_t(vanishes ? 1 : 0));
    QVERIFY(simControl(QStringLiteral("clear")));
    if (vanishes) {
        QVERIFY(recorder.removed().front() == device.get() && !findDevice(kStudioPro));
        char* name = nullptr;
        QCOMPARE(device->GetModelName(&name), kMarlixDisconnected);
        QVERIFY(simControl(QStringLiteral("plug studio-pro")));
        QTRY_COMPARE(recorder.arrived().size(), size_t(13));
        QCOMPARE(displayName(recorder.arrived().back()), kStudioPro);
        QVERIFY(recorder.arrived().back() != device.get());
    } else {
        QVERIFY(configInt(configuration.get(), kConfigDefaultVideoOutputMode) >= 0);
    }
    QVERIFY(!recorder.calledOnOwnThread);
    // After uninstalling, nothing more arrives or goes.
    QCOMPARE(discovery->UninstallDeviceNotifications(), kMarlixOk);
    QVERIFY(simControl(QStringLiteral("unplug shuttle-hd-2")) && simControl(QStringLiteral("wait")));
    QCOMPARE(recorder.removed().size(), size_t(vanishes ? 1 : 0));
}

// Without the library every factory answers null after one line of loader text; the
// preview library, which the simulator does not provide, adds its own line when asked.
void TestSimulator::missingLibraryGivesOneLine()
{
    const ProbeRun missing = runProbe(SIM_PROBE_NOLIB, {QStringLiteral("factories")}, probeEnvironment());
    QCOMPARE(missing.exitCode, 0);
    QCOMPARE(missing.out, QStringLiteral("asked 0 present 0 iterator 0 discovery 0 preview 0\n"));
    const QStringList lines = missing.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains("libMarlixAPI.so"), qPrintable(missing.err));
    QVERIFY2(lines[1].contains("libMarlixPreviewAPI.so"), qPrintable(missing.err));

    const ProbeRun present = runProbe(SIM_PROBE, {QStringLiteral("factories")}, probeEnvironment());
    QCOMPARE(present.out, QStringLiteral("asked 0 present 1 iterator 1 discovery 1 preview 0\n"));
    QCOMPARE(present.err.split('\n', Qt::SkipEmptyParts).size(), 1);
}

// Killed at any point of storing, the device's file holds the old or the new state, and
// only this user may read it.
void TestSimulator::killedWhileStoringLeavesAParsableFile()
{
    const QProcessEnvironment env = probeEnvironment();
    QString lastLabel;
    for (int round = 0; round < 20; ++round) {
        QProcess hammer;
        hammer.setProcessEnvironment(env);
        hammer.start(SIM_PROBE, {QStringLiteral("hammer"), kShuttle});
        const int writes = QRandomGenerator::global()->bounded(1, 40);
        int seen = 0;
        while (seen < writes && hammer.waitForReadyRead(10000)) {
            while (hammer.canReadLine() && seen < writes)
                seen += hammer.readLine().startsWith("wrote") ? 1 : 0;
        }
        QVERIFY2(seen == writes, qPrintable(QString::fromUtf8(hammer.readAllStandardError())));
        hammer.kill();
        QVERIFY(hammer.waitForFinished(10000));

        const QStringList stored = QDir(m_state->path()).entryList({QStringLiteral("*.json")});
        QCOMPARE(stored.size(), 1);
        QFile file(m_state->filePath(stored.first()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(permissions(file.fileName()) & 0777, mode_t(0600));
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
        QVERIFY2(parseError.error == QJsonParseError::NoError, qPrintable(parseError.errorString()));
        lastLabel = document.object().value("configuration").toObject().value("dila").toObject().value("string").toString();
        QVERIFY2(lastLabel.startsWith("value-"), qPrintable(lastLabel));
    }
    // A fresh process reads what the last one stored.
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("label"), kShuttle}, env);
    QCOMPARE(run.out.trimmed(), lastLabel);
}

void TestSimulator::unreadableStoredStateIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    QTest::newRow("cut short") << QByteArray(R"({"format": 1, "configuration": {"dila": )") << "syntax error";
    QTest::newRow("setting of the wrong kind")
        << QByteArray(R"({"format": 1, "device": "box", "configuration": {"dila": {"int": "x"}}})")
        << "entry 'dila' is not a stored setting";
    QTest::newRow("a FIFO under its name") << QByteArray() << "is not a regular file";
}

// The bad file stays whole under a name that says what it is, and a save never touches it.
void TestSimulator::unreadableStoredStateIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString stored = m_state->filePath(QStringLiteral("box.json"));
    const bool fifo = content.isEmpty();
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(stored).constData(), 0600), 0);
    else
        QVERIFY(writeFile(stored, content));
    const QProcessEnvironment env = boxEnvironment();

    // Reads the label, then stores another.
    const ProbeRun first = runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box"), QStringLiteral("new")}, env, 10000);
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.out, QStringLiteral("factory\n"));
    QCOMPARE(first.err.count('\n'), 1);
    QVERIFY2(first.err.contains(reason) && first.err.contains("kept as"), qPrintable(first.err));
    const QStringList kept = QDir(m_state->path()).entryList({QStringLiteral("box.json.unreadable-*")}, QDir::System | QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(first.err.contains(kept.first()), qPrintable(first.err));

    const ProbeRun after = runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box")}, env, 10000);
    QCOMPARE(after.out, QStringLiteral("new\n"));
    QCOMPARE(after.err, QString());
    QFile keptFile(m_state->filePath(kept.first()));
    if (fifo)
        QVERIFY(keptFile.exists() && !QFileInfo(keptFile).isFile());
    else
        QVERIFY(keptFile.open(QIODevice::ReadOnly) && keptFile.readAll() == content);
}

void TestSimulator::deviceIdsMakePlainFileNames()
{
    QCOMPARE(useProfile(QStringLiteral("escaping.json"), R"({"devices": [
        {"id": "../outside/escaped", "modelName": "Escaped", "attributes": {"rvid": 1},
         "configuration": {"dila": {"type": "string", "default": ""}}},
        {"id": "..%2Foutside", "modelName": "Lookalike", "attributes": {"rvid": 1},
         "configuration": {"dila": {"type": "string", "default": ""}}}]})"), QString());
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
void TestSimulator::staleTemporaryFilesGoAtStart()
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
    QCOMPARE(runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box")}, boxEnvironment()).exitCode, 0);
    QCOMPARE(filesIn(m_state->path()), (QStringList{live, unrelated}));
}

void TestSimulator::othersPathsAreLeftAlone_data()
{
    QTest::addColumn<QString>("variable");
    // Of the directory made there; 0 for a file of the user's.
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("foreignOwner");
    QTest::addColumn<QString>("fault");

    // One check holds both rules for every directory: each directory once, each rule once.
    QTest::newRow("state directory of another user") << "MARLIX_SIM_STATE_DIR" << 0700 << true
                                                     << "refused: owned by another user";
    QTest::newRow("runtime directory anyone may write") << "XDG_RUNTIME_DIR" << 0777 << false
                                                        << "refused: writable by other users";
    QTest::newRow("control path that is a plain file") << "MARLIX_SIM_CONTROL" << 0 << false << "not a socket";
}

// The start goes on with one line of error and leaves what it found as it was.
void TestSimulator::othersPathsAreLeftAlone()
{
    QFETCH(QString, variable);
    QFETCH(int, mode);
    QFETCH(bool, foreignOwner);
    QFETCH(QString, fault);
    const QString path = m_root.filePath(QString::fromUtf8(QTest::currentDataTag()).replace(' ', '-'));
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(mode ? QDir().mkpath(path) : writeFile(path, "keep me"));
    if (foreignOwner && chown(name.constData(), 65534, 65534) != 0)
        QSKIP("giving a directory to another user needs root");
    QVERIFY(!mode || chmod(name.constData(), mode_t(mode)) == 0);

    QProcessEnvironment env = boxEnvironment();
    env.insert(variable, path);
    if (variable == QLatin1String("XDG_RUNTIME_DIR"))
        env.remove(QStringLiteral("MARLIX_SIM_CONTROL"));
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("label"), QStringLiteral("Box"), QStringLiteral("x")}, env);
    QVERIFY2(run.err.contains(fault), qPrintable(run.err));
    QFile file(path);
    if (mode)
        QCOMPARE(filesIn(path), QStringList());
    else
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "keep me");
}

void TestSimulator::controlLineFaults_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("line longer than 64 KiB") << QByteArray(100 * 1024, 'a') << QByteArray("error: the command is too long\n");
    QTest::newRow("NUL byte then junk") << QByteArray("list\0junk\n", 10) << QByteArray("error: the command holds a NUL byte\n");
    QTest::newRow("nothing said") << QByteArray() << QByteArray("error: no command within 10 s\n");
    QTest::newRow("last line without its end") << QByteArray("faults") << QByteArray("ok\n");
}

void TestSimulator::controlLineFaults()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QCOMPARE(exchangeRaw(m_socket, request), reply);
}

// A silent client, one that stops half-way through its line and one that never reads its
// long answer are each served on their own: everybody else is answered at once.
void TestSimulator::stalledClientsDelayNobody()
{
    QCOMPARE(useProfile(QStringLiteral("many.json"), manyDevices(10000)), QString());
    const StalledClients clients(m_socket, {QByteArray(), QByteArray("li"), QByteArray("list\n")});
    QVERIFY(clients.connected());
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
void TestSimulator::stoppingNeverWaitsForAClient()
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

    const StalledClients clients(socket, {QByteArray(), QByteArray("list\n")});
    QVERIFY(clients.connected());
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

void TestSimulator::largestSubDeviceIndexIsListed()
{
    QCOMPARE(useProfile(QStringLiteral("index.json"), R"({"devices": [{"id": "far", "modelName": "Far",
        "attributes": {"rvid": 1, "subi": 9223372036854775807, "nsbd": 2}}]})"), QString());
    QString list;
    QVERIFY(simControl(QStringLiteral("list"), &list));
    QVERIFY2(list.contains("sub-device 9223372036854775808 of 2"), qPrintable(list));
}

void TestSimulator::successCodesMayBePositive_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("probe");
    QTest::addColumn<MarlixCode>("item");
    QTest::addColumn<int>("answer");

    QTest::newRow("getter answers a large code") << "success getters 2147483647" << false << kAttrModelId << 2147483647;
    QTest::newRow("getter of a missing item still fails") << "success getters 1" << false << MarlixFourCC("zzzz")
                                                          << int(kMarlixNotImplemented);
    QTest::newRow("probe answers 7") << "success probes 7" << true << MarlixValue::kConversionLetterbox << 7;
    QTest::newRow("probe of a missing conversion still fails") << "success probes 7" << true
                                                               << MarlixValue::kConversionHWLetterbox
                                                               << int(kMarlixInvalidArg);
    QTest::newRow("getters unaffected by probes") << "success probes 7" << false << kAttrModelId << int(kMarlixOk);
}

void TestSimulator::successCodesMayBePositive()
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

void TestSimulator::leftBehindIsReported_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("strict");

    QTest::newRow("subscription, test run") << "subscription" << true;
    QTest::newRow("discovery registration, plain run") << "discovery" << false;
}

// In a test run a client's leak ends the process, so that the test that caused it fails.
void TestSimulator::leftBehindIsReported()
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

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
