#include "FlatImageButton.h"
#include "MarlixCodes.h"
#include "MarlixDeviceSettings.h"
#include "MarlixSettingsPage.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsSliderLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "SimulatedFleet.h"
#include "SliderLink.h"
#include "VideoOutputSettings.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr uint32_t kComponent = 8;
constexpr uint32_t kComposite = 16;
constexpr uint32_t kBetacamOnly = VideoOutputSettings::kBetacamFlag;

using Controls = VideoOutputSettings::Controls;

int writesTo(const QString& device, bool reset = false)
{
    QString answer;
    if (!SimulatedFleet::control(QStringLiteral("writes %1%2").arg(device, reset ? QStringLiteral(" reset") : QString()),
                                 &answer))
        return -1;
    return answer.mid(answer.indexOf(QLatin1Char('\n')) + 1).trimmed().toInt();
}

// The names of the controls a tab built, in a fixed order.
QStringList builtControls(const Controls& c)
{
    const QPair<const char*, bool> all[] = {
        {"mode", c.displayMode.exists()},  {"paused", c.fieldFlicker.exists()}, {"idle", c.idleOperation.exists()},
        {"capture", c.passthrough.exists()}, {"444", c.colourSpace.exists()},   {"levelA", c.smpteLevel.exists()},
        {"psf", c.progressive.exists()},    {"link", c.sdiLink.exists()},      {"3d", c.packing3D.exists()},
        {"analog", c.analogOutputs.exists()}, {"y", c.y != nullptr},           {"chroma", c.chroma != nullptr},
        {"cbcr", c.cbCrLink != nullptr},    {"betacam", c.betacam != nullptr}, {"ire", c.ntscIre.exists()},
        {"offset", c.offset != nullptr},
    };
    QStringList names;
    for (const auto& control : all) {
        if (control.second)
            names << QLatin1String(control.first);
    }
    return names;
}

void click(QButtonGroup* group, int id)
{
    QVERIFY(group && group->button(id));
    QTest::mouseClick(group->button(id), Qt::LeftButton);
}

// As a user types: the field's text, then Return.
void typeValue(SettingsSliderWithEditableValue* slider, const QString& text)
{
    QLineEdit* field = slider->valueField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class TestVideoOutputSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsFollowCapabilities_data();
    void rowsFollowCapabilities();
    void eachControlWritesItsSetting_data();
    void eachControlWritesItsSetting();
    void levelRowsFollowTheOutput_data();
    void levelRowsFollowTheOutput();
    void chromaMovesBothColourDifferences();
    void linkChoiceKeptWithNextChange();
    void tabOrderOnThePage();

private:
    VisibleMarlix* device(const QString& name) const { return m_fleet->device(name); }
    std::unique_ptr<VideoOutputSettings> openTab(const QString& name);

    QTemporaryDir m_config;
    std::unique_ptr<SimulatedFleet> m_fleet;
};

void TestVideoOutputSettings::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    SimulatedFleet::configure(QStringLiteral(OUTPUT_TABS_PROFILE));
}

void TestVideoOutputSettings::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(4), "the four devices of the profile did not arrive");
}

void TestVideoOutputSettings::cleanup()
{
    m_fleet.reset();
    QString error;
    QVERIFY2(SimulatedFleet::resetFleet(&error), qPrintable(error));
}

std::unique_ptr<VideoOutputSettings> TestVideoOutputSettings::openTab(const QString& name)
{
    VisibleMarlix* found = device(name);
    if (!found)
        return nullptr;
    auto tab = std::make_unique<VideoOutputSettings>(*found);
    tab->show();
    if (!QTest::qWaitForWindowExposed(tab.get()))
        return nullptr;
    return tab;
}

void TestVideoOutputSettings::rowsFollowCapabilities_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<int>("sdiLinks");

    QTest::newRow("everything, quad link") << "Rich"
                                           << QStringList{"mode", "paused", "idle", "capture", "444", "levelA", "psf",
                                                          "link", "3d", "analog", "y", "chroma", "cbcr", "betacam",
                                                          "ire", "offset"}
                                           << 3;
    QTest::newRow("overall gain: Y only, no Betacam")
        << "Overall gain" << QStringList{"mode", "analog", "y", "ire"} << 0;
    QTest::newRow("analog outputs always on, no gain: IRE only")
        << "Fixed analog" << QStringList{"mode", "ire"} << 0;
    QTest::newRow("digital only") << "Plain" << QStringList{"mode"} << 0;
}

void TestVideoOutputSettings::rowsFollowCapabilities()
{
    QFETCH(QString, device);
    QFETCH(QStringList, controls);
    QFETCH(int, sdiLinks);

    auto tab = openTab(device);
    QVERIFY(tab);
    QCOMPARE(builtControls(tab->controls()), controls);
    const QButtonGroup* links = tab->controls().sdiLink.buttons();
    QCOMPARE(links ? links->buttons().size() : 0, sdiLinks);
    QCOMPARE(tab->controls().displayMode.combo()->count(),
             this->device(device)->getVideoOutputDisplayModesInDisplayOrder().size());
    QCOMPARE(tab->settingsStatus(), int(SettingsPage::Unchanged));
}

