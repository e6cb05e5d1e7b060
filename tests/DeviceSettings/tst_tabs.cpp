// The settings tabs and the card against the simulator, on one fleet with a
// device for each branch of the tabs: each change written as itself only,
// rows that follow the connection in use, linked levels, resets, the pair's
// connector choice going to its owner, refreshes that write nothing and keep
// their rows, and what is kept per device. The end-to-end tab table works the
// same tabs in the real program; the coverage table holds which rows each
// device's capabilities build.
#include "AboutSettings.h"
#include "AdminUtilityWindow.h"
#include "AudioSettings.h"
#include "CardSection.h"
#include "CommonGui.h"
#include "ConnectorsSettings.h"
#include "ConversionsSettings.h"
#include "ImageGroupButton.h"
#include "MarlixCodes.h"
#include "MarlixDeviceSettings.h"
#include "MarlixProductCard.h"
#include "MarlixSettingsPage.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "SimulatedFleet.h"
#include "TabHands.h"
#include "TabProbe.h"
#include "VideoInputSettings.h"
#include "VideoOutputSettings.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLabel = 0;
constexpr int kEMail = 4;

// Takes the URLs the program asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// A tab on its own, shown: typing needs a window with the focus.
template <typename Tab>
std::unique_ptr<Tab> opened(VisibleMarlix* device)
{
    auto tab = std::make_unique<Tab>(*device);
    tab->show();
    return QTest::qWaitForWindowExposed(tab.get()) ? std::move(tab) : nullptr;
}

std::unique_ptr<MarlixSettingsTab> openedByTitle(const QString& title, VisibleMarlix* device)
{
    if (title == QLatin1String("Video Output"))
        return opened<VideoOutputSettings>(device);
    if (title == QLatin1String("Connectors"))
        return opened<ConnectorsSettings>(device);
    if (title == QLatin1String("Audio"))
        return opened<AudioSettings>(device);
    return opened<VideoInputSettings>(device);
}

bool sectionShown(const CardSection* section)
{
    return section && !section->isHidden();
}

void checkTexts(const QWidget* tab, const QStringList& shown, const QStringList& hidden)
{
    const QStringList texts = TabHands::texts(tab);
    for (const QString& text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text + QStringLiteral(" is hidden")));
    for (const QString& text : hidden)
        QVERIFY2(!texts.contains(text), qPrintable(text + QStringLiteral(" is shown")));
}

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

QList<int> disabledChannels(const QList<SettingsSliderWithEditableValue*>& sliders)
{
    QList<int> result;
    for (int i = 0; i < sliders.size(); ++i) {
        if (!sliders.at(i)->sliderEnabled())
            result << i + 1;
    }
    return result;
}

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aChangeWritesItselfAndShowsItsRows_data();
    void aChangeWritesItselfAndShowsItsRows();
    void conversionGroupsOfferedByTheDevice_data();
    void conversionGroupsOfferedByTheDevice();
    void choosingAGroupWritesItsFirstMode_data();
    void choosingAGroupWritesItsFirstMode();
    void audioInputChoosesRows_data();
    void audioInputChoosesRows();
    void embeddedAudioFollowsVideoInput_data();
    void embeddedAudioFollowsVideoInput();
    void aesEbuResetZeroesBothLevels();
    void partnerPluggedInAnewIsWrittenTo();
    void refreshesWriteNothingAndKeepTheRows_data();
    void refreshesWriteNothingAndKeepTheRows();
    void eachAcceptableNoteIsWritten_data();
    void eachAcceptableNoteIsWritten();
    void keptByPersistentOrTopologicalId_data();
    void keptByPersistentOrTopologicalId();
    void documentationIsNoSettingsChange_data();
    void documentationIsNoSettingsChange();
    void cardClosesWhenItsDeviceGoes();

private:
    std::unique_ptr<SimulatedFleet> m_fleet;
    UrlRecorder m_urls;
};

void TestTabs::initTestCase()
{
    QVERIFY(SimulatedFleet::configure({QStringLiteral(OUTPUT_TABS_PROFILE), QStringLiteral(INPUT_TABS_PROFILE),
                                       QStringLiteral(CARD_TEST_PROFILE)}));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
}

// Each test starts from the profiles' fleet with nothing stored.
void TestTabs::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(12), "the profiles' devices did not arrive");
    m_urls.opened.clear();
}

