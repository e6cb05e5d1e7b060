// The Video Input, Audio, Connectors and Serial Port tabs on a fleet with one
// device for each of their branches: the rows each choice shows, each change
// written as itself only, resets, the pair's connector choice going to the
// owner, and refreshes that write nothing back.
#include "AudioSettings.h"
#include "CardSection.h"
#include "CommonGui.h"
#include "ConnectorsSettings.h"
#include "ImageGroupButton.h"
#include "MarlixCodes.h"
#include "MarlixSettingsPage.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsPage.h"
#include "SettingsSliderWithEditableValue.h"
#include "SimulatedFleet.h"
#include "TabsFleet.h"
#include "VideoInputSettings.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>

namespace {

bool sectionShown(const CardSection* section)
{
    return section && !section->isHidden();
}

void checkTexts(const QWidget* tab, const QStringList& shown, const QStringList& hidden)
{
    const QStringList texts = TabsFleet::shownTexts(tab);
    for (const QString& text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text + QStringLiteral(" is hidden")));
    for (const QString& text : hidden)
        QVERIFY2(!texts.contains(text), qPrintable(text + QStringLiteral(" is shown")));
}

QList<int> disabledChannels(const QList<SettingsSliderWithEditableValue*>& sliders)
{
    QList<int> result;
    for (int i = 0; i < sliders.size(); ++i) {
        if (!sliders.at(i)->sliderEnabled())
            result << i + 1;
    }
    return result;
}

// The tabs of these classes on a page, in page order; others are left out.
QStringList inputTabs(const MarlixSettingsPage& page)
{
    static const QStringList kNames{QStringLiteral("VideoInputSettings"), QStringLiteral("AudioSettings"),
                                    QStringLiteral("ConnectorsSettings"),
                                    QStringLiteral("DeckControlConnectionsSettings"),
                                    QStringLiteral("AboutSettings")};
    QStringList names;
    for (const MarlixSettingsTab* tab : page.tabs()) {
        const QString name = QString::fromLatin1(tab->metaObject()->className());
        if (kNames.contains(name))
            names << name;
    }
    return names;
}

void choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class TestInputTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_fleet.configure()); }
    void init() { QVERIFY2(m_fleet.start(), "the profile's devices did not arrive"); }
    void cleanup() { QVERIFY(m_fleet.stop()); }

    void connectionChoosesRowsAndAudio_data();
    void connectionChoosesRowsAndAudio();
    void eachVideoInputChangeWritesItselfOnly_data();
    void eachVideoInputChangeWritesItselfOnly();
    void videoInputResetZeroesEveryLevel();
    void audioInputChoosesRows_data();
    void audioInputChoosesRows();
    void embeddedAudioFollowsVideoInput_data();
    void embeddedAudioFollowsVideoInput();
    void hifiLevelsHideBothLevelSections();
    void audioResetsZeroTheirLevels();
    void pageAddsTheTabsTheDeviceCallsFor_data();
    void pageAddsTheTabsTheDeviceCallsFor();
    void connectorChoiceGoesToTheOwnerOfDuplex_data();
    void connectorChoiceGoesToTheOwnerOfDuplex();
    void partnerPluggedInAnewIsWrittenTo();
    void refreshesWriteNothing_data();
    void refreshesWriteNothing();

private:
    TabsFleet m_fleet{QStringLiteral(INPUT_TABS_PROFILE), 5};
};

void TestInputTabs::connectionChoosesRowsAndAudio_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("connection");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<int>("audioInput");

    const QStringList levels{"Analog Video Input Levels", "Y:", "NTSC IRE:"};
    QTest::newRow("SDI") << "studio" << 1 << QStringList{"SDI Input"} << levels << 1;
    QTest::newRow("HDMI") << "studio" << 2 << QStringList() << (levels + QStringList{"SDI Input"}) << 1;
    QTest::newRow("component") << "studio" << 8 << (levels + QStringList{"Cb:", "Cr:"})
                               << QStringList{"SDI Input", "Chroma:"} << 2;
    QTest::newRow("composite") << "studio" << 16 << (levels + QStringList{"Chroma:"}) << QStringList{"Cb:", "Cr:"}
                               << 2;
    QTest::newRow("S-Video") << "studio" << 32 << (levels + QStringList{"Chroma:"}) << QStringList{"Cb:", "Cr:"} << 2;
    // This device has no AES/EBU input: it refuses the switch and stays on embedded audio.
    QTest::newRow("composite without levels") << "field" << 16 << QStringList{"Analog Video Input", "NTSC IRE:"}
                                              << QStringList{"Y:", "Chroma:"} << 1;
    QTest::newRow("back to SDI") << "field" << 1 << QStringList()
                                 << QStringList{"Analog Video Input", "NTSC IRE:", "SDI Input"} << 1;
}

