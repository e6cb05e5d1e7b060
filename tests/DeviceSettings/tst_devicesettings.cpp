#include "AboutSettings.h"
#include "AdminUtilityWindow.h"
#include "CardSection.h"
#include "MarlixDeviceSettings.h"
#include "MarlixProductCard.h"
#include "MarlixSettingsPage.h"
#include "SettingsLineEdit.h"
#include "SimulatedFleet.h"
#include "TabsFleet.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QtTest>


namespace {

// The topological ids of the profile's devices.
constexpr qint64 kKept = 77;
constexpr qint64 kAnonymous = 4242;
constexpr qint64 kHostile = 79;

enum Note
{
    kLabel = 0,
    kSerial = 1,
    kCompany = 2,
    kEMail = 4,
};

// Takes the URLs the program asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestDeviceSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void notesShowTheDevicesText();
    void eachAcceptableEditIsWritten_data();
    void eachAcceptableEditIsWritten();
    void refreshStormWritesNothing();
    void notesNeedAPersistentId_data();
    void notesNeedAPersistentId();
    void documentationIsNoSettingsChange_data();
    void documentationIsNoSettingsChange();
    void choicesKeptPerDevice_data();
    void choicesKeptPerDevice();
    void cardClosesWhenItsDeviceGoes();

private:
    // By slot: a saved label renames a device.
    VisibleMarlix* device(qint64 slot) const;

    TabsFleet m_fleet{QStringLiteral(CARD_TEST_PROFILE), 3};
    UrlRecorder m_urls;
};

VisibleMarlix* TestDeviceSettings::device(qint64 slot) const
{
    for (VisibleMarlix* candidate : m_fleet.devices()) {
        if (candidate->getTopologicalID() == slot)
            return candidate;
    }
    return nullptr;
}

void TestDeviceSettings::initTestCase()
{
    QVERIFY(m_fleet.configure());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
}

void TestDeviceSettings::init()
{
    QVERIFY2(m_fleet.start(), "the three devices of the profile did not arrive");
    m_urls.opened.clear();
}

// Each test starts from the profile's fleet with nothing stored.
void TestDeviceSettings::cleanup()
{
    QVERIFY(m_fleet.stop());
}

void TestDeviceSettings::notesShowTheDevicesText()
{
    VisibleMarlix* hostile = device(kHostile);
    QVERIFY(hostile);
    AboutSettings tab(*hostile);
    // Markup and control characters are text like any other.
    QCOMPARE(tab.noteEdit(kCompany)->text(), hostile->getInformationCompany());
    QVERIFY(tab.noteEdit(kCompany)->text().startsWith(QStringLiteral("<b>Bay</b> & \"4\"")));
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Unchanged));
}

void TestDeviceSettings::eachAcceptableEditIsWritten_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("status");

    QTest::newRow("label, one write a keystroke") << int(kLabel) << "Bay 2" << 5 << "Bay 2"
                                                  << int(SettingsPage::Changed);
    QTest::newRow("serial number") << int(kSerial) << "A1" << 2 << "A1" << int(SettingsPage::Changed);
    QTest::newRow("e-mail written once acceptable") << int(kEMail) << "a@b.co" << 1 << "a@b.co"
                                                   << int(SettingsPage::Changed);
    QTest::newRow("e-mail without at sign") << int(kEMail) << "sales" << 0 << "" << int(SettingsPage::Invalid);
    QTest::newRow("e-mail in capitals refused") << int(kEMail) << "A@B.CO" << 0 << "" << int(SettingsPage::Invalid);
}

void TestDeviceSettings::eachAcceptableEditIsWritten()
{
    QFETCH(int, note);
    QFETCH(QString, typed);
    QFETCH(int, writes);
    QFETCH(QString, stored);
    QFETCH(int, status);

    VisibleMarlix* kept = device(kKept);
    AboutSettings tab(*kept);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QCOMPARE(TabsFleet::writes("kept", true), 0);
    typeInto(tab.noteEdit(note), typed);
    QCOMPARE(TabsFleet::writes("kept"), writes);
    QCOMPARE(tab.settingsStatus(), status);
    const QString values[] = {kept->getInformationLabel(), kept->getInformationSerialNumber(), QString(), QString(),
                              kept->getInformationEMail()};
    QCOMPARE(values[note], stored);
    QVERIFY(tab.changedControls().isEmpty());
}

