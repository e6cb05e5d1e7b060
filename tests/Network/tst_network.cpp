// The network path below the window: DNS questions and replies, TXT records
// and discovery, and adding a device by its address against a responder on
// 127.0.0.1:5353.
#include "AddByIpAddressController.h"
#include "AddByIpAddressWidget.h"
#include "AdminUtilityWindow.h"
#include "BonjourDiscovery.h"
#include "BonjourInfoQuery.h"
#include "BonjourQuery.h"
#include "BusyButton.h"
#include "CardPushButton.h"
#include "DNSHostAddressRecord.h"
#include "DNSQuery.h"
#include "DNSSRVRecord.h"
#include "DNSTXTRecord.h"
#include "MainWindowDialogLineEdit.h"
#include "MdnsResponder.h"
#include "NetFamily.h"

#include <QSignalSpy>
#include <QtTest>

using TextMap = QMap<QString, QString>;

Q_DECLARE_METATYPE(MdnsResponder::Behaviour)
Q_DECLARE_METATYPE(AddByIpAddressWidget::State)

namespace
{
const QString kService = QStringLiteral("_orvanta._tcp.local");
const quint16 kId = 0x1234;
const BonjourDevice kBox{"Box", "_orvanta._tcp.", "local."};

// TXT record data from its strings, each prefixed with its length.
QByteArray txt(const QList<QByteArray>& strings)
{
    QByteArray out;
    for (const QByteArray& string : strings)
        out.append(char(string.size())).append(string);
    return out;
}

QByteArray question()
{
    return DNSQuery::buildPTRQuery(kId, kService);
}

QByteArray reply(const MdnsResponder::Device& device = MdnsResponder::Device(),
                 MdnsResponder::Behaviour behaviour = MdnsResponder::Answer)
{
    return MdnsResponder::buildReply(question(), device, behaviour);
}

bool parse(DNSReplyToQuery& parsed, const QByteArray& message, quint16 id = kId)
{
    return parsed.parse(reinterpret_cast<const unsigned char*>(message.constData()), message.size(), id);
}

// A reply built by hand: header, then the given body.
QByteArray message(quint16 questions, quint16 answers, quint16 additional, const QByteArray& body)
{
    QByteArray out;
    for (quint16 field : {kId, quint16(0x8400), questions, answers, quint16(0), additional})
        out.append(char(field >> 8)).append(char(field & 0xFF));
    return out + body;
}

const QByteArray kQuestion = QByteArray::fromHex("085f6f7276616e7461045f746370056c6f63616c00000c0001");
// PTR answer owned by the question's name, data "Box" + pointer to the question.
const QByteArray kAnswer = QByteArray::fromHex("c00c000c0001000011940006") + QByteArray("\x03" "Box\xc0\x0c", 6);
}

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void queryBytes();
    void encodedNames_data();
    void encodedNames();
    void replyFromADevice();
    void malformedReplies_data();
    void malformedReplies();
    void onlyTheLastQuestionsAnswerCounts();

    void unpacking_data();
    void unpacking();
    void answersMakeOneArrivalThenUpdates();
    void lostBeforeAnyAnswerIsRemovedAndStaysGone();
    void addedDeviceIsPolledAsArrived();
    void startsOnce();

    void pageStates();
    void answers_data();
    void answers();
    void twoAddsLeaveOneQuery();
    void familiesAreOfferedInOrder_data();
    void familiesAreOfferedInOrder();

private:
    void answer(BonjourDiscovery& discovery, const QByteArray& data, const BonjourDevice& device = kBox)
    {
        discovery.bonjourQuerySuccess(device, uint16_t(data.size()), data.constData());
    }

    MdnsResponder m_responder;
};

void TestNetwork::initTestCase()
{
    qRegisterMetaType<BonjourInfo>();
    QString error;
    QVERIFY2(m_responder.listen(QHostAddress::LocalHost, BonjourInfoQuery::s_port, &error), qPrintable(error));
}

void TestNetwork::queryBytes()
{
    const QByteArray query = question();
    QCOMPARE(query.size(), 37);
    QCOMPARE(query.toHex(), QByteArray("123401000001000000000000") + kQuestion.toHex());
}

