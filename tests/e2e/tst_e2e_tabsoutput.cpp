// The Video Output and Conversions tabs in the real program: one control of
// each kind changed through its widget, the live value read from the
// simulator, kept by "Save" across a restart and dropped by "Cancel".
#include "ProbedApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

const QString kProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/output-tabs.json");
const QString kDevice = QStringLiteral("rich");
const QString kLabel = QStringLiteral("Rich");
// Stands for "whatever the control made of the user's gesture", as after a drag.
const QString kAnyNewValue = QStringLiteral("*");

} // namespace

class TestTabsOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void controlReachesDeviceSaveKeepsCancelReverts_data();
    void controlReachesDeviceSaveKeepsCancelReverts();
    void linkChoiceSurvivesRestart();
    void rejectedValueComesBackWithoutWrites();

private:
    void start();
    void restart();
    void command(const QString& line);
    void simctl(const QString& line, QString* output = nullptr);
    QString live(const QString& item);
    int writes(bool reset = false);
    void openTab(const QString& title);
    QJsonObject tab();
    void closeWith(const QString& button);
    static bool shows(const QJsonObject& tab, const QString& text);

    std::unique_ptr<ProbedApp> m_app;
    bool m_liveReadable = false;
};

void TestTabsOutput::cleanup()
{
    if (m_app)
        m_app->stop();
    m_app.reset();
}

void TestTabsOutput::start()
{
    if (!m_app)
        m_app = std::make_unique<ProbedApp>(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    QVERIFY2(m_app->start(kProfile, &error), qPrintable(error));
    QVERIFY(!m_app->command(QStringLiteral("wait-rows 4"), 20000).contains("error"));
    QString said;
    m_liveReadable = m_app->simctl({QStringLiteral("setting"), kDevice, QStringLiteral("vocn")}, &said);
}

// Without a simulator that shows its live settings there is nothing to check against.
#define START_WITH_LIVE_SETTINGS()                                                                          \
    do {                                                                                                   \
        start();                                                                                           \
        if (!m_liveReadable)                                                                               \
            QSKIP("this simulator cannot show its live settings");                                         \
    } while (false)

// The same simulator state and settings store, a new program.
void TestTabsOutput::restart()
{
    m_app->stop();
    start();
}

void TestTabsOutput::command(const QString& line)
{
    const QJsonObject answer = m_app->command(line);
    QVERIFY2(!answer.contains("error"), qPrintable(line + QStringLiteral(": ") + answer.value("error").toString()));
}

void TestTabsOutput::simctl(const QString& line, QString* output)
{
    QString said;
    QVERIFY2(m_app->simctl(line.split(QLatin1Char(' ')), &said), qPrintable(line + QStringLiteral(": ") + said));
    if (output)
        *output = said;
}

// The value the device works with now, as the simulator describes it.
QString TestTabsOutput::live(const QString& item)
{
    QString said;
    if (!m_app->simctl({QStringLiteral("setting"), kDevice, item}, &said))
        return QStringLiteral("error: ") + said;
    const QStringList lines = said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

int TestTabsOutput::writes(bool reset)
{
    QString said;
    simctl(reset ? QStringLiteral("writes rich reset") : QStringLiteral("writes rich"), &said);
    const QStringList lines = said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? -1 : lines.last().trimmed().toInt();
}

void TestTabsOutput::openTab(const QString& title)
{
    const QJsonArray rows = m_app->command("snapshot").value("list").toObject().value("rows").toArray();
    int index = -1;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString() == kLabel)
            index = row;
    }
    QVERIFY2(index >= 0, "the device has no list row");
    command(QStringLiteral("open-row %1").arg(index));
    QTRY_VERIFY(m_app->command("card").value("open").toBool());
    command(QStringLiteral("card-tab ") + title);
    command(QStringLiteral("settle"));
}

QJsonObject TestTabsOutput::tab()
{
    command(QStringLiteral("settle"));
    return m_app->command(QStringLiteral("card-read"));
}

void TestTabsOutput::closeWith(const QString& button)
{
    command(button);
    QTRY_VERIFY(!m_app->command("card").value("open").toBool());
}

// A checked button, a combo box text, or "label=value" of a slider field.
bool TestTabsOutput::shows(const QJsonObject& tab, const QString& text)
{
    const int split = text.indexOf(QLatin1Char('='));
    if (split > 0)
        return tab.value("fields").toObject().value(text.left(split)).toString() == text.mid(split + 1);
    return tab.value("checked").toArray().contains(text) || tab.value("combos").toArray().contains(text);
}