// One user action; then the device's value is read back.
using Action = std::function<void(const Controls&)>;
using Reading = std::function<qint64(const VisibleMarlix&)>;
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Reading)

void TestVideoOutputSettings::eachControlWritesItsSetting_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<int>("writes");

    QTest::newRow("single field when paused")
        << Action([](const Controls& c) { click(c.fieldFlicker.buttons(), VideoOutputSettings::kSingleField); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getFieldFlickerRemovalIsEnabled()); }) << 1ll << 1;
    QTest::newRow("freeze frame when idle")
        << Action([](const Controls& c) { click(c.idleOperation.buttons(), int(MarlixFourCC("lafa"))); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getVideoOutputIdleOperation()); })
        << qint64(MarlixFourCC("lafa")) << 1;
    QTest::newRow("playback shown during capture")
        << Action([](const Controls& c) { click(c.passthrough.buttons(), VideoOutputSettings::kShowPlayback); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getCapturePassthroughIsDisabled()); }) << 1ll << 1;
    QTest::newRow("RGB 4:4:4")
        << Action([](const Controls& c) { click(c.colourSpace.buttons(), VideoOutputSettings::kRGB444); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.get444SDIIsEnabled()); }) << 1ll << 1;
    QTest::newRow("level A")
        << Action([](const Controls& c) { click(c.smpteLevel.buttons(), VideoOutputSettings::kLevelA); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getSMPTELevelAOutput()); }) << 1ll << 1;
    QTest::newRow("PsF")
        << Action([](const Controls& c) { click(c.progressive.buttons(), VideoOutputSettings::kSegmented); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getOutput1080pAsPsF()); }) << 1ll << 1;
    QTest::newRow("quad link")
        << Action([](const Controls& c) { click(c.sdiLink.buttons(), int(MarlixFourCC("lcql"))); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getSDILinkConfiguration()); })
        << qint64(MarlixFourCC("lcql")) << 1;
    QTest::newRow("7.5 IRE keeps the Betacam bit")
        << Action([](const Controls& c) { click(c.ntscIre.buttons(), VideoOutputSettings::kIre75); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getAnalogVideoOutputFlags()); }) << 3ll << 1;
    QTest::newRow("Betacam off keeps the IRE bit")
        << Action([](const Controls& c) { QTest::mouseClick(c.betacam, Qt::LeftButton); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getAnalogVideoOutputFlags()); }) << 0ll << 1;
    QTest::newRow("composite picture adds the output")
        << Action([](const Controls& c) { click(c.analogOutputs.buttons(), int(kComposite)); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getVideoOutputConnection()); }) << 27ll << 1;
    QTest::newRow("component picture switches it off")
        << Action([](const Controls& c) { click(c.analogOutputs.buttons(), int(kComponent)); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getVideoOutputConnection()); }) << 3ll << 1;
    QTest::newRow("3D packing")
        << Action([](const Controls& c) {
               SettingsComboBox* combo = c.packing3D.combo();
               combo->setCurrentIndex(0);
               emit combo->activated(0);
           })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getHDMI3DPackingFormat()); })
        << qint64(MarlixFourCC("tabo")) << 1;
    QTest::newRow("reference reset writes zero")
        << Action([](const Controls& c) { c.referenceReset->click(); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getReferenceInputSamples()); }) << 0ll << 1;
    QTest::newRow("level reset writes zero")
        << Action([](const Controls& c) { c.levelsReset->click(); })
        << Reading([](const VisibleMarlix& d) { return qint64(d.getAnalogVideoOutputGainLevel(kComponent) * 100); })
        << 0ll << -1;
}

void TestVideoOutputSettings::eachControlWritesItsSetting()
{
    QFETCH(Action, action);
    QFETCH(Reading, reading);
    QFETCH(qint64, expected);
    QFETCH(int, writes);

    VisibleMarlix* rich = device(QStringLiteral("Rich"));
    rich->setAnalogVideoOutputFlags(kBetacamOnly);
    rich->setAnalogVideoOutputGainLevel(kComponent, 0.3);
    rich->setReferenceInputSamples(40);
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    QVERIFY(writesTo(QStringLiteral("rich"), true) > 0);
    action(tab->controls());
    QCOMPARE(reading(*rich), expected);
    // A click writes its own setting once; a reset may write several levels.
    if (writes >= 0)
        QCOMPARE(writesTo(QStringLiteral("rich")), writes);
    QCOMPARE(tab->settingsStatus(), int(SettingsPage::Changed));
    QVERIFY(tab->changedControls().isEmpty());
}

