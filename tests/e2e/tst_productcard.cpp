// The real program against the simulator, driven through the test-only probe:
// a device opened from the gallery or the list, its label saved across a
// restart, its report written. What the tab, the card and the report do on
// their own is held by tests/DeviceSettings, tests/Card and tests/Report.
#include "ProbedApp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

const QString kProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/card-devices.json");

constexpr int kLabelField = 0;

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
    void savedLabelSurvivesARestart();
    void hostileDeviceStaysTextOnTheCardAndInItsReport();

private:
    void start();
    void openRow(const QString& label);
    QJsonObject card() { return m_app->command("card"); }
    QString hostileLabel();
    void command(const QString& line);
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

QJsonObject TestProductCard::answerSaveDialog(const QString& path)
{
    QJsonObject answer;
    const bool answered = QTest::qWaitFor(
        [&] { return (answer = m_app->command("answer-save-dialog " + path)).value("ok").toBool(); }, 10000);
    return answered ? answer : QJsonObject{{"error", "no file dialog came up"}};
}

// The label of the profile's device whose texts are markup.
QString TestProductCard::hostileLabel()
{
    for (const QJsonValue& row : m_app->command("snapshot").value("list").toObject().value("rows").toArray()) {
        if (row.toObject().value("label").toString().startsWith("<h1>"))
            return row.toObject().value("label").toString();
    }
    return QString();
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

void TestProductCard::savedLabelSurvivesARestart()
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
}

void TestProductCard::hostileDeviceStaysTextOnTheCardAndInItsReport()
{
    start();
    const QString hostile = hostileLabel();
    openRow(hostile);
    QVERIFY(card().value("plainText").toBool());
    QCOMPARE(card().value("header").toArray().at(0).toString(), hostile);
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

    // The device's texts reach the page escaped (the report's own tests hold the rest).
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray page = raw.readAll();
    QVERIFY(page.contains("&lt;h1&gt;Capture &amp;amp; &quot;HD&quot;&lt;/h1&gt;"));
    QVERIFY(!page.contains("<h1>Capture"));
    QVERIFY(card().value("open").toBool());
}

QTEST_GUILESS_MAIN(TestProductCard)
#include "tst_productcard.moc"