void TestTabsOutput::controlReachesDeviceSaveKeepsCancelReverts_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("changeAgain");

    QTest::newRow("combo box: 3D packing")
        << "Video Output" << "" << "card-choose Side by Side" << "3dpf" << "'sbsh'" << "Side by Side"
        << "card-choose Line by Line";
    QTest::newRow("radio button: single field when paused")
        << "Video Output" << "" << "card-click Display a single field on video output" << "fdfr" << "true"
        << "Display a single field on video output" << "card-click Display a full frame on video output";
    QTest::newRow("check box: Betacam levels")
        << "Video Output" << "" << "card-click Use Betacam Levels" << "avof" << "3" << "Use Betacam Levels"
        << "card-click Use Betacam Levels";
    QTest::newRow("typed slider value, clamped") << "Video Output" << "" << "card-field Offset: 600" << "glot"
                                                 << "511" << "Offset:=511" << "card-field Offset: -20";
    QTest::newRow("slider drag") << "Video Output" << "" << "card-drag Offset: 60" << "glot" << kAnyNewValue
                                 << "Offset:" << "card-drag Offset: -120";
    QTest::newRow("picture button: composite output on")
        << "Video Output" << "" << "card-click Composite" << "vocn" << "27" << "Composite"
        << "card-click Composite";
    QTest::newRow("linked pair: Cr follows Cb") << "Video Output" << "" << "card-field Cb: 0.2" << "occr"
                                                << "0.2" << "Cr:=0.20" << "card-field Cr: -0.1";
    QTest::newRow("combo box: output conversion group")
        << "Conversions" << "" << "card-choose HD to SD" << "vocm" << "'HWlb'" << "HD to SD"
        << "card-choose SD to HD 720p";
    QTest::newRow("picture button: conversion mode")
        << "Conversions" << "card-choose SD to HD" << "card-click Anamorphic" << "vicm" << "'amup'" << "Anamorphic"
        << "card-click Pillarbox";
}

void TestTabsOutput::controlReachesDeviceSaveKeepsCancelReverts()
{
    QFETCH(QString, tab);
    QFETCH(QString, before);
    QFETCH(QString, change);
    QFETCH(QString, item);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, changeAgain);

    START_WITH_LIVE_SETTINGS();
    const QString original = live(item);
    openTab(tab);
    if (!before.isEmpty())
        command(before);
    command(change);
    QString stored = live(item);
    if (value == kAnyNewValue) {
        QVERIFY2(stored != original, qPrintable(stored));
        shown += QLatin1Char('=') + stored;
    } else {
        QCOMPARE(stored, value);
    }
    QVERIFY2(shows(this->tab(), shown), qPrintable(QJsonDocument(this->tab()).toJson()));
    closeWith(QStringLiteral("card-save"));

    restart();
    QCOMPARE(live(item), stored);
    openTab(tab);
    QVERIFY2(shows(this->tab(), shown), qPrintable(QJsonDocument(this->tab()).toJson()));
    command(changeAgain);
    QVERIFY(live(item) != stored);
    closeWith(QStringLiteral("card-cancel"));
    QTRY_COMPARE(live(item), stored);
    openTab(tab);
    QVERIFY2(shows(this->tab(), shown), qPrintable(QJsonDocument(this->tab()).toJson()));
}

// Unlinked and kept with a change: after a restart Cb moves alone.
void TestTabsOutput::linkChoiceSurvivesRestart()
{
    START_WITH_LIVE_SETTINGS();
    openTab(QStringLiteral("Video Output"));
    command(QStringLiteral("card-link"));
    command(QStringLiteral("card-field Y: 0.1"));
    closeWith(QStringLiteral("card-save"));

    restart();
    openTab(QStringLiteral("Video Output"));
    command(QStringLiteral("card-field Cb: 0.3"));
    QCOMPARE(live(QStringLiteral("occb")), QStringLiteral("0.3"));
    QCOMPARE(live(QStringLiteral("occr")), QStringLiteral("0"));
}

void TestTabsOutput::rejectedValueComesBackWithoutWrites()
{
    START_WITH_LIVE_SETTINGS();
    openTab(QStringLiteral("Video Output"));
    simctl(QStringLiteral("fail rich Configuration.SetInt:3dpf 1"));
    command(QStringLiteral("card-choose Side by Side"));
    QCOMPARE(live(QStringLiteral("3dpf")), QStringLiteral("'frpk'"));
    writes(true);
    // Any notification refreshes the tab: the driver's value is shown again.
    simctl(QStringLiteral("storm rich pref 50"));
    simctl(QStringLiteral("wait"));
    QTRY_VERIFY(shows(tab(), QStringLiteral("Frame Packing")));
    QCOMPARE(writes(), 0);
}

QTEST_MAIN(TestTabsOutput)
#include "tst_e2e_tabsoutput.moc"
