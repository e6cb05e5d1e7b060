// The device settings tabs in the real program against the simulator: one
// control of each kind changed through its widget, the live value read back
// through marlix-simctl, kept by "Save" across a restart and dropped by
// "Cancel"; a linked pair's choice kept across a restart; a value the driver
// refuses shown again at the next refresh, with nothing written back.
#include "ProbedCase.h"

#include <QtTest>

namespace {

// The device's label, profile and the number of devices that profile lists, by simulator id.
struct Device
{
    QString label;
    QString profile;
    int devices;
};

const QString kOutputs = QStringLiteral(LUMARIS_TEST_PROFILES "/output-tabs.json");
const QString kInputs = QStringLiteral(LUMARIS_TEST_PROFILES "/input-tabs.json");
const QMap<QString, Device> kDevices{
    {"rich", {"Rich", kOutputs, 4}}, {"studio", {"Studio", kInputs, 5}}, {"duo-2", {"Duo (2)", kInputs, 5}}};

// Stands for "whatever the control made of the user's gesture", as after a drag.
const char* const kAnyNewValue = "*";

// A control changed on a tab after the lines before; the device's item that takes
// the value (on writtenTo, a partner's owner, when set) and what the control shows.
struct Edit
{
    QString device;
    QString tab;
    QStringList before;
    QString change;
    QString item;
    QString value;
    QString control;
    QString shows;
    QString changeAgain;
    QString writtenTo = QString();
};

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTabs : public ProbedCase
{
    Q_OBJECT

private slots:
    void controlReachesDeviceSaveKeepsCancelReverts_data();
    void controlReachesDeviceSaveKeepsCancelReverts();
    void linkChoiceSurvivesRestart_data();
    void linkChoiceSurvivesRestart();
    void refusedValueComesBackWithoutWrites_data();
    void refusedValueComesBackWithoutWrites();

private:
    // The same simulator state and settings store, a new program, the device's tab open.
    void restart(const QString& device, const QString& tab);
    // Probe commands on the card, each answered "ok", and everything they set off handled.
    void act(const QStringList& lines);
    // The value the device works with now, as the simulator tool describes it.
    QString live(const QString& device, const QString& item);
    int writes(const QString& device, bool reset = false);
    void openTab(const QString& device, const QString& title);
    void closeWith(const QString& button);
    // What the open tab shows for a control: a button's check state as
    // "true"/"false", a slider's field text, a combo box's item text.
    QString shown(const QString& control);
};

void TestTabs::restart(const QString& device, const QString& tab)
{
    QVERIFY(m_app->stop());
    QVERIFY(start(kDevices.value(device).profile, kDevices.value(device).devices));
    openTab(device, tab);
}

void TestTabs::act(const QStringList& lines)
{
    for (const QString& line : lines) {
        QVERIFY2(command(line), qPrintable(line));
        QVERIFY(m_app->command(QStringLiteral("settle"), 30000).contains("ok"));
    }
}

QString TestTabs::live(const QString& device, const QString& item)
{
    QString said;
    if (!m_app->simctl({QStringLiteral("setting"), device, item}, &said))
        return QStringLiteral("error: ") + said;
    const QStringList lines = said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

int TestTabs::writes(const QString& device, bool reset)
{
    QString said;
    if (!m_app->simCommand(QStringLiteral("writes %1%2").arg(device, reset ? QStringLiteral(" reset") : QString()),
                           &said))
        return -1;
    return said.mid(said.indexOf(QLatin1Char('\n')) + 1).trimmed().toInt();
}

void TestTabs::openTab(const QString& device, const QString& title)
{
    QVERIFY2(m_app->openCard(kDevices.value(device).label), qPrintable(device));
    act({QStringLiteral("card-tab ") + title});
}

void TestTabs::closeWith(const QString& button)
{
    act({button});
    QTRY_VERIFY(!m_app->command(QStringLiteral("card")).value("open").toBool());
}

QString TestTabs::shown(const QString& control)
{
    // Of two with one name (a channel of the input and of the output levels) the first counts.
    for (const QJsonValue& each : m_app->command(QStringLiteral("controls")).value("controls").toArray()) {
        const QJsonObject shown = each.toObject();
        if (shown.value("current").toBool() && shown.value("shown").toBool() && shown.value("name") == control)
            return shown.value("value").toString();
    }
    return QStringLiteral("(not shown)");
}

void TestTabs::controlReachesDeviceSaveKeepsCancelReverts_data()
{
    QTest::addColumn<Edit>("edit");
    const auto row = [](const char* name, const Edit& edit) { QTest::newRow(name) << edit; };
    const QStringList composite{QStringLiteral("card-click Composite")};
    const QStringList xlr{QStringLiteral("card-click XLR")};

    row("output combo box: 3D packing", {"rich", "Video Output", {}, "card-choose Side by Side", "3dpf", "'sbsh'",
                                         "3D output:", "Side by Side", "card-choose Line by Line"});
    row("output radio button: single field when paused",
        {"rich", "Video Output", {}, "card-click Display a single field on video output", "fdfr", "true",
         "Display a single field on video output", "true", "card-click Display a full frame on video output"});
    row("output check box: Betacam levels", {"rich", "Video Output", {}, "card-click Use Betacam Levels", "avof", "3",
                                             "Use Betacam Levels", "true", "card-click Use Betacam Levels"});
    row("output typed slider value, clamped", {"rich", "Video Output", {}, "card-field Offset: 600", "glot", "511",
                                               "Offset:", "511", "card-field Offset: -20"});
    row("output slider drag", {"rich", "Video Output", {}, "card-drag Offset: 60", "glot", kAnyNewValue, "Offset:", "",
                               "card-drag Offset: -120"});
    row("output picture button: composite on", {"rich", "Video Output", {}, "card-click Composite", "vocn", "27",
                                                "Composite", "true", "card-click Composite"});
    row("output linked pair: Cr follows Cb", {"rich", "Video Output", {}, "card-field Cb: 0.2", "occr", "0.2", "Cr:",
                                              "0.20", "card-field Cr: -0.1"});
    row("conversions combo box: output group", {"rich", "Conversions", {}, "card-choose HD to SD", "vocm", "'HWlb'",
                                                "Output conversion:", "HD to SD", "card-choose SD to HD 720p"});
    row("conversions picture button: mode", {"rich", "Conversions", {"card-choose SD to HD"}, "card-click Anamorphic",
                                             "vicm", "'amup'", "Anamorphic", "true", "card-click Pillarbox"});
    row("input picture button: connection", {"studio", "Video Input", {}, "card-click Composite", "vicn", "16",
                                             "Composite", "true", "card-click HDMI"});
    row("input slider drag", {"studio", "Video Input", composite, "card-drag Y: 40", "iilg", kAnyNewValue, "Y:", "",
                              "card-drag Y: -80"});
    row("input typed slider value", {"studio", "Video Input", composite, "card-field Chroma: 0.3", "iicg", "0.3",
                                     "Chroma:", "0.30", "card-field Chroma: -0.2"});
    row("input check box: timecode", {"studio", "Video Input", {}, "card-click Use XLR Timecode Input", "dltc", "true",
                                      "Use XLR Timecode Input", "true", "card-click Use XLR Timecode Input"});
    row("input radio button: NTSC IRE", {"studio", "Video Input", composite, "card-click 7.5 (USA)", "avof", "1",
                                         "7.5 (USA)", "true", "card-click 0.0 (Japan)"});
    row("input linked pair: Cr follows Cb", {"studio", "Video Input", {"card-click Component"}, "card-field Cb: 0.2",
                                             "iccr", "0.2", "Cr:", "0.20", "card-field Cr: -0.1"});
    row("audio picture button: input", {"studio", "Audio", {}, "card-click XLR", "aicn", "8", "XLR", "true",
                                        "card-click RCA"});
    row("audio typed value past the top, linked channel follows",
        {"studio", "Audio", xlr, "card-field Channel 1: 20", "ais2", "12", "Channel 2:", "12.00",
         "card-field Channel 2: -3"});
    row("audio radio button: output split", {"studio", "Audio", {}, "card-click 2 Analog & 6 AES/EBU", "aoaa", "'aes '",
                                             "2 Analog & 6 AES/EBU", "true", "card-click 4 Analog & 2 AES/EBU"});
    row("serial port radio button",
        {"studio", "Serial Port", {}, "card-click Remote 2", "dcco", "2", "Remote 2", "true", "card-click Remote 1"});
    row("connectors combo box: partner gives its connector up",
        {"duo-2", "Connectors", {}, "card-choose None", "dupx", "'fdup'", "Connector:", "None", "card-choose SDI 2",
         "duo-1"});
}

void TestTabs::controlReachesDeviceSaveKeepsCancelReverts()
{
    QFETCH(Edit, edit);
    const QString owner = edit.writtenTo.isEmpty() ? edit.device : edit.writtenTo;

    restart(edit.device, edit.tab);
    const QString original = live(owner, edit.item);
    act(edit.before + QStringList{edit.change});
    const QString stored = live(owner, edit.item);
    QString shows = edit.shows;
    if (edit.value == kAnyNewValue) {
        QVERIFY2(stored != original, qPrintable(stored));
        shows = shown(edit.control);
        QCOMPARE(shows.toDouble(), stored.toDouble());
    } else {
        QCOMPARE(stored, edit.value);
        QCOMPARE(shown(edit.control), shows);
    }
    closeWith(QStringLiteral("card-save"));

    restart(edit.device, edit.tab);
    QCOMPARE(live(owner, edit.item), stored);
    QCOMPARE(shown(edit.control), shows);
    act({edit.changeAgain});
    QVERIFY(live(owner, edit.item) != stored);
    closeWith(QStringLiteral("card-cancel"));
    QTRY_COMPARE(live(owner, edit.item), stored);
    openTab(edit.device, edit.tab);
    QCOMPARE(shown(edit.control), shows);
}

void TestTabs::linkChoiceSurvivesRestart_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("cb");
    QTest::addColumn<QString>("cr");

    QTest::newRow("Video Output") << "rich" << "Video Output" << QStringList() << "occb" << "occr";
    QTest::newRow("Video Input") << "studio" << "Video Input" << QStringList{"card-click Component"} << "iccb"
                                 << "iccr";
}

// Unlinked and kept with a change: after a restart Cb moves alone.
void TestTabs::linkChoiceSurvivesRestart()
{
    QFETCH(QString, device);
    QFETCH(QString, tab);
    QFETCH(QStringList, before);
    QFETCH(QString, cb);
    QFETCH(QString, cr);

    restart(device, tab);
    act(before + QStringList{"card-link", "card-field Cb: 0.1"});
    closeWith(QStringLiteral("card-save"));

    restart(device, tab);
    const QString crBefore = live(device, cr);
    act({"card-field Cb: 0.3"});
    QCOMPARE(live(device, cb), QStringLiteral("0.3"));
    QCOMPARE(live(device, cr), crBefore);
}

void TestTabs::refusedValueComesBackWithoutWrites_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("writtenTo");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shows");