void TestNetwork::encodedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty parts kept") << QStringLiteral("a..b") << QByteArray::fromHex("0161000162" "00");
    QTest::newRow("trailing dot") << QStringLiteral("local.") << QByteArray::fromHex("056c6f63616c0000");
    QTest::newRow("utf-8 counts bytes") << QStringLiteral("\u00e9") << QByteArray::fromHex("02c3a900");
}

void TestNetwork::encodedNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    QByteArray out;
    QCOMPARE(DNSQuery::encodeQueryName(name, out), expected.size());
    QCOMPARE(out.toHex(), expected.toHex());
}

// TXT, AAAA, SRV, A: the AAAA is passed over, the other three are kept. The
// program reads the instance, type, domain and TXT text; the SRV and A values it
// never uses.
void TestNetwork::replyFromADevice()
{
    DNSReplyToQuery parsed;
    QVERIFY(parse(parsed, reply()));
    QCOMPARE(parsed.getServiceName(), QStringLiteral("Lumaris Net Box"));
    QString type, domain;
    parsed.getDomain(type, domain);
    QCOMPARE(type, QStringLiteral("_orvanta._tcp."));
    QCOMPARE(domain, QStringLiteral("local."));
    QList<quint16> types;
    for (const auto& record : parsed.additionalRecords())
        types << record->type();
    QCOMPARE(types, (QList<quint16>{DNSTXTRecord::kType, DNSSRVRecord::kType, DNSHostAddressRecord::kType}));
    QVERIFY(parsed.getAdditionalText().startsWith("\x12unique id=NET-0001"));
    QCOMPARE(parsed.getAdditionalTextLength(), parsed.getAdditionalText().size());
}

void TestNetwork::malformedReplies_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("records");
    const QByteArray good = reply();
    QTest::newRow("header cut short") << good.left(11) << false << 0;
    QTest::newRow("question cut short") << good.left(20) << false << 0;
    QTest::newRow("last record cut short") << reply({}, MdnsResponder::Truncated) << false << 2;
    QTest::newRow("wrong identifier") << reply({}, MdnsResponder::WrongIdentifier) << false << 0;
    QTest::newRow("two answers") << reply({}, MdnsResponder::TwoAnswers) << false << 0;
    QTest::newRow("more records counted than sent") << message(1, 1, 40, kQuestion + kAnswer) << false << 0;
    QTest::newRow("no answer") << message(1, 0, 0, kQuestion) << false << 0;
    QTest::newRow("answer not a PTR")
        << message(1, 1, 0, kQuestion + QByteArray::fromHex("c00c00100001000011940001") + QByteArray(1, '\0'))
        << false << 0;
    QTest::newRow("pointers in a loop")
        << message(1, 1, 0, kQuestion + QByteArray::fromHex("0161c025") + kAnswer.mid(2)) << false << 0;
    QTest::newRow("pointer past the end")
        << message(1, 1, 0, kQuestion + QByteArray::fromHex("c0")) << false << 0;
    QTest::newRow("label type 0x40")
        << message(1, 1, 0, QByteArray::fromHex("4161000c0001") + kAnswer) << false << 0;
    QByteArray longName;
    for (int i = 0; i < 5; ++i)
        longName += char(60) + QByteArray(60, 'x');
    QTest::newRow("name over 255 bytes")
        << message(1, 1, 0, longName + QByteArray::fromHex("00000c0001") + kAnswer) << false << 0;
    QTest::newRow("PTR data longer than its length")
        << message(1, 1, 0, kQuestion + QByteArray::fromHex("c00c000c0001000011940002") + QByteArray("\x03" "Box\xc0\x0c", 6))
        << false << 0;
    QTest::newRow("A record of 3 bytes left out")
        << message(1, 1, 1, kQuestion + kAnswer + QByteArray::fromHex("c00c000100010000119400037f0000")) << true << 0;
    QTest::newRow("unknown type skipped")
        << message(1, 1, 1, kQuestion + kAnswer + QByteArray::fromHex("c00c002f0001000011940002abcd")) << true << 0;
}

