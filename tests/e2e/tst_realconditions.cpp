// The real program against the simulator, read through the test-only probe: the
// default fleet as it comes up, and conditions that once broke its views: device
// texts with markup, line breaks or 255 characters, the last device unplugged
// while the list is on screen, re-plugs in bursts, a card with many outputs.
// Rows that follow their signals and the summary's parts are held by tests/Views.
// Last, the window in the user's language.
#include "ProbedCase.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

const QString kHostileProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/views-hostile.json");
const QString kMarkupLabel = QStringLiteral("<b>x</b> <img src=x>");
constexpr int kNameWidth = 400;
constexpr int kMaxLabelColumn = 320 + 24;
constexpr int kOutputSpacing = 12;
constexpr int kDefaultWindowWidth = 780;

} // namespace

class TestRealConditions : public ProbedCase
{
    Q_OBJECT

private slots:
    void defaultFleetInBothViews();
    void deviceTextsArePlainOneLine_data();
    void deviceTextsArePlainOneLine();
    void longLabelsKeepTheWindowOnScreenUntilTheLastDeviceGoes();
    void replugsLeaveNoGhosts_data();
    void replugsLeaveNoGhosts();
    void outputsShowWhole();
    void windowSpeaksTheUsersLanguage_data();
    void windowSpeaksTheUsersLanguage();
};

// Sub-devices of a card come together and in index order; the excluded model never shows.
void TestRealConditions::defaultFleetInBothViews()
{
    const QStringList fleet{
        "Lumaris Core Quad (1)", "Lumaris Core Quad (2)", "Lumaris Core Quad (3)", "Lumaris Core Quad (4)",
        "Lumaris Core Duo (1)",  "Lumaris Core Duo (2)",  "Lumaris Home HDMI 2",   "Lumaris Studio Pro",
        "Lumaris Shuttle HD 2",  "Lumaris Bolt HD 2",     "Lumaris Studio 4K 2"};
    QVERIFY(start(QString(), fleet.size()));
    const QJsonObject shown = snapshot();
    QCOMPARE(rowLabels(shown), fleet);
    for (const QJsonValue& row : rows(shown)) {
        QVERIFY2(row.toObject().value("picture").toBool(), qPrintable(row.toObject().value("label").toString()));
        QVERIFY(row.toObject().value("setup").toBool());
    }
    // The fleet starts with a live signal and the Studio Pro's reference locked.
    const QJsonObject studioPro = rows(shown).at(fleet.indexOf("Lumaris Studio Pro")).toObject();
    QCOMPARE(studioPro.value("videoIn").toString(), QString("SDI: PAL"));
    QCOMPARE(studioPro.value("genlock").toString(), QString("1080i59.94"));
    QVERIFY(gallery(shown).value("texts").toArray().contains(fleet.first()));
}

