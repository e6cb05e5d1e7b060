#include "DNSHostAddressRecord.h"
#include "DNSQuery.h"
#include "DNSSRVRecord.h"
#include "DNSTXTRecord.h"
#include "MdnsResponder.h"

#include <QSignalSpy>
#include <QtTest>

namespace
{
const QString kService = QStringLiteral("_orvanta._tcp.local");
const quint16 kId = 0x1234;

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

class TestDNSQuery : public QObject
{
    Q_OBJECT

private slots:
    void queryBytes();
    void encodedNames_data();
    void encodedNames();
    void replyFromADevice();
    void malformedReplies_data();
    void malformedReplies();
    void onlyTheLastQuestionsAnswerCounts();
};

void TestDNSQuery::queryBytes()
{
    const QByteArray query = question();
    QCOMPARE(query.size(), 37);
    QCOMPARE(query.toHex(), QByteArray("123401000001000000000000") + kQuestion.toHex());
}

void TestDNSQuery::encodedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty parts kept") << QStringLiteral("a..b") << QByteArray::fromHex("0161000162" "00");
    QTest::newRow("trailing dot") << QStringLiteral("local.") << QByteArray::fromHex("056c6f63616c0000");
    QTest::newRow("utf-8 counts bytes") << QStringLiteral("\u00e9") << QByteArray::fromHex("02c3a900");
}

void TestDNSQuery::encodedNames()
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
void TestDNSQuery::replyFromADevice()
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

void TestDNSQuery::malformedReplies_data()
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

void TestDNSQuery::malformedReplies()
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
void TestDNSQuery::onlyTheLastQuestionsAnswerCounts()
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

QTEST_GUILESS_MAIN(TestDNSQuery)
#include "tst_dnsquery.moc"
