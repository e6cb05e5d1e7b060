// The real program against the simulator: marlix-simctl changes the signals,
// and the views are read through the test-only probe. Rows that follow their
// device and hot-plug grouping are held by tests/Views and tests/LocalDevices.
#include "ProbedApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

QStringList strings(const QJsonArray& array)
{
    QStringList texts;
    for (const QJsonValue& value : array)
        texts << value.toString();
    return texts;
}

QJsonArray rows(const QJsonObject& snapshot)
{
    return snapshot.value("list").toObject().value("rows").toArray();
}

QStringList rowLabels(const QJsonObject& snapshot)
{
    QStringList labels;
    for (const QJsonValue& row : rows(snapshot))
        labels << row.toObject().value("label").toString();
    return labels;
}

QString cell(const QJsonObject& snapshot, const QString& label, const QString& column)
{
    for (const QJsonValue& row : rows(snapshot)) {
        if (row.toObject().value("label").toString() == label)
            return row.toObject().value(column).toString();
    }
    return QStringLiteral("<no row %1>").arg(label);
}

QJsonObject summary(const QJsonObject& snapshot)
{
    return snapshot.value("gallery").toObject().value("summary").toObject();
}

const QStringList kDefaultFleet{
    "Lumaris Core Quad (1)", "Lumaris Core Quad (2)", "Lumaris Core Quad (3)", "Lumaris Core Quad (4)",
    "Lumaris Core Duo (1)",  "Lumaris Core Duo (2)",  "Lumaris Home HDMI 2",   "Lumaris Studio Pro",
    "Lumaris Shuttle HD 2",  "Lumaris Bolt HD 2",     "Lumaris Studio 4K 2"};

} // namespace

class TestLiveViews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultFleetInBothViews();
    void windowWidensToTheList();
    void summaryFollowsTheCurrentDevice();

private:
    bool start(const QString& profile);
    QJsonObject snapshot() { return m_app->command("snapshot"); }
    void simctl(const QString& line);

    std::unique_ptr<ProbedApp> m_app;
};

void TestLiveViews::init()
{
    m_app = std::make_unique<ProbedApp>(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
}

void TestLiveViews::cleanup()
{
    m_app->stop();
    const QString errors = m_app->standardError();
    // A clean exit; under the sanitizers that also means no leak and no error report.
    QVERIFY2(m_app->process().exitStatus() == QProcess::NormalExit && m_app->process().exitCode() == 0,
             qPrintable(QStringLiteral("exit code %1: %2").arg(m_app->process().exitCode()).arg(errors)));
    m_app.reset();
}

bool TestLiveViews::start(const QString& profile)
{
    QString error;
    const bool started = m_app->start(profile, &error);
    if (!started)
        qWarning("%s", qPrintable(error));
    return started;
}

void TestLiveViews::simctl(const QString& line)
{
    QString output;
    QVERIFY2(m_app->simctl(line.split(' '), &output), qPrintable(line + ": " + output));
}

void TestLiveViews::defaultFleetInBothViews()
{
    QVERIFY(start(QString()));
    QVERIFY(!m_app->command("wait-rows 11", 20000).contains("error"));
    const QJsonObject shown = snapshot();
    // Sub-devices of a card come together and in index order; the excluded model never shows.
    QCOMPARE(rowLabels(shown), kDefaultFleet);
    for (const QJsonValue& row : rows(shown)) {
        QVERIFY2(row.toObject().value("picture").toBool(), qPrintable(row.toObject().value("label").toString()));
        QVERIFY(row.toObject().value("setup").toBool());
    }
    QCOMPARE(strings(shown.value("list").toObject().value("headers").toArray()),
             (QStringList{"PRODUCT", "LABEL", "VIDEO IN", "OUTPUT FORMAT", "GENLOCK", ""}));
    // The fleet starts with live signals on some inputs and the Studio Pro's reference locked.
    QCOMPARE(cell(shown, "Lumaris Studio Pro", "videoIn"), QString("SDI: PAL"));
    QCOMPARE(cell(shown, "Lumaris Studio Pro", "genlock"), QString("1080i59.94"));
    QCOMPARE(cell(shown, "Lumaris Core Quad (4)", "videoIn"), QString("SDI"));
    QCOMPARE(cell(shown, "Lumaris Core Quad (4)", "genlock"), QString("-"));

    QVERIFY(strings(shown.value("gallery").toObject().value("texts").toArray()).contains(kDefaultFleet.first()));
    QCOMPARE(strings(summary(shown).value("titles").toArray()), (QStringList{"VIDEO INPUT", "VIDEO OUTPUT"}));
}

void TestLiveViews::windowWidensToTheList()
{
    QVERIFY(start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-e2e.json")));
    QVERIFY(!m_app->command("wait-rows 4", 20000).contains("error"));
    QVERIFY(m_app->command("show-list").value("ok").toBool());
    QTRY_VERIFY(snapshot().value("list").toObject().value("visible").toBool());
    const int listWidth = snapshot().value("list").toObject().value("areaWidth").toInt();
    QVERIFY2(listWidth + 100 > 780, "the profile's long label should need a wider window");
    // The window grows to fit the list with a margin, and then cannot be narrowed below that.
    QTRY_VERIFY_WITH_TIMEOUT(snapshot().value("window").toObject().value("width").toInt() >= listWidth + 100, 5000);
    QTRY_COMPARE(snapshot().value("window").toObject().value("minimumWidth").toInt(),
                 snapshot().value("window").toObject().value("width").toInt());
}

void TestLiveViews::summaryFollowsTheCurrentDevice()
{
    QVERIFY(start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-e2e.json")));
    QVERIFY(!m_app->command("wait-rows 4", 20000).contains("error"));
    QCOMPARE(summary(snapshot()).value("input").toObject().value("bold").toString(), QString("-"));
    simctl("signal capture hp59");
    QTRY_COMPARE(summary(snapshot()).value("input").toObject().value("bold").toString(), QString("720p59.94"));

    // The playout device is the fourth dot; its summary follows its reference.
    QVERIFY(m_app->command("dot 3").value("ok").toBool());
    QTRY_COMPARE(strings(summary(snapshot()).value("titles").toArray()), (QStringList{"VIDEO OUTPUT", "REF INPUT"}));
    simctl("reference playout Hi50");
    QTRY_COMPARE(summary(snapshot()).value("reference").toObject().value("bold").toString(), QString("1080i50"));
}

QTEST_GUILESS_MAIN(TestLiveViews)
#include "tst_liveviews.moc"