void TestDeviceSettings::refreshStormWritesNothing()
{
    VisibleMarlix* kept = device(kKept);
    MarlixSettingsPage page(*kept);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* about = qobject_cast<AboutSettings*>(page.getTab(0));
    QVERIFY(about);
    typeInto(about->noteEdit(kLabel), QStringLiteral("Bay"));
    QCOMPARE(TabsFleet::writes("kept", true), 3);
    // The notifications of those three writes are still on their way: let them land first.
    TabsFleet::settle();

    QObject context;
    int refreshes = 0;
    connect(kept, &VisibleMarlix::propertyChanged, &context, [&refreshes] { ++refreshes; });
    QVERIFY(SimulatedFleet::control(QStringLiteral("storm kept pref 10000")));
    QVERIFY(SimulatedFleet::control(QStringLiteral("wait")));
    QTRY_COMPARE_WITH_TIMEOUT(refreshes, 10000, 30000);
    QCOMPARE(TabsFleet::writes("kept"), 0);
    QCOMPARE(about->noteEdit(kLabel)->text(), QStringLiteral("Bay"));
    QCOMPARE(kept->getInformationLabel(), QStringLiteral("Bay"));
}

void TestDeviceSettings::notesNeedAPersistentId_data()
{
    QTest::addColumn<qint64>("slot");
    QTest::addColumn<bool>("notesShown");

    QTest::newRow("persistent id") << kKept << true;
    QTest::newRow("no persistent id") << kAnonymous << false;
}

void TestDeviceSettings::notesNeedAPersistentId()
{
    QFETCH(qint64, slot);
    QFETCH(bool, notesShown);
    AboutSettings tab(*device(slot));
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QCOMPARE(tab.productNotesSection()->isVisible(), notesShown);
    for (CardSection* section : tab.sections()) {
        if (section != tab.productNotesSection())
            QVERIFY2(section->isVisible(), qPrintable(section->title()));
    }
}

void TestDeviceSettings::documentationIsNoSettingsChange_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("path");

    QTest::newRow("manual") << 0 << AboutSettings::kManualPath;
    QTest::newRow("read-me") << 2 << AboutSettings::kReadmePath;
}

void TestDeviceSettings::documentationIsNoSettingsChange()
{
    QFETCH(int, id);
    QFETCH(QString, path);
    AboutSettings tab(*device(kKept));
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QSignalSpy status(&tab, &SettingsTab::settingsStatusChanged);
    QAbstractButton* button = tab.documentationButtons()->button(id);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Unchanged));
    QCOMPARE(status.count(), 0);
    QVERIFY(!button->isChecked());
}

void TestDeviceSettings::choicesKeptPerDevice_data()
{
    QTest::addColumn<qint64>("slot");
    QTest::addColumn<QString>("group");

    QTest::newRow("by persistent id") << kKept << "9100";
    QTest::newRow("by topological id") << kAnonymous << "4242";
}

void TestDeviceSettings::choicesKeptPerDevice()
{
    QFETCH(qint64, slot);
    QFETCH(QString, group);
    VisibleMarlix* chosen = device(slot);
    {
        MarlixDeviceSettings settings(*chosen);
        QCOMPARE(settings.group(), group);
        QCOMPARE(settings.value(MarlixSettingsTab::kAnalogVideoInputCbCrLinked, true).toBool(), true);
        settings.setValue(MarlixSettingsTab::kAnalogVideoInputCbCrLinked, false);
    }
    // As after a restart: a fresh store reads what the last one wrote, and no other device shares it.
    QCOMPARE(MarlixDeviceSettings(*chosen).value(MarlixSettingsTab::kAnalogVideoInputCbCrLinked, true).toBool(),
             false);
    VisibleMarlix* other = device(slot == kKept ? kAnonymous : kKept);
    QCOMPARE(MarlixDeviceSettings(*other).value(MarlixSettingsTab::kAnalogVideoInputCbCrLinked, true).toBool(), true);
    MarlixDeviceSettings(*chosen).setValue(MarlixSettingsTab::kAnalogVideoInputCbCrLinked, true);
}

void TestDeviceSettings::cardClosesWhenItsDeviceGoes()
{
    AdminUtilityWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<MarlixProductCard> card = new MarlixProductCard(*device(kKept), &window);
    card->show();
    QCOMPARE(card->currentPage(), static_cast<StatusPage*>(card->settingsPage()));
    QCOMPARE(card->settingsPage()->numTabs(), 1);
    QVERIFY(SimulatedFleet::control(QStringLiteral("unplug kept")));
    QTRY_VERIFY(card.isNull());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestDeviceSettings)
#include "tst_devicesettings.moc"
