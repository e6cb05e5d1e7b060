// The Video Output and Conversions tabs on devices that show and hide their
// rows: each change writes its own setting and nothing else, rows follow the
// output in use, linked levels move together, and each device is offered its
// own conversion groups and modes.
#include "ConversionsSettings.h"
#include "MarlixCodes.h"
#include "MarlixDeviceSettings.h"
#include "FlatImageButton.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsPage.h"
#include "SettingsSliderWithEditableValue.h"
#include "SliderLink.h"
#include "TabsFleet.h"
#include "VideoOutputSettings.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QtTest>

#include <memory>

namespace {

constexpr uint32_t kComponent = 8;
constexpr uint32_t kComposite = 16;

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The ids of the picture buttons shown, or an empty list without a "Display As:" row.
QList<int> shownModes(const QButtonGroup* modes, const QWidget* tab)
{
    QList<int> ids;
    for (QAbstractButton* button : modes ? modes->buttons() : QList<QAbstractButton*>()) {
        if (button->isVisibleTo(tab))
            ids << modes->id(button);
    }
    return ids;
}

template <typename Tab>
std::unique_ptr<Tab> shown(VisibleMarlix* device)
{
    auto tab = std::make_unique<Tab>(*device);
    tab->show();
    return QTest::qWaitForWindowExposed(tab.get()) ? std::move(tab) : nullptr;
}

bool linkedOn(VisibleMarlix& device)
{
    return MarlixDeviceSettings(device).value(MarlixSettingsTab::kAnalogVideoOutputCbCrLinked, true).toBool();
}

} // namespace

class TestOutputTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_fleet.configure()); }
    void init() { QVERIFY2(m_fleet.start(), "the profile's devices did not arrive"); }
    void cleanup() { QVERIFY(m_fleet.stop()); }

    void eachChangeWritesItselfOnly_data();
    void eachChangeWritesItselfOnly();
    void levelRowsFollowTheDevice_data();
    void levelRowsFollowTheDevice();
    void chromaMovesBothColourDifferences();
    void linkChoiceKeptWithNextChange();
    void conversionGroupsOfferedByTheDevice_data();
    void conversionGroupsOfferedByTheDevice();
    void choosingAGroupWritesItsFirstMode_data();
    void choosingAGroupWritesItsFirstMode();
    void opensOnTheDevicesConversionModes();

private:
    TabsFleet m_fleet{QStringLiteral(OUTPUT_TABS_PROFILE), 4};
};

void TestOutputTabs::eachChangeWritesItselfOnly_data()
{
    QTest::addColumn<QString>("control");
    // Typed into the slider of that row; empty: the control is clicked.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value");
    // A reset may write several levels: -1.
    QTest::addColumn<int>("writes");

    const auto row = [](const char* name, const char* control, const char* item, const char* value, int writes = 1,
                        const char* typed = "") {
        QTest::newRow(name) << control << typed << item << value << writes;
    };
    row("single field when paused", "Display a single field on video output", "fdfr", "true");
    row("freeze frame when idle", "Displays freeze frame when not playing", "voio", "'lafa'");
    row("playback shown during capture", "Video output displays playback video", "cptm", "'pdis'");
    row("RGB 4:4:4", "Video is converted to RGB 4:4:4:4", "444o", "true");
    row("level A", "Are output as SMPTE Level A", "smta", "true");
    row("PsF", "Are output as 1080PsF segmented video", "pfpr", "true");
    row("quad link", "Quad Link", "solc", "'lcql'");
    row("7.5 IRE keeps the Betacam bit", "7.5 (USA)", "avof", "3");
    row("Betacam off keeps the IRE bit", "Use Betacam Levels", "avof", "0");
    row("composite picture adds the output", "Composite", "vocn", "27");
    row("component picture switches it off", "Component", "vocn", "3");
    // Y is one level for every analog output: the driver keeps one item for each.
    row("typed Y level", "Y:", "oclg", "0.1", 3, "0.1");
    row("reference reset writes zero", "Reference Input", "glot", "0");
    row("level reset writes zero", "Analog Video Output Levels", "oclg", "0", -1);
}

void TestOutputTabs::eachChangeWritesItselfOnly()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, item);
    QFETCH(QString, value);
    QFETCH(int, writes);

    VisibleMarlix* rich = m_fleet.device(QStringLiteral("rich"));
    rich->setAnalogVideoOutputFlags(VideoOutputSettings::kBetacamFlag);
    rich->setAnalogVideoOutputGainLevel(kComponent, 0.3);
    rich->setReferenceInputSamples(40);
    auto tab = shown<VideoOutputSettings>(rich);
    QVERIFY(tab);
    QVERIFY(TabsFleet::writes(QStringLiteral("rich"), true) > 0);
    QVERIFY(typed.isEmpty() ? TabsFleet::click(tab.get(), control) : TabsFleet::type(tab.get(), control, typed));
    QCOMPARE(TabsFleet::live(QStringLiteral("rich"), item), value);
    if (writes >= 0)
        QCOMPARE(TabsFleet::writes(QStringLiteral("rich")), writes);
    QCOMPARE(tab->settingsStatus(), int(SettingsPage::Changed));
    QVERIFY(tab->changedControls().isEmpty());
}

