#include "AudioSettings.h"
#include "CardSection.h"
#include "CommonGui.h"
#include "ImageGroupButton.h"
#include "InputTabsFleet.h"
#include "SettingsCheckBox.h"
#include "SettingsPage.h"
#include "SettingsSliderWithEditableValue.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>

namespace {

bool sectionShown(const CardSection* section)
{
    return section && !section->isHidden();
}

bool rowShown(const SettingsTab& tab, QWidget* control)
{
    QWidget* row = tab.findRowContaining(control);
    return row && !row->isHidden();
}

QList<int> ids(const QButtonGroup* group)
{
    QList<int> result;
    if (group) {
        for (QAbstractButton* button : group->buttons())
            result << group->id(button);
    }
    return result;
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

class TestAudioSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_fleet.configure()); }
    void init() { QVERIFY2(m_fleet.start(), "the profile's devices did not arrive"); }
    void cleanup() { QVERIFY(m_fleet.stop()); }

    void rowsFollowCapabilities_data();
    void rowsFollowCapabilities();
    void inputChoosesRows_data();
    void inputChoosesRows();
    void embeddedFollowsVideoInput_data();
    void embeddedFollowsVideoInput();
    void hifiLevelsHideBothLevelSections();
    void resetsZeroTheirLevels();

private:
    InputTabsFleet m_fleet;
};

void TestAudioSettings::rowsFollowCapabilities_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<bool>("hifi");
    QTest::addColumn<bool>("microphone");
    QTest::addColumn<bool>("phantomPower");
    QTest::addColumn<bool>("headphone");
    QTest::addColumn<bool>("aesEbu");
    QTest::addColumn<bool>("outputSwitch");
    QTest::addColumn<int>("outputChannels");

    QTest::newRow("studio") << "studio" << QList<int>{1, 2, 8, 16} << true << false << false << false << true << true
                            << 4;
    QTest::newRow("field") << "field" << QList<int>{1, 4, 32} << true << true << true << true << false << false << 2;
    QTest::newRow("inputs only") << "duo-2" << QList<int>{1, 2} << false << false << false << false << false << false
                                 << 0;
}

void TestAudioSettings::rowsFollowCapabilities()
{
    QFETCH(QString, device);
    QFETCH(QList<int>, inputs);
    QFETCH(bool, hifi);
    QFETCH(bool, microphone);
    QFETCH(bool, phantomPower);
    QFETCH(bool, headphone);
    QFETCH(bool, aesEbu);
    QFETCH(bool, outputSwitch);
    QFETCH(int, outputChannels);

    AudioSettings tab(*m_fleet.device(device));
    QCOMPARE(ids(tab.inputButtons()), inputs);
    QCOMPARE(tab.hifiBox() != nullptr, hifi);
    QCOMPARE(tab.inputLevelsSection() != nullptr, hifi);
    QCOMPARE(sectionShown(tab.outputLevelsSection()), hifi);
    QCOMPARE(tab.microphoneSlider() != nullptr, microphone);
    QCOMPARE(tab.phantomPowerBox() != nullptr, phantomPower);
    QCOMPARE(tab.headphoneSlider() != nullptr, headphone);
    QCOMPARE(tab.aesEbuSection() != nullptr, aesEbu);
    const QList<int> switchIds{AudioSettings::kAnalogOutputs, AudioSettings::kAesEbuOutputs};
    QCOMPARE(ids(tab.outputSwitchButtons()), outputSwitch ? switchIds : QList<int>());
    QCOMPARE(tab.outputChannels().size(), outputChannels);
    QCOMPARE(tab.outputLink() != nullptr, outputChannels >= 2);
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Unchanged));
}

void TestAudioSettings::inputChoosesRows_data()
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

void TestAudioSettings::inputChoosesRows()
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
    QCOMPARE(rowShown(tab, tab.aesEbuInputSlider()), aesEbuInput);
    QCOMPARE(sectionShown(tab.microphoneSection()), microphone);
}

void TestAudioSettings::embeddedFollowsVideoInput_data()
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

void TestAudioSettings::embeddedFollowsVideoInput()
{
    QFETCH(QString, device);
    QFETCH(int, videoInput);
    QFETCH(bool, embedded);
    QFETCH(bool, section);
    QFETCH(QString, picture);

    VisibleMarlix* marlix = m_fleet.device(device);
    AudioSettings tab(*marlix);
    marlix->setVideoInputConnection(uint32_t(videoInput));
    InputTabsFleet::settle();

    ImageGroupButton* button = tab.inputButton(1);
    QCOMPARE(!button->isHidden(), embedded);
    QCOMPARE(sectionShown(tab.audioInputSection()), section);
    if (!picture.isEmpty())
        QCOMPARE(button->picture().toImage(), CommonGui::pixmap(picture).toImage());
}

void TestAudioSettings::hifiLevelsHideBothLevelSections()
{
    VisibleMarlix* field = m_fleet.device(QStringLiteral("field"));
    field->setAudioInputConnection(4);
    AudioSettings tab(*field);
    QVERIFY(sectionShown(tab.inputLevelsSection()));
    QVERIFY(sectionShown(tab.outputLevelsSection()));

    tab.hifiBox()->click();
    QVERIFY(field->getUseAnalogAudioConsumerLevels());
    QVERIFY(!sectionShown(tab.inputLevelsSection()));
    QVERIFY(!sectionShown(tab.outputLevelsSection()));

    tab.hifiBox()->click();
    QVERIFY(!field->getUseAnalogAudioConsumerLevels());
    QVERIFY(sectionShown(tab.inputLevelsSection()));
    QVERIFY(sectionShown(tab.outputLevelsSection()));
}

void TestAudioSettings::resetsZeroTheirLevels()
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

QTEST_MAIN(TestAudioSettings)
#include "tst_audiosettings.moc"
