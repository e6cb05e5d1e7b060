#include "BonjourDiscovery.h"
#include "BonjourInfo.h"
#include "BonjourQuery.h"

#include <QSignalSpy>
#include <QtTest>

using TextMap = QMap<QString, QString>;

namespace
{
// TXT record data from its strings, each prefixed with its length.
QByteArray txt(const QList<QByteArray>& strings)
{
    QByteArray out;
    for (const QByteArray& string : strings)
        out.append(char(string.size())).append(string);
    return out;
}

const BonjourDevice kBox{"Box", "_orvanta._tcp.", "local."};
}

class TestBonjourDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<BonjourInfo>(); }
    void unpacking_data();
    void unpacking();
    void answersMakeOneArrivalThenUpdates();
    void lostBeforeAnyAnswerIsRemovedAndStaysGone();
    void addedDeviceIsPolledAsArrived();
    void startsOnce();

private:
    void answer(BonjourDiscovery& discovery, const QByteArray& data, const BonjourDevice& device = kBox)
    {
        discovery.bonjourQuerySuccess(device, uint16_t(data.size()), data.constData());
    }
};

void TestBonjourDiscovery::unpacking_data()
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

void TestBonjourDiscovery::unpacking()
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
void TestBonjourDiscovery::answersMakeOneArrivalThenUpdates()
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
void TestBonjourDiscovery::lostBeforeAnyAnswerIsRemovedAndStaysGone()
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

void TestBonjourDiscovery::addedDeviceIsPolledAsArrived()
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

void TestBonjourDiscovery::startsOnce()
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

QTEST_GUILESS_MAIN(TestBonjourDiscovery)
#include "tst_bonjourdiscovery.moc"
