// Which tabs, sections, rows and choices each device's settings page builds:
// every one that a capability shows or hides is built for one device of the
// default fleet (or of the coverage devices added to it) and not for another.
#include "MarlixSettingsPage.h"
#include "MarlixSettingsTab.h"
#include "SimulatedFleet.h"
#include "TabHands.h"
#include "VisibleMarlix.h"

#include <QtTest>

#include <memory>

namespace {

const MarlixSettingsTab* tabOfClass(const MarlixSettingsPage& page, const QString& className)
{
    for (const MarlixSettingsTab* tab : page.tabs()) {
        if (QLatin1String(tab->metaObject()->className()) == className)
            return tab;
    }
    return nullptr;
}

} // namespace

class TestTabCoverage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void builtForCapabilities_data();
    void builtForCapabilities();

private:
    std::unique_ptr<SimulatedFleet> m_fleet;
};

void TestTabCoverage::initTestCase()
{
    // The default fleet with the coverage devices plugged in beside it.
    QVERIFY(SimulatedFleet::configure({QStringLiteral(DEFAULT_FLEET_PROFILE), QStringLiteral(COVERAGE_PROFILE)}));
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(13), "the default fleet and the two coverage devices did not all arrive");
}

void TestTabCoverage::builtForCapabilities_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("tab");
    // A text the tab shows for the capability; empty: the tab itself.
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("built");

    const auto row = [](const char* device, const char* tab, const char* item, bool built) {
        QTest::addRow("%s: %s %s %s", device, tab, item, built ? "built" : "absent")
            << QString::fromUtf8(device) << QString::fromUtf8(tab) << QString::fromUtf8(item) << built;
    };
    // Built for the first device, not for the second.
    const auto pair = [&row](const char* tab, const char* item, const char* with, const char* without) {
        row(with, tab, item, true);
        row(without, tab, item, false);
    };
    const char* const studio = "Lumaris Studio Pro";
    const char* const playout = "Lumaris Playout HD 2";
    const char* const capture = "Lumaris Capture 4K 2";
    const char* const studio4k = "Lumaris Studio 4K 2";
    const char* const quad = "Lumaris Core Quad (1)";
    const char* const home = "Lumaris Home HDMI 2";
    const char* const shuttle = "Lumaris Shuttle HD 2";
    const char* const output = "VideoOutputSettings";
    const char* const input = "VideoInputSettings";
    const char* const audio = "AudioSettings";

    pair(output, "", studio, capture);
    for (const char* item : {"When paused:", "Video playback:", "During capture:", "Use Betacam Levels", "Chroma:",
                             "Analog Video Output", "Reference Input"})
        pair(output, item, studio, playout);
    for (const char* item : {"Color space:", "3G-SDI formats:"})
        pair(output, item, quad, studio);
    pair(output, "1080p HD and 2K:", studio, home);
    pair(output, "Dual Link", playout, studio);
    pair(output, "Quad Link", studio4k, playout);
    pair(output, "3D output:", home, studio);
    for (const char* item : {"Analog Video Output Levels", "NTSC IRE:"})
        pair(output, item, playout, studio4k);

    pair(input, "", studio, playout);
    pair(input, "Input Connection", shuttle, quad);
    pair(input, "Use XLR Timecode Input", studio, shuttle);
    pair(input, "SDI Input", "Lumaris Core Duo (1)", quad);
    pair(input, "Analog Video Input Levels", studio, capture);
    pair(input, "Analog Video Input", capture, shuttle);

    pair(audio, "", studio, playout);
    pair(audio, "Use HiFi Audio Levels", home, studio);
    for (const char* item : {"Microphone", "Use +48V Phantom Power"})
        pair(audio, item, capture, studio);
    pair(audio, "Set Analog Audio Output:", studio, studio4k);
    pair(audio, "Headphone", "Lumaris Bolt HD 2", shuttle);
    pair(audio, "AES/EBU", studio, home);

    pair("ConversionsSettings", "Input Conversion", studio, shuttle);
    pair("ConversionsSettings", "Output conversion:", studio, quad);

    row("Lumaris Core Duo (1)", "ConnectorsSettings", "SDI 1 & SDI 2", true);
    row("Lumaris Core Duo (2)", "ConnectorsSettings", "None", true);
    row(studio, "ConnectorsSettings", "", false);
    pair("DeckControlConnectionsSettings", "", studio, playout);
}

void TestTabCoverage::builtForCapabilities()
{
    QFETCH(QString, device);
    QFETCH(QString, tab);
    QFETCH(QString, item);
    QFETCH(bool, built);

    VisibleMarlix* found = m_fleet->device(device);
    QVERIFY2(found, qPrintable(QStringLiteral("no device %1").arg(device)));
    const MarlixSettingsPage page(*found);
    const MarlixSettingsTab* shown = tabOfClass(page, tab);
    if (item.isEmpty()) {
        QCOMPARE(shown != nullptr, built);
        return;
    }
    QVERIFY2(shown || !built, "the tab is missing");
    const bool present = shown && TabHands::texts(shown, false).contains(item);
    QVERIFY2(present == built, qPrintable(QStringLiteral("%1 is %2").arg(item, present ? "built" : "absent")));
}

QTEST_MAIN(TestTabCoverage)
#include "tst_tabcoverage.moc"
