// The Video Input, Audio, Connectors and Serial Port tabs end to end: the real
// program against the simulator, worked through its widgets, saved, restarted,
// cancelled, and refused by the driver.
#include "ProbedApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

const QString kProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/input-tabs.json");
constexpr int kDevices = 5;

} // namespace

class TestTabsInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void videoInputSurvivesRestartAndCancel();
    void linkedChoiceSurvivesRestart();
    void audioSerialAndConnectorsSurviveRestart();
    void refusedValueComesBackWithoutWriteLoop();

private:
    void start();
    void restart();
    void command(const QString& line);
    void openTab(const QString& device, const QString& tab);
    void closeCard(const QString& button);
    // What the open tab shows for a control: a button's check state as
    // "true"/"false", a slider's field text, a combo box's item text.
    QString shown(const QString& name);
    int writes(const QString& device, bool reset = false);
    // The value the device works with now, as the simulator describes it.
    QString live(const QString& device, const QString& item);

    std::unique_ptr<ProbedApp> m_app;
};

void TestTabsInput::init()
{
    m_app = std::make_unique<ProbedApp>(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    start();
}

void TestTabsInput::cleanup()
{
    m_app->stop();
    const QString errors = m_app->standardError();
    QVERIFY2(m_app->process().exitStatus() == QProcess::NormalExit && m_app->process().exitCode() == 0,
             qPrintable(QStringLiteral("exit code %1: %2").arg(m_app->process().exitCode()).arg(errors)));
    m_app.reset();
}

void TestTabsInput::start()
{
    QString error;
    QVERIFY2(m_app->start(kProfile, &error), qPrintable(error));
    QVERIFY(!m_app->command(QStringLiteral("wait-rows %1").arg(kDevices), 20000).contains("error"));
}

// A new process reads what the driver and the settings store kept.
void TestTabsInput::restart()
{
    m_app->stop();
    start();
}

void TestTabsInput::command(const QString& line)
{
    const QJsonObject answer = m_app->command(line);
    QVERIFY2(answer.value("ok").toBool(), qPrintable(line + ": " + answer.value("error").toString()));
    QVERIFY(m_app->command("settle").value("ok").toBool());
}

void TestTabsInput::openTab(const QString& device, const QString& tab)
{
    const QJsonArray rows = m_app->command("snapshot").value("list").toObject().value("rows").toArray();
    int index = -1;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString() == device)
            index = row;
    }
    QVERIFY2(index >= 0, qPrintable(device));
    command(QStringLiteral("open-row %1").arg(index));
    QTRY_VERIFY(m_app->command("card").value("open").toBool());
    command("card-tab " + tab);
}

void TestTabsInput::closeCard(const QString& button)
{
    command(button);
    QTRY_VERIFY(!m_app->command("card").value("open").toBool());
}

QString TestTabsInput::shown(const QString& name)
{
    const QJsonArray controls = m_app->command("card-controls").value("controls").toArray();
    for (const QJsonValue& value : controls) {
        const QJsonObject control = value.toObject();
        if (control.value("name").toString() != name)
            continue;
        if (control.value("kind").toString() == QLatin1String("button"))
            return control.value("checked").toBool() ? QStringLiteral("true") : QStringLiteral("false");
        return control.value("value").toString();
    }
    return QStringLiteral("(not shown)");
}

int TestTabsInput::writes(const QString& device, bool reset)
{
    QString answer;
    const QString suffix = reset ? QStringLiteral(" reset") : QString();
    if (!m_app->simCommand(QStringLiteral("writes %1%2").arg(device, suffix), &answer))
        return -1;
    return answer.mid(answer.indexOf(QLatin1Char('\n')) + 1).trimmed().toInt();
}

