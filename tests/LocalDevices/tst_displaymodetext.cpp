#include "CapabilityTables.h"
#include "DisplayMode.h"
#include "DisplayModeText.h"
#include "SimulatorSession.h"
#include "TestCodes.h"
#include "VisibleMarlix.h"

#include <QtTest>

namespace {

constexpr uint32_t kSDI = MarlixValue::kVideoSDI;
constexpr uint32_t kHDMI = MarlixValue::kVideoHDMI;
constexpr uint32_t kComponent = MarlixValue::kVideoComponent;
constexpr uint32_t kComposite = MarlixValue::kVideoComposite;
constexpr uint32_t kSVideo = MarlixValue::kVideoSVideo;
constexpr uint32_t kConverted = 0x40000000u;

const char* const kHardware = "Lumaris Studio 4K";
const char* const kSoftware = "Lumaris Studio HD";

// The output settings a connector-mapping row starts from, besides conversion and mode.
enum Setting { Plain = 0, AllAnalog = 1, PsFOutput = 2 };

void mappingRow(const char* name, const char* model, const char* conversion, int settings, const char* mode,
                uint connection, const char* expected)
{
    QTest::newRow(name) << QString(model) << QByteArray(conversion) << settings << QByteArray(mode) << connection
                        << QString(expected);
}

} // namespace

// Mode names and what each connector shows, against the simulator's real mode
// catalogue (tests/profiles/display-modes.json).
class TestDisplayModeText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void modeNames_data();
    void modeNames();
    void formatDisplayMode_data();
    void formatDisplayMode();
    void connectorMapping_data();
    void connectorMapping();
    void deviceWithoutOutputModesShowsNothing_data();
    void deviceWithoutOutputModesShowsNothing();
    void cleanupTestCase();

private:
    DisplayModeMap hardwareModes() const { return m_devices.value(kHardware)->getVideoOutputDisplayModes(); }

    QMap<QString, VisibleMarlix*> m_devices;
};

void TestDisplayModeText::initTestCase()
{
    SimulatorSession::start(QStringLiteral("display-modes.json"));
    initialiseStaticData();
    for (VisibleMarlix* device : SimulatorSession::connectedDevices())
        m_devices.insert(device->modelName(), device);
    QCOMPARE(m_devices.size(), 3);
}

void TestDisplayModeText::cleanupTestCase()
{
    qDeleteAll(m_devices);
}

// Every row starts from the stored settings.
void TestDisplayModeText::cleanup()
{
    for (VisibleMarlix* device : qAsConst(m_devices))
        device->readFromPreferences();
}

void TestDisplayModeText::modeNames_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<bool>("shortName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("PsF replaces the p") << QByteArray("Hp25") << 1u << false << "1080PsF25";
    QTest::newRow("PsF and 3D") << QByteArray("Hp25") << 3u << false << "1080PsF25 3D";
    QTest::newRow("every lower-case p") << QByteArray("hp59") << 1u << true << "720PsF59.94";
    QTest::newRow("long NTSC 23.98 keeps the driver name") << QByteArray("nt23") << 0u << false << "NTSC 23.98";
    QTest::newRow("short NTSC 23.98") << QByteArray("nt23") << 0u << true << "NTSC";
    QTest::newRow("short progressive NTSC") << QByteArray("ntsp") << 0u << true << "NTSC";
    QTest::newRow("short dual stream") << QByteArray("H23d") << 0u << true << "1080p23.98";
    QTest::newRow("long dual stream") << QByteArray("H23d") << 0u << false << "1080p23.98 Dual Stream";
}

void TestDisplayModeText::modeNames()
{
    QFETCH(QByteArray, mode);
    QFETCH(uint, flags);
    QFETCH(bool, shortName);
    QFETCH(QString, expected);
    const DisplayModeMap modes = hardwareModes();
    QVERIFY(modes.contains(codeOf(mode)));
    const DisplayMode& displayMode = modes[codeOf(mode)];
    QCOMPARE(shortName ? displayMode.getShortName(flags) : displayMode.getName(flags), expected);
}

void TestDisplayModeText::formatDisplayMode_data()
{
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1080p50 on component") << kComponent << QByteArray("Hp50") << 0u << "-";
    QTest::newRow("1080p30 on component") << kComponent << QByteArray("Hp30") << 0u << "1080p30";
    QTest::newRow("3D on component") << kComponent << QByteArray("Hp25") << 2u << "-";
    QTest::newRow("UHD on component") << kComponent << QByteArray("4k25") << 0u << "-";
    QTest::newRow("HD on composite") << kComposite << QByteArray("Hi59") << 0u << "-";
    QTest::newRow("NTSC on composite") << kComposite << QByteArray("ntsc") << 0u << "NTSC";
    QTest::newRow("PsF 23.98 on HDMI") << kHDMI << QByteArray("23ps") << 1u << "1080p23.98";
    QTest::newRow("PsF 25 on HDMI") << kHDMI << QByteArray("Hp25") << 1u << "1080i50";
    QTest::newRow("PsF above 30 on HDMI") << kHDMI << QByteArray("Hp50") << 1u << "-";
    QTest::newRow("PsF 3D keeps 3D on HDMI") << kHDMI << QByteArray("Hp25") << 3u << "1080i50 3D";
    QTest::newRow("2K DCI on HDMI") << kHDMI << QByteArray("2d25") << 0u << "1080p25";
    QTest::newRow("2K full aperture on HDMI") << kHDMI << QByteArray("2k25") << 0u << "-";
    QTest::newRow("mode the device lacks") << kSDI << QByteArray("iunk") << 0u << "-";
}

