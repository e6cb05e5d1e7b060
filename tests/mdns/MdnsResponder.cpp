#include "MdnsResponder.h"

#include <QNetworkDatagram>
#include <QTimer>

namespace
{
constexpr quint16 kFlagsAuthoritativeAnswer = 0x8400;
constexpr quint16 kClassIN = 1;
constexpr quint16 kClassINCacheFlush = 0x8001;
constexpr quint32 kTimeToLive = 4500;
constexpr quint16 kPointer = 0xC000;
constexpr quint16 kPointerToQuestion = kPointer | 12;
constexpr int kHeaderLength = 12;
// Owner, type, class, time to live and data length come before a record's data.
constexpr int kRecordHeaderLength = 12;

enum Type : quint16
{
    A = 1,
    PTR = 12,
    TXT = 16,
    AAAA = 28,
    SRV = 33
};

// Big-endian 16-bit fields, as the message carries them.
QByteArray u16(std::initializer_list<quint16> values)
{
    QByteArray out;
    for (const quint16 value : values)
        out.append(char(value >> 8)).append(char(value & 0xFF));
    return out;
}

QByteArray label(const QByteArray& text)
{
    return char(text.size()) + text;
}

QByteArray record(quint16 owner, Type type, quint16 recordClass, const QByteArray& data)
{
    return u16({owner, type, recordClass, quint16(kTimeToLive >> 16), quint16(kTimeToLive & 0xFFFF),
                quint16(data.size())})
           + data;
}

// The question's name ends at its zero byte; the type and class follow.
int questionEnd(const QByteArray& question)
{
    int position = kHeaderLength;
    while (position < question.size() && question.at(position) != 0)
        position += 1 + quint8(question.at(position));
    return position + 5 <= question.size() ? position + 5 : -1;
}
}

MdnsResponder::MdnsResponder(QObject* parent)
    : QObject(parent)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &MdnsResponder::onReadyRead);
}

bool MdnsResponder::listen(const QHostAddress& address, quint16 port, QString* error)
{
    if (m_socket.bind(address, port))
        return true;
    if (error)
        *error = m_socket.errorString();
    return false;
}

QByteArray MdnsResponder::buildReply(const QByteArray& question, const Device& device, Behaviour behaviour)
{
    const int end = questionEnd(question);
    if (question.size() < kHeaderLength || end < 0)
        return QByteArray();
    const bool withTxt = !device.txt.isEmpty();
    const quint16 id = quint16((quint8(question.at(0)) << 8) | quint8(question.at(1)));
    QByteArray out = u16({behaviour == WrongIdentifier ? quint16(id + 1) : id, kFlagsAuthoritativeAnswer, 1,
                          quint16(behaviour == TwoAnswers ? 2 : 1), 0, quint16(withTxt ? 4 : 3)})
                     + question.mid(kHeaderLength, end - kHeaderLength);

    // Later records name the instance and the host by where they stand in the message.
    const quint16 instanceName = quint16(kPointer | (out.size() + kRecordHeaderLength));
    out += record(kPointerToQuestion, PTR, kClassIN, label(device.instance) + u16({kPointerToQuestion}));
    QByteArray txt;
    for (const QByteArray& text : device.txt)
        txt += label(text);
    if (withTxt)
        out += record(instanceName, TXT, kClassINCacheFlush, txt);
    out += record(instanceName, AAAA, kClassINCacheFlush, QByteArray(15, '\0') + '\1');
    const quint16 hostName = quint16(kPointer | (out.size() + kRecordHeaderLength + 6));
    out += record(instanceName, SRV, kClassINCacheFlush,
                  u16({0, 0, device.servicePort}) + label(device.host) + label("local") + '\0');
    out += record(hostName, A, kClassINCacheFlush, QByteArray("\x7f\x00\x00\x01", 4));

    if (behaviour == Truncated)
        out.chop(3);
    return out;
}

void MdnsResponder::onReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        ++m_questions;
        if (behaviour == Silent)
            continue;
        const QByteArray reply = buildReply(datagram.data(), device, behaviour);
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (reply.isEmpty() || !sender.isLoopback())
            continue;
        QTimer::singleShot(delayMs, this,
                           [this, reply, sender, senderPort] { m_socket.writeDatagram(reply, sender, senderPort); });
    }
}
