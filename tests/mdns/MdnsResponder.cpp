#include "MdnsResponder.h"

#include <QNetworkDatagram>
#include <QTimer>

namespace
{
constexpr quint16 kFlagsAuthoritativeAnswer = 0x8400;
constexpr quint16 kClassIN = 1;
constexpr quint16 kClassINCacheFlush = 0x8001;
constexpr quint32 kTimeToLive = 4500;
constexpr quint16 kPointerToQuestion = 0xC00C;
constexpr int kHeaderLength = 12;

enum Type : quint16
{
    A = 1,
    PTR = 12,
    TXT = 16,
    AAAA = 28,
    SRV = 33
};

void u16(QByteArray& out, quint16 value)
{
    out.append(char(value >> 8)).append(char(value & 0xFF));
}

void u32(QByteArray& out, quint32 value)
{
    u16(out, quint16(value >> 16));
    u16(out, quint16(value & 0xFFFF));
}

void label(QByteArray& out, const QByteArray& text)
{
    out.append(char(text.size())).append(text);
}

// One resource record; its data is filled by the caller, its length patched after.
int beginRecord(QByteArray& out, quint16 owner, Type type, quint16 recordClass)
{
    u16(out, owner);
    u16(out, type);
    u16(out, recordClass);
    u32(out, kTimeToLive);
    u16(out, 0);
    return out.size();
}

void endRecord(QByteArray& out, int dataStart)
{
    const int length = out.size() - dataStart;
    out[dataStart - 2] = char(length >> 8);
    out[dataStart - 1] = char(length & 0xFF);
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
    QByteArray out;
    const quint16 id = quint16((quint8(question.at(0)) << 8) | quint8(question.at(1)));
    u16(out, behaviour == WrongIdentifier ? quint16(id + 1) : id);
    u16(out, kFlagsAuthoritativeAnswer);
    u16(out, 1);
    u16(out, behaviour == TwoAnswers ? 2 : 1);
    u16(out, 0);
    u16(out, withTxt ? 4 : 3);
    out.append(question.mid(kHeaderLength, end - kHeaderLength));

    int data = beginRecord(out, kPointerToQuestion, PTR, kClassIN);
    const quint16 instanceName = quint16(0xC000 | out.size());
    label(out, device.instance);
    u16(out, kPointerToQuestion);
    endRecord(out, data);

    if (withTxt) {
        data = beginRecord(out, instanceName, TXT, kClassINCacheFlush);
        for (const QByteArray& text : device.txt)
            label(out, text);
        endRecord(out, data);
    }
    data = beginRecord(out, instanceName, AAAA, kClassINCacheFlush);
    out.append(QByteArray(15, '\0')).append('\1');
    endRecord(out, data);

    data = beginRecord(out, instanceName, SRV, kClassINCacheFlush);
    u16(out, 0);
    u16(out, 0);
    u16(out, device.servicePort);
    const quint16 hostName = quint16(0xC000 | out.size());
    label(out, device.host);
    label(out, "local");
    out.append('\0');
    endRecord(out, data);

    data = beginRecord(out, hostName, A, kClassINCacheFlush);
    u32(out, QHostAddress(QHostAddress::LocalHost).toIPv4Address());
    endRecord(out, data);

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