void TestNetwork::malformedReplies()
{
    QFETCH(QByteArray, message);
    QFETCH(bool, parsed);
    QFETCH(int, records);
    DNSReplyToQuery reply;
    QCOMPARE(parse(reply, message), parsed);
    QCOMPARE(int(reply.additionalRecords().size()), records);
}

// Each question carries a new identifier: an answer to the first one that
// arrives after the second was sent is not taken for the second's. A reply from
// another port, sent before either answer, is not read at all.
void TestNetwork::onlyTheLastQuestionsAnswerCounts()
{
    MdnsResponder responder;
    QVERIFY(responder.listen(QHostAddress::LocalHost, 0));
    responder.delayMs = 300;
    DNSQuery query;
    QSignalSpy answers(&query, &DNSQuery::DNSResponseReceived);
    QVERIFY(query.sendPTRQuery(QHostAddress::LocalHost, responder.port(), kService));
    const quint16 first = query.lastIdentifier();
    QTRY_COMPARE(responder.questionsReceived(), 1);
    QVERIFY(query.sendPTRQuery(QHostAddress::LocalHost, responder.port(), kService));
    QVERIFY(query.lastIdentifier() != first);
    QUdpSocket stranger;
    stranger.writeDatagram(reply(), QHostAddress::LocalHost, query.localPort());
    QTRY_COMPARE(answers.count(), 2);
    QTest::qWait(200);
    QCOMPARE(answers.count(), 2);
    QCOMPARE(answers.at(0).at(0).toBool(), false);
    QCOMPARE(answers.at(1).at(0).toBool(), true);
    QCOMPARE(query.getServiceName(), QStringLiteral("Lumaris Net Box"));
}

void TestNetwork::unpacking_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<TextMap>("expected");
    QTest::newRow("key and value") << txt({"unique id=12AB"}) << TextMap{{"unique id", "12AB"}};
    QTest::newRow("second = and after dropped") << txt({"name=Box=2"}) << TextMap{{"name", "Box"}};
    QTest::newRow("no = is a key without value") << txt({"flag"}) << TextMap{{"flag", ""}};
    QTest::newRow("200-byte string read whole")
        << txt({"k=" + QByteArray(198, 'v')}) << TextMap{{"k", QString(198, 'v')}};
    QTest::newRow("zero length ends the data") << txt({"a=1"}) + QByteArray(1, '\0') + txt({"b=2"})
                                               << TextMap{{"a", "1"}};
    QTest::newRow("string past the end ends the data") << txt({"a=1"}) + QByteArray("\x09" "b=2", 4)
                                                       << TextMap{{"a", "1"}};
    QTest::newRow("first of a key named twice") << txt({"a=1", "a=2"}) << TextMap{{"a", "1"}};
    QTest::newRow("empty key passed over") << txt({"=1", "b=2"}) << TextMap{{"b", "2"}};
    QTest::newRow("invalid UTF-8 kept readable") << txt({"n=\xff"}) << TextMap{{"n", QString(QChar::ReplacementCharacter)}};
}

void TestNetwork::unpacking()
{
    QFETCH(QByteArray, data);
    QFETCH(TextMap, expected);
    BonjourInfo info(kBox);
    info.unpackTextRecord(data.constData(), data.size());
    QCOMPARE(info.txtRecord(), expected);
}

// Found twice, it is one entry, though each find asks for the record. An empty
// first answer still arrives; the same record again is no news; a changed value
// is; a key that vanishes keeps its value and is no news.
void TestNetwork::answersMakeOneArrivalThenUpdates()
{
    BonjourDiscovery discovery;
    QSignalSpy arrived(&discovery, &BonjourDiscovery::deviceArrived);
    QSignalSpy updated(&discovery, &BonjourDiscovery::deviceUpdated);
    discovery.bonjourServiceFound(kBox);
    discovery.bonjourServiceFound(kBox);
    QCOMPARE(discovery.deviceCount(), 1);
    QCOMPARE(discovery.findChildren<BonjourQuery*>().size(), 2);
    answer(discovery, QByteArray());
    QCOMPARE(arrived.count(), 1);
    QVERIFY(discovery.findBonjourDevice(kBox)->txtRecord().isEmpty());
    answer(discovery, txt({"a=1", "b=2"}));
    QCOMPARE(updated.count(), 1);
    answer(discovery, txt({"a=1", "b=2"}));
    QCOMPARE(updated.count(), 1);
    answer(discovery, txt({"a=1"}));
    QCOMPARE(updated.count(), 1);
    answer(discovery, txt({"a=5"}));
    QCOMPARE(updated.count(), 2);
    QCOMPARE(discovery.findBonjourDevice(kBox)->txtRecord(), (TextMap{{"a", "5"}, {"b", "2"}}));
    QCOMPARE(arrived.count(), 1);
}

