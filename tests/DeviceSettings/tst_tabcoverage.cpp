// Which tabs, sections, rows and choices each device's settings page builds:
// every one that a capability shows or hides is built for one device of the
// default fleet (or of the coverage devices added to it) and not for another.
#include "CardSection.h"
#include "MarlixSettingsPage.h"
#include "MarlixSettingsTab.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

QJsonObject readProfile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The default fleet with the coverage devices plugged in beside it.
bool writeCombinedProfile(const QString& path)
{
    QJsonObject fleet = readProfile(QStringLiteral(DEFAULT_FLEET_PROFILE));
    const QJsonObject extra = readProfile(QStringLiteral(COVERAGE_PROFILE));
    QJsonObject templates = fleet.value(QStringLiteral("templates")).toObject();
    const QJsonObject extraTemplates = extra.value(QStringLiteral("templates")).toObject();
    for (auto it = extraTemplates.begin(); it != extraTemplates.end(); ++it)
        templates.insert(it.key(), it.value());
    QJsonArray devices = fleet.value(QStringLiteral("devices")).toArray();
    for (const QJsonValue& device : extra.value(QStringLiteral("devices")).toArray())
        devices.append(device);
    fleet.insert(QStringLiteral("templates"), templates);
    fleet.insert(QStringLiteral("devices"), devices);
    QFile file(path);
    return !extra.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(QJsonDocument(fleet).toJson()) > 0;
}

// Every text a tab built, shown or not: section titles, row labels, button
// captions and tooltips, combo box items.
QStringList builtTexts(const QWidget* tab)
{
    QStringList texts;
    for (const CardSection* section : tab->findChildren<CardSection*>())
        texts << section->title();
    for (const QLabel* label : tab->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : tab->findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (const QComboBox* combo : tab->findChildren<QComboBox*>()) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    return texts;
}

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
    void cleanupTestCase();
    void builtForCapabilities_data();
    void builtForCapabilities();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatedFleet> m_fleet;
};

void TestTabCoverage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    const QString profile = m_dir.filePath(QStringLiteral("fleet.json"));
    QVERIFY(writeCombinedProfile(profile));
    SimulatedFleet::configure(profile);
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(13), "the default fleet and the two coverage devices did not all arrive");
}

void TestTabCoverage::cleanupTestCase()
{
    m_fleet.reset();
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
    const char* const studio = "Lumaris Studio Pro";
    const char* const playout = "Lumaris Playout HD 2";
    const char* const capture = "Lumaris Capture 4K 2";
    const char* const output = "VideoOutputSettings";
    const char* const input = "VideoInputSettings";
    const char* const audio = "AudioSettings";
    const char* const conversions = "ConversionsSettings";

    row(studio, output, "", true);
    row(capture, output, "", false);
    for (const char* item : {"When paused:", "Video playback:", "During capture:", "Use Betacam Levels"}) {
        row(studio, output, item, true);
        row(playout, output, item, false);
    }
    for (const char* item : {"Color space:", "3G-SDI formats:"}) {
        row("Lumaris Core Quad (1)", output, item, true);
        row(studio, output, item, false);
    }
    row(studio, output, "1080p HD and 2K:", true);
    row("Lumaris Home HDMI 2", output, "1080p HD and 2K:", false);
    row(playout, output, "Dual Link", true);
    row(studio, output, "Dual Link", false);
    row("Lumaris Studio 4K 2", output, "Quad Link", true);
    row(playout, output, "Quad Link", false);
    row("Lumaris Home HDMI 2", output, "3D output:", true);
    row(studio, output, "3D output:", false);
    row(studio, output, "Analog Video Output", true);
    row(playout, output, "Analog Video Output", false);
    for (const char* item : {"Analog Video Output Levels", "NTSC IRE:"}) {
        row(playout, output, item, true);
        row("Lumaris Studio 4K 2", output, item, false);
    }
    row(studio, output, "Chroma:", true);
    row(playout, output, "Chroma:", false);
    row(studio, output, "Reference Input", true);
    row(playout, output, "Reference Input", false);

    row(studio, input, "", true);
    row(playout, input, "", false);
    row("Lumaris Shuttle HD 2", input, "Input Connection", true);
    row("Lumaris Core Quad (1)", input, "Input Connection", false);
    row(studio, input, "Use XLR Timecode Input", true);
    row("Lumaris Shuttle HD 2", input, "Use XLR Timecode Input", false);
    row("Lumaris Core Duo (1)", input, "SDI Input", true);
    row("Lumaris Core Quad (1)", input, "SDI Input", false);
    row(studio, input, "Analog Video Input Levels", true);
    row(capture, input, "Analog Video Input Levels", false);
    row(capture, input, "Analog Video Input", true);
    row("Lumaris Shuttle HD 2", input, "Analog Video Input", false);

    row(studio, audio, "", true);
    row(playout, audio, "", false);
    row("Lumaris Home HDMI 2", audio, "Use HiFi Audio Levels", true);
    row(studio, audio, "Use HiFi Audio Levels", false);
    for (const char* item : {"Microphone", "Use +48V Phantom Power"}) {
        row(capture, audio, item, true);
        row(studio, audio, item, false);
    }
    row(studio, audio, "Set Analog Audio Output:", true);
    row("Lumaris Studio 4K 2", audio, "Set Analog Audio Output:", false);
    row("Lumaris Bolt HD 2", audio, "Headphone", true);
    row("Lumaris Shuttle HD 2", audio, "Headphone", false);
    row(studio, audio, "AES/EBU", true);
    row("Lumaris Home HDMI 2", audio, "AES/EBU", false);

    row(studio, conversions, "Input Conversion", true);
    row("Lumaris Shuttle HD 2", conversions, "Input Conversion", false);
    row(studio, conversions, "Output conversion:", true);
    row("Lumaris Core Quad (1)", conversions, "Output conversion:", false);

    row("Lumaris Core Duo (1)", "ConnectorsSettings", "SDI 1 & SDI 2", true);
    row("Lumaris Core Duo (2)", "ConnectorsSettings", "None", true);
    row(studio, "ConnectorsSettings", "", false);
    row(studio, "DeckControlConnectionsSettings", "", true);
    row(playout, "DeckControlConnectionsSettings", "", false);
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
    const bool present = shown && builtTexts(shown).contains(item);
    QVERIFY2(present == built, qPrintable(QStringLiteral("%1 is %2").arg(item, present ? "built" : "absent")));
}

QTEST_MAIN(TestTabCoverage)
#include "tst_tabcoverage.moc"