void TestRealConditions::deviceTextsArePlainOneLine_data()
{
    QTest::addColumn<int>("dot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("model");
    QTest::newRow("markup in the label and the model name") << 0 << kMarkupLabel << "<h1>BIG</h1>";
    QTest::newRow("line breaks in the label") << 2 << "Line one Line two Line three" << "Lumaris Capture HD";
}

// Shown literally, on one line no taller than the font's.
void TestRealConditions::deviceTextsArePlainOneLine()
{
    QFETCH(int, dot);
    QFETCH(QString, name);
    QFETCH(QString, model);

    QVERIFY(start(kHostileProfile, 3));
    QVERIFY(command(QStringLiteral("dot %1").arg(dot)));
    QTRY_COMPARE(gallery(snapshot()).value("name").toObject().value("text").toString(), name);
    const QJsonObject shown = gallery(snapshot());
    for (const char* label : {"name", "model"}) {
        const QJsonObject text = shown.value(label).toObject();
        QVERIFY2(!text.value("markup").toBool(), label);
        QVERIFY2(text.value("heightHint").toInt() < 2 * text.value("lineHeight").toInt(), label);
    }
    QCOMPARE(shown.value("model").toObject().value("text").toString(), model);
    QVERIFY(rowLabels(snapshot()).contains(name));
}

// The label of 255 characters is elided in the gallery and in its column; the
// window widens to the list when the list is shown, and no further than the
// screen. With the last device gone the gallery comes back, without the switch.
void TestRealConditions::longLabelsKeepTheWindowOnScreenUntilTheLastDeviceGoes()
{
    QVERIFY(start(kHostileProfile, 3));
    QVERIFY(command("dot 1"));
    QTRY_VERIFY(gallery(snapshot()).value("name").toObject().value("text").toString().endsWith(QChar(0x2026)));
    QVERIFY(gallery(snapshot()).value("name").toObject().value("width").toInt() <= kNameWidth);
    // Built behind the gallery (reading it builds it), the wide list leaves the window as it was.
    QVERIFY(m_app->waitForSteadyWindow());
    QCOMPARE(window(snapshot()).value("width").toInt(), kDefaultWindowWidth);

    QVERIFY(command("show-list"));
    QVERIFY(m_app->waitForSteadyWindow());
    const QJsonObject shown = snapshot();
    QCOMPARE(rowLabels(shown).at(1).size(), 255);
    const QJsonObject list = shown.value("list").toObject();
    QVERIFY2(list.value("labelColumnWidth").toInt() <= kMaxLabelColumn, qPrintable(QJsonDocument(list).toJson()));
    const int width = window(shown).value("width").toInt();
    const int screen = window(shown).value("screenWidth").toInt();
    const int wanted = qMin(list.value("areaWidth").toInt() + 100, screen);
    QVERIFY2(screen > 0 && width >= wanted && width <= screen,
             qPrintable(QStringLiteral("window %1, wanted %2, screen %3").arg(width).arg(wanted).arg(screen)));
    QVERIFY(window(shown).value("minimumWidth").toInt() <= screen);

    QVERIFY(list.value("visible").toBool());
    for (const char* device : {"markup", "long", "lines"})
        QVERIFY(sim(QStringLiteral("unplug %1").arg(QLatin1String(device))));
    QTRY_VERIFY(gallery(snapshot()).value("visible").toBool());
    QVERIFY(!snapshot().value("list").toObject().value("visible").toBool());
    QVERIFY(!snapshot().value("viewSwitchVisible").toBool());
    QCOMPARE(gallery(snapshot()).value("name").toObject().value("text").toString(),
             QStringLiteral("No Lumaris Device Detected."));

    // A device plugged in again brings the switch back.
    QVERIFY(sim(QStringLiteral("plug markup")));
    QTRY_VERIFY(snapshot().value("viewSwitchVisible").toBool());
    QTRY_COMPARE(gallery(snapshot()).value("name").toObject().value("text").toString(), kMarkupLabel);
}

void TestRealConditions::replugsLeaveNoGhosts_data()
{
    QTest::addColumn<bool>("waitEachTime");
    QTest::newRow("each re-plug shown before the next") << true;
    QTest::newRow("an unthrottled burst") << false;
}

// A sub-device of a two-channel card unplugged and plugged again comes back in
// its place, however often and however fast; nothing is left behind.
void TestRealConditions::replugsLeaveNoGhosts()
{
    QFETCH(bool, waitEachTime);
    const QStringList fleet{"E2E Capture", "E2E Duo (1)", "E2E Duo (2)",
                            "E2E Playout for master control, rack 4, slot 2"};
    QVERIFY(start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-e2e.json"), 4));
    for (int cycle = 0; cycle < 60; ++cycle) {
        QVERIFY(sim(QStringLiteral("unplug duo-1")));
        QVERIFY(sim(QStringLiteral("plug duo-1")));
        if (waitEachTime && cycle % 10 == 0)
            QVERIFY(!m_app->command(QStringLiteral("wait-rows 4"), 20000).contains("error"));
    }
    QVERIFY(sim(QStringLiteral("wait")));
    QVERIFY(!m_app->command(QStringLiteral("wait-rows 4"), 20000).contains("error"));
    QCOMPARE(rowLabels(snapshot()), fleet);
    QCOMPARE(snapshot().value("devices").toInt(), 4);
}

// The default fleet's analog-rich card offers five outputs; the first four show
// their names and modes whole, the fifth is reached by scrolling.
void TestRealConditions::outputsShowWhole()
{
    QVERIFY(start(QString(), 11));
    QVERIFY(command("dot 7"));
    QTRY_COMPARE(gallery(snapshot()).value("summary").toObject().value("outputs").toArray().size(), 5);
    QVERIFY(m_app->waitForSteadyWindow());
    const QJsonObject summary = gallery(snapshot()).value("summary").toObject();
    const QJsonArray outputs = summary.value("outputs").toArray();
    int needed = 3 * kOutputSpacing;
    for (int index = 0; index < 4; ++index)
        needed += outputs.at(index).toObject().value("width").toInt();
    const int area = summary.value("outputArea").toObject().value("width").toInt();
    QVERIFY2(area >= needed, qPrintable(QStringLiteral("area %1, four outputs %2").arg(area).arg(needed)));
    QVERIFY(summary.value("width").toInt() <= window(snapshot()).value("width").toInt());
}

void TestRealConditions::windowSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("noDevice");

    QTest::newRow("no language asked for") << "" << "No Lumaris Device Detected.";
    QTest::newRow("LANGUAGE") << "de" << "Kein Lumaris-Gerät erkannt.";
}

// German when LANGUAGE asks for it over an English LANG (the stricter case: a
// program reading the system locale instead stays English), English when none
// asks: the no-device message of the gallery (every text comes from the one
// catalogue, whose completeness tst_translations holds, as it holds the choice
// among several languages). How LANG and LC_ALL name the languages is Qt's rule.
void TestRealConditions::windowSpeaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, noDevice);

    m_app->setEnvironment(QStringLiteral("LANGUAGE"), language);
    m_app->setEnvironment(QStringLiteral("LC_ALL"), QString());
    m_app->setEnvironment(QStringLiteral("LC_MESSAGES"), QString());
    m_app->setEnvironment(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QVERIFY(start(m_app->emptyProfile()));
    QTRY_VERIFY2(gallery(snapshot()).value("texts").toArray().contains(noDevice),
                 qPrintable(QJsonDocument(gallery(snapshot())).toJson()));
}

QTEST_GUILESS_MAIN(TestRealConditions)
#include "tst_realconditions.moc"
