#include "MarlixAPILoader.h"
#include "SimTestSupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <thread>

using namespace MarlixItem;
using namespace MarlixValue;

namespace {

const QString kStudioPro = QStringLiteral("Lumaris Studio Pro");
const QString kStudio4K = QStringLiteral("Lumaris Studio 4K 2");
const QString kShuttle = QStringLiteral("Lumaris Shuttle HD 2");
const QString kCoreQuad = QStringLiteral("Lumaris Core Quad (1)");
const QString kCoreDuoOwner = QStringLiteral("Lumaris Core Duo (1)");
const QString kCoreDuoPartner = QStringLiteral("Lumaris Core Duo (2)");
const QString kHomeHdmi = QStringLiteral("Lumaris Home HDMI 2");
const QString kBolt = QStringLiteral("Lumaris Bolt HD 2");
// The two devices of the settings coverage profile, each lacking what the fleet always has.
const QString kPlayout = QStringLiteral("Lumaris Playout HD 2");
const QString kCapture = QStringLiteral("Lumaris Capture 4K 2");

// Conversion reads the probe item with the conversion as its input.
enum class Kind { AttrFlag, AttrInt, Conversion, ConfFlag, ConfInt, ConfFloat, ConfString, StatFlag, StatInt };

// One read through the interface a kind names; the value in the kind's own type.
MarlixResult readItem(IMarlixUnknown* object, Kind kind, MarlixCode id, QVariant* value = nullptr)
{
    const auto attributes = [object] { return query<IMarlixAttributes>(object, IID_IMarlixAttributes); };
    const auto configuration = [object] { return query<IMarlixConfiguration>(object, IID_IMarlixConfiguration); };
    const auto status = [object] { return query<IMarlixStatus>(object, IID_IMarlixStatus); };
    bool flag = false;
    int64_t integer = kind == Kind::Conversion ? int64_t(id) : 0;
    double real = 0;
    char* text = nullptr;
    MarlixResult result = kMarlixFail;
    switch (kind) {
    case Kind::AttrFlag: result = attributes()->GetFlag(id, &flag); break;
    case Kind::AttrInt: result = attributes()->GetInt(id, &integer); break;
    case Kind::Conversion: result = attributes()->GetInt(kAttrSupportedOutputConversion, &integer); break;
    case Kind::ConfFlag: result = configuration()->GetFlag(id, &flag); break;
    case Kind::ConfInt: result = configuration()->GetInt(id, &integer); break;
    case Kind::ConfFloat: result = configuration()->GetFloat(id, &real); break;
    case Kind::ConfString: result = configuration()->GetString(id, &text); break;
    case Kind::StatFlag: result = status()->GetFlag(id, &flag); break;
    case Kind::StatInt: result = status()->GetInt(id, &integer); break;
    }
    const QString string = takeString(text);
    if (value) {
        const bool isFlag = kind == Kind::AttrFlag || kind == Kind::ConfFlag || kind == Kind::StatFlag;
        *value = isFlag ? QVariant(flag)
                 : kind == Kind::ConfFloat  ? QVariant(real)
                 : kind == Kind::ConfString ? QVariant(string)
                                            : QVariant(qlonglong(integer));
    }
    return result;
}

MarlixResult writeItem(IMarlixConfiguration* configuration, Kind kind, MarlixCode id, const QVariant& value)
{
    switch (kind) {
    case Kind::ConfFlag: return configuration->SetFlag(id, value.toBool());
    case Kind::ConfInt: return configuration->SetInt(id, value.toLongLong());
    case Kind::ConfFloat: return configuration->SetFloat(id, value.toDouble());
    default: return configuration->SetString(id, value.toString().toUtf8().constData());
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
    NotificationRecorder recorder;
    MarlixCode topic = 0;
};

// The one settings file in the state directory, or nothing when there is not exactly one.
QString storedFile(const QTemporaryDir& state)
{
    const QStringList files = QDir(state.path()).entryList({QStringLiteral("*.json")});
    return files.size() == 1 ? state.filePath(files.first()) : QString();
}

mode_t permissions(const QString& path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultFleetArrivesInProfileOrder();
    void modelsAnswerOnlyTheirItems_data();
    void modelsAnswerOnlyTheirItems();
    void queryInterfaceRules();
    void settersValidate_data();
    void settersValidate();
    void settingNotifiesOnDriverThread();
    void settingWritesAreCounted();
    void statusFollowsSettings_data();
    void statusFollowsSettings();
    void pairedSubDeviceFollowsDuplex();
    void inputFollowsSelectedConnection_data();
    void inputFollowsSelectedConnection();
    void signalOnAnotherConnectionWaitsForIt();
    void failEverySpreadsFailures();
    void profilesCoverEveryCapability_data();
    void profilesCoverEveryCapability();
    void releaseWithUnsavedWritesReverts();
    void storedSettingsSurviveAFreshProcess();
    void edidSizeQueryThenFill();
    void displayModesHaveRealGeometry_data();
    void displayModesHaveRealGeometry();
    void unsubscribeWaitsForRunningCallback();
    void hotPlugThroughControlSocket();
    void controlRejectsBadCommands_data();
    void controlRejectsBadCommands();
    void faults_data();
    void faults();
    void malformedProfileIsRefused_data();
    void malformedProfileIsRefused();
    void malformedProfileAtStartGivesOneLine();
    void missingLibraryGivesOneLine();
    void killedWhileStoringLeavesAParsableFile();

private:
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
    simControl(QStringLiteral("clear"));
    simControl(QStringLiteral("wait"));
}

// Which model each entry is, is proven against the product table by the capability tests.
void TestSimulator::defaultFleetArrivesInProfileOrder()
{
    DiscoveryRecorder recorder;
    Held<IMarlixDiscovery> discovery(CreateMarlixDiscoveryInstance());
    QCOMPARE(discovery->InstallDeviceNotifications(&recorder), kMarlixOk);
    QTRY_COMPARE(recorder.arrivals(), 12);
    const QStringList expected = {
        "Lumaris Core Quad (3)", "Lumaris Core Quad (1)", "Lumaris Core Quad (4)", "Lumaris Core Quad (2)",
        "Lumaris Core Duo (1)", "Lumaris Core Duo (2)", "Lumaris Home HDMI 2", "Lumaris Studio Pro",
        "Lumaris Shuttle HD 2", "Lumaris Bolt HD 2", "Lumaris Studio 4K 2", "Lumaris Home HDMI Classic"};
    QCOMPARE(recorder.arrivedNames(), expected);
    QVERIFY2(!recorder.calledOnThread(std::this_thread::get_id()), "an arrival ran inside the caller's call");
    QCOMPARE(discovery->UninstallDeviceNotifications(), kMarlixOk);
}

void TestSimulator::modelsAnswerOnlyTheirItems_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::addColumn<MarlixCode>("item");
    QTest::addColumn<bool>("answered");

    auto row = [](const char* name, const QString& device, Kind kind, MarlixCode item, bool answered) {
        QTest::newRow(name) << device << static_cast<int>(kind) << item << answered;
    };
    row("studio pro has a reference input", kStudioPro, Kind::StatFlag, kStatusReferenceLocked, true);
    row("core quad has no reference input", kCoreQuad, Kind::StatFlag, kStatusReferenceLocked, false);
    row("studio pro has analog output gain", kStudioPro, Kind::ConfFloat, kConfigVideoOutputComponentLumaGain, true);
    row("studio 4k has no analog output gain", kStudio4K, Kind::ConfFloat, kConfigVideoOutputComponentLumaGain, false);
    row("studio 4k links quad SDI", kStudio4K, Kind::AttrFlag, kAttrSDIQuadLink, true);
    row("studio 4k packs 3D", kStudio4K, Kind::ConfInt, kConfigHDMI3DPackingFormat, true);
    row("studio pro has deck control", kStudioPro, Kind::AttrInt, kAttrDeckControlConnections, true);
    row("shuttle has no deck control", kShuttle, Kind::AttrInt, kAttrDeckControlConnections, false);
    row("usb unit has no pcie link", kShuttle, Kind::StatInt, kStatusPCIExpressLinkWidth, false);
    row("usb unit has no group", kShuttle, Kind::AttrInt, kAttrDeviceGroupId, false);
    row("thunderbolt unit has a pcie link", "Lumaris Bolt HD 2", Kind::StatInt, kStatusPCIExpressLinkWidth, true);
    row("thunderbolt unit has a headphone", "Lumaris Bolt HD 2", Kind::ConfFloat, kConfigHeadphoneVolume, true);
    row("consumer card has hifi levels", "Lumaris Home HDMI 2", Kind::ConfFlag, kConfigAnalogAudioConsumerLevels, true);
    row("consumer card has rca channels", "Lumaris Home HDMI 2", Kind::AttrInt, kAttrMaxRCAAudioInputChannels, true);
    row("core duo owner sets duplex", "Lumaris Core Duo (1)", Kind::ConfInt, kConfigDuplexMode, true);
    row("core duo partner does not", "Lumaris Core Duo (2)", Kind::ConfInt, kConfigDuplexMode, false);
    row("label is a setting", kShuttle, Kind::ConfString, kConfigDeviceLabel, true);
    row("flag read as int is refused", kStudioPro, Kind::AttrInt, kAttrReferenceInput, false);
    row("int read as flag is refused", kStudioPro, Kind::ConfFlag, kConfigDefaultVideoOutputMode, false);
    row("unknown item is refused", kStudioPro, Kind::AttrInt, MarlixFourCC("zzzz"), false);
    row("hardware letterbox on studio pro", kStudioPro, Kind::Conversion, kConversionHWLetterbox, true);
    row("no software letterbox on studio pro", kStudioPro, Kind::Conversion, kConversionLetterbox, false);
    row("uhd to hd on studio 4k", kStudio4K, Kind::Conversion, kConversionUHDtoHD, true);
    row("software letterbox on shuttle", kShuttle, Kind::Conversion, kConversionLetterbox, true);
    row("no conversions at all on core quad", kCoreQuad, Kind::Conversion, kConversionNone, false);
}

void TestSimulator::modelsAnswerOnlyTheirItems()
{
    QFETCH(QString, device);
    QFETCH(int, kind);
    QFETCH(MarlixCode, item);
    QFETCH(bool, answered);
    const auto held = findDevice(device);
    QVERIFY2(held, qPrintable(device));
    const MarlixResult result = readItem(held.get(), static_cast<Kind>(kind), item);
    QVERIFY2((result == kMarlixOk) == answered, qPrintable(QString::number(result, 16)));
    if (!answered)
        QVERIFY(result < 0);
}

// Every interface of the device leads to the others; an unknown one clears the out pointer.
void TestSimulator::queryInterfaceRules()
{
    const auto device = findDevice(kStudioPro);
    QVERIFY(device);
    for (const MarlixIID& iid : {IID_IMarlixAttributes, IID_IMarlixConfiguration, IID_IMarlixNotification,
                                 IID_IMarlixStatus, IID_IMarlixInput, IID_IMarlixOutput}) {
        const auto object = query<IMarlixUnknown>(device.get(), iid);
        QVERIFY(object);
        QVERIFY(query<IMarlixUnknown>(object.get(), IID_IMarlixStatus));
    }
    const MarlixIID unknown = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    void* out = &out;
    QCOMPARE(device->QueryInterface(unknown, &out), kMarlixNoInterface);
    QVERIFY(out == nullptr);
}

void TestSimulator::settersValidate_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::addColumn<MarlixCode>("item");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");