void TestInputTabs::connectionChoosesRowsAndAudio()
{
    QFETCH(QString, device);
    QFETCH(int, connection);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(int, audioInput);

    VisibleMarlix* marlix = m_fleet.device(device);
    // Start from the other kind of connection, so that the audio input must move.
    const bool analog = connection > 2;
    marlix->setVideoInputConnection(analog ? 1 : 16);
    marlix->setAudioInputConnection(analog ? 1 : 2);
    VideoInputSettings tab(*marlix);
    tab.connectionButtons()->button(connection)->click();

    QCOMPARE(int(marlix->getVideoInputConnection()), connection);
    QCOMPARE(int(marlix->getAudioInputConnection()), audioInput);
    checkTexts(&tab, shown, hidden);
}

void TestInputTabs::eachVideoInputChangeWritesItselfOnly_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<uint>("outputFlags");
    QTest::addColumn<QString>("control");
    // Typed into the slider of that row; empty: the control is clicked.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("writes");

    QTest::newRow("Y on composite") << 16 << 0u << "Y:" << "0.25" << "iilg" << "0.25" << 1;
    QTest::newRow("chroma on S-Video") << 32 << 0u << "Chroma:" << "-0.3" << "iscg" << "-0.3" << 1;
    // The linked Cr follows Cb and is written as well.
    QTest::newRow("Cb on component, Cr follows") << 8 << 0u << "Cb:" << "0.2" << "iccr" << "0.2" << 2;
    QTest::newRow("timecode") << 1 << 0u << "Use XLR Timecode Input" << "" << "dltc" << "true" << 1;
    QTest::newRow("1080PsF") << 1 << 0u << "Captured as 1080PsF segmented video" << "" << "cfpr" << "true" << 1;
    // The output's own flags are written back as they were.
    QTest::newRow("7.5 IRE keeps other output flags") << 16 << 2u << "7.5 (USA)" << "" << "avof" << "3" << 1;
    QTest::newRow("0.0 IRE keeps other output flags") << 16 << 3u << "0.0 (Japan)" << "" << "avof" << "2" << 1;
}

void TestInputTabs::eachVideoInputChangeWritesItselfOnly()
{
    QFETCH(int, connection);
    QFETCH(uint, outputFlags);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, item);
    QFETCH(QString, value);
    QFETCH(int, writes);

    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    studio->setVideoInputConnection(uint32_t(connection));
    studio->setAnalogVideoOutputFlags(outputFlags);
    VideoInputSettings tab(*studio);
    TabsFleet::settle();
    QVERIFY(TabsFleet::writes(QStringLiteral("studio"), true) >= 0);
    QVERIFY(typed.isEmpty() ? TabsFleet::click(&tab, control) : TabsFleet::type(&tab, control, typed));
    QCOMPARE(TabsFleet::live(QStringLiteral("studio"), item), value);
    QCOMPARE(TabsFleet::writes(QStringLiteral("studio")), writes);
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Changed));
    QVERIFY(tab.changedControls().isEmpty());
}

void TestInputTabs::videoInputResetZeroesEveryLevel()
{
    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    studio->setVideoInputConnection(8);
    studio->setAnalogVideoInputGainLevel(8, 0.4);
    studio->setAnalogVideoInputCbLevel(8, -0.2);
    studio->setAnalogVideoInputCrLevel(8, 0.1);
    VideoInputSettings tab(*studio);
    QCOMPARE(tab.cbSlider()->realValue(), -0.2);

    QVERIFY(TabsFleet::click(&tab, QStringLiteral("Analog Video Input Levels")));
    QCOMPARE(studio->getAnalogVideoInputGainLevel(8), 0.0);
    QCOMPARE(studio->getAnalogVideoInputCbLevel(8), 0.0);
    QCOMPARE(studio->getAnalogVideoInputCrLevel(8), 0.0);
    QCOMPARE(tab.crSlider()->realValue(), 0.0);
}

void TestInputTabs::audioInputChoosesRows_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<bool>("aesEbuInput");
    QTest::addColumn<bool>("microphone");

    QTest::newRow("embedded") << "studio" << 1 << 0 << QList<int>{} << false << false;
    QTest::newRow("AES/EBU") << "studio" << 2 << 0 << QList<int>{} << true << false;
    // XLR has four channels of which the fourth cannot be set; RCA has two.
    QTest::newRow("XLR") << "studio" << 8 << 4 << QList<int>{4} << false << false;
    QTest::newRow("RCA") << "studio" << 16 << 2 << QList<int>{} << false << false;
    QTest::newRow("analog") << "field" << 4 << 2 << QList<int>{} << false << false;
    QTest::newRow("microphone") << "field" << 32 << 0 << QList<int>{} << false << true;
}