QString TestTabsInput::live(const QString& device, const QString& item)
{
    QString said;
    if (!m_app->simctl({QStringLiteral("setting"), device, item}, &said))
        return QStringLiteral("error: ") + said;
    const QStringList lines = said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

void TestTabsInput::videoInputSurvivesRestartAndCancel()
{
    openTab("Studio", "Video Input");
    QCOMPARE(shown("Y:"), QStringLiteral("(not shown)"));
    command("card-click Composite");
    QCOMPARE(shown("Composite"), QStringLiteral("true"));
    QCOMPARE(live("studio", "vicn"), QStringLiteral("16"));
    command("card-drag Y: 40");
    const QString dragged = shown("Y:");
    QVERIFY2(dragged != QLatin1String("0.00"), qPrintable(dragged));
    command("card-slider Chroma: 0.3");
    command("card-click Use XLR Timecode Input");
    command("card-click 7.5 (USA)");
    closeCard("card-save");

    restart();
    openTab("Studio", "Video Input");
    QCOMPARE(shown("Composite"), QStringLiteral("true"));
    QCOMPARE(shown("Y:"), dragged);
    QCOMPARE(shown("Chroma:"), QStringLiteral("0.30"));
    QCOMPARE(shown("Use XLR Timecode Input"), QStringLiteral("true"));
    QCOMPARE(shown("7.5 (USA)"), QStringLiteral("true"));

    command("card-click 0.0 (Japan)");
    command("card-slider Chroma: -0.2");
    closeCard("card-cancel");
    openTab("Studio", "Video Input");
    QCOMPARE(shown("7.5 (USA)"), QStringLiteral("true"));
    QCOMPARE(shown("Chroma:"), QStringLiteral("0.30"));
    closeCard("card-cancel");
}

void TestTabsInput::linkedChoiceSurvivesRestart()
{
    openTab("Studio", "Video Input");
    command("card-click Component");
    command("card-slider Cb: 0.2");
    // Linked at first: Cr moves with Cb.
    QCOMPARE(shown("Cr:"), QStringLiteral("0.20"));
    command("card-link");
    command("card-slider Cb: 0.1");
    QCOMPARE(shown("Cr:"), QStringLiteral("0.20"));
    closeCard("card-save");

    restart();
    openTab("Studio", "Video Input");
    command("card-slider Cb: 0.4");
    QCOMPARE(shown("Cr:"), QStringLiteral("0.20"));
    closeCard("card-cancel");
}

void TestTabsInput::audioSerialAndConnectorsSurviveRestart()
{
    openTab("Studio", "Audio");
    command("card-click XLR");
    QCOMPARE(shown("Channel 4:"), QStringLiteral("0.00"));
    // A typed value past the top is taken as the top; the linked channel follows.
    command("card-slider Channel 1: 20");
    QCOMPARE(shown("Channel 1:"), QStringLiteral("12.00"));
    QCOMPARE(shown("Channel 2:"), QStringLiteral("12.00"));
    QCOMPARE(live("studio", "aicn"), QStringLiteral("8"));
    command("card-click 2 Analog & 6 AES/EBU");
    QCOMPARE(live("studio", "aoaa"), QStringLiteral("'aes '"));
    command("card-tab Serial Port");
    command("card-click Remote 2");
    QCOMPARE(live("studio", "dcco"), QStringLiteral("2"));
    closeCard("card-save");
    openTab("Duo (2)", "Connectors");
    QCOMPARE(shown("Connector:"), QStringLiteral("SDI 2"));
    command("card-combo Connector: 1");
    closeCard("card-save");

    restart();
    openTab("Studio", "Audio");
    QCOMPARE(shown("XLR"), QStringLiteral("true"));
    QCOMPARE(shown("Channel 1:"), QStringLiteral("12.00"));
    QCOMPARE(shown("2 Analog & 6 AES/EBU"), QStringLiteral("true"));
    command("card-tab Serial Port");
    QCOMPARE(shown("Remote 2"), QStringLiteral("true"));
    closeCard("card-cancel");
    // The partner gave its connector up: the owner now runs both in full duplex.
    openTab("Duo (1)", "Connectors");
    QCOMPARE(shown("Connector:"), QStringLiteral("SDI 1 & SDI 2"));
    closeCard("card-cancel");
}

void TestTabsInput::refusedValueComesBackWithoutWriteLoop()
{
    openTab("Studio", "Serial Port");
    QVERIFY(m_app->simCommand("fail studio Configuration.SetInt:dcco 1"));
    QCOMPARE(writes("studio", true) >= 0, true);
    command("card-click Remote 2");
    QCOMPARE(shown("Remote 2"), QStringLiteral("true"));

    QVERIFY(m_app->simCommand("storm studio pref 20"));
    QVERIFY(m_app->simCommand("wait"));
    QVERIFY(m_app->command("settle", 30000).value("ok").toBool());
    QCOMPARE(shown("Remote 1"), QStringLiteral("true"));
    // The one refused attempt, and nothing written back by the refreshes.
    QVERIFY(writes("studio") <= 1);
    closeCard("card-cancel");
}

QTEST_MAIN(TestTabsInput)
#include "tst_e2e_tabsinput.moc"