    auto row = [](const char* name, const QString& device, Kind kind, MarlixCode item, const QVariant& value,
                  bool accepted) {
        QTest::newRow(name) << device << static_cast<int>(kind) << item << value << accepted;
    };
    const auto code = [](const char (&s)[5]) { return QVariant::fromValue<qlonglong>(MarlixFourCC(s)); };
    row("output mode the device has", kStudioPro, Kind::ConfInt, kConfigDefaultVideoOutputMode, code("Hp25"), true);
    row("output mode the device lacks", kStudioPro, Kind::ConfInt, kConfigDefaultVideoOutputMode, code("4k29"), false);
    row("input connection it has", kStudioPro, Kind::ConfInt, kConfigVideoInputConnection, qlonglong(kVideoComposite), true);
    row("optical input it lacks", kStudioPro, Kind::ConfInt, kConfigVideoInputConnection, qlonglong(kVideoOptical), false);
    row("two inputs at once", kStudioPro, Kind::ConfInt, kConfigVideoInputConnection, qlonglong(3), false);
    row("analog outputs together", kStudioPro, Kind::ConfInt, kConfigVideoOutputConnection, qlonglong(56), true);
    row("no outputs at all", kStudioPro, Kind::ConfInt, kConfigVideoOutputConnection, qlonglong(0), false);
    row("idle operation choice", kStudioPro, Kind::ConfInt, kConfigVideoOutputIdleOperation, code("lafa"), true);
    row("idle operation unknown", kStudioPro, Kind::ConfInt, kConfigVideoOutputIdleOperation, code("gray"), false);
    row("reference offset in range", kStudioPro, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(-511), true);
    row("reference offset too far", kStudioPro, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(512), false);
    row("conversion it has", kStudioPro, Kind::ConfInt, kConfigVideoOutputConversionMode, code("HWcc"), true);
    row("conversion it lacks", kStudioPro, Kind::ConfInt, kConfigVideoOutputConversionMode, code("HWud"), false);
    row("channel level in range", kStudioPro, Kind::ConfFloat, kConfigAnalogAudioInputScale3, 11.5, true);
    row("channel level too loud", kStudioPro, Kind::ConfFloat, kConfigAnalogAudioInputScale3, 20.0, false);
    row("level not a number", kStudioPro, Kind::ConfFloat, kConfigAnalogAudioInputScale3, qQNaN(), false);
    row("flag setting", kStudioPro, Kind::ConfFlag, kConfigOutput1080pAsPsF, true, true);
    row("flag written as int", kStudioPro, Kind::ConfInt, kConfigOutput1080pAsPsF, qlonglong(1), false);
    row("int written as flag", kStudioPro, Kind::ConfFlag, kConfigDefaultVideoOutputMode, true, false);
    row("label text", kShuttle, Kind::ConfString, kConfigDeviceLabel, QStringLiteral("Edit bay \u00e9 2"), true);
    row("label too long", kShuttle, Kind::ConfString, kConfigDeviceLabel, QString(300, 'x'), false);
    row("setting the device lacks", kShuttle, Kind::ConfInt, kConfigReferenceInputSamples, qlonglong(0), false);
    row("full duplex", kCoreDuoOwner, Kind::ConfInt, kConfigDuplexMode, code("fdup"), true);
    row("duplex mode unknown", kCoreDuoOwner, Kind::ConfInt, kConfigDuplexMode, code("auto"), false);
    row("duplex on the partner", kCoreDuoPartner, Kind::ConfInt, kConfigDuplexMode, code("hdup"), false);
    row("second deck port", kStudioPro, Kind::ConfInt, kConfigDeckControlConnection, qlonglong(2), true);
    row("third deck port", kStudioPro, Kind::ConfInt, kConfigDeckControlConnection, qlonglong(3), false);
    row("six AES/EBU outputs", kStudioPro, Kind::ConfInt, kConfigAnalogAudioOutputSwitch, code("aes "), true);
    row("audio split unknown", kStudioPro, Kind::ConfInt, kConfigAnalogAudioOutputSwitch, code("aes_"), false);
    row("quad link", kStudio4K, Kind::ConfInt, kConfigSDILinkConfiguration, code("lcql"), true);
    row("link setting it lacks", kCoreQuad, Kind::ConfInt, kConfigSDILinkConfiguration, code("lcsl"), false);
    row("3D packing it has", kHomeHdmi, Kind::ConfInt, kConfigHDMI3DPackingFormat, code("sbsh"), true);
    row("3D packing unknown", kHomeHdmi, Kind::ConfInt, kConfigHDMI3DPackingFormat, code("ovr "), false);
    row("input conversion it has", kStudioPro, Kind::ConfInt, kConfigVideoInputConversionMode, code("72am"), true);
    row("output conversion as input", kStudioPro, Kind::ConfInt, kConfigVideoInputConversionMode, code("HWcc"), false);
    row("AES/EBU audio input", kStudioPro, Kind::ConfInt, kConfigAudioInputConnection, qlonglong(kAudioAESEBU), true);
    row("microphone it lacks", kStudioPro, Kind::ConfInt, kConfigAudioInputConnection, qlonglong(kAudioMicrophone), false);
    row("third of two channels", kHomeHdmi, Kind::ConfFloat, kConfigAnalogAudioInputScale3, 0.0, false);
    row("betacam and setup bits", kStudioPro, Kind::ConfInt, kConfigAnalogVideoOutputFlags, qlonglong(3), true);
    row("unknown analog flag bit", kStudioPro, Kind::ConfInt, kConfigAnalogVideoOutputFlags, qlonglong(4), false);
    row("headphone at full", kBolt, Kind::ConfFloat, kConfigHeadphoneVolume, 1.0, true);
    row("headphone past full", kBolt, Kind::ConfFloat, kConfigHeadphoneVolume, 1.5, false);
    row("chroma gain past range", kStudioPro, Kind::ConfFloat, kConfigVideoOutputCompositeChromaGain, 0.51, false);
}