void TestInputTabs::audioInputChoosesRows()
{
    QFETCH(QString, device);
    QFETCH(int, input);
    QFETCH(int, channels);
    QFETCH(QList<int>, disabled);
    QFETCH(bool, aesEbuInput);
    QFETCH(bool, microphone);

    VisibleMarlix* marlix = m_fleet.device(device);
    marlix->setAudioInputConnection(input == 2 ? 8 : 2);
    AudioSettings tab(*marlix);
    // Going through a row-building input first makes the rows rebuild.
    if (tab.inputButtons()->button(8))
        tab.inputButtons()->button(8)->click();
    tab.inputButtons()->button(input)->click();

    QCOMPARE(int(marlix->getAudioInputConnection()), input);
    QCOMPARE(sectionShown(tab.inputLevelsSection()), channels > 0);
    if (channels > 0) {
        QCOMPARE(tab.inputChannels().size(), channels);
        QCOMPARE(disabledChannels(tab.inputChannels()), disabled);
        QVERIFY(tab.inputLink());
        QCOMPARE(tab.inputLevelsSection()->rows().size(), channels);
    }
    QCOMPARE(tab.aesEbuInputSlider() && !tab.findRowContaining(tab.aesEbuInputSlider())->isHidden(), aesEbuInput);
    QCOMPARE(sectionShown(tab.microphoneSection()), microphone);
}

void TestInputTabs::embeddedAudioFollowsVideoInput_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("videoInput");
    QTest::addColumn<bool>("embedded");
    QTest::addColumn<bool>("section");
    QTest::addColumn<QString>("picture");

    QTest::newRow("SDI carries it") << "studio" << 1 << true << true << ":/InputSDI";
    QTest::newRow("HDMI carries it") << "studio" << 2 << true << true << ":/InputHDMI";
    QTest::newRow("composite, three left") << "studio" << 16 << false << true << QString();
    QTest::newRow("composite, one left") << "duo-2" << 16 << false << false << QString();
    QTest::newRow("SDI, two choices") << "duo-2" << 1 << true << true << ":/InputSDI";
}

void TestInputTabs::embeddedAudioFollowsVideoInput()
{
    QFETCH(QString, device);
    QFETCH(int, videoInput);
    QFETCH(bool, embedded);
    QFETCH(bool, section);
    QFETCH(QString, picture);

    VisibleMarlix* marlix = m_fleet.device(device);
    AudioSettings tab(*marlix);
    marlix->setVideoInputConnection(uint32_t(videoInput));
    TabsFleet::settle();

    ImageGroupButton* button = tab.inputButton(1);
    QCOMPARE(!button->isHidden(), embedded);
    QCOMPARE(sectionShown(tab.audioInputSection()), section);
    if (!picture.isEmpty())
        QCOMPARE(button->picture().toImage(), CommonGui::pixmap(picture).toImage());
}

void TestInputTabs::hifiLevelsHideBothLevelSections()
{
    VisibleMarlix* field = m_fleet.device(QStringLiteral("field"));
    field->setAudioInputConnection(4);
    AudioSettings tab(*field);
    for (const bool hifi : {false, true, false}) {
        if (hifi != field->getUseAnalogAudioConsumerLevels())
            tab.hifiBox()->click();
        QCOMPARE(field->getUseAnalogAudioConsumerLevels(), hifi);
        QCOMPARE(sectionShown(tab.inputLevelsSection()), !hifi);
        QCOMPARE(sectionShown(tab.outputLevelsSection()), !hifi);
    }
}

void TestInputTabs::audioResetsZeroTheirLevels()
{
    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    studio->setAudioInputConnection(8);
    for (int channel = 1; channel <= 3; ++channel)
        studio->setAnalogAudioInputScaleChannel(channel, channel * 2.0);
    studio->setDigitalInputScale(-4.0);
    studio->setDigitalOutputScale(5.0);
    AudioSettings tab(*studio);
    QCOMPARE(tab.inputChannels().at(2)->realValue(), 6.0);

    tab.inputLevelsSection()->titleButton()->click();
    tab.aesEbuSection()->titleButton()->click();
    for (int channel = 1; channel <= 3; ++channel)
        QCOMPARE(studio->getAnalogAudioInputScaleChannel(channel), 0.0);
    QCOMPARE(studio->getDigitalInputScale(), 0.0);
    QCOMPARE(studio->getDigitalOutputScale(), 0.0);
}