void TestTabs::cleanup()
{
    m_fleet.reset();
    QVERIFY(SimulatedFleet::resetFleet());
}

void TestTabs::aChangeWritesItselfAndShowsItsRows_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<uint>("outputFlags");
    // The audio input before the tab opens; 0: the profile's.
    QTest::addColumn<int>("audioInput");
    QTest::addColumn<QStringList>("before");
    // None: the tab as opened.
    QTest::addColumn<QString>("change");
    // Each takes the value; none: no value looked at.
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("value");
    // Not counted: -1 (a reset may write several levels).
    QTest::addColumn<int>("writes");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    const QString component = QStringLiteral("card-click Component");
    const QString composite = QStringLiteral("card-click Composite");
    const QString sdi = QStringLiteral("card-click SDI");
    const QStringList levels{"Analog Video Input Levels", "Y:", "NTSC IRE:"};
    const auto write = [](const char* name, const char* device, const char* tab, uint flags, int audioInput,
                          const QStringList& before, const char* change, const QStringList& items, const char* value,
                          int writes) {
        QTest::newRow(name) << device << tab << flags << audioInput << before << change << items << value << writes
                            << QStringList() << QStringList();
    };
    const auto output = [&write](const char* name, uint flags, const QStringList& before, const char* change,
                                 const QStringList& items, const char* value, int writes = 1) {
        write(name, "rich", "Video Output", flags, 0, before, change, items, value, writes);
    };
    const auto input = [&write](const char* name, uint flags, const QStringList& before, const char* change,
                                const QStringList& items, const char* value, int writes = 1) {
        write(name, "studio", "Video Input", flags, 0, before, change, items, value, writes);
    };
    // Rows that follow the connection in use; the audio input the last click leaves, 0: not looked at.
    const auto rows = [](const char* name, const char* device, const char* tab, int audioInput,
                         const QStringList& clicks, const QStringList& shown, const QStringList& hidden,
                         int audioAfter = 0) {
        QTest::newRow(name) << device << tab << 0u << audioInput << QStringList(clicks.mid(0, clicks.size() - 1))
                            << clicks.value(clicks.size() - 1) << (audioAfter ? QStringList{"aicn"} : QStringList())
                            << QString::number(audioAfter) << -1 << shown << hidden;
    };

    output("output check box", 0, {}, "card-click Video is converted to RGB 4:4:4:4", {"444o"}, "true");
    output("output quad link", 0, {}, "card-click Quad Link", {"solc"}, "'lcql'");
    output("output 7.5 IRE keeps the Betacam bit", 2, {}, "card-click 7.5 (USA)", {"avof"}, "3");
    output("output Betacam off keeps the IRE bit", 3, {}, "card-click Use Betacam Levels", {"avof"}, "1");
    output("output component picture switches it off", 0, {}, "card-click Component", {"vocn"}, "3");
    // Y is one level for every analog output: the driver keeps one item for each.
    output("output typed Y level", 0, {}, "card-field Y: 0.1", {"oclg"}, "0.1", 3);
    // Chroma moves both colour differences of the component output, though that is off.
    output("output typed chroma", 0, {component, composite}, "card-field Chroma: 0.2", {"occb", "occr"}, "0.2", -1);
    // Each section's reset zeroes every level in it.
    output("output reference reset writes zero", 0, {"card-field Offset: 40"}, "card-click Reference Input", {"glot"},
           "0");
    output("output level reset writes zero", 0, {"card-field Y: 0.3"}, "card-click Analog Video Output Levels",
           {"oclg"}, "0", -1);
    input("input level reset writes zero", 0, {component, "card-field Y: 0.4", "card-field Cb: -0.2"},
          "card-click Analog Video Input Levels", {"iclg", "iccb", "iccr"}, "0", -1);
    write("audio input level reset writes zero", "studio", "Audio", 0, 8, {"card-field Channel 1: 6"},
          "card-click Analog Audio Input Levels", {"ais1", "ais2", "ais3"}, "0", -1);
    input("input Y on composite", 0, {composite}, "card-field Y: 0.25", {"iilg"}, "0.25");
    // The linked Cr follows Cb and is written as well.
    input("input Cb on component, Cr follows", 0, {component}, "card-field Cb: 0.2", {"iccb", "iccr"}, "0.2", 2);
    input("input 1080PsF", 0, {}, "card-click Captured as 1080PsF segmented video", {"cfpr"}, "true");
    // The output's own flags are written back as they were.
    input("input 7.5 IRE keeps other output flags", 2, {composite}, "card-click 7.5 (USA)", {"avof"}, "3");
    input("input 0.0 IRE keeps other output flags", 3, {composite}, "card-click 0.0 (Japan)", {"avof"}, "2");
    // The pair's owner takes its own connector choice as the duplex mode.
    write("owner, half duplex", "duo-1", "Connectors", 0, 0, {}, "card-choose SDI 1", {"dupx"}, "'hdup'", 1);
    write("owner, full duplex", "duo-1", "Connectors", 0, 0, {"card-choose SDI 1"}, "card-choose SDI 1 & SDI 2", {"dupx"},
          "'fdup'", 1);

    rows("output component: Y, Cb, Cr", "rich", "Video Output", 0, {},
         {"Y:", "Cb:", "Cr:", "Use Betacam Levels", "NTSC IRE:"}, {"Chroma:"});
    rows("output composite: Y and chroma", "rich", "Video Output", 0, {component, composite},
         {"Y:", "Chroma:", "Use Betacam Levels", "NTSC IRE:"}, {"Cb:", "Cr:"});
    rows("output, no analog: no IRE choice", "rich", "Video Output", 0, {component}, {"Y:", "Chroma:"},
         {"Cb:", "NTSC IRE:", "7.5 (USA)"});
    rows("output overall gain: Y only, no Betacam", "overall", "Video Output", 0, {}, {"Y:", "NTSC IRE:"},
         {"Chroma:", "Cb:", "Use Betacam Levels"});
    // Each input row starts from the other kind of connection, so that the audio input must move.
    rows("input SDI", "studio", "Video Input", 2, {composite, sdi}, {"SDI Input"}, levels, 1);
    rows("input HDMI", "studio", "Video Input", 2, {composite, "card-click HDMI"}, {},
         levels + QStringList{"SDI Input"}, 1);
    rows("input component", "studio", "Video Input", 1, {component}, levels + QStringList{"Cb:", "Cr:"},
         {"SDI Input", "Chroma:"}, 2);
    rows("input composite", "studio", "Video Input", 1, {composite}, levels + QStringList{"Chroma:"}, {"Cb:", "Cr:"},
         2);
    // This device has no AES/EBU input: it refuses the switch and stays on embedded audio.
    rows("input composite without levels", "field", "Video Input", 1, {composite},
         {"Analog Video Input", "NTSC IRE:"}, {"Y:", "Chroma:"}, 1);
    rows("input back to SDI", "field", "Video Input", 1, {composite, sdi}, {},
         {"Analog Video Input", "NTSC IRE:", "SDI Input"}, 1);
}

