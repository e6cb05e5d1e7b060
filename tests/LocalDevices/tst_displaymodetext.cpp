#include "CapabilityTables.h"
#include "DisplayMode.h"
#include "DisplayModeText.h"
#include "FourCC.h"
#include "SimulatorSession.h"
#include "TestCodes.h"
#include "VisibleMarlix.h"

#include <QtTest>

#include <memory>

namespace {

constexpr uint32_t kSDI = kVideoConnectionSDI;
constexpr uint32_t kHDMI = kVideoConnectionHDMI;
constexpr uint32_t kComponent = kVideoConnectionComponent;
constexpr uint32_t kComposite = kVideoConnectionComposite;
constexpr uint32_t kSVideo = kVideoConnectionSVideo;
constexpr uint32_t kConverted = 0x40000000u;

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
    void inputMode_data();
    void inputMode();
    void reference_data();
    void reference();
    void cleanupTestCase();

private:
    VisibleMarlix* device(const QString& name) const;

    QMap<QString, VisibleMarlix*> m_devices;
};

void TestDisplayModeText::initTestCase()
{
    SimulatorSession::start(QStringLiteral("display-modes.json"));
    initialiseStaticData();
    for (VisibleMarlix* device : SimulatorSession::connectedDevices())
        m_devices.insert(device->modelName(), device);
    QCOMPARE(m_devices.size(), 4);
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

VisibleMarlix* TestDisplayModeText::device(const QString& name) const
{
    return m_devices.value(name);
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
    QTest::newRow("short progressive PAL") << QByteArray("palp") << 0u << true << "PAL";
    QTest::newRow("short dual stream") << QByteArray("H23d") << 0u << true << "1080p23.98";
    QTest::newRow("long dual stream") << QByteArray("H23d") << 0u << false << "1080p23.98 Dual Stream";
    QTest::newRow("short name of an HD mode") << QByteArray("Hi59") << 0u << true << "1080i59.94";
}

void TestDisplayModeText::modeNames()
{
    QFETCH(QByteArray, mode);
    QFETCH(uint, flags);
    QFETCH(bool, shortName);
    QFETCH(QString, expected);
    const DisplayModeMap modes = device(QStringLiteral("Lumaris Studio 4K"))->getVideoOutputDisplayModes();
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
    QTest::newRow("1080p50 on SDI") << kSDI << QByteArray("Hp50") << 0u << "1080p50";
    QTest::newRow("1080p30 on component") << kComponent << QByteArray("Hp30") << 0u << "1080p30";
    QTest::newRow("3D on component") << kComponent << QByteArray("Hp25") << 2u << "-";
    QTest::newRow("UHD on component") << kComponent << QByteArray("4k25") << 0u << "-";
    QTest::newRow("HD on composite") << kComposite << QByteArray("Hi59") << 0u << "-";
    QTest::newRow("NTSC on composite") << kComposite << QByteArray("ntsc") << 0u << "NTSC";
    QTest::newRow("PAL on S-Video") << kSVideo << QByteArray("pal") << 0u << "PAL";
    QTest::newRow("PsF 23.98 on HDMI") << kHDMI << QByteArray("23ps") << 1u << "1080p23.98";
    QTest::newRow("PsF 25 on HDMI") << kHDMI << QByteArray("Hp25") << 1u << "1080i50";
    QTest::newRow("PsF 29.97 on HDMI") << kHDMI << QByteArray("Hp29") << 1u << "1080i59.94";
    QTest::newRow("PsF above 30 on HDMI") << kHDMI << QByteArray("Hp50") << 1u << "-";
    QTest::newRow("PsF 3D keeps 3D on HDMI") << kHDMI << QByteArray("Hp25") << 3u << "1080i50 3D";
    QTest::newRow("2K DCI on HDMI") << kHDMI << QByteArray("2d25") << 0u << "1080p25";
    QTest::newRow("PsF 2K DCI on HDMI") << kHDMI << QByteArray("2d24") << 1u << "1080p24";
    QTest::newRow("2K full aperture on HDMI") << kHDMI << QByteArray("2k25") << 0u << "-";
    QTest::newRow("PsF on SDI") << kSDI << QByteArray("Hp25") << 1u << "1080PsF25";
    QTest::newRow("mode the device lacks") << kSDI << QByteArray("iunk") << 0u << "-";
}

void TestDisplayModeText::formatDisplayMode()
{
    QFETCH(uint, connection);
    QFETCH(QByteArray, mode);
    QFETCH(uint, flags);
    QFETCH(QString, expected);
    const DisplayModeMap modes = device(QStringLiteral("Lumaris Studio 4K"))->getVideoOutputDisplayModes();
    QCOMPARE(::formatDisplayMode(connection, codeOf(mode), flags, modes), expected);
}

void TestDisplayModeText::connectorMapping_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("conversion");
    QTest::addColumn<bool>("allAnalog");
    QTest::addColumn<bool>("psf");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QString>("expected");
    const QString hardware = QStringLiteral("Lumaris Studio 4K");
    const QString software = QStringLiteral("Lumaris Studio HD");

    QTest::newRow("letterbox on all analog: composite shows NTSC")
        << software << QByteArray("ltbx") << true << false << QByteArray("Hi59") << kComposite << "NTSC";
    QTest::newRow("letterbox, analog not converted: composite too wide")
        << software << QByteArray("ltbx") << false << false << QByteArray("Hi59") << kComposite << "-";
    QTest::newRow("letterbox, analog not converted: component keeps HD")
        << software << QByteArray("ltbx") << false << false << QByteArray("Hi59") << kComponent << "1080i59.94";
    QTest::newRow("software letterbox on SDI") << software << QByteArray("ltbx") << false << false
                                               << QByteArray("Hi50") << kSDI << "PAL";
    QTest::newRow("hardware letterbox leaves SDI alone")
        << hardware << QByteArray("HWlb") << false << false << QByteArray("Hi59") << kSDI << "1080i59.94";
    QTest::newRow("hardware letterbox, converted output asked")
        << hardware << QByteArray("HWlb") << false << false << QByteArray("Hi59") << (kSDI | kConverted) << "NTSC";
    QTest::newRow("second link bit asks for the converted mode too")
        << hardware << QByteArray("HWlb") << false << false << QByteArray("Hi50") << (kSDI | 0x80000000u) << "PAL";
    QTest::newRow("hardware converter takes 1080p60 to NTSC")
        << hardware << QByteArray("HWam") << true << false << QByteArray("Hp60") << kComposite << "NTSC";
    QTest::newRow("hardware converter takes 1080p24 to PAL")
        << hardware << QByteArray("HWcc") << true << false << QByteArray("24ps") << kSVideo << "PAL";
    QTest::newRow("software converter cannot take 1080p60")
        << software << QByteArray("amph") << true << false << QByteArray("Hp60") << kComposite << "-";
    QTest::newRow("2K to SD on all analog")
        << software << QByteArray("h2sd") << true << false << QByteArray("23ps") << kComposite << "NTSC";
    QTest::newRow("dual stream is not down-converted")
        << software << QByteArray("ltbx") << true << false << QByteArray("H23d") << kSDI << "1080p23.98";
    QTest::newRow("component carries UHD 29.97 as 1080p")
        << software << QByteArray("none") << false << false << QByteArray("4k29") << kComponent << "1080p29.97";
    QTest::newRow("component carries UHD 50 as 1080i")
        << software << QByteArray("none") << false << false << QByteArray("4k50") << kComponent << "1080i50";
    QTest::newRow("component carries 4K DCI 24 as 1080p24")
        << software << QByteArray("none") << false << false << QByteArray("4d24") << kComponent << "1080p24";
    QTest::newRow("S-Video shows nothing for HD")
        << software << QByteArray("none") << false << false << QByteArray("hp50") << kSVideo << "-";
    QTest::newRow("720p to 1080i") << software << QByteArray("720c") << false << false << QByteArray("hp59")
                                   << kSDI << "1080i59.94";
    QTest::newRow("UHD to HD") << software << QByteArray("HWud") << false << false << QByteArray("4k25") << kSDI
                               << "1080p25";
    QTest::newRow("UHD to HD beside a hardware down-converter")
        << hardware << QByteArray("HWud") << false << false << QByteArray("4k25") << kSDI << "2160p25";
    QTest::newRow("SD to 1080i zoom") << software << QByteArray("u41i") << false << false << QByteArray("ntsc")
                                      << kSDI << "1080i59.94";
    QTest::newRow("SD to 720p anamorphic") << software << QByteArray("ua7p") << false << false
                                           << QByteArray("pal") << kSDI << "720p50";
    QTest::newRow("no connector means the current one")
        << software << QByteArray("ltbx") << false << false << QByteArray("Hi59") << 0u << "NTSC";
    QTest::newRow("PsF output on SDI") << software << QByteArray("none") << false << true << QByteArray("Hp25")
                                       << kSDI << "1080PsF25";
    QTest::newRow("PsF output on HDMI") << software << QByteArray("none") << false << true << QByteArray("Hp25")
                                        << kHDMI << "1080i50";
    QTest::newRow("PsF 23.98 output on HDMI") << software << QByteArray("none") << false << true
                                              << QByteArray("23ps") << kHDMI << "1080p23.98";
    QTest::newRow("PsF setting leaves 1080p50 progressive")
        << software << QByteArray("none") << false << true << QByteArray("Hp50") << kSDI << "1080p50";
}