// An accepted value reads back; a refused one is negative and changes nothing.
void TestSimulator::settersValidate()
{
    QFETCH(QString, device);
    QFETCH(int, kind);
    QFETCH(MarlixCode, item);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    const Watched watched(device);
    IMarlixConfiguration* configuration = watched.configuration.get();
    QVERIFY(configuration);
    QVariant before, after;
    readItem(configuration, static_cast<Kind>(kind), item, &before);
    const MarlixResult result = writeItem(configuration, static_cast<Kind>(kind), item, value);
    readItem(configuration, static_cast<Kind>(kind), item, &after);
    QCOMPARE(after, accepted ? value : before);
    QVERIFY2((result == kMarlixOk) == accepted && (accepted || result < 0),
             qPrintable(QString::number(result, 16)));
}

// Refused writes count too: the count is of what the program asked for.
void TestSimulator::settingWritesAreCounted()
{
    Watched watched(kStudioPro);
    QCOMPARE(watched.configuration->SetInt(kConfigReferenceInputSamples, 42), kMarlixOk);
    QVERIFY(watched.configuration->SetInt(kConfigReferenceInputSamples, 9999) < 0);
    QVERIFY(watched.configuration->SetString(kConfigDeviceLabel, "Bay 2") == kMarlixOk);
    QString count;
    QVERIFY(simControl(QStringLiteral("writes studio-pro reset"), &count));
    QCOMPARE(count.trimmed(), QStringLiteral("3"));
    QVERIFY(simControl(QStringLiteral("writes studio-pro"), &count));
    QCOMPARE(count.trimmed(), QStringLiteral("0"));
    QVERIFY(simControl(QStringLiteral("writes shuttle-hd-2"), &count));
    QCOMPARE(count.trimmed(), QStringLiteral("0"));
}

void TestSimulator::settingNotifiesOnDriverThread()
{
    Watched watched(kStudioPro);
    NotificationRecorder& recorder = watched.recorder;
    QCOMPARE(watched.subscribe(kTopicPreferences), kMarlixOk);
    QCOMPARE(recorder.references(), 2u);
    QCOMPARE(watched.configuration->SetInt(kConfigReferenceInputSamples, 42), kMarlixOk);
    QTRY_COMPARE(recorder.count(kTopicPreferences), 1);
    QVERIFY(!recorder.calledOnThread(std::this_thread::get_id()));

    // A refused value changes nothing and tells nobody.
    QVERIFY(watched.configuration->SetInt(kConfigReferenceInputSamples, 9999) < 0);
    QVERIFY(simControl(QStringLiteral("wait")));
    QCOMPARE(recorder.count(kTopicPreferences), 1);

    QCOMPARE(watched.notification->Unsubscribe(kTopicPreferences, &recorder), kMarlixOk);
    QCOMPARE(recorder.references(), 1u);
    QVERIFY(watched.notification->Unsubscribe(kTopicPreferences, &recorder) < 0);
}

void TestSimulator::statusFollowsSettings_data()
{
    QTest::addColumn<MarlixCode>("mode");
    QTest::addColumn<bool>("psf");
    QTest::addColumn<qlonglong>("flags");

    QTest::newRow("1080p25 as PsF") << MarlixFourCC("Hp25") << true << qlonglong(kModeFlagPsF);
    QTest::newRow("1080p25 progressive") << MarlixFourCC("Hp25") << false << qlonglong(0);
    QTest::newRow("1080i59.94 is never PsF") << MarlixFourCC("Hi59") << true << qlonglong(0);
    QTest::newRow("720p59.94 is never PsF") << MarlixFourCC("hp59") << true << qlonglong(0);
}

