#include "ConversionsSettings.h"
#include "MarlixCodes.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SimulatedFleet.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>

#include <memory>

namespace {

// The ids of the picture buttons shown, or an empty list without a "Display As:" row.
QList<int> shownModes(const QButtonGroup* modes, const QWidget* tab)
{
    QList<int> ids;
    if (!modes)
        return ids;
    for (QAbstractButton* button : modes->buttons()) {
        if (button->isVisibleTo(tab))
            ids << modes->id(button);
    }
    return ids;
}

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class TestConversionsSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void groupsOfferedByTheDevice_data();
    void groupsOfferedByTheDevice();
    void choosingAGroupWritesItsFirstMode_data();
    void choosingAGroupWritesItsFirstMode();
    void opensOnTheDevicesModesAndWritesEachChoice();

private:
    std::unique_ptr<ConversionsSettings> openTab(const QString& name);

    QTemporaryDir m_config;
    std::unique_ptr<SimulatedFleet> m_fleet;
};

void TestConversionsSettings::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    SimulatedFleet::configure(QStringLiteral(OUTPUT_TABS_PROFILE));
}

void TestConversionsSettings::init()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    QVERIFY2(m_fleet->start(4), "the four devices of the profile did not arrive");
}

void TestConversionsSettings::cleanup()
{
    m_fleet.reset();
    QString error;
    QVERIFY2(SimulatedFleet::resetFleet(&error), qPrintable(error));
}

std::unique_ptr<ConversionsSettings> TestConversionsSettings::openTab(const QString& name)
{
    VisibleMarlix* device = m_fleet->device(name);
    if (!device)
        return nullptr;
    auto tab = std::make_unique<ConversionsSettings>(*device);
    tab->show();
    if (!QTest::qWaitForWindowExposed(tab.get()))
        return nullptr;
    return tab;
}

void TestConversionsSettings::groupsOfferedByTheDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("inputGroups");
    QTest::addColumn<QStringList>("outputGroups");
    QTest::addColumn<bool>("outputEnabled");
    QTest::addColumn<bool>("empty");

    QTest::newRow("all input groups, output groups with a supported mode")
        << "Rich" << QStringList{"None", "HD (1080) to SD", "HD (720) to SD", "SD to HD"}
        << QStringList{"None", "HD to SD", "SD to HD 720p", "UHD 2160p to HD 1080p"} << true << false;
    QTest::newRow("converting by application: output locked")
        << "Fixed analog" << QStringList() << QStringList{"None", "HD to SD"} << false << false;
    QTest::newRow("no conversion at all: empty") << "Plain" << QStringList() << QStringList() << true << true;
}

void TestConversionsSettings::groupsOfferedByTheDevice()
{
    QFETCH(QString, device);
    QFETCH(QStringList, inputGroups);
    QFETCH(QStringList, outputGroups);
    QFETCH(bool, outputEnabled);
    QFETCH(bool, empty);

    auto tab = openTab(device);
    QVERIFY(tab);
    QCOMPARE(items(tab->inputGroups()), inputGroups);
    QCOMPARE(items(tab->outputGroups()), outputGroups);
    if (tab->outputGroups())
        QCOMPARE(tab->outputGroups()->isEnabled(), outputEnabled);
    QCOMPARE(tab->isEmpty(), empty);
}

void TestConversionsSettings::choosingAGroupWritesItsFirstMode_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<uint>("written");

    QTest::newRow("HD to SD offers the supported modes")
        << true << "HD to SD" << QList<int>{int(MarlixFourCC("HWlb")), int(MarlixFourCC("HWam")), int(MarlixFourCC("HWcc"))}
        << uint(MarlixFourCC("HWlb"));
    QTest::newRow("a single mode shows no choice") << true << "UHD 2160p to HD 1080p" << QList<int>()
                                                   << uint(MarlixFourCC("HWud"));
    QTest::newRow("input SD to HD") << false << "SD to HD" << QList<int>{int(MarlixFourCC("lbup")), int(MarlixFourCC("amup"))}
                                    << uint(MarlixFourCC("lbup"));
}

void TestConversionsSettings::choosingAGroupWritesItsFirstMode()
{
    QFETCH(bool, output);
    QFETCH(QString, group);
    QFETCH(QList<int>, shown);
    QFETCH(uint, written);

    VisibleMarlix* rich = m_fleet->device(QStringLiteral("Rich"));
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    choose(output ? tab->outputGroups() : tab->inputGroups(), group);
    // Rows added to a shown tab appear on the next turn of the event loop.
    QTRY_COMPARE(shownModes(output ? tab->outputModes() : tab->inputModes(), tab.get()), shown);
    QCOMPARE(output ? rich->getOutputConversionMode() : rich->getInputConversionMode(), written);
    QCOMPARE(tab->convertAnalogOutputs() != nullptr, output);

    // Back to "None": no modes to show, and "none" is written.
    choose(output ? tab->outputGroups() : tab->inputGroups(), QStringLiteral("None"));
    QCOMPARE(output ? tab->outputModes() : tab->inputModes(), nullptr);
    QCOMPARE(tab->convertAnalogOutputs(), nullptr);
    QCOMPARE(output ? rich->getOutputConversionMode() : rich->getInputConversionMode(), MarlixFourCC("none"));
}

void TestConversionsSettings::opensOnTheDevicesModesAndWritesEachChoice()
{
    VisibleMarlix* rich = m_fleet->device(QStringLiteral("Rich"));
    rich->setOutputConversionMode(MarlixFourCC("HWlb"));
    rich->setInputConversionMode(MarlixFourCC("72am"));
    auto tab = openTab(QStringLiteral("Rich"));
    QVERIFY(tab);
    // Opened, the tab shows the device's modes, not the first of their groups.
    QCOMPARE(tab->outputGroups()->currentText(), QStringLiteral("HD to SD"));
    QCOMPARE(tab->outputModes()->checkedId(), int(MarlixFourCC("HWlb")));
    QCOMPARE(tab->inputGroups()->currentText(), QStringLiteral("HD (720) to SD"));
    QCOMPARE(tab->inputModes()->checkedId(), int(MarlixFourCC("72am")));
    QString answer;
    QVERIFY(SimulatedFleet::control(QStringLiteral("writes rich reset")));
    QTest::mouseClick(tab->outputModes()->button(int(MarlixFourCC("HWcc"))), Qt::LeftButton);
    QCOMPARE(rich->getOutputConversionMode(), MarlixFourCC("HWcc"));
    QTest::mouseClick(tab->convertAnalogOutputs(), Qt::LeftButton);
    QCOMPARE(rich->getDownConversionOnAllAnalogOutputs(), true);
    QVERIFY(SimulatedFleet::control(QStringLiteral("writes rich"), &answer));
    QCOMPARE(answer.mid(answer.indexOf(QLatin1Char('\n')) + 1).trimmed(), QStringLiteral("2"));
    // The device's notifications of those writes keep the row and the choice.
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QTRY_VERIFY(tab->convertAnalogOutputs() && tab->convertAnalogOutputs()->isChecked());
    QCOMPARE(tab->outputModes()->checkedId(), int(MarlixFourCC("HWcc")));
}

QTEST_MAIN(TestConversionsSettings)
#include "tst_conversionssettings.moc"