void TestTabs::aChangeWritesItselfAndShowsItsRows()
{
    QFETCH(QString, device);
    QFETCH(QString, tab);
    QFETCH(uint, outputFlags);
    QFETCH(int, audioInput);
    QFETCH(QStringList, before);
    QFETCH(QString, change);
    QFETCH(QStringList, items);
    QFETCH(QString, value);
    QFETCH(int, writes);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    VisibleMarlix* marlix = m_fleet->device(device);
    marlix->setAnalogVideoOutputFlags(outputFlags);
    if (audioInput)
        marlix->setAudioInputConnection(uint32_t(audioInput));
    const std::unique_ptr<MarlixSettingsTab> opened = openedByTitle(tab, marlix);
    QVERIFY(opened);
    // Opening shows the device's values and changes nothing.
    QCOMPARE(opened->settingsStatus(), int(SettingsPage::Unchanged));
    for (const QString& line : before)
        QVERIFY2(TabHands::act(opened.get(), line), qPrintable(line));
    TabHands::settle();
    QVERIFY(TabHands::writes(device, true) >= 0);
    if (!change.isEmpty())
        QVERIFY2(TabHands::act(opened.get(), change), qPrintable(change));
    for (const QString& item : items)
        QCOMPARE(TabHands::live(device, item), value);
    if (writes >= 0)
        QCOMPARE(TabHands::writes(device), writes);
    QCOMPARE(opened->settingsStatus(), int(change.isEmpty() ? SettingsPage::Unchanged : SettingsPage::Changed));
    QVERIFY(opened->changedControls().isEmpty());
    checkTexts(opened.get(), shown, hidden);
}

void TestTabs::conversionGroupsOfferedByTheDevice_data()
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