// A late answer for the lost device brings nothing back.
void TestNetwork::lostBeforeAnyAnswerIsRemovedAndStaysGone()
{
    BonjourDiscovery discovery;
    QSignalSpy arrived(&discovery, &BonjourDiscovery::deviceArrived);
    QSignalSpy removed(&discovery, &BonjourDiscovery::deviceRemoved);
    discovery.bonjourServiceFound(kBox);
    discovery.bonjourServiceLost(BonjourDevice{"Other", {}, {}});
    QCOMPARE(removed.count(), 0);
    discovery.bonjourServiceLost(kBox);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).value<BonjourInfo>().deviceName(), QStringLiteral("Box"));
    QCOMPARE(discovery.deviceCount(), 0);
    answer(discovery, txt({"a=1"}));
    QCOMPARE(arrived.count(), 0);
}

void TestNetwork::addedDeviceIsPolledAsArrived()
{
    BonjourDiscovery discovery;
    QSignalSpy arrived(&discovery, &BonjourDiscovery::deviceArrived);
    QSignalSpy updated(&discovery, &BonjourDiscovery::deviceUpdated);
    BonjourInfo added(kBox, QStringLiteral("127.0.0.1"));
    const QByteArray first = txt({"a=1"});
    added.unpackTextRecord(first.constData(), first.size());
    discovery.trackAddedDevice(added);
    answer(discovery, txt({"a=2"}));
    QCOMPARE(arrived.count(), 0);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<BonjourInfo>().ipAddress(), QStringLiteral("127.0.0.1"));
}

void TestNetwork::startsOnce()
{
    BonjourDiscovery discovery;
    QVERIFY(!discovery.isStarted());
    discovery.start();
    discovery.start();
    QVERIFY(discovery.isStarted());
    const auto timers = discovery.findChildren<QTimer*>();
    QCOMPARE(timers.size(), 1);
    QVERIFY(timers.first()->isActive());
}

// Add, by button or by Return, only for a whole address and while not searching.
void TestNetwork::pageStates()
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

void TestNetwork::answers_data()
{
    QTest::addColumn<MdnsResponder::Behaviour>("behaviour");
    QTest::addColumn<AddByIpAddressWidget::State>("state");
    QTest::newRow("answer without TXT") << MdnsResponder::Answer << AddByIpAddressWidget::Added;
    QTest::newRow("wrong identifier") << MdnsResponder::WrongIdentifier << AddByIpAddressWidget::NotFound;
}

// An answer with a TXT record is added end to end (tst_netdevices).
void TestNetwork::answers()
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
void TestNetwork::twoAddsLeaveOneQuery()
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

void TestNetwork::familiesAreOfferedInOrder_data()
{
    QTest::addColumn<QByteArray>("familyClass");
    QTest::addColumn<int>("claimedByFirst");
    QTest::newRow("claimed by the first") << QByteArray("Lumaris Net") << 1;
    QTest::newRow("claimed by none") << QByteArray("Other") << 0;
}

// Arrival by address, then a removal from discovery: each reaches the first
// family that claims it and no further. Updates are followed end to end (tst_netdevices).
void TestNetwork::familiesAreOfferedInOrder()
{
    QFETCH(QByteArray, familyClass);
    QFETCH(int, claimedByFirst);
    // The families outlive the window, which calls their destroy() as it goes.
    NetFamily first, second;
    AdminUtilityWindow window;
    window.addFamily(&first);
    window.addFamily(&second);
    window.postShowStartup();

    BonjourInfo info(kBox, QStringLiteral("127.0.0.1"));
    const QByteArray text = txt({"unique id=1", "name=A", "class=" + familyClass});
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

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