    QTest::newRow("combo box") << "rich" << "Video Output" << "card-choose Side by Side" << "rich" << "SetInt:3dpf"
                               << "3D output:" << "Frame Packing";
    QTest::newRow("radio button") << "studio" << "Serial Port" << "card-click Remote 2" << "studio" << "SetInt:dcco"
                                  << "Remote 1" << "true";
    QTest::newRow("partner's choice, refused by the owner")
        << "duo-2" << "Connectors" << "card-choose None" << "duo-1" << "Set*" << "Connector:" << "SDI 2";
}

void TestTabs::refusedValueComesBackWithoutWrites()
{
    QFETCH(QString, device);
    QFETCH(QString, tab);
    QFETCH(QString, change);
    QFETCH(QString, writtenTo);
    QFETCH(QString, refused);
    QFETCH(QString, control);
    QFETCH(QString, shows);

    restart(device, tab);
    QVERIFY(sim(QStringLiteral("fail %1 Configuration.%2").arg(writtenTo, refused)));
    act({change});
    QVERIFY(writes(device, true) >= 0 && writes(writtenTo, true) >= 0);
    // Any notification refreshes the tab: the driver's value is shown again.
    QVERIFY(sim(QStringLiteral("storm %1 pref 20").arg(device)) && sim(QStringLiteral("wait")));
    QTRY_COMPARE(shown(control), shows);
    QCOMPARE(writes(device), 0);
    QCOMPARE(writes(writtenTo), 0);
}

QTEST_MAIN(TestTabs)
#include "tst_e2e_tabs.moc"