void TestTabs::conversionGroupsOfferedByTheDevice()
{
    QFETCH(QString, device);
    QFETCH(QStringList, inputGroups);
    QFETCH(QStringList, outputGroups);
    QFETCH(bool, outputEnabled);
    QFETCH(bool, empty);

    ConversionsSettings tab(*m_fleet->device(device));
    QCOMPARE(items(tab.inputGroups()), inputGroups);
    QCOMPARE(items(tab.outputGroups()), outputGroups);
    QCOMPARE(!tab.outputGroups() || tab.outputGroups()->isEnabled(), outputEnabled);
    QCOMPARE(tab.isEmpty(), empty);
}

void TestTabs::choosingAGroupWritesItsFirstMode_data()
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

void TestTabs::choosingAGroupWritesItsFirstMode()
{
    QFETCH(bool, output);
    QFETCH(QString, group);
    QFETCH(QList<int>, modes);
    QFETCH(uint, written);

    VisibleMarlix* rich = m_fleet->device(QStringLiteral("rich"));
    auto tab = opened<ConversionsSettings>(rich);
    QVERIFY(tab);
    const auto mode = [&] { return output ? rich->getOutputConversionMode() : rich->getInputConversionMode(); };
    QVERIFY(TabHands::act(tab.get(), QStringLiteral("card-choose ") + group));
    // Rows added to a shown tab appear on the next turn of the event loop.
    QTRY_COMPARE(shownModes(output ? tab->outputModes() : tab->inputModes(), tab.get()), modes);
    QCOMPARE(mode(), written);
    QCOMPARE(tab->convertAnalogOutputs() != nullptr, output);
    if (output) {
        // The device's notification of the analog outputs' write keeps the row checked.
        QTest::mouseClick(tab->convertAnalogOutputs(), Qt::LeftButton);
        TabHands::settle();
        QTRY_VERIFY(tab->convertAnalogOutputs() && tab->convertAnalogOutputs()->isChecked());
        QVERIFY(rich->getDownConversionOnAllAnalogOutputs());
    }

    // Back to "None": no modes to show, and "none" is written.
    QComboBox* groups = output ? tab->outputGroups() : tab->inputGroups();
    groups->setCurrentIndex(0);
    emit groups->activated(0);
    QCOMPARE(output ? tab->outputModes() : tab->inputModes(), nullptr);
    QCOMPARE(tab->convertAnalogOutputs(), nullptr);
    QCOMPARE(mode(), MarlixFourCC("none"));
}

void TestTabs::audioInputChoosesRows_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("input");
    QTest::addColumn<bool>("hifi");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<bool>("aesEbuInput");
    QTest::addColumn<bool>("microphone");

    QTest::newRow("embedded") << "studio" << 1 << false << 0 << QList<int>{} << false << false;
    QTest::newRow("AES/EBU") << "studio" << 2 << false << 0 << QList<int>{} << true << false;
    // XLR has four channels of which the fourth cannot be set; RCA has two.
    QTest::newRow("XLR") << "studio" << 8 << false << 4 << QList<int>{4} << false << false;
    QTest::newRow("RCA") << "studio" << 16 << false << 2 << QList<int>{} << false << false;
    QTest::newRow("analog") << "field" << 4 << false << 2 << QList<int>{} << false << false;
    // HiFi levels have no level to set, in or out.
    QTest::newRow("analog, HiFi levels") << "field" << 4 << true << 0 << QList<int>{} << false << false;
    QTest::newRow("microphone") << "field" << 32 << false << 0 << QList<int>{} << false << true;
}