void TestSimulator::statusFollowsSettings()
{
    QFETCH(MarlixCode, mode);
    QFETCH(bool, psf);
    QFETCH(qlonglong, flags);
    Watched watched(kStudioPro);
    IMarlixConfiguration* configuration = watched.configuration.get();
    QCOMPARE(configuration->SetInt(kConfigDefaultVideoOutputMode, kModeNTSC), kMarlixOk);
    QCOMPARE(watched.subscribe(kTopicStatus), kMarlixOk);
    QCOMPARE(configuration->SetFlag(kConfigOutput1080pAsPsF, psf), kMarlixOk);
    QCOMPARE(configuration->SetInt(kConfigDefaultVideoOutputMode, mode), kMarlixOk);
    QCOMPARE(valueOf(watched.device.get(), Kind::StatInt, kStatusCurrentVideoOutputMode), QVariant(qlonglong(mode)));
    QCOMPARE(valueOf(watched.device.get(), Kind::StatInt, kStatusCurrentVideoOutputFlags), QVariant(flags));
    QTRY_VERIFY(watched.recorder.count(kTopicStatus) >= 1);
}

void TestSimulator::pairedSubDeviceFollowsDuplex()
{
    const Watched owner(QStringLiteral("Lumaris Core Duo (1)"));
    Watched partner(QStringLiteral("Lumaris Core Duo (2)"));
    QCOMPARE(partner.subscribe(kTopicStatus), kMarlixOk);
    QCOMPARE(valueOf(partner.device.get(), Kind::StatInt, kStatusDuplexMode), QVariant(qlonglong(kDuplexHalf)));

    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexFull), kMarlixOk);
    QCOMPARE(valueOf(owner.device.get(), Kind::StatInt, kStatusDuplexMode), QVariant(qlonglong(kDuplexFull)));
    const QVariant partnerDuplex = valueOf(partner.device.get(), Kind::StatInt, kStatusDuplexMode);
    QVERIFY(partnerDuplex.isValid() && partnerDuplex != QVariant(qlonglong(kDuplexHalf)));
    QTRY_COMPARE(partner.recorder.count(kTopicStatus), 1);

    // Both connectors belong to the owner now: the partner offers none and takes none.
    IMarlix* other = partner.device.get();
    for (const MarlixCode mask : {kAttrVideoInputConnections, kAttrVideoOutputConnections, kAttrVideoIOSupport})
        QCOMPARE(valueOf(other, Kind::AttrInt, mask), QVariant(qlonglong(0)));
    QVERIFY(partner.configuration->SetInt(kConfigVideoInputConnection, kVideoSDI) < 0);

    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexHalf), kMarlixOk);
    QTRY_COMPARE(partner.recorder.count(kTopicStatus), 2);
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(kVideoSDI)));
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoIOSupport), QVariant(qlonglong(kVideoIOCapture | kVideoIOPlayback)));
    QCOMPARE(partner.configuration->SetInt(kConfigVideoInputConnection, kVideoSDI), kMarlixOk);

    // Plugged in again, the owner comes back with its stored half duplex, and so does the partner.
    QCOMPARE(owner.configuration->SetInt(kConfigDuplexMode, kDuplexFull), kMarlixOk);
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(0)));
    QVERIFY(simControl(QStringLiteral("unplug core-duo-1")) && simControl(QStringLiteral("plug core-duo-1")));
    QCOMPARE(valueOf(other, Kind::AttrInt, kAttrVideoInputConnections), QVariant(qlonglong(kVideoSDI)));
}

// Studio Pro's profile gives three of its inputs a signal of their own and none to HDMI.
void TestSimulator::inputFollowsSelectedConnection_data()
{
    QTest::addColumn<qlonglong>("connection");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<MarlixCode>("mode");

    QTest::newRow("SDI, selected at start") << qlonglong(kVideoSDI) << true << kModePAL;
    QTest::newRow("component") << qlonglong(kVideoComponent) << true << MarlixFourCC("Hi59");
    QTest::newRow("composite") << qlonglong(kVideoComposite) << true << kModeNTSC;
    QTest::newRow("HDMI without a signal") << qlonglong(kVideoHDMI) << false << kModeUnknown;
}

void TestSimulator::inputFollowsSelectedConnection()
{
    QFETCH(qlonglong, connection);
    QFETCH(bool, locked);
    QFETCH(MarlixCode, mode);
    Watched watched(kStudioPro);
    IMarlix* device = watched.device.get();
    QCOMPARE(watched.subscribe(kTopicStatus), kMarlixOk);
    QCOMPARE(watched.configuration->SetInt(kConfigVideoInputConnection, connection), kMarlixOk);
    QCOMPARE(valueOf(device, Kind::StatFlag, kStatusVideoInputSignalLocked), QVariant(locked));
    QCOMPARE(valueOf(device, Kind::StatInt, kStatusDetectedVideoInputMode), QVariant(qlonglong(mode)));
    QCOMPARE(valueOf(device, Kind::StatInt, kStatusCurrentVideoInputMode), QVariant(qlonglong(mode)));
    QVERIFY(simControl(QStringLiteral("wait")));
    QCOMPARE(watched.recorder.count(kTopicStatus), connection == kVideoSDI ? 0 : 1);
}

void TestSimulator::signalOnAnotherConnectionWaitsForIt()
{
    const auto detected = [](IMarlix* device) { return valueOf(device, Kind::StatInt, kStatusDetectedVideoInputMode); };
    {
        Watched watched(kStudioPro);
        QString error;
        QVERIFY2(simControl(QStringLiteral("signal studio-pro Hp25 0 2"), &error), qPrintable(error));
        QCOMPARE(detected(watched.device.get()), QVariant(qlonglong(kModePAL)));
        QCOMPARE(watched.configuration->SetInt(kConfigVideoInputConnection, kVideoHDMI), kMarlixOk);
        QCOMPARE(detected(watched.device.get()), QVariant(qlonglong(MarlixFourCC("Hp25"))));
        QVERIFY(watched.configuration->SetInt(kConfigVideoInputConnection, kVideoOptical) < 0);
        QCOMPARE(detected(watched.device.get()), QVariant(qlonglong(MarlixFourCC("Hp25"))));
    }
    // The unsaved choice of connection went with the released configuration, and so did its signal.
    QCOMPARE(detected(findDevice(kStudioPro).get()), QVariant(qlonglong(kModePAL)));
}

// One setter call in ten fails, evenly; reads are untouched.
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
    QString live;
    QVERIFY(simControl(QStringLiteral("setting studio-pro glot"), &live));
    QCOMPARE(live.trimmed(), QStringLiteral("29"));
}

// How a capability shows in the driver's answers.
enum class Capability { Flag, AnyBit, AllBits, SeveralBits, Readable, Conversion };

bool hasCapability(IMarlix* device, Capability capability, MarlixCode item, qlonglong mask)
{
    QVariant value;
    switch (capability) {
    case Capability::Flag:
        return valueOf(device, Kind::AttrFlag, item).toBool();
    case Capability::AnyBit:
    case Capability::AllBits:
    case Capability::SeveralBits: {
        const qlonglong bits = valueOf(device, Kind::AttrInt, item).toLongLong() & mask;
        return capability == Capability::AnyBit ? bits != 0
               : capability == Capability::AllBits ? bits == mask
                                                   : (bits & (bits - 1)) != 0;
    }
    case Capability::Readable:
        return readItem(device, Kind::ConfFlag, item) >= 0 || readItem(device, Kind::ConfInt, item) >= 0
               || readItem(device, Kind::ConfFloat, item) >= 0;
    case Capability::Conversion:
        return readItem(device, Kind::Conversion, item) >= 0;
    }
    return false;
}

