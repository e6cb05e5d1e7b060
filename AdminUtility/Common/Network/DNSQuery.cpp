#include "DNSQuery.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QStringList>

namespace
{
void appendU16(QByteArray& out, quint16 value)
{
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}
}

DNSQuery::DNSQuery(QObject* parent)
    : QObject(parent)
    , m_socket(this)
{
    // Any port but 5353: the host then answers this socket alone.
    m_socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &DNSQuery::readPendingDatagrams);
}

// A label cannot say more than 63 bytes: a longer part is cut there rather
// than turned into a length byte that reads as a pointer.
int DNSQuery::encodeQueryName(const QString& name, QByteArray& out)
{
    const int start = out.size();
    for (const QString& part : name.split(QLatin1Char('.'))) {
        const QByteArray label = part.toUtf8().left(63);
        out.append(char(label.size()));
        out.append(label);
    }
    out.append('\0');
    return out.size() - start;
}

QByteArray DNSQuery::buildPTRQuery(quint16 identifier, const QString& name)
{
    QByteArray message;
    for (quint16 field : {identifier, kFlagsStandardQuery, quint16(1), quint16(0), quint16(0), quint16(0)})
        appendU16(message, field);
    encodeQueryName(name, message);
    appendU16(message, DNSReplyToQuery::kTypePTR);
    appendU16(message, kClassIN);
    return message;
}

bool DNSQuery::sendPTRQuery(const QHostAddress& address, unsigned short port, const QString& name)
{
    // A fresh identifier for every send, so a late reply to an earlier one is not taken for this one.
    const quint16 previous = m_identifier;
    m_identifier = quint16(QRandomGenerator::global()->generate());
    if (m_identifier == previous)
        m_identifier ^= 1;
    m_port = port;
    m_message = buildPTRQuery(m_identifier, name);
    return m_socket.writeDatagram(m_message, address, port) > 0;
}

void DNSQuery::readPendingDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        if (datagram.senderPort() != m_port)
            continue;
        const QByteArray data = datagram.data();
        const bool ok =
            m_reply.parse(reinterpret_cast<const unsigned char*>(data.constData()), data.size(), m_identifier);
        emit DNSResponseReceived(ok);
    }
}
