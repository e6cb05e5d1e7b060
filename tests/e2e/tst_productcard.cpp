// The real program against the simulator: a device opened from the gallery
// or the list, its About tab edited, saved, cancelled and unplugged, read
// and driven through the test-only probe.
#include "ProbedApp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

const QString kProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/card-devices.json");

// The first model name in the profile that starts with the prefix, as the profile
// gives it (the card shows it on one line, elided).
QString profileModelName(const QJsonValue& value, const QString& prefix)
{
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray()) {
            const QString found = profileModelName(item, prefix);
            if (!found.isEmpty())
                return found;
        }
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString found = it.key() == QLatin1String("modelName") && it->toString().startsWith(prefix)
            ? it->toString()
            : profileModelName(*it, prefix);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

QString profileModelName(const QString& prefix)
{
    QFile file(kProfile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return profileModelName(QJsonDocument::fromJson(file.readAll()).object(), prefix);
}
constexpr int kDevices = 3;
constexpr int kLabelField = 0;
constexpr int kCompanyField = 2;
constexpr int kEMailField = 4;

// libxml2's HTML parser over the written page: the answer to an XPath query.
QString parsedHtml(const QString& path, const QString& xpath)
{
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {"--html", "--xpath", xpath, path});
    xmllint.waitForFinished();
    return QString::fromUtf8(xmllint.readAllStandardOutput()).trimmed();
}

QString note(const QJsonObject& card, int field)
{
    return card.value("notes").toArray().at(field).toString();
}

} // namespace

class TestProductCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void galleryAndListOpenTheSameCard();
    void savedNoteSurvivesARestartAndCancelRestoresIt();
    void unacceptableEMailDisablesSaveAndWritesNothing();
    void refreshStormWritesNothing();
    void unpluggingClosesTheCard();
    void hostileNamesStayPlainText();
    void createWritesAnEscapedReport();

private:
    void start();
    void openRow(const QString& label);
    QJsonObject card() { return m_app->command("card"); }
    void command(const QString& line);
    void simctl(const QString& line, QString* output = nullptr);
    int writes(const QString& device, bool reset = false);
    // Answers the file dialog once it is up (a path, or none to cancel it).
    QJsonObject answerSaveDialog(const QString& path);

    std::unique_ptr<ProbedApp> m_app;
};

void TestProductCard::init()
{
    m_app = std::make_unique<ProbedApp>(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
}

void TestProductCard::cleanup()
{
    m_app->stop();
    const QString errors = m_app->standardError();
    QVERIFY2(m_app->process().exitStatus() == QProcess::NormalExit && m_app->process().exitCode() == 0,
             qPrintable(QStringLiteral("exit code %1: %2").arg(m_app->process().exitCode()).arg(errors)));
    m_app.reset();
}

void TestProductCard::start()
{
    QString error;
    QVERIFY2(m_app->start(kProfile, &error), qPrintable(error));
    QVERIFY(!m_app->command("wait-rows 3", 20000).contains("error"));
}

void TestProductCard::command(const QString& line)
{
    const QJsonObject answer = m_app->command(line);
    QVERIFY2(answer.value("ok").toBool(), qPrintable(line + ": " + answer.value("error").toString()));
}

void TestProductCard::simctl(const QString& line, QString* output)
{
    QString said;
    QVERIFY2(m_app->simctl(line.split(' '), &said), qPrintable(line + ": " + said));
    if (output)
        *output = said;
}

int TestProductCard::writes(const QString& device, bool reset)
{
    QString said;
    if (!m_app->simctl(reset ? QStringList{"writes", device, "reset"} : QStringList{"writes", device}, &said))
        return -1;
    return said.trimmed().toInt();
}

QJsonObject TestProductCard::answerSaveDialog(const QString& path)
{
    QJsonObject answer;
    const bool answered = QTest::qWaitFor(
        [&] { return (answer = m_app->command("answer-save-dialog " + path)).value("ok").toBool(); }, 10000);
    return answered ? answer : QJsonObject{{"error", "no file dialog came up"}};
}

void TestProductCard::openRow(const QString& label)
{
    const QJsonArray rows = m_app->command("snapshot").value("list").toObject().value("rows").toArray();
    int index = -1;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString() == label)
            index = row;
    }
    QVERIFY2(index >= 0, qPrintable(label));
    command(QStringLiteral("open-row %1").arg(index));
    QTRY_VERIFY(card().value("open").toBool());
}

void TestProductCard::galleryAndListOpenTheSameCard()
{
    start();
    const QJsonArray galleryTexts = m_app->command("snapshot").value("gallery").toObject().value("texts").toArray();
    command("open-gallery");
    QTRY_VERIFY(card().value("open").toBool());
    const QJsonObject fromGallery = card();
    QCOMPARE(fromGallery.value("tabs").toArray(), QJsonArray{"About"});
    QVERIFY(fromGallery.value("about").toBool());
    QVERIFY(galleryTexts.contains(fromGallery.value("header").toArray().at(0)));
    command("card-cancel");
    QTRY_VERIFY(!card().value("open").toBool());

    openRow(fromGallery.value("header").toArray().at(0).toString());
    QCOMPARE(card().value("header"), fromGallery.value("header"));
}