// Every capability that shows or hides a settings row is present on one device and absent
// on another, across the default fleet and the coverage profile.
void TestSimulator::profilesCoverEveryCapability_data()
{
    QTest::addColumn<int>("capability");
    QTest::addColumn<MarlixCode>("item");
    QTest::addColumn<qlonglong>("mask");
    QTest::addColumn<QString>("having");
    QTest::addColumn<QString>("lacking");

    const auto row = [](const char* name, Capability capability, MarlixCode item, qlonglong mask,
                        const QString& having, const QString& lacking) {
        QTest::newRow(name) << int(capability) << item << mask << having << lacking;
    };
    const Capability readable = Capability::Readable;
    const Capability flag = Capability::Flag;
    row("playback", Capability::AllBits, kAttrVideoIOSupport, kVideoIOPlayback, kStudioPro, kCapture);
    row("capture", Capability::AllBits, kAttrVideoIOSupport, kVideoIOCapture, kStudioPro, kPlayout);
    row("field flicker removal", readable, kConfigFieldFlickerRemoval, 0, kStudioPro, kPlayout);
    row("idle output", flag, kAttrIdleOutput, 0, kStudioPro, kPlayout);
    row("capture passthrough", readable, kConfigCapturePassthroughMode, 0, kStudioPro, kPlayout);
    row("4:4:4 SDI", readable, kConfig444SDIOutput, 0, kCoreQuad, kStudioPro);
    row("SMPTE level A", flag, kAttrSMPTELevelAOutput, 0, kCoreQuad, kStudioPro);
    row("output PsF", readable, kConfigOutput1080pAsPsF, 0, kStudioPro, kHomeHdmi);
    row("dual link", flag, kAttrSDIDualLink, 0, kPlayout, kStudioPro);
    row("quad link beside dual link", flag, kAttrSDIQuadLink, 0, kStudio4K, kPlayout);
    row("HDMI 3D packing", readable, kConfigHDMI3DPackingFormat, 0, kHomeHdmi, kStudioPro);
    row("analog outputs", Capability::AnyBit, kAttrVideoOutputConnections, 56, kStudioPro, kStudio4K);
    row("analog outputs always on", flag, kAttrAllAnalogOutputsActive, 0, kPlayout, kStudioPro);
    row("analog output gain", flag, kAttrAnalogVideoOutputGain, 0, kStudioPro, kStudio4K);
    row("only overall output gain", flag, kAttrOnlyOverallVideoOutputGain, 0, kPlayout, kStudioPro);
    row("reference input", flag, kAttrReferenceInput, 0, kStudioPro, kShuttle);
    row("several inputs", Capability::SeveralBits, kAttrVideoInputConnections, 63, kShuttle, kCoreQuad);
    row("timecode input", readable, kConfigUseLTCTimecode, 0, kStudioPro, kShuttle);
    row("capture PsF", readable, kConfigCapture1080pAsPsF, 0, kCoreDuoOwner, kHomeHdmi);
    row("PsF switched by itself", flag, kAttrPsFAutoSwitching, 0, kCoreQuad, kCoreDuoOwner);
    row("analog input gain", readable, kConfigVideoInputCompositeLumaGain, 0, kStudioPro, kCapture);
    row("analog inputs", Capability::AnyBit, kAttrVideoInputConnections, 56, kCapture, kShuttle);
    row("audio inputs", Capability::AnyBit, kAttrAudioInputConnections, 63, kStudioPro, kPlayout);
    row("HiFi levels", readable, kConfigAnalogAudioConsumerLevels, 0, kHomeHdmi, kStudioPro);
    row("second input channel", readable, kConfigAnalogAudioInputScale2, 0, kHomeHdmi, kCapture);
    row("microphone gain", readable, kConfigMicrophoneInputGain, 0, kCapture, kStudioPro);
    row("phantom power", readable, kConfigMicrophonePhantomPower, 0, kCapture, kStudioPro);
    row("audio output split", readable, kConfigAnalogAudioOutputSwitch, 0, kStudioPro, kStudio4K);
    row("headphone volume", readable, kConfigHeadphoneVolume, 0, kBolt, kShuttle);
    row("AES/EBU outputs", Capability::AnyBit, kAttrAudioOutputConnections, kAudioAESEBU, kStudioPro, kHomeHdmi);
    row("AES/EBU input level", readable, kConfigDigitalAudioInputScale, 0, kStudioPro, kHomeHdmi);
    row("AES/EBU output level", readable, kConfigDigitalAudioOutputScale, 0, kStudioPro, kCapture);
    row("input conversion", readable, kConfigVideoInputConversionMode, 0, kStudioPro, kShuttle);
    row("output conversion", Capability::Conversion, MarlixFourCC("none"), 0, kStudioPro, kCoreQuad);
    row("analog down-conversion", readable, kConfigDownConversionOnAllAnalogOutputs, 0, kStudioPro, kShuttle);
    row("paired sub-device", Capability::AnyBit, kAttrPairedDevicePersistentId, -1, kCoreDuoOwner, kStudioPro);
    row("owns the duplex setting", flag, kAttrDuplexModeConfigurable, 0, kCoreDuoOwner, kCoreDuoPartner);
    row("both deck ports", Capability::AllBits, kAttrDeckControlConnections, 3, kStudioPro, kPlayout);
}

void TestSimulator::profilesCoverEveryCapability()
{
    QFETCH(int, capability);
    QFETCH(MarlixCode, item);
    QFETCH(qlonglong, mask);
    QFETCH(QString, having);
    QFETCH(QString, lacking);
    // One fleet at a time: switching fleets unplugs what was looked at.
    const auto check = [&](const QString& name) {
        const bool covering = name == kPlayout || name == kCapture;
        QString error;
        if (!simControl(covering ? QStringLiteral("profile " SIM_COVERAGE_PROFILE) : QStringLiteral("profile default"),
                        &error))
            qWarning("%s", qPrintable(error));
        const Held<IMarlix> device = findDevice(name);
        if (!device)
            qWarning("no device %s", qPrintable(name));
        return device && hasCapability(device.get(), static_cast<Capability>(capability), item, mask);
    };
    QVERIFY2(check(having), qPrintable(having + QStringLiteral(" should have it")));
    QVERIFY2(!check(lacking) && findDevice(lacking), qPrintable(lacking + QStringLiteral(" should lack it")));
}