void TestDisplayModeText::formatDisplayMode()
{
    QFETCH(uint, connection);
    QFETCH(QByteArray, mode);
    QFETCH(uint, flags);
    QFETCH(QString, expected);
    QCOMPARE(::formatDisplayMode(connection, codeOf(mode), flags, hardwareModes()), expected);
}

void TestDisplayModeText::connectorMapping_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("conversion");
    QTest::addColumn<int>("settings");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QString>("expected");
    mappingRow("letterbox on all analog: composite shows NTSC", kSoftware, "ltbx", AllAnalog, "Hi59", kComposite,
               "NTSC");
    mappingRow("letterbox, analog not converted: composite too wide", kSoftware, "ltbx", Plain, "Hi59", kComposite,
               "-");
    mappingRow("software letterbox on SDI", kSoftware, "ltbx", Plain, "Hi50", kSDI, "PAL");
    mappingRow("hardware letterbox leaves SDI alone", kHardware, "HWlb", Plain, "Hi59", kSDI, "1080i59.94");
    mappingRow("hardware letterbox, converted output asked", kHardware, "HWlb", Plain, "Hi59", kSDI | kConverted,
               "NTSC");
    mappingRow("second link bit asks for the converted mode too", kHardware, "HWlb", Plain, "Hi50",
               kSDI | 0x80000000u, "PAL");
    mappingRow("hardware converter takes 1080p60 to NTSC", kHardware, "HWam", AllAnalog, "Hp60", kComposite, "NTSC");
    mappingRow("software converter cannot take 1080p60", kSoftware, "amph", AllAnalog, "Hp60", kComposite, "-");
    mappingRow("2K to SD on all analog", kSoftware, "h2sd", AllAnalog, "23ps", kComposite, "NTSC");
    mappingRow("dual stream is not down-converted", kSoftware, "ltbx", AllAnalog, "H23d", kSDI, "1080p23.98");
    mappingRow("component carries UHD 29.97 as 1080p", kSoftware, "none", Plain, "4k29", kComponent, "1080p29.97");
    mappingRow("component carries UHD 50 as 1080i", kSoftware, "none", Plain, "4k50", kComponent, "1080i50");
    mappingRow("720p to 1080i", kSoftware, "720c", Plain, "hp59", kSDI, "1080i59.94");
    mappingRow("UHD to HD", kSoftware, "HWud", Plain, "4k25", kSDI, "1080p25");
    mappingRow("UHD to HD beside a hardware down-converter", kHardware, "HWud", Plain, "4k25", kSDI, "2160p25");
    mappingRow("SD to 1080i zoom", kSoftware, "u41i", Plain, "ntsc", kSDI, "1080i59.94");
    mappingRow("no connector means the current one", kSoftware, "ltbx", Plain, "Hi59", 0u, "NTSC");
    mappingRow("PsF output on SDI", kSoftware, "none", PsFOutput, "Hp25", kSDI, "1080PsF25");
    mappingRow("PsF 23.98 output on HDMI", kSoftware, "none", PsFOutput, "23ps", kHDMI, "1080p23.98");
    mappingRow("PsF setting leaves 1080p50 progressive", kSoftware, "none", PsFOutput, "Hp50", kSDI, "1080p50");
}

void TestDisplayModeText::connectorMapping()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, conversion);
    QFETCH(int, settings);
    QFETCH(QByteArray, mode);
    QFETCH(uint, connection);
    QFETCH(QString, expected);
    VisibleMarlix* player = m_devices.value(model);
    player->setOutputConversionMode(codeOf(conversion));
    player->setDownConversionOnAllAnalogOutputs(settings & AllAnalog);
    player->setOutput1080pAsPsF(settings & PsFOutput);
    player->setVideoOutputDisplayMode(codeOf(mode));
    QCOMPARE(player->getOutputConversionMode(), codeOf(conversion));
    QCOMPARE(player->getDefaultVideoOutputDisplayMode(), codeOf(mode));
    QCOMPARE(getVideoOutputDisplayMode(player, connection), expected);
}

void TestDisplayModeText::deviceWithoutOutputModesShowsNothing_data()
{
    QTest::addColumn<uint>("connection");
    QTest::newRow("current") << 0u;
    QTest::newRow("composite") << kComposite;
}

void TestDisplayModeText::deviceWithoutOutputModesShowsNothing()
{
    QFETCH(uint, connection);
    VisibleMarlix* player = m_devices.value(QStringLiteral("Lumaris Playout HD"));
    QVERIFY(player->supportsPlayback());
    QCOMPARE(getVideoOutputDisplayMode(player, connection), kNoDisplayMode);
}

QTEST_MAIN(TestDisplayModeText)
#include "tst_displaymodetext.moc"