void TestProductCard::savedNoteSurvivesARestartAndCancelRestoresIt()
{
    start();
    openRow("Kept notes");
    command(QStringLiteral("card-type %1 Rack 7, slot 2").arg(kLabelField));
    QCOMPARE(note(card(), kLabelField), QStringLiteral("Rack 7, slot 2"));
    command("card-save");
    QTRY_VERIFY(!card().value("open").toBool());

    // A new process reads what the driver kept; the label names the device now.
    m_app->stop();
    start();
    openRow("Rack 7, slot 2");
    QCOMPARE(note(card(), kLabelField), QStringLiteral("Rack 7, slot 2"));

    command(QStringLiteral("card-type %1 Scratch").arg(kLabelField));
    command("card-cancel");
    QTRY_VERIFY(!card().value("open").toBool());
    openRow("Rack 7, slot 2");
    QCOMPARE(note(card(), kLabelField), QStringLiteral("Rack 7, slot 2"));
}

void TestProductCard::unacceptableEMailDisablesSaveAndWritesNothing()
{
    start();
    openRow("Kept notes");
    QCOMPARE(writes("kept", true), 0);
    command(QStringLiteral("card-type %1 sales.example.com").arg(kEMailField));
    QVERIFY(!card().value("save").toBool());
    QCOMPARE(writes("kept"), 0);
    command(QStringLiteral("card-type %1 sales@example.com").arg(kEMailField));
    QVERIFY(card().value("save").toBool());
    // Only the acceptable texts on the way: the emptied field, "...co" and "...com".
    QCOMPARE(writes("kept"), 3);
}

void TestProductCard::refreshStormWritesNothing()
{
    start();
    openRow("Kept notes");
    command(QStringLiteral("card-type %1 Bay").arg(kLabelField));
    QCOMPARE(writes("kept", true), 3);
    simctl("storm kept pref 10000");
    simctl("wait");
    QVERIFY(m_app->command("settle", 60000).value("ok").toBool());
    QCOMPARE(writes("kept"), 0);
    const QJsonObject shown = card();
    QVERIFY(shown.value("open").toBool());
    QCOMPARE(note(shown, kLabelField), QStringLiteral("Bay"));
}

void TestProductCard::unpluggingClosesTheCard()
{
    start();
    openRow("Kept notes");
    simctl("unplug kept");
    QTRY_VERIFY(!card().value("open").toBool());
    QTRY_COMPARE(m_app->command("snapshot").value("devices").toInt(), kDevices - 1);
}

void TestProductCard::hostileNamesStayPlainText()
{
    start();
    openRow("Anonymous");
    const QJsonObject anonymous = card();
    QVERIFY(!anonymous.value("notesShown").toBool());
    command("card-cancel");
    QTRY_VERIFY(!card().value("open").toBool());

    const QJsonArray rows = m_app->command("snapshot").value("list").toObject().value("rows").toArray();
    QString hostile;
    for (const QJsonValue& row : rows) {
        if (row.toObject().value("label").toString().startsWith("<h1>"))
            hostile = row.toObject().value("label").toString();
    }
    QVERIFY(!hostile.isEmpty());
    openRow(hostile);
    const QJsonObject shown = card();
    QVERIFY(shown.value("plainText").toBool());
    QCOMPARE(shown.value("header").toArray().at(0).toString(), hostile);
    QVERIFY(note(shown, kCompanyField).startsWith("<b>Bay</b> & \"4\""));
}

void TestProductCard::createWritesAnEscapedReport()
{
    start();
    QString hostile;
    for (const QJsonValue& row : m_app->command("snapshot").value("list").toObject().value("rows").toArray()) {
        if (row.toObject().value("label").toString().startsWith("<h1>"))
            hostile = row.toObject().value("label").toString();
    }
    openRow(hostile);
    QTemporaryDir reports;
    const QString path = reports.filePath(QStringLiteral("report of bay 4.html"));

    // Answering the dialog with no file writes nothing.
    command("card-create");
    QVERIFY(answerSaveDialog(QString()).value("ok").toBool());
    QVERIFY(QDir(reports.path()).isEmpty());

    command("card-create");
    const QJsonObject dialog = answerSaveDialog(path);
    QVERIFY(dialog.value("ok").toBool());
    QCOMPARE(dialog.value("title").toString(), QStringLiteral("Save Status Report"));
    QVERIFY2(dialog.value("proposed").toString().contains("Orvanta_Lumaris_Status_Report_"),
             qPrintable(dialog.value("proposed").toString()));
    QTRY_VERIFY(QFile::exists(path));

    // The device's texts are in the page as text (a control character as its
    // picture), and none of them became markup.
    QString model = profileModelName(QStringLiteral("<h1>Capture"));
    QVERIFY(!model.isEmpty());
    model.replace(QChar(1), QChar(0x2401));
    const QString text = parsedHtml(path, "string(/html/body)");
    QVERIFY2(text.contains(model), "the model name is not in the page");
    QCOMPARE(parsedHtml(path, "count(//h1[contains(., 'Capture')])"), QStringLiteral("0"));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray page = raw.readAll();
    QVERIFY(page.contains("&lt;h1&gt;Capture &amp;amp; &quot;HD&quot;&lt;/h1&gt;"));
    QVERIFY(!page.contains("<h1>Capture"));
    QVERIFY(card().value("open").toBool());
}

QTEST_GUILESS_MAIN(TestProductCard)
#include "tst_productcard.moc"