// The configuration interface is queried anew in each block: releasing it is the point.
void TestSimulator::releaseWithUnsavedWritesReverts()
{
    const auto device = findDevice(kShuttle);
    const auto configure = [&device] { return query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration); };
    const auto label = [&device] { return valueOf(device.get(), Kind::ConfString, kConfigDeviceLabel); };
    NotificationRecorder recorder;
    const auto notification = query<IMarlixNotification>(device.get(), IID_IMarlixNotification);
    QCOMPARE(notification->Subscribe(kTopicPreferences, &recorder), kMarlixOk);
    {
        const auto configuration = configure();
        QCOMPARE(configuration->SetString(kConfigDeviceLabel, "Saved"), kMarlixOk);
        QCOMPARE(configuration->WriteToPreferences(), kMarlixOk);
        QCOMPARE(configuration->SetString(kConfigDeviceLabel, "Unsaved"), kMarlixOk);
        QCOMPARE(label(), QVariant(QStringLiteral("Unsaved")));
    }
    QCOMPARE(label(), QVariant(QStringLiteral("Saved")));
    // Two writes and the revert.
    QTRY_COMPARE(recorder.count(kTopicPreferences), 3);
    QCOMPARE(notification->Unsubscribe(kTopicPreferences, &recorder), kMarlixOk);

    // Saved values stay when the interface goes.
    {
        const auto configuration = configure();
        QCOMPARE(configuration->SetInt(kConfigVideoOutputIdleOperation, kIdleLastFrame), kMarlixOk);
        QCOMPARE(configuration->WriteToPreferences(), kMarlixOk);
    }
    QCOMPARE(configInt(configure().get(), kConfigVideoOutputIdleOperation), int64_t(kIdleLastFrame));
}

void TestSimulator::storedSettingsSurviveAFreshProcess()
{
    {
        const Watched watched(kStudio4K);
        QCOMPARE(watched.configuration->SetString(kConfigDeviceLabel, "Grading \u2013 A"), kMarlixOk);
        QCOMPARE(watched.configuration->WriteToPreferences(), kMarlixOk);
        QCOMPARE(watched.configuration->SetString(kConfigDeviceLabel, "never stored"), kMarlixOk);
    }
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("label"), kStudio4K}, probeEnvironment());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("Grading \u2013 A"));
    QCOMPARE(run.err, QString());
    const QString stored = storedFile(*m_state);
    QVERIFY(!stored.isEmpty());
    QCOMPARE(permissions(stored) & 0777, mode_t(0600));
}

void TestSimulator::edidSizeQueryThenFill()
{
    const auto device = findDevice(kStudioPro);
    const auto status = query<IMarlixStatus>(device.get(), IID_IMarlixStatus);
    uint32_t size = 0;
    QCOMPARE(status->GetBytes(kStatusReceivedEDID, nullptr, &size), kMarlixOk);
    QCOMPARE(size, 256u);
    QByteArray edid(int(size), '\0');
    uint32_t small = 100;
    QVERIFY(status->GetBytes(kStatusReceivedEDID, edid.data(), &small) < 0);
    QCOMPARE(status->GetBytes(kStatusReceivedEDID, edid.data(), &size), kMarlixOk);
    QCOMPARE(edid.left(8), QByteArray::fromHex("00ffffffffffff00"));
    for (int block = 0; block < 2; ++block) {
        quint8 sum = 0;
        for (int i = 0; i < 128; ++i)
            sum = quint8(sum + quint8(edid[block * 128 + i]));
        QCOMPARE(sum, quint8(0));
    }
    QVERIFY(edid.contains("Lumaris"));

    const auto sdiOnly = findDevice(kCoreQuad);
    QVERIFY(query<IMarlixStatus>(sdiOnly.get(), IID_IMarlixStatus)->GetBytes(kStatusReceivedEDID, nullptr, &size) < 0);
}

void TestSimulator::displayModesHaveRealGeometry_data()
{
    QTest::addColumn<MarlixCode>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<qlonglong>("duration");
    QTest::addColumn<qlonglong>("scale");
    QTest::addColumn<MarlixCode>("dominance");

    QTest::newRow("NTSC") << kModeNTSC << 720 << 486 << 1001LL << 30000LL << kFieldLower;
    QTest::newRow("PAL") << kModePAL << 720 << 576 << 1000LL << 25000LL << kFieldUpper;
    QTest::newRow("720p59.94") << kModeHD720p5994 << 1280 << 720 << 1001LL << 60000LL << kFieldProgressive;
    QTest::newRow("1080i50") << kModeHD1080i50 << 1920 << 1080 << 1000LL << 25000LL << kFieldUpper;
    QTest::newRow("1080p23.98") << kModeHD1080p2398 << 1920 << 1080 << 1001LL << 24000LL << kFieldProgressive;
    QTest::newRow("2K DCI 24") << kMode2KDCI24 << 2048 << 1080 << 1000LL << 24000LL << kFieldProgressive;
    QTest::newRow("2160p59.94") << kMode4K2160p5994 << 3840 << 2160 << 1001LL << 60000LL << kFieldProgressive;
    QTest::newRow("4K DCI 25") << kMode4KDCI25 << 4096 << 2160 << 1000LL << 25000LL << kFieldProgressive;
}

void TestSimulator::displayModesHaveRealGeometry()
{
    QFETCH(MarlixCode, mode);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(qlonglong, duration);
    QFETCH(qlonglong, scale);
    QFETCH(MarlixCode, dominance);
    const auto device = findDevice(kStudio4K);
    const auto output = query<IMarlixOutput>(device.get(), IID_IMarlixOutput);
    IMarlixDisplayModeIterator* rawIterator = nullptr;
    QCOMPARE(output->GetDisplayModeIterator(&rawIterator), kMarlixOk);
    Held<IMarlixDisplayModeIterator> iterator(rawIterator);
    IMarlixDisplayMode* raw = nullptr;
    Held<IMarlixDisplayMode> found;
    QSet<MarlixCode> seen;
    while (iterator->Next(&raw) == kMarlixOk) {
        Held<IMarlixDisplayMode> held(raw);
        QVERIFY2(!seen.contains(held->GetDisplayMode()), "a mode came twice");
        seen.insert(held->GetDisplayMode());
        if (held->GetDisplayMode() == mode)
            found = std::move(held);
    }
    QVERIFY(found);
    QCOMPARE(found->GetWidth(), width);
    QCOMPARE(found->GetHeight(), height);
    int64_t frameDuration = 0, timeScale = 0;
    QCOMPARE(found->GetFrameRate(&frameDuration, &timeScale), kMarlixOk);
    QCOMPARE(frameDuration, int64_t(duration));
    QCOMPARE(timeScale, int64_t(scale));
    QCOMPARE(found->GetFieldDominance(), dominance);
    char* name = nullptr;
    QCOMPARE(found->GetName(&name), kMarlixOk);
    QVERIFY(!takeString(name).isEmpty());
}

