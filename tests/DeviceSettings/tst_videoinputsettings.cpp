#include "CardSection.h"
#include "FlatImageButton.h"
#include "InputTabsFleet.h"
#include "SettingsCheckBox.h"
#include "SettingsPage.h"
#include "SettingsSliderWithEditableValue.h"
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

bool rowShown(const SettingsTab& tab, QWidget* control)
{
    QWidget* row = tab.findRowContaining(control);
    return row && !row->isHidden();
}

} // namespace

class TestVideoInputSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_fleet.configure()); }
    void init() { QVERIFY2(m_fleet.start(), "the profile's devices did not arrive"); }
    void cleanup() { QVERIFY(m_fleet.stop()); }

    void rowsFollowCapabilities_data();
    void rowsFollowCapabilities();
    void connectionChoosesRowsAndAudio_data();
    void connectionChoosesRowsAndAudio();
    void eachControlWritesItselfOnly_data();
    void eachControlWritesItselfOnly();
    void ntscIreKeepsOtherOutputFlags();
    void resetZeroesEveryLevel();

private:
    InputTabsFleet m_fleet;
};

void TestVideoInputSettings::rowsFollowCapabilities_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QList<int>>("connections");
    QTest::addColumn<bool>("timecode");
    QTest::addColumn<bool>("sdiInput");
    QTest::addColumn<QString>("analogTitle");
    QTest::addColumn<bool>("levels");

    QTest::newRow("every input, with levels") << "studio" << QList<int>{1, 2, 8, 16, 32} << true << true
                                              << "Analog Video Input Levels" << true;
    QTest::newRow("one input, PsF by itself") << "single" << QList<int>{} << false << false << QString() << false;
    QTest::newRow("composite without levels") << "field" << QList<int>{1, 16} << false << false
                                              << "Analog Video Input" << false;
}

void TestVideoInputSettings::rowsFollowCapabilities()
{
    QFETCH(QString, device);
    QFETCH(QList<int>, connections);
    QFETCH(bool, timecode);
    QFETCH(bool, sdiInput);
    QFETCH(QString, analogTitle);
    QFETCH(bool, levels);

    VideoInputSettings tab(*m_fleet.device(device));
    QList<int> ids;
    if (tab.connectionButtons()) {
        for (QAbstractButton* button : tab.connectionButtons()->buttons())
            ids << tab.connectionButtons()->id(button);
    }
    QCOMPARE(ids, connections);
    QCOMPARE(tab.timecodeBox() != nullptr, timecode);
    QCOMPARE(tab.sdiSection() != nullptr, sdiInput);
    QCOMPARE(tab.analogSection() ? tab.analogSection()->title() : QString(), analogTitle);
    QCOMPARE(tab.ySlider() != nullptr, levels);
    QCOMPARE(tab.ntscIreButtons() != nullptr, !analogTitle.isEmpty());
    QCOMPARE(tab.isEmpty(), connections.isEmpty() && !timecode && !sdiInput && analogTitle.isEmpty());
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Unchanged));
}

void TestVideoInputSettings::connectionChoosesRowsAndAudio_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("connection");
    QTest::addColumn<bool>("sdiInput");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<bool>("y");
    QTest::addColumn<bool>("chroma");
    QTest::addColumn<bool>("cbCr");
    QTest::addColumn<int>("audioInput");

    QTest::newRow("SDI") << "studio" << 1 << true << false << false << false << false << 1;
    QTest::newRow("HDMI") << "studio" << 2 << false << false << false << false << false << 1;
    QTest::newRow("component") << "studio" << 8 << false << true << true << false << true << 2;
    QTest::newRow("composite") << "studio" << 16 << false << true << true << true << false << 2;
    QTest::newRow("S-Video") << "studio" << 32 << false << true << true << true << false << 2;
    // This device has no AES/EBU input: it refuses the switch and stays on embedded audio.
    QTest::newRow("composite without levels") << "field" << 16 << false << true << false << false << false << 1;
    QTest::newRow("back to SDI") << "field" << 1 << false << false << false << false << false << 1;
}

void TestVideoInputSettings::connectionChoosesRowsAndAudio()
{
    QFETCH(QString, device);
    QFETCH(int, connection);
    QFETCH(bool, sdiInput);
    QFETCH(bool, analog);
    QFETCH(bool, y);
    QFETCH(bool, chroma);
    QFETCH(bool, cbCr);
    QFETCH(int, audioInput);

    VisibleMarlix* marlix = m_fleet.device(device);
    // Start from the other kind of connection, so that the audio input must move.
    marlix->setVideoInputConnection(analog ? 1 : 16);
    marlix->setAudioInputConnection(analog ? 1 : 2);
    VideoInputSettings tab(*marlix);
    tab.connectionButtons()->button(connection)->click();

    QCOMPARE(int(marlix->getVideoInputConnection()), connection);
    QCOMPARE(int(marlix->getAudioInputConnection()), audioInput);
    QCOMPARE(sectionShown(tab.sdiSection()), sdiInput);
    QCOMPARE(sectionShown(tab.analogSection()), analog);
    QCOMPARE(rowShown(tab, tab.ntscIreButtons()->button(VideoInputSettings::kNtscIreUsa)), analog);
    QCOMPARE(tab.resetButton() && !tab.resetButton()->isHidden(), y);
    QCOMPARE(rowShown(tab, tab.ySlider()), y);
    QCOMPARE(rowShown(tab, tab.chromaSlider()), chroma);
    QCOMPARE(rowShown(tab, tab.cbSlider()), cbCr);
    QCOMPARE(rowShown(tab, tab.crSlider()), cbCr);
}