void TestTabs::audioInputChoosesRows()
{
    QFETCH(QString, device);
    QFETCH(int, input);
    QFETCH(bool, hifi);
    QFETCH(int, channels);
    QFETCH(QList<int>, disabled);
    QFETCH(bool, aesEbuInput);
    QFETCH(bool, microphone);

    VisibleMarlix* marlix = m_fleet->device(device);
    marlix->setAudioInputConnection(input == 2 ? 8 : 2);
    AudioSettings tab(*marlix);
    // Going through a row-building input first makes the rows rebuild.
    if (tab.inputButtons()->button(8))
        tab.inputButtons()->button(8)->click();
    tab.inputButtons()->button(input)->click();
    if (hifi)
        tab.hifiBox()->click();

    QCOMPARE(int(marlix->getAudioInputConnection()), input);
    QCOMPARE(marlix->getUseAnalogAudioConsumerLevels(), hifi);
    QCOMPARE(sectionShown(tab.outputLevelsSection()), !hifi);
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

void TestTabs::embeddedAudioFollowsVideoInput_data()
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

void TestTabs::embeddedAudioFollowsVideoInput()
{
    QFETCH(QString, device);
    QFETCH(int, videoInput);
    QFETCH(bool, embedded);
    QFETCH(bool, section);
    QFETCH(QString, picture);

    VisibleMarlix* marlix = m_fleet->device(device);
    AudioSettings tab(*marlix);
    marlix->setVideoInputConnection(uint32_t(videoInput));
    TabHands::settle();

    ImageGroupButton* button = tab.inputButton(1);
    QCOMPARE(!button->isHidden(), embedded);
    QCOMPARE(sectionShown(tab.audioInputSection()), section);
    if (!picture.isEmpty())
        QCOMPARE(button->picture().toImage(), CommonGui::pixmap(picture).toImage());
}

// Its title is also the name of an audio input, so the reset is pressed here by hand.
void TestTabs::aesEbuResetZeroesBothLevels()
{
    VisibleMarlix* studio = m_fleet->device(QStringLiteral("studio"));
    studio->setAudioInputConnection(2);
    studio->setDigitalInputScale(-4.0);
    studio->setDigitalOutputScale(5.0);
    AudioSettings audio(*studio);
    audio.aesEbuSection()->titleButton()->click();
    for (const char* item : {"dais", "daos"})
        QCOMPARE(TabHands::live(QStringLiteral("studio"), QLatin1String(item)), QStringLiteral("0"));
}

// While the owner is unplugged the choice can be neither read nor made; plugged in
// again, the open tab offers it and the choice reaches the device now plugged in.
void TestTabs::partnerPluggedInAnewIsWrittenTo()
{
    ConnectorsSettings tab(*m_fleet->device(QStringLiteral("duo-2")));
    QVERIFY(tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("unplug duo-1")));
    QTRY_VERIFY(!m_fleet->device(QStringLiteral("duo-1")));
    QTRY_VERIFY(!tab.connectorCombo()->isEnabled());
    QVERIFY(SimulatedFleet::control(QStringLiteral("plug duo-1")));
    QTRY_VERIFY(m_fleet->device(QStringLiteral("duo-1")));
    QTRY_VERIFY(tab.connectorCombo()->isEnabled());
    QVERIFY(TabHands::act(&tab, QStringLiteral("card-choose None")));
    QCOMPARE(m_fleet->device(QStringLiteral("duo-1"))->getDuplexMode(), uint(MarlixValue::kDuplexFull));
}

void TestTabs::refreshesWriteNothingAndKeepTheRows_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("notifications");
    // Typed into the label on the About tab, the page's only one.
    QTest::addColumn<QString>("label");

    QTest::newRow("rich, a conversion chosen") << "rich" << 500 << QString();
    QTest::newRow("studio") << "studio" << 500 << QString();
    QTest::newRow("field") << "field" << 500 << QString();
    QTest::newRow("duo-2") << "duo-2" << 500 << QString();
    QTest::newRow("a label typed, a long storm") << "kept" << 10000 << "Bay";
}

// The device's own notifications are shown, never written back; nor do they
// rebuild a row (the slider the user may be dragging stays, and a conversion's
// mode buttons) or undo a note typed.
void TestTabs::refreshesWriteNothingAndKeepTheRows()
{
    QFETCH(QString, device);
    QFETCH(int, notifications);
    QFETCH(QString, label);

    VisibleMarlix* marlix = m_fleet->device(device);
    marlix->setAudioInputConnection(marlix->getAudioInputConnections() & 4 ? 4 : 8);
    marlix->setOutputConversionMode(MarlixFourCC("HWlb"));
    MarlixSettingsPage page(*marlix);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* about = qobject_cast<AboutSettings*>(page.getTab(0));
    if (!label.isEmpty())
        TabProbe::type(about->noteEdit(kLabel), label);
    // The notifications of those writes are still on their way: let them land first.
    TabHands::settle();
    QVERIFY(TabHands::writes(device, true) >= 0);
    QList<QPointer<QWidget>> widgets;
    for (QWidget* widget : page.findChildren<QWidget*>())
        widgets << widget;

    QObject context;
    int refreshes = 0;
    connect(marlix, &VisibleMarlix::propertyChanged, &context, [&refreshes] { ++refreshes; });
    QVERIFY(SimulatedFleet::control(QStringLiteral("storm %1 pref %2").arg(device).arg(notifications)));
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QTRY_COMPARE_WITH_TIMEOUT(refreshes, notifications, 30000);
    QCOMPARE(TabHands::writes(device), 0);
    QCOMPARE(widgets.count(nullptr), 0);
    if (!label.isEmpty()) {
        QCOMPARE(about->noteEdit(kLabel)->text(), label);
        QCOMPARE(marlix->getInformationLabel(), label);
    }
}