// Unsubscribe returns only once the running callback has returned, and nothing follows.
void TestSimulator::unsubscribeWaitsForRunningCallback()
{
    Watched watched(kStudioPro);
    NotificationRecorder& recorder = watched.recorder;
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool unsubscribing = false;
    bool unsubscribed = false;
    bool returnedEarly = false;
    recorder.hook = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (entered)
            return;
        entered = true;
        changed.notify_all();
        changed.wait(lock, [&] { return unsubscribing; });
        // A correct Unsubscribe cannot finish while this callback still runs.
        returnedEarly = changed.wait_for(lock, std::chrono::milliseconds(200), [&] { return unsubscribed; });
    };
    QCOMPARE(watched.subscribe(kTopicStatus), kMarlixOk);
    QVERIFY(simControl(QStringLiteral("storm studio-pro stat 5")));
    {
        std::unique_lock<std::mutex> lock(mutex);
        QVERIFY(changed.wait_for(lock, std::chrono::seconds(10), [&] { return entered; }));
    }
    std::thread unsubscriber([&] {
        {
            std::lock_guard<std::mutex> lock(mutex);
            unsubscribing = true;
        }
        changed.notify_all();
        watched.notification->Unsubscribe(kTopicStatus, &recorder);
        std::lock_guard<std::mutex> lock(mutex);
        unsubscribed = true;
        changed.notify_all();
    });
    unsubscriber.join();
    QVERIFY2(!returnedEarly, "Unsubscribe returned while its callback was running");
    QCOMPARE(recorder.count(kTopicStatus), 1);
    QVERIFY(simControl(QStringLiteral("storm studio-pro stat 5")));
    QVERIFY(simControl(QStringLiteral("wait")));
    QCOMPARE(recorder.count(kTopicStatus), 1);
    QCOMPARE(recorder.references(), 1u);
}

void TestSimulator::hotPlugThroughControlSocket()
{
    QVERIFY(S_ISSOCK(permissions(m_socket)));
    QCOMPARE(permissions(m_socket) & 0777, mode_t(0600));
    DiscoveryRecorder recorder;
    Held<IMarlixDiscovery> discovery(CreateMarlixDiscoveryInstance());
    QCOMPARE(discovery->InstallDeviceNotifications(&recorder), kMarlixOk);
    QTRY_COMPARE(recorder.arrivals(), 12);
    IMarlix* before = recorder.arrived(kStudioPro);

    QCOMPARE(runProbe(SIM_CTL, {QStringLiteral("unplug"), QStringLiteral("studio-pro")}).exitCode, 0);
    QTRY_VERIFY(recorder.removed(before));
    QVERIFY(!findDevice(kStudioPro));
    char* name = nullptr;
    QCOMPARE(before->GetModelName(&name), kMarlixDisconnected);

    QCOMPARE(runProbe(SIM_CTL, {QStringLiteral("plug"), QStringLiteral("studio-pro")}).exitCode, 0);
    QTRY_COMPARE(recorder.arrivals(), 13);
    QVERIFY(recorder.arrived(kStudioPro) != before);
    QVERIFY(!recorder.calledOnThread(std::this_thread::get_id()));

    QCOMPARE(runProbe(SIM_CTL, {QStringLiteral("list")}).out.count('\n'), 12);

    // After uninstalling, nothing more arrives.
    QCOMPARE(discovery->UninstallDeviceNotifications(), kMarlixOk);
    QVERIFY(simControl(QStringLiteral("unplug shuttle-hd-2")));
    QVERIFY(simControl(QStringLiteral("wait")));
    QCOMPARE(recorder.removals(), 1);
}

void TestSimulator::controlRejectsBadCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fault");

    QTest::newRow("unknown command") << QStringList{"explode"} << "unknown command 'explode'";
    QTest::newRow("unknown device") << QStringList{"unplug", "nosuch"} << "unknown device 'nosuch'";
    QTest::newRow("missing argument") << QStringList{"plug"} << "usage: plug DEVICE";
    QTest::newRow("mode the input lacks") << QStringList{"signal", "studio-pro", "4k60"} << "cannot capture '4k60'";
    QTest::newRow("not a mode code") << QStringList{"signal", "studio-pro", "1080i"} << "not a four-character mode";
    QTest::newRow("no reference input") << QStringList{"reference", "core-quad-1", "Hi59"} << "no reference input";
    QTest::newRow("status item it lacks") << QStringList{"status", "shuttle-hd-2", "pwid", "4"} << "no status item 'pwid'";
    QTest::newRow("status value of wrong kind") << QStringList{"status", "studio-pro", "refl", "maybe"} << "takes a flag";
    QTest::newRow("unknown operation") << QStringList{"fail", "studio-pro", "Configuration.Explode"} << "unknown operation";
    QTest::newRow("storm too large") << QStringList{"storm", "studio-pro", "pref", "99999999"} << "the count must be";
    QTest::newRow("already plugged") << QStringList{"plug", "studio-pro"} << "already plugged in";
    QTest::newRow("raw bytes are not echoed") << QStringList{"unplug", "\x1b[2J\x07"} << "'\\x1b[2J\\x07'";
    QTest::newRow("success code out of range") << QStringList{"success", "getters", "-1"} << "the code must be";
    QTest::newRow("writes, not reset") << QStringList{"writes", "studio-pro", "zero"} << "must be reset";
    QTest::newRow("signal on an input it lacks") << QStringList{"signal", "studio-pro", "Hi59", "0", "4"} << "no input connection 4";
    QTest::newRow("signal on no connection") << QStringList{"signal", "studio-pro", "Hi59", "0", "0"} << "the connection must be";
    QTest::newRow("one call in none") << QStringList{"fail-every", "*", "Configuration.Set*", "0"} << "N must be";
    QTest::newRow("wildcard naming nothing") << QStringList{"fail-every", "*", "Configuration.Open*", "2"} << "unknown operation";
    QTest::newRow("setting it lacks") << QStringList{"setting", "shuttle-hd-2", "glot"} << "no setting 'glot'";
}

// One line naming the fault, a non-zero exit, and the fleet unchanged.
void TestSimulator::controlRejectsBadCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    QString listBefore, listAfter;
    QVERIFY(simControl(QStringLiteral("list"), &listBefore));
    const ProbeRun run = runProbe(SIM_CTL, arguments);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(fault), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QChar(0x1b)) && !run.err.contains(QChar(0x07)), qPrintable(run.err));
    QVERIFY(simControl(QStringLiteral("list"), &listAfter));
    QCOMPARE(listAfter, listBefore);
}

void TestSimulator::faults_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("failingReads");
    QTest::addColumn<bool>("vanishes");

    QTest::newRow("read fails until cleared") << "fail studio-pro Configuration.GetInt:dvom" << 3 << false;
    QTest::newRow("read fails once") << "fail studio-pro GetInt:dvom 1" << 1 << false;
    QTest::newRow("any device") << "fail * Configuration.GetInt:dvom" << 3 << false;
    QTest::newRow("device vanishes mid-call") << "vanish studio-pro Configuration.GetInt:dvom" << 3 << true;
    QTest::newRow("one read in two") << "fail-every studio-pro Configuration.GetInt:dvom 2" << 1 << false;
    QTest::newRow("setters only") << "fail-every * Configuration.Set* 1" << 0 << false;
}