// Each change goes to the device at once, as that one item and nothing else.
void TestVideoInputSettings::eachControlWritesItselfOnly_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("writes");

    QTest::newRow("Y on composite") << 16 << "Y" << 0.25 << 1;
    QTest::newRow("chroma on S-Video") << 32 << "Chroma" << -0.3 << 1;
    // The linked Cr follows Cb and is written as well.
    QTest::newRow("Cb on component, Cr follows") << 8 << "Cb" << 0.2 << 2;
    QTest::newRow("timecode") << 1 << "timecode" << 1.0 << 1;
    QTest::newRow("1080PsF") << 1 << "PsF" << 1.0 << 1;
    QTest::newRow("7.5 IRE") << 16 << "IRE" << 1.0 << 1;
}

void TestVideoInputSettings::eachControlWritesItselfOnly()
{
    QFETCH(int, connection);
    QFETCH(QString, control);
    QFETCH(double, value);
    QFETCH(int, writes);

    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    const auto code = uint32_t(connection);
    studio->setVideoInputConnection(code);
    VideoInputSettings tab(*studio);
    InputTabsFleet::settle();
    QVERIFY(InputTabsFleet::writes(QStringLiteral("studio"), true) >= 0);

    double read = 0.0;
    if (control == QLatin1String("Y")) {
        tab.ySlider()->setRealValue(value);
        read = studio->getAnalogVideoInputGainLevel(code);
    } else if (control == QLatin1String("Chroma")) {
        tab.chromaSlider()->setRealValue(value);
        read = studio->getAnalogVideoInputChromaGainLevel(code);
    } else if (control == QLatin1String("Cb")) {
        tab.cbSlider()->setRealValue(value);
        read = studio->getAnalogVideoInputCbLevel(code);
        QCOMPARE(studio->getAnalogVideoInputCrLevel(code), value);
    } else if (control == QLatin1String("timecode")) {
        tab.timecodeBox()->click();
        read = studio->getUseLTCTimecode() ? 1.0 : 0.0;
    } else if (control == QLatin1String("PsF")) {
        tab.captureButtons()->button(VideoInputSettings::kCapturePsF)->click();
        read = studio->getCapture1080pAsPsF() ? 1.0 : 0.0;
    } else {
        tab.ntscIreButtons()->button(VideoInputSettings::kNtscIreUsa)->click();
        read = studio->getAnalogVideoOutputFlags() & 1;
    }
    QCOMPARE(read, value);
    QCOMPARE(InputTabsFleet::writes(QStringLiteral("studio")), writes);
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Changed));
    QVERIFY(tab.changedControls().isEmpty());
}

void TestVideoInputSettings::ntscIreKeepsOtherOutputFlags()
{
    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    studio->setVideoInputConnection(16);
    studio->setAnalogVideoOutputFlags(2);
    VideoInputSettings tab(*studio);
    QVERIFY(tab.ntscIreButtons()->button(VideoInputSettings::kNtscIreJapan)->isChecked());
    tab.ntscIreButtons()->button(VideoInputSettings::kNtscIreUsa)->click();
    QCOMPARE(studio->getAnalogVideoOutputFlags(), 3u);
    tab.ntscIreButtons()->button(VideoInputSettings::kNtscIreJapan)->click();
    QCOMPARE(studio->getAnalogVideoOutputFlags(), 2u);
}

void TestVideoInputSettings::resetZeroesEveryLevel()
{
    VisibleMarlix* studio = m_fleet.device(QStringLiteral("studio"));
    studio->setVideoInputConnection(8);
    studio->setAnalogVideoInputGainLevel(8, 0.4);
    studio->setAnalogVideoInputCbLevel(8, -0.2);
    studio->setAnalogVideoInputCrLevel(8, 0.1);
    VideoInputSettings tab(*studio);
    QCOMPARE(tab.ySlider()->realValue(), 0.4);
    QCOMPARE(tab.cbSlider()->realValue(), -0.2);

    tab.resetButton()->click();
    QCOMPARE(studio->getAnalogVideoInputGainLevel(8), 0.0);
    QCOMPARE(studio->getAnalogVideoInputCbLevel(8), 0.0);
    QCOMPARE(studio->getAnalogVideoInputCrLevel(8), 0.0);
    QCOMPARE(tab.crSlider()->realValue(), 0.0);
}

QTEST_MAIN(TestVideoInputSettings)
#include "tst_videoinputsettings.moc"