void TestInputTabs::pageAddsTheTabsTheDeviceCallsFor_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("both deck ports") << "studio"
                                     << QStringList{"VideoInputSettings", "AudioSettings",
                                                    "DeckControlConnectionsSettings", "AboutSettings"};
    // One input, no analog input, PsF by itself: the Video Input tab is empty; one deck port is no choice.
    QTest::newRow("nothing to choose") << "single" << QStringList{"AudioSettings", "AboutSettings"};
    QTest::newRow("pair, owner") << "duo-1" << QStringList{"ConnectorsSettings", "AboutSettings"};
    QTest::newRow("pair, partner") << "duo-2"
                                   << QStringList{"VideoInputSettings", "AudioSettings", "ConnectorsSettings",
                                                  "AboutSettings"};
}

void TestInputTabs::pageAddsTheTabsTheDeviceCallsFor()
{
    QFETCH(QString, device);
    QFETCH(QStringList, tabs);

    MarlixSettingsPage page(*m_fleet.device(device));
    QCOMPARE(inputTabs(page), tabs);
}

void TestInputTabs::connectorChoiceGoesToTheOwnerOfDuplex_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("choice");
    QTest::addColumn<uint>("written");

    const QStringList owner{"SDI 1 & SDI 2", "SDI 1"};
    QTest::newRow("owner, full duplex") << "duo-1" << owner << "SDI 1" << 0 << uint(MarlixValue::kDuplexFull);
    QTest::newRow("owner, half duplex") << "duo-1" << owner << "SDI 1" << 1 << uint(MarlixValue::kDuplexHalf);
    QTest::newRow("partner gives up") << "duo-2" << QStringList{"SDI 2", "None"} << "SDI 2" << 1
                                      << uint(MarlixValue::kDuplexFull);
}

void TestInputTabs::connectorChoiceGoesToTheOwnerOfDuplex()
{
    QFETCH(QString, device);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    QFETCH(int, choice);
    QFETCH(uint, written);

    VisibleMarlix* owner = m_fleet.device(QStringLiteral("duo-1"));
    ConnectorsSettings tab(*m_fleet.device(device));
    QVERIFY(tab.duplexTarget());
    QCOMPARE(tab.duplexTarget()->getPersistentId(), owner->getPersistentId());
    QStringList texts;
    for (int i = 0; i < tab.connectorCombo()->count(); ++i)
        texts << tab.connectorCombo()->itemText(i);
    QCOMPARE(texts, items);
    QCOMPARE(tab.connectorCombo()->currentText(), selected);
    choose(tab.connectorCombo(), choice);
    QCOMPARE(owner->getDuplexMode(), written);
}

// While the owner is unplugged the choice can be neither read nor made; plugged in
// again, the open tab offers it and the choice reaches the device now plugged in.
void TestInputTabs::partnerPluggedInAnewIsWrittenTo()
{
    ConnectorsSettings tab(*m_fleet.device(QStringLiteral("duo-2")));
    QVERIFY(tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("unplug duo-1")));
    QTRY_VERIFY(!m_fleet.device(QStringLiteral("duo-1")));
    QTRY_VERIFY(!tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("plug duo-1")));
    QTRY_VERIFY(m_fleet.device(QStringLiteral("duo-1")));
    QTRY_VERIFY(tab.connectorCombo()->isEnabled());
    choose(tab.connectorCombo(), 1);
    QCOMPARE(m_fleet.device(QStringLiteral("duo-1"))->getDuplexMode(), uint(MarlixValue::kDuplexFull));
}

void TestInputTabs::refreshesWriteNothing_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("studio") << "studio";
    QTest::newRow("field") << "field";
    QTest::newRow("duo-2") << "duo-2";
}

// The device's own notifications are shown, never written back.
void TestInputTabs::refreshesWriteNothing()
{
    QFETCH(QString, device);
    VisibleMarlix* marlix = m_fleet.device(device);
    marlix->setAudioInputConnection(marlix->getAudioInputConnections() & 4 ? 4 : 8);
    MarlixSettingsPage page(*marlix);
    TabsFleet::settle();
    QVERIFY(TabsFleet::writes(device, true) >= 0);
    QObject context;
    int refreshes = 0;
    connect(marlix, &VisibleMarlix::propertyChanged, &context, [&refreshes] { ++refreshes; });
    QVERIFY(SimulatedFleet::control(QStringLiteral("storm %1 pref 500").arg(device)));
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QTRY_COMPARE_WITH_TIMEOUT(refreshes, 500, 30000);
    QCOMPARE(TabsFleet::writes(device), 0);
}

QTEST_MAIN(TestInputTabs)
#include "tst_inputtabs.moc"