void TestTabs::eachAcceptableNoteIsWritten_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("status");

    QTest::newRow("label, one write a keystroke") << kLabel << "Bay 2" << 5 << "Bay 2" << int(SettingsPage::Changed);
    QTest::newRow("e-mail written once acceptable") << kEMail << "a@b.co" << 1 << "a@b.co"
                                                   << int(SettingsPage::Changed);
    QTest::newRow("e-mail without at sign") << kEMail << "sales" << 0 << "" << int(SettingsPage::Invalid);
}

void TestTabs::eachAcceptableNoteIsWritten()
{
    QFETCH(int, note);
    QFETCH(QString, typed);
    QFETCH(int, writes);
    QFETCH(QString, stored);
    QFETCH(int, status);

    VisibleMarlix* kept = m_fleet->device(QStringLiteral("kept"));
    auto tab = opened<AboutSettings>(kept);
    QVERIFY(tab);
    QCOMPARE(TabHands::writes(QStringLiteral("kept"), true), 0);
    TabProbe::type(tab->noteEdit(note), typed);
    QCOMPARE(TabHands::writes(QStringLiteral("kept")), writes);
    QCOMPARE(tab->settingsStatus(), status);
    QCOMPARE(note == kLabel ? kept->getInformationLabel() : kept->getInformationEMail(), stored);
    QVERIFY(tab->changedControls().isEmpty());
}

void TestTabs::keptByPersistentOrTopologicalId_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("notesShown");

    QTest::newRow("persistent id: notes, choices by it") << "kept" << "9100" << true;
    QTest::newRow("no persistent id: no notes, choices by slot") << "anonymous" << "4242" << false;
}

// Notes live on the device under its persistent id; the program's own choices
// fall back to the slot, and no other device shares them.
void TestTabs::keptByPersistentOrTopologicalId()
{
    QFETCH(QString, device);
    QFETCH(QString, group);
    QFETCH(bool, notesShown);

    VisibleMarlix* chosen = m_fleet->device(device);
    auto tab = opened<AboutSettings>(chosen);
    QVERIFY(tab);
    QCOMPARE(tab->productNotesSection()->isVisible(), notesShown);
    for (CardSection* section : tab->sections()) {
        if (section != tab->productNotesSection())
            QVERIFY2(section->isVisible(), qPrintable(section->title()));
    }

    // What is kept across a restart is the end-to-end link test's business.
    QCOMPARE(MarlixDeviceSettings(*chosen).group(), group);
}

void TestTabs::documentationIsNoSettingsChange_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("path");

    QTest::newRow("manual") << 0 << AboutSettings::kManualPath;
    QTest::newRow("read-me") << 2 << AboutSettings::kReadmePath;
}

void TestTabs::documentationIsNoSettingsChange()
{
    QFETCH(int, id);
    QFETCH(QString, path);
    auto tab = opened<AboutSettings>(m_fleet->device(QStringLiteral("kept")));
    QVERIFY(tab);
    QSignalSpy status(tab.get(), &SettingsTab::settingsStatusChanged);
    QAbstractButton* button = tab->documentationButtons()->button(id);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    QCOMPARE(tab->settingsStatus(), int(SettingsPage::Unchanged));
    QCOMPARE(status.count(), 0);
    QVERIFY(!button->isChecked());
}

void TestTabs::cardClosesWhenItsDeviceGoes()
{
    AdminUtilityWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<MarlixProductCard> card = new MarlixProductCard(*m_fleet->device(QStringLiteral("kept")), &window);
    card->show();
    QCOMPARE(card->currentPage(), static_cast<StatusPage*>(card->settingsPage()));
    QCOMPARE(card->settingsPage()->numTabs(), 1);
    QVERIFY(SimulatedFleet::control(QStringLiteral("unplug kept")));
    QTRY_VERIFY(card.isNull());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