void TestDisplayModeText::connectorMapping()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, conversion);
    QFETCH(bool, allAnalog);
    QFETCH(bool, psf);
    QFETCH(QByteArray, mode);
    QFETCH(uint, connection);
    QFETCH(QString, expected);
    VisibleMarlix* player = device(model);
    player->setOutputConversionMode(codeOf(conversion));
    player->setDownConversionOnAllAnalogOutputs(allAnalog);
    player->setOutput1080pAsPsF(psf);
    player->setVideoOutputDisplayMode(codeOf(mode));
    QCOMPARE(player->getOutputConversionMode(), codeOf(conversion));
    QCOMPARE(player->getDefaultVideoOutputDisplayMode(), codeOf(mode));
    QCOMPARE(getVideoOutputDisplayMode(player, connection), expected);
}

void TestDisplayModeText::deviceWithoutOutputModesShowsNothing_data()
{
    QTest::addColumn<uint>("connection");
    QTest::newRow("current") << 0u;
    QTest::newRow("SDI") << kSDI;
    QTest::newRow("composite") << kComposite;
}

void TestDisplayModeText::deviceWithoutOutputModesShowsNothing()
{
    QFETCH(uint, connection);
    VisibleMarlix* player = device(QStringLiteral("Lumaris Playout HD"));
    QVERIFY(player->supportsPlayback());
    QCOMPARE(getVideoOutputDisplayMode(player, connection), kNoDisplayMode);
}