void TestOutputTabs::levelRowsFollowTheDevice_data()
{
    QTest::addColumn<QString>("device");
    // The output connection set before the tab opens; 0: the profile's.
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    QTest::newRow("component: Y, Cb, Cr") << "rich" << uint(1 | kComponent)
                                          << QStringList{"Y:", "Cb:", "Cr:", "Use Betacam Levels", "NTSC IRE:"}
                                          << QStringList{"Chroma:"};
    QTest::newRow("composite: Y and chroma") << "rich" << uint(1 | kComposite)
                                             << QStringList{"Y:", "Chroma:", "Use Betacam Levels", "NTSC IRE:"}
                                             << QStringList{"Cb:", "Cr:"};
    QTest::newRow("no analog output: no IRE choice") << "rich" << 3u << QStringList{"Y:", "Chroma:"}
                                                     << QStringList{"Cb:", "NTSC IRE:", "7.5 (USA)"};
    QTest::newRow("overall gain: Y only, no Betacam") << "overall" << 0u << QStringList{"Y:", "NTSC IRE:"}
                                                      << QStringList{"Chroma:", "Cb:", "Use Betacam Levels"};
    QTest::newRow("analog outputs always on, no gain: IRE only")
        << "fixed" << 0u << QStringList{"NTSC IRE:"} << QStringList{"Analog Video Output", "Y:"};
    QTest::newRow("digital only") << "plain" << 0u << QStringList{}
                                  << QStringList{"Analog Video Output Levels", "NTSC IRE:", "Reference Input"};
}

void TestOutputTabs::levelRowsFollowTheDevice()
{
    QFETCH(QString, device);
    QFETCH(uint, connection);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    if (connection)
        m_fleet.device(device)->setVideoOutputConnection(connection);
    VideoOutputSettings tab(*m_fleet.device(device));
    const QStringList texts = TabsFleet::shownTexts(&tab);
    for (const QString& text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text));
    for (const QString& text : hidden)
        QVERIFY2(!texts.contains(text), qPrintable(text));
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Unchanged));
}

void TestOutputTabs::chromaMovesBothColourDifferences()
{
    VisibleMarlix* rich = m_fleet.device(QStringLiteral("rich"));
    rich->setVideoOutputConnection(1 | kComposite);
    rich->setAnalogVideoOutputCbLevel(kComponent, -0.1);
    VideoOutputSettings tab(*rich);
    QVERIFY(TabsFleet::type(&tab, QStringLiteral("Chroma:"), QStringLiteral("0.2")));
    QCOMPARE(tab.controls().cb->realValue(), 0.2);
    QCOMPARE(tab.controls().cr->realValue(), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputChromaGainLevel(kComposite), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputCbLevel(kComponent), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputCrLevel(kComponent), 0.2);
}

void TestOutputTabs::linkChoiceKeptWithNextChange()
{
    VisibleMarlix* rich = m_fleet.device(QStringLiteral("rich"));
    auto tab = shown<VideoOutputSettings>(rich);
    QVERIFY(tab);
    const VideoOutputSettings::Controls& c = tab->controls();
    // Linked by offset: a typed Cb moves Cr by as much, and the device's
    // notifications of those writes show the same levels.
    QVERIFY(TabsFleet::type(tab.get(), QStringLiteral("Cb:"), QStringLiteral("0.1")));
    TabsFleet::settle();
    QCOMPARE(c.cr->realValue(), 0.1);
    QCOMPARE(rich->getAnalogVideoOutputCrLevel(kComponent), 0.1);

    TabsFleet::writes(QStringLiteral("rich"), true);
    c.cbCrLink->linkButton()->click();
    QCOMPARE(TabsFleet::writes(QStringLiteral("rich")), 0);
    QVERIFY(linkedOn(*rich));
    QVERIFY(TabsFleet::type(tab.get(), QStringLiteral("Y:"), QStringLiteral("0.1")));
    QVERIFY(!linkedOn(*rich));
    QVERIFY(linkedOn(*m_fleet.device(QStringLiteral("overall"))));
    QVERIFY(TabsFleet::type(tab.get(), QStringLiteral("Cb:"), QStringLiteral("0.3")));
    QCOMPARE(c.cr->realValue(), 0.1);
}

void TestOutputTabs::conversionGroupsOfferedByTheDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("inputGroups");
    QTest::addColumn<QStringList>("outputGroups");
    QTest::addColumn<bool>("outputEnabled");
    QTest::addColumn<bool>("empty");

    QTest::newRow("all input groups, output groups with a supported mode")
        << "rich" << QStringList{"None", "HD (1080) to SD", "HD (720) to SD", "SD to HD"}
        << QStringList{"None", "HD to SD", "SD to HD 720p", "UHD 2160p to HD 1080p"} << true << false;
    QTest::newRow("converting by application: output locked")
        << "fixed" << QStringList() << QStringList{"None", "HD to SD"} << false << false;
    QTest::newRow("no conversion at all: empty") << "plain" << QStringList() << QStringList() << true << true;
}

