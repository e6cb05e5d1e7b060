#include "CapabilityTables.h"
#include "DisplayMode.h"
#include "DisplayModeText.h"
#include "SimulatorSession.h"
#include "TestCodes.h"
#include "VisibleMarlix.h"

#include <QtTest>

namespace {

using namespace MarlixValue;

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
    void formatDisplayMode_data();
    void formatDisplayMode();
    void connectorMapping_data();
    void connectorMapping();
    void cleanupTestCase();

private:
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

void TestDisplayModeText::formatDisplayMode_data()
{
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("flags");
    // The mode's full name rather than what a connector shows.
    QTest::addColumn<bool>("fullName");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, uint connection, const char* mode, uint flags, const char* expected) {
        QTest::newRow(name) << connection << QByteArray(mode) << flags << false << QString::fromUtf8(expected);
    };
    const auto fullName = [](const char* name, const char* mode, uint flags, const char* expected) {
        QTest::newRow(name) << 0u << QByteArray(mode) << flags << true << QString::fromUtf8(expected);
    };
    fullName("PsF replaces the p", "Hp25", 1, "1080PsF25");
    fullName("PsF and 3D", "Hp25", 3, "1080PsF25 3D");
    fullName("NTSC 23.98 keeps the driver name", "nt23", 0, "NTSC 23.98");
    fullName("dual stream", "H23d", 0, "1080p23.98 Dual Stream");
    row("every lower-case p on SDI", kVideoSDI, "hp59", 1, "720PsF59.94");
    row("NTSC 23.98 on SDI", kVideoSDI, "nt23", 0, "NTSC");
    row("dual stream on SDI", kVideoSDI, "H23d", 0, "1080p23.98");
    row("1080p50 on component", kVideoComponent, "Hp50", 0, "-");
    row("1080p30 on component", kVideoComponent, "Hp30", 0, "1080p30");
    row("3D on component", kVideoComponent, "Hp25", 2, "-");
    row("UHD on component", kVideoComponent, "4k25", 0, "-");
    row("HD on composite", kVideoComposite, "Hi59", 0, "-");
    row("NTSC on composite", kVideoComposite, "ntsc", 0, "NTSC");
    row("PsF 23.98 on HDMI", kVideoHDMI, "23ps", 1, "1080p23.98");
    row("PsF 25 on HDMI", kVideoHDMI, "Hp25", 1, "1080i50");
    row("PsF above 30 on HDMI", kVideoHDMI, "Hp50", 1, "-");
    row("PsF 3D keeps 3D on HDMI", kVideoHDMI, "Hp25", 3, "1080i50 3D");
    row("2K DCI on HDMI", kVideoHDMI, "2d25", 0, "1080p25");
    row("2K full aperture on HDMI", kVideoHDMI, "2k25", 0, "-");
    row("mode the device lacks", kVideoSDI, "iunk", 0, "-");
}

void TestDisplayModeText::formatDisplayMode()
{
    QFETCH(uint, connection);
    QFETCH(QByteArray, mode);
    QFETCH(uint, flags);
    QFETCH(bool, fullName);
    QFETCH(QString, expected);
    const DisplayModeMap modes = m_devices.value(kHardware)->getVideoOutputDisplayModes();
    if (fullName) {
        QVERIFY(modes.contains(codeOf(mode)));
        QCOMPARE(modes[codeOf(mode)].getName(flags), expected);
    } else {
        QCOMPARE(::formatDisplayMode(connection, codeOf(mode), flags, modes), expected);
    }
}

void TestDisplayModeText::connectorMapping_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("conversion");
    QTest::addColumn<int>("settings");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QString>("expected");
    mappingRow("letterbox on all analog: composite shows NTSC", kSoftware, "ltbx", AllAnalog, "Hi59", kVideoComposite,
               "NTSC");
    mappingRow("letterbox, analog not converted: composite too wide", kSoftware, "ltbx", Plain, "Hi59", kVideoComposite,
               "-");
    mappingRow("hardware letterbox leaves SDI alone", kHardware, "HWlb", Plain, "Hi59", kVideoSDI, "1080i59.94");
    mappingRow("hardware letterbox, converted output asked", kHardware, "HWlb", Plain, "Hi59", kVideoSDI | kConverted,
               "NTSC");
    mappingRow("second link bit asks for the converted mode too", kHardware, "HWlb", Plain, "Hi50",
               kVideoSDI | 0x80000000u, "PAL");
    mappingRow("hardware converter takes 1080p60 to NTSC", kHardware, "HWam", AllAnalog, "Hp60", kVideoComposite,
               "NTSC");
    mappingRow("software converter cannot take 1080p60", kSoftware, "amph", AllAnalog, "Hp60", kVideoComposite, "-");
    mappingRow("dual stream is not down-converted", kSoftware, "ltbx", AllAnalog, "H23d", kVideoSDI, "1080p23.98");
    mappingRow("component carries UHD 50 as 1080i", kSoftware, "none", Plain, "4k50", kVideoComponent, "1080i50");
    mappingRow("720p to 1080i", kSoftware, "720c", Plain, "hp59", kVideoSDI, "1080i59.94");
    mappingRow("UHD to HD", kSoftware, "HWud", Plain, "4k25", kVideoSDI, "1080p25");
    mappingRow("UHD to HD beside a hardware down-converter", kHardware, "HWud", Plain, "4k25", kVideoSDI, "2160p25");
    mappingRow("SD to 1080i zoom", kSoftware, "u41i", Plain, "ntsc", kVideoSDI, "1080i59.94");
    mappingRow("no connector means the current one", kSoftware, "ltbx", Plain, "Hi59", 0u, "NTSC");
    mappingRow("PsF output on SDI", kSoftware, "none", PsFOutput, "Hp25", kVideoSDI, "1080PsF25");
    mappingRow("PsF setting leaves 1080p50 progressive", kSoftware, "none", PsFOutput, "Hp50", kVideoSDI, "1080p50");
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
    QCOMPARE(getVideoOutputDisplayMode(player, connection), expected);
}

QTEST_MAIN(TestDisplayModeText)
#include "tst_displaymodetext.moc"