void TestVideoOutputSettings::levelRowsFollowTheOutput_data()
{
    QTest::addColumn<uint>("connection");
    QTest::addColumn<bool>("chroma");
    QTest::addColumn<bool>("cbCr");
    QTest::addColumn<bool>("ire");

    QTest::newRow("component: Y, Cb, Cr") << uint(1 | kComponent) << false << true << true;
    QTest::newRow("composite: Y and chroma") << uint(1 | kComposite) << true << false << true;
    QTest::newRow("no analog output: no IRE choice") << 3u << true << false << false;
}

void TestVideoOutputSettings::levelRowsFollowTheOutput()
{
    QFETCH(uint, connection);
    QFETCH(bool, chroma);
    QFETCH(bool, cbCr);
    QFETCH(bool, ire);

    device(QStringLiteral("Rich"))->setVideoOutputConnection(connection);
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    const Controls& c = tab->controls();
    QVERIFY(c.y->isVisibleTo(tab.get()));
    QCOMPARE(c.chroma->isVisibleTo(tab.get()), chroma);
    QCOMPARE(c.cb->isVisibleTo(tab.get()), cbCr);
    QCOMPARE(c.cr->isVisibleTo(tab.get()), cbCr);
    QCOMPARE(c.ntscIre.buttons()->button(VideoOutputSettings::kIre0)->isVisibleTo(tab.get()), ire);
    QCOMPARE(c.betacam->isVisibleTo(tab.get()), true);
}

void TestVideoOutputSettings::chromaMovesBothColourDifferences()
{
    VisibleMarlix* rich = device(QStringLiteral("Rich"));
    rich->setVideoOutputConnection(1 | kComposite);
    rich->setAnalogVideoOutputCbLevel(kComponent, -0.1);
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    typeValue(tab->controls().chroma, QStringLiteral("0.2"));
    QCOMPARE(tab->controls().cb->realValue(), 0.2);
    QCOMPARE(tab->controls().cr->realValue(), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputChromaGainLevel(kComposite), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputCbLevel(kComponent), 0.2);
    QCOMPARE(rich->getAnalogVideoOutputCrLevel(kComponent), 0.2);
}

void TestVideoOutputSettings::linkChoiceKeptWithNextChange()
{
    VisibleMarlix* rich = device(QStringLiteral("Rich"));
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    QVERIFY(tab->controls().cbCrLink->isLinked());
    // Linked by offset: a typed Cb moves Cr by as much.
    typeValue(tab->controls().cb, QStringLiteral("0.1"));
    QCOMPARE(tab->controls().cr->realValue(), 0.1);
    QCOMPARE(rich->getAnalogVideoOutputCrLevel(kComponent), 0.1);
    // The device's notifications of those writes show the same levels.
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(tab->controls().cb->realValue(), 0.1);
    QCOMPARE(tab->controls().cr->realValue(), 0.1);
    writesTo(QStringLiteral("rich"), true);
    tab->controls().cbCrLink->linkButton()->click();
    QVERIFY(!tab->controls().cbCrLink->isLinked());
    QCOMPARE(writesTo(QStringLiteral("rich")), 0);
    QCOMPARE(MarlixDeviceSettings(*rich).value(MarlixSettingsTab::kAnalogVideoOutputCbCrLinked, true).toBool(), true);

    typeValue(tab->controls().y, QStringLiteral("0.1"));
    QCOMPARE(MarlixDeviceSettings(*rich).value(MarlixSettingsTab::kAnalogVideoOutputCbCrLinked, true).toBool(), false);
    VisibleMarlix* other = device(QStringLiteral("Overall gain"));
    QCOMPARE(MarlixDeviceSettings(*other).value(MarlixSettingsTab::kAnalogVideoOutputCbCrLinked, true).toBool(), true);
    // Unlinked, Cb moves alone.
    typeValue(tab->controls().cb, QStringLiteral("0.3"));
    QCOMPARE(tab->controls().cr->realValue(), 0.1);
}

void TestVideoOutputSettings::tabOrderOnThePage()
{
    const QStringList mine{QStringLiteral("VideoOutputSettings"), QStringLiteral("ConversionsSettings"),
                           QStringLiteral("AboutSettings")};
    const QPair<QString, QStringList> expected[] = {
        {QStringLiteral("Rich"), mine},
        {QStringLiteral("Fixed analog"), mine},
        // Nothing to convert: that tab is dropped.
        {QStringLiteral("Plain"), {QStringLiteral("VideoOutputSettings"), QStringLiteral("AboutSettings")}},
    };
    for (const auto& row : expected) {
        MarlixSettingsPage page(*device(row.first));
        QStringList tabs;
        for (int i = 0; i < page.numTabs(); ++i) {
            const QString type = QLatin1String(page.getTab(i)->metaObject()->className());
            if (mine.contains(type))
                tabs << type;
        }
        QCOMPARE(tabs, row.second);
    }
}

QTEST_MAIN(TestVideoOutputSettings)
#include "tst_videooutputsettings.moc"