void TestDisplayModeText::inputMode_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no signal") << "none" << "-";
    QTest::newRow("interlaced HD") << "Hi50 0" << "1080i50";
    QTest::newRow("segmented frames") << "Hp25 1" << "1080PsF25";
}

void TestDisplayModeText::inputMode()
{
    QFETCH(QString, signal);
    QFETCH(QString, expected);
    QString message;
    QVERIFY2(SimulatorSession::control(QStringLiteral("signal capture-only ") + signal, &message),
             qPrintable(message));
    QCOMPARE(getVideoInputDisplayMode(device(QStringLiteral("Lumaris Capture HD"))), expected);
}

void TestDisplayModeText::reference_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("lock");
    QTest::newRow("no reference") << "none" << "-" << "-";
    QTest::newRow("locked to 1080i50") << "Hi50 0" << "1080i50" << "Locked";
}

void TestDisplayModeText::reference()
{
    QFETCH(QString, reference);
    QFETCH(QString, mode);
    QFETCH(QString, lock);
    QString message;
    QVERIFY2(SimulatorSession::control(QStringLiteral("reference hardware-converter ") + reference, &message),
             qPrintable(message));
    VisibleMarlix* player = device(QStringLiteral("Lumaris Studio 4K"));
    QCOMPARE(getVideoReferenceInputDisplayString(player), mode);
    QCOMPARE(getVideoReferenceInputLockStatus(player), lock);
}





QTEST_MAIN(TestDisplayModeText)
#include "tst_displaymodetext.moc"