void TestSimulator::faults()
{
    QFETCH(QString, command);
    QFETCH(int, failingReads);
    QFETCH(bool, vanishes);
    DiscoveryRecorder recorder;
    Held<IMarlixDiscovery> discovery(CreateMarlixDiscoveryInstance());
    QCOMPARE(discovery->InstallDeviceNotifications(&recorder), kMarlixOk);
    QTRY_COMPARE(recorder.arrivals(), 12);
    const auto device = findDevice(kStudioPro);
    const auto configuration = query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration);
    QString error;
    QVERIFY2(simControl(command, &error), qPrintable(error));
    int failed = 0;
    for (int i = 0; i < 3; ++i)
        failed += configInt(configuration.get(), kConfigDefaultVideoOutputMode) < 0 ? 1 : 0;
    QCOMPARE(failed, failingReads);
    // Other items of the device stay readable unless the device is gone.
    QCOMPARE(configInt(configuration.get(), kConfigReferenceInputSamples) < 0, vanishes);
    QTRY_COMPARE(recorder.removals(), vanishes ? 1 : 0);
    QVERIFY(simControl(QStringLiteral("clear")));
    if (vanishes) {
        QVERIFY(recorder.removed(device.get()));
        QVERIFY(simControl(QStringLiteral("plug studio-pro")));
        QTRY_COMPARE(recorder.arrivals(), 13);
    } else {
        QVERIFY(configInt(configuration.get(), kConfigDefaultVideoOutputMode) >= 0);
    }
    QCOMPARE(discovery->UninstallDeviceNotifications(), kMarlixOk);
}

void TestSimulator::malformedProfileIsRefused_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QString>("fault");

    const QByteArray device = R"("id": "d", "modelName": "Lumaris Core SDI", "attributes": {"rvid": 1})";
    QTest::newRow("empty file") << QByteArray() << "unexpected end of input";
    QTest::newRow("syntax error") << QByteArray(R"({"devices": [)") << "syntax error";
    QTest::newRow("devices not an array") << QByteArray(R"({"devices": {}})") << "\"devices\" array";
    QTest::newRow("unknown template") << QByteArray(R"({"devices": [{)" + device + R"(, "template": "x"}]})")
                                     << "unknown template 'x'";
    QTest::newRow("template cycle") << QByteArray(R"({"templates": {"a": {"base": "b"}, "b": {"base": "a"}},
                                         "devices": [{)" + device + R"(, "template": "a"}]})")
                                    << "nest too deeply";
    QTest::newRow("no model id") << QByteArray(R"({"devices": [{"id": "d", "modelName": "M"}]})") << "'rvid'";
    QTest::newRow("item code too long") << QByteArray(R"({"devices": [{)" + device + R"(, "status": {"busyy": 0}}]})")
                                        << "'busyy' is not a four-character code";
    QTest::newRow("default outside its domain")
        << QByteArray(R"({"devices": [{)" + device + R"(, "outputModes": ["sd"],
                 "configuration": {"dvom": {"type": "int", "default": "Hp60", "mode": "output"}}}]})")
        << "not an output mode";
    QTest::newRow("default of wrong type")
        << QByteArray(R"({"devices": [{)" + device + R"(, "configuration": {"fdfr": {"type": "flag", "default": 1}}}]})")
        << "does not fit type 'flag'";
    QTest::newRow("unknown display mode") << QByteArray(R"({"devices": [{)" + device + R"(, "inputModes": ["8k"]}]})")
                                          << "unknown display mode or group '8k'";
    QTest::newRow("device id twice") << QByteArray(R"({"devices": [{)" + device + "}, {" + device + "}]}")
                                     << "used twice";
    QTest::newRow("nested 10,000 deep") << QByteArray(R"({"devices": [)") + QByteArray(10000, '[')
                                               + QByteArray(10000, ']') + "]}"
                                        << "nests deeper than 64 levels";
    QTest::newRow("template nested 5,000 deep")
        << QByteArray(R"({"templates": {"t": )") + QByteArray(R"({"a": )").repeated(5000)
               + "1" + QByteArray(5000, '}') + R"(}, "devices": [{)" + device + R"(, "template": "t"}]})"
        << "nests deeper than 64 levels";
    QTest::newRow("id of all ones beyond the signed range")
        << QByteArray(R"({"devices": [{"id": "d", "modelName": "M", "attributes": {"rvid": 1, "peid": 18446744073709551615}}]})")
        << "outside the signed 64-bit range";
    QTest::newRow("same model and persistent id")
        << QByteArray(R"({"devices": [{"id": "a", "modelName": "M", "attributes": {"rvid": 1, "peid": 7}},
                                      {"id": "b", "modelName": "M", "attributes": {"rvid": 1, "peid": 7}}]})")
        << "'a' and 'b' have the same model and persistent id";
    QTest::newRow("id with a control character")
        << QByteArray(R"({"devices": [{"id": "a\u0001b", "modelName": "M", "attributes": {"rvid": 1}}]})")
        << "without spaces or control characters";
    QTest::newRow("NUL byte followed by junk") << QByteArray("{\"devices\": []}\0{{junk", 22) << "a NUL byte at offset 15";
    QTest::newRow("number beyond a double") << QByteArray(R"({"devices": [], "x": 1e999})") << "number overflow";
    QTest::newRow("raw bytes in an item code")
        << QByteArray(R"({"devices": [{)" + device + ", \"status\": {\"\x7f[2J\": 0}}]}")
        << "'\\x7f[2J' is not a four-character code";
    QTest::newRow("bytes that are not UTF-8") << QByteArray("{\"devices\": [\"\xff\xfe\"]}") << "ill-formed UTF-8";
}

void TestSimulator::malformedProfileIsRefused()
{
    QFETCH(QByteArray, profile);
    QFETCH(QString, fault);
    const QString path = m_root.filePath(QStringLiteral("bad-profile.json"));
    QVERIFY(writeFile(path, profile));
    QString before, after, error;
    QVERIFY(simControl(QStringLiteral("list"), &before));
    QVERIFY(!simControl(QStringLiteral("profile ") + path, &error));
    QVERIFY2(error.contains(path) && error.contains(fault), qPrintable(error));
    QVERIFY(!error.contains('\n'));
    for (const QChar raw : {QChar(0x1b), QChar(0x7f), QChar(QChar::ReplacementCharacter)})
        QVERIFY2(!error.contains(raw), qPrintable(error));
    QVERIFY2(!error.contains("json.exception"), qPrintable(error));
    QVERIFY(simControl(QStringLiteral("list"), &after));
    QCOMPARE(after, before);
}

void TestSimulator::malformedProfileAtStartGivesOneLine()
{
    const QString path = m_root.filePath(QStringLiteral("start-profile.json"));
    QVERIFY(writeFile(path, R"({"devices": [{"id": "x"}]})"));
    QProcessEnvironment env = probeEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_PROFILE"), path);
    const ProbeRun run = runProbe(SIM_PROBE, {QStringLiteral("list")}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(path) && run.err.contains("modelName"), qPrintable(run.err));

    // A good profile of its own is used instead of the default fleet.
    QVERIFY(writeFile(path, R"({"devices": [{"id": "x", "modelName": "Lumaris Core SDI", "attributes": {"rvid": 1}}]})"));
    const ProbeRun good = runProbe(SIM_PROBE, {QStringLiteral("list")}, env);
    QCOMPARE(good.out, QStringLiteral("Lumaris Core SDI\t1\n"));
    QCOMPARE(good.err, QString());
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

// Killed at any point of storing, the device's file holds the old or the new state.
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

        QFile file(storedFile(*m_state));
        QVERIFY(file.open(QIODevice::ReadOnly));
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

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
