#include "AddByIpAddressController.h"
#include "AddByIpAddressWidget.h"
#include "AdminUtilityWindow.h"
#include "BonjourInfoQuery.h"
#include "BusyButton.h"
#include "CardPushButton.h"
#include "IpAddressValidator.h"
#include "MainWindowDialogLineEdit.h"
#include "MdnsResponder.h"
#include "NetDevice.h"
#include "NetFamily.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(QValidator::State)
Q_DECLARE_METATYPE(MdnsResponder::Behaviour)
Q_DECLARE_METATYPE(AddByIpAddressWidget::State)

class TestAddByIpAddress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void validator_data();
    void validator();
    void pageStates();
    void answers_data();
    void answers();
    void twoAddsLeaveOneQuery();
    void familiesAreOfferedInOrder_data();
    void familiesAreOfferedInOrder();

private:
    MdnsResponder m_responder;
};

void TestAddByIpAddress::initTestCase()
{
    qRegisterMetaType<BonjourInfo>();
    QString error;
    QVERIFY2(m_responder.listen(QHostAddress::LocalHost, BonjourInfoQuery::s_port, &error), qPrintable(error));
}

void TestAddByIpAddress::validator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("highest octets") << "255.255.255.255" << QValidator::Acceptable;
    QTest::newRow("leading zeros") << "010.001.0.09" << QValidator::Acceptable;
    QTest::newRow("empty") << "" << QValidator::Intermediate;
    QTest::newRow("trailing dot") << "10.1." << QValidator::Intermediate;
    QTest::newRow("three octets") << "192.168.1" << QValidator::Intermediate;
    QTest::newRow("octet over 255") << "256.1.1.1" << QValidator::Invalid;
    QTest::newRow("five octets") << "1.2.3.4.5" << QValidator::Invalid;
    QTest::newRow("white space") << " 10.0.0.1" << QValidator::Invalid;
    QTest::newRow("four digits") << "1000" << QValidator::Invalid;
}

void TestAddByIpAddress::validator()
{
    QFETCH(QString, text);
    QFETCH(QValidator::State, state);
    int position = text.size();
    QCOMPARE(IpAddressValidator::shared()->validate(text, position), state);
    QCOMPARE(position, text.size());
}

// Add, by button or by Return, only for a whole address and while not searching.
void TestAddByIpAddress::pageStates()
{
    AddByIpAddressWidget page;
    QSignalSpy add(&page, &AddByIpAddressWidget::addDevice);
    page.addressEdit()->setText(QStringLiteral("10.1."));
    QVERIFY(!page.addButton()->isEnabled());
    QTest::keyClick(page.addressEdit(), Qt::Key_Return);
    QCOMPARE(add.count(), 0);
    page.addressEdit()->setText(QStringLiteral("10.1.2.3"));
    QTest::keyClick(page.addressEdit(), Qt::Key_Return);
    QCOMPARE(add.count(), 1);
    page.setState(AddByIpAddressWidget::Searching);
    QVERIFY(!page.addButton()->isEnabled());
    QVERIFY(page.busyButton()->isBusy());
    page.setState(AddByIpAddressWidget::NotFound);
    QCOMPARE(page.statusText(), QStringLiteral("No Lumaris found"));
    QVERIFY(!page.busyButton()->isBusy());
    page.setState(AddByIpAddressWidget::Searching);
    page.busyButton()->click();
    QCOMPARE(page.state(), AddByIpAddressWidget::Entry);
    QVERIFY(page.addButton()->isEnabled());
}

void TestAddByIpAddress::answers_data()
{
    QTest::addColumn<MdnsResponder::Behaviour>("behaviour");
    QTest::addColumn<AddByIpAddressWidget::State>("state");
    QTest::newRow("answer without TXT") << MdnsResponder::Answer << AddByIpAddressWidget::Added;
    QTest::newRow("wrong identifier") << MdnsResponder::WrongIdentifier << AddByIpAddressWidget::NotFound;
}

// An answer with a TXT record is added end to end (tst_netdevices).
void TestAddByIpAddress::answers()
{
    QFETCH(MdnsResponder::Behaviour, behaviour);
    QFETCH(AddByIpAddressWidget::State, state);
    m_responder.behaviour = behaviour;
    m_responder.device.txt.clear();

    AddByIpAddressWidget page;
    AddByIpAddressController controller(nullptr);
    controller.setWidget(&page);
    QSignalSpy added(&controller, &AddByIpAddressController::deviceAddedByIP);
    page.onAddPressed();
    QCOMPARE(page.state(), AddByIpAddressWidget::Searching);
    QTRY_COMPARE(page.state(), state);
    QCOMPARE(added.count(), state == AddByIpAddressWidget::Added ? 1 : 0);
    if (!added.isEmpty())
        QVERIFY(added.at(0).at(0).value<BonjourInfo>().txtRecord().isEmpty());
}

// Nothing answers: the question is asked again every two seconds, and a new
// Add replaces the query instead of adding one.
void TestAddByIpAddress::twoAddsLeaveOneQuery()
{
    m_responder.behaviour = MdnsResponder::Silent;
    AddByIpAddressWidget page;
    AddByIpAddressController controller(nullptr);
    controller.setWidget(&page);
    const int before = m_responder.questionsReceived();
    page.onAddPressed();
    page.busyButton()->click();
    page.onAddPressed();
    QTRY_COMPARE(controller.findChildren<BonjourInfoQuery*>().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_responder.questionsReceived() >= before + 3, 5000);
    QCOMPARE(page.state(), AddByIpAddressWidget::Searching);
    page.onClosePressed();
    QTRY_COMPARE(controller.findChildren<BonjourInfoQuery*>().size(), 0);
}

void TestAddByIpAddress::familiesAreOfferedInOrder_data()
{
    QTest::addColumn<QByteArray>("familyClass");
    QTest::addColumn<int>("claimedByFirst");
    QTest::newRow("claimed by the first") << QByteArray("Lumaris Net") << 1;
    QTest::newRow("claimed by none") << QByteArray("Other") << 0;
}

// Arrival by address, then a removal from discovery: each reaches the first
// family that claims it and no further. Updates are followed end to end (tst_netdevices).
void TestAddByIpAddress::familiesAreOfferedInOrder()
{
    QFETCH(QByteArray, familyClass);
    QFETCH(int, claimedByFirst);
    // The families outlive the window, which calls their destroy() as it goes.
    NetFamily first, second;
    AdminUtilityWindow window;
    window.addFamily(&first);
    window.addFamily(&second);
    window.postShowStartup();

    BonjourInfo info(BonjourDevice{"Box", "_orvanta._tcp.", "local."}, QStringLiteral("127.0.0.1"));
    const QByteArray text =
        QByteArray("\x0bunique id=1\x06name=A") + char(6 + familyClass.size()) + "class=" + familyClass;
    info.unpackTextRecord(text.constData(), text.size());
    window.newDeviceAddedByIP(info);
    QCOMPARE(first.devices().size(), claimedByFirst);
    QCOMPARE(second.devices().size(), 0);
    QCOMPARE(window.deviceList().numberOfDevice(), claimedByFirst);
    QCOMPARE(window.bonjourDiscovery().deviceCount(), 1);

    window.bonjourDiscovery().bonjourServiceLost(info.device());
    QCOMPARE(first.devices().size(), 0);
    QCOMPARE(window.deviceList().numberOfDevice(), 0);
}

QTEST_MAIN(TestAddByIpAddress)
#include "tst_addbyipaddress.moc"
