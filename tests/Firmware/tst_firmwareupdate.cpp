#include "AdminUtilityWindow.h"
#include "BusyButton.h"
#include "CardPushButton.h"
#include "CommonDialogCard.h"
#include "DeviceFirmwareUpdater.h"
#include "FakeDevice.h"
#include "FirmwareUpdate.h"
#include "FirmwareUpdateDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <tuple>

namespace
{
// An updater the test drives by hand.
class ScriptedUpdater : public DeviceFirmwareUpdater
{
public:
    bool upToDate = false;
    int starts = 0;
    bool isFirmwareUpToDate() override { return upToDate; }
    void startUpdate() override { ++starts; }
};

class UpdatableDevice : public FakeDevice
{
public:
    using FakeDevice::FakeDevice;
    DeviceFirmwareUpdater* getFirmwareUpdater() override { return updater.get(); }
    std::unique_ptr<ScriptedUpdater> updater = std::make_unique<ScriptedUpdater>();
};

// The visible buttons' texts, left to right.
QStringList shownButtons(const CommonDialogCard* card)
{
    QStringList texts;
    for (CardPushButton* button : {card->noButton(), card->closeButton(), card->yesButton()}) {
        if (button->isVisibleTo(card))
            texts << button->text();
    }
    return texts;
}
}

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void endsWithoutUpdating_data();
    void endsWithoutUpdating();
    void termination_data();
    void termination();

private:
    CommonDialogCard* card() const { return m_update->dialog()->card(); }
    void accept() { card()->yesButton()->click(); }

    std::unique_ptr<AdminUtilityWindow> m_window;
    std::unique_ptr<UpdatableDevice> m_device;
    std::unique_ptr<FirmwareUpdate> m_update;
};

void TestFirmwareUpdate::init()
{
    m_window = std::make_unique<AdminUtilityWindow>();
    m_window->show();
    m_device = std::make_unique<UpdatableDevice>(QStringLiteral("Box"));
    m_update = std::make_unique<FirmwareUpdate>(m_window.get(), m_device.get());
}

void TestFirmwareUpdate::cleanup()
{
    m_update.reset();
    m_device.reset();
    m_window.reset();
}

void TestFirmwareUpdate::endsWithoutUpdating_data()
{
    QTest::addColumn<bool>("hasUpdater");
    QTest::addColumn<bool>("upToDate");
    QTest::newRow("no updater") << false << false;
    QTest::newRow("up to date") << true << true;
    QTest::newRow("declined") << true << false;
}

// Only a device that needs an update asks (its text is checked end to end in
// tst_netdevices); declining leaves the updater unstarted.
void TestFirmwareUpdate::endsWithoutUpdating()
{
    QFETCH(bool, hasUpdater);
    QFETCH(bool, upToDate);
    // Only a device with an updater and older software asks; declining is no success.
    const bool result = !hasUpdater || upToDate;
    m_device->updater->upToDate = upToDate;
    if (!hasUpdater)
        m_device->updater.reset();
    QSignalSpy done(m_update.get(), &FirmwareUpdate::firmwareUpdated);
    m_update->updateFirmware();
    QCOMPARE(m_update->dialog() != nullptr, !result);
    if (!result) {
        QCOMPARE(shownButtons(card()), QStringList({"Cancel", "Update"}));
        card()->noButton()->click();
        QVERIFY(!m_update->dialog()->isVisible());
        QCOMPARE(m_device->updater->starts, 0);
    }
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), result);
}

void TestFirmwareUpdate::termination_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("status");
    // The texts of the endings are read end to end in tst_netdevices.
    QTest::newRow("succeeded") << 0 << int(FirmwareUpdateDialog::Updated);
    QTest::newRow("failed") << 1 << int(FirmwareUpdateDialog::UpdateFailed);
    QTest::newRow("no verdict") << 7 << int(FirmwareUpdateDialog::Updating);
}

// Progress while it runs, known or not; the run ends with Close, or with the busy
// indicator when there is no verdict; the next run asks again in the same dialog.
void TestFirmwareUpdate::termination()
{
    QFETCH(int, code);
    QFETCH(int, status);
    const bool verdict = status != FirmwareUpdateDialog::Updating;
    QSignalSpy done(m_update.get(), &FirmwareUpdate::firmwareUpdated);
    m_update->updateFirmware();
    FirmwareUpdateDialog* first = m_update->dialog();
    accept();
    QCOMPARE(m_device->updater->starts, 1);
    QCOMPARE(int(m_update->dialog()->status()), int(FirmwareUpdateDialog::Updating));
    QProgressBar* bar = card()->progressBar();
    QVERIFY(bar->isVisibleTo(card()));
    // Unknown, known, and past the end.
    for (const auto& [percent, shown, text] :
         {std::tuple(-1, 0, "..."), std::tuple(40, 40, "40%"), std::tuple(130, 100, "100%")}) {
        emit m_device->updater->firmwareUpdateProgress(percent);
        QCOMPARE(bar->maximum(), percent < 0 ? 0 : 100);
        QCOMPARE(bar->value(), shown);
        QCOMPARE(card()->progressTextLabel()->text(), QLatin1String(text));
    }

    emit m_device->updater->firmwareUpdated(code);
    QCOMPARE(int(m_update->dialog()->status()), status);
    QCOMPARE(shownButtons(card()), verdict ? QStringList{"Close"} : QStringList{});
    QCOMPARE(done.count(), 0);
    // The run no longer listens: a late report changes nothing.
    emit m_device->updater->firmwareUpdateProgress(55);
    emit m_device->updater->firmwareUpdated(0);
    QCOMPARE(int(m_update->dialog()->status()), status);
    QVERIFY(card()->progressTextLabel()->text() != QStringLiteral("55%"));
    (verdict ? card()->closeButton() : static_cast<QAbstractButton*>(card()->busyButton()))->click();
    QVERIFY(!first->isVisible());
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), status == FirmwareUpdateDialog::Updated);

    m_update->updateFirmware();
    QCOMPARE(m_update->dialog(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(int(first->status()), int(FirmwareUpdateDialog::NeedsUpdate));
    accept();
    QCOMPARE(m_device->updater->starts, 2);
}

QTEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
