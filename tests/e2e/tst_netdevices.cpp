// The network path in the real program: a device added by its address is
// answered by a responder on the loopback address, shown by the network test
// family, followed as its TXT record changes, and updated to success and to
// failure through the update dialog. How the page takes a silent or a wrong
// answer is held by tests/Network.
#include "NetSession.h"
#include "ProbedCase.h"

#include <QJsonDocument>
#include <QtTest>

namespace
{
const QString kNeedsUpdate = QStringLiteral("This Example Device needs a Software Update.");
const QString kUpdated = QStringLiteral("This Example Device has been updated.");
const QString kFailed = QStringLiteral("Updating the Example Device software failed.");
}

class TestNetDevices : public ProbedCase
{
    Q_OBJECT

private slots:
    void addedDeviceIsShownAndFollowsItsRecord();
    void updateEndsAsTheDeviceSays_data();
    void updateEndsAsTheDeviceSays();

private:
    std::unique_ptr<ProbedApp> makeApp() override { return std::make_unique<NetSession>(); }
    NetSession& session() { return static_cast<NetSession&>(*m_app); }
};

void TestNetDevices::addedDeviceIsShownAndFollowsItsRecord()
{
    QString error;
    QVERIFY2(session().start(&error), qPrintable(error));
    QVERIFY(session().addDevice());
    QVERIFY2(!session().command(QStringLiteral("dialog")).value("open").toBool(), "the page should close");
    const QJsonObject shown = snapshot();
    QVERIFY2(ProbedApp::shows(shown, QStringLiteral("Lumaris Net Box")), qPrintable(QJsonDocument(shown).toJson()));
    QVERIFY(ProbedApp::shows(shown, QStringLiteral("Software update available.")));

    // The device reports new software of its own; the two-second poll brings it in.
    session().responder().device.txt = {"unique id=NET-0001", "name=Lumaris Net Box", "class=Lumaris Net",
                                        "release version=2.0"};
    QVERIFY(session().waitForText(QStringLiteral("snapshot"), QStringLiteral("Software is up to date.")));
    QVERIFY(session().responder().questionsReceived() >= 2);
}

void TestNetDevices::updateEndsAsTheDeviceSays_data()
{
    QTest::addColumn<QByteArray>("outcome");
    QTest::addColumn<QString>("endText");
    QTest::addColumn<QString>("windowAfter");
    QTest::newRow("success") << QByteArray("ok") << kUpdated << QStringLiteral("Software is up to date.");
    QTest::newRow("failure") << QByteArray("fail") << kFailed << QStringLiteral("Software update available.");
}

void TestNetDevices::updateEndsAsTheDeviceSays()
{
    QFETCH(QByteArray, outcome);
    QFETCH(QString, endText);
    QFETCH(QString, windowAfter);
    session().responder().device.txt.append("update outcome=" + outcome);
    QString error;
    QVERIFY2(session().start(&error), qPrintable(error));
    QVERIFY(session().addDevice());

    QVERIFY(command(QStringLiteral("press Update Now")));
    QVERIFY(session().waitForText(QStringLiteral("dialog"), kNeedsUpdate));
    QVERIFY(command(QStringLiteral("press Update")));
    QVERIFY(session().waitForText(QStringLiteral("dialog"), endText));
    QVERIFY(command(QStringLiteral("press Close")));
    QVERIFY(session().waitForText(QStringLiteral("dialog"), QStringLiteral("\"open\":true"), false));
    QVERIFY(session().waitForText(QStringLiteral("snapshot"), windowAfter));
}

QTEST_GUILESS_MAIN(TestNetDevices)
#include "tst_netdevices.moc"