void TestOutputTabs::conversionGroupsOfferedByTheDevice()
{
    QFETCH(QString, device);
    QFETCH(QStringList, inputGroups);
    QFETCH(QStringList, outputGroups);
    QFETCH(bool, outputEnabled);
    QFETCH(bool, empty);

    ConversionsSettings tab(*m_fleet.device(device));
    QCOMPARE(items(tab.inputGroups()), inputGroups);
    QCOMPARE(items(tab.outputGroups()), outputGroups);
    QCOMPARE(!tab.outputGroups() || tab.outputGroups()->isEnabled(), outputEnabled);
    QCOMPARE(tab.isEmpty(), empty);
}

void TestOutputTabs::choosingAGroupWritesItsFirstMode_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<uint>("written");

    QTest::newRow("HD to SD offers the supported modes")
        << true << "HD to SD"
        << QList<int>{int(MarlixFourCC("HWlb")), int(MarlixFourCC("HWam")), int(MarlixFourCC("HWcc"))}
        << uint(MarlixFourCC("HWlb"));
    QTest::newRow("a single mode shows no choice") << true << "UHD 2160p to HD 1080p" << QList<int>()
                                                   << uint(MarlixFourCC("HWud"));
    QTest::newRow("input SD to HD") << false << "SD to HD"
                                    << QList<int>{int(MarlixFourCC("lbup")), int(MarlixFourCC("amup"))}
                                    << uint(MarlixFourCC("lbup"));
}

void TestOutputTabs::choosingAGroupWritesItsFirstMode()
{
    QFETCH(bool, output);
    QFETCH(QString, group);
    QFETCH(QList<int>, modes);
    QFETCH(uint, written);

    VisibleMarlix* rich = m_fleet.device(QStringLiteral("rich"));
    auto tab = shown<ConversionsSettings>(rich);
    QVERIFY(tab);
    const auto mode = [&] { return output ? rich->getOutputConversionMode() : rich->getInputConversionMode(); };
    QVERIFY(TabsFleet::choose(tab.get(), group));
    // Rows added to a shown tab appear on the next turn of the event loop.
    QTRY_COMPARE(shownModes(output ? tab->outputModes() : tab->inputModes(), tab.get()), modes);
    QCOMPARE(mode(), written);
    QCOMPARE(tab->convertAnalogOutputs() != nullptr, output);

    // Back to "None": no modes to show, and "none" is written.
    (output ? tab->outputGroups() : tab->inputGroups())->setCurrentIndex(0);
    emit(output ? tab->outputGroups() : tab->inputGroups())->activated(0);
    QCOMPARE(output ? tab->outputModes() : tab->inputModes(), nullptr);
    QCOMPARE(tab->convertAnalogOutputs(), nullptr);
    QCOMPARE(mode(), MarlixFourCC("none"));
}

void TestOutputTabs::opensOnTheDevicesConversionModes()
{
    VisibleMarlix* rich = m_fleet.device(QStringLiteral("rich"));
    rich->setOutputConversionMode(MarlixFourCC("HWlb"));
    rich->setInputConversionMode(MarlixFourCC("72am"));
    auto tab = shown<ConversionsSettings>(rich);
    QVERIFY(tab);
    // Opened, the tab shows the device's modes, not the first of their groups.
    QCOMPARE(tab->outputGroups()->currentText(), QStringLiteral("HD to SD"));
    QCOMPARE(tab->outputModes()->checkedId(), int(MarlixFourCC("HWlb")));
    QCOMPARE(tab->inputGroups()->currentText(), QStringLiteral("HD (720) to SD"));
    QCOMPARE(tab->inputModes()->checkedId(), int(MarlixFourCC("72am")));
    QVERIFY(TabsFleet::writes(QStringLiteral("rich"), true) >= 0);
    QTest::mouseClick(tab->outputModes()->button(int(MarlixFourCC("HWcc"))), Qt::LeftButton);
    QTest::mouseClick(tab->convertAnalogOutputs(), Qt::LeftButton);
    QCOMPARE(rich->getOutputConversionMode(), MarlixFourCC("HWcc"));
    QCOMPARE(rich->getDownConversionOnAllAnalogOutputs(), true);
    QCOMPARE(TabsFleet::writes(QStringLiteral("rich")), 2);
    // The device's notifications of those writes keep the row and the choice.
    TabsFleet::settle();
    QTRY_VERIFY(tab->convertAnalogOutputs() && tab->convertAnalogOutputs()->isChecked());
    QCOMPARE(tab->outputModes()->checkedId(), int(MarlixFourCC("HWcc")));
}

QTEST_MAIN(TestOutputTabs)
#include "tst_outputtabs.moc"
