// The real program against the simulator, driven through the test-only probe:
// a device opened from the gallery or the list, its label saved across a
// restart, its report written. What the tab, the card and the report do on
// their own is held by tests/DeviceSettings, tests/Card and tests/Report.
#include "ProbedCase.h"

#include <QFile>
#include <QtTest>

namespace {

const QString kProfile = QStringLiteral(LUMARIS_TEST_PROFILES "/card-devices.json");

constexpr int kLabelField = 0;

QString note(const QJsonObject& card, int field)
{
    return card.value("notes").toArray().at(field).toString();
}

} // namespace

class TestProductCard : public ProbedCase
{
    Q_OBJECT

private slots:
    void galleryAndListOpenTheSameCardWhoseLabelIsKept();
    void hostileDeviceStaysTextOnTheCardAndInItsReport();

private:
    QJsonObject card() { return m_app->command("card"); }
    bool closeWith(const char* button)
    {
        return command(button) && QTest::qWaitFor([this] { return !card().value("open").toBool(); });
    }
    // Answers the file dialog once it is up (a path, or none to cancel it).
    QJsonObject answerSaveDialog(const QString& path);
};

QJsonObject TestProductCard::answerSaveDialog(const QString& path)
{
    QJsonObject answer;
    const bool answered = QTest::qWaitFor(
        [&] { return (answer = m_app->command("answer-save-dialog " + path)).value("ok").toBool(); }, 10000);
    return answered ? answer : QJsonObject{{"error", "no file dialog came up"}};
}

// A label typed and saved is read back by a new process from what the driver kept.
void TestProductCard::galleryAndListOpenTheSameCardWhoseLabelIsKept()
{
    QVERIFY(start(kProfile, 3));
    const QJsonArray galleryTexts = gallery(snapshot()).value("texts").toArray();
    QVERIFY(command("open-gallery"));
    QTRY_VERIFY(card().value("open").toBool());
    const QJsonObject fromGallery = card();
    QCOMPARE(fromGallery.value("tabs").toArray(), QJsonArray{"About"});
    QVERIFY(galleryTexts.contains(fromGallery.value("header").toArray().at(0)));
    QVERIFY(closeWith("card-cancel"));

    QVERIFY(m_app->openCard(fromGallery.value("header").toArray().at(0).toString()));
    QCOMPARE(card().value("header"), fromGallery.value("header"));
    QVERIFY(command(QStringLiteral("card-type %1 Rack 7, slot 2").arg(kLabelField)));
    QVERIFY(closeWith("card-save"));
    QVERIFY(m_app->stop());
    QVERIFY(start(kProfile, 3));
    QVERIFY(m_app->openCard("Rack 7, slot 2"));
    QCOMPARE(note(card(), kLabelField), QStringLiteral("Rack 7, slot 2"));
}

void TestProductCard::hostileDeviceStaysTextOnTheCardAndInItsReport()
{
    QVERIFY(start(kProfile, 3));
    // The profile's device whose texts are markup.
    const QString hostile = rowLabels(snapshot()).filter(QRegularExpression("^<h1>")).value(0);
    QVERIFY(m_app->openCard(hostile));
    QVERIFY(card().value("plainText").toBool());
    QCOMPARE(card().value("header").toArray().at(0).toString(), hostile);
    QTemporaryDir reports;
    const QString path = reports.filePath(QStringLiteral("report of bay 4.html"));

    // Answering the dialog with no file writes nothing.
    QVERIFY(command("card-create"));
    QVERIFY(answerSaveDialog(QString()).value("ok").toBool());
    QVERIFY(QDir(reports.path()).isEmpty());

    QVERIFY(command("card-create"));
    const QJsonObject dialog = answerSaveDialog(path);
    QVERIFY(dialog.value("ok").toBool());
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
