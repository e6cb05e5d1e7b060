#pragma once

#include "DNSReplyToQuery.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

// Asks one host, by unicast multicast DNS, which instance of a service it
// offers, and reads the reply. The question leaves from a port other than
// 5353, so the host answers to that port alone and repeats the question.
class DNSQuery : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kFlagsStandardQuery = 0x0100;
    static constexpr quint16 kClassIN = 1;

    explicit DNSQuery(QObject* parent = nullptr);

    // The query message for a name: header, name, type PTR, class IN.
    static QByteArray buildPTRQuery(quint16 identifier, const QString& name);
    // Appends name as length-prefixed labels and a final zero; returns the bytes written.
    static int encodeQueryName(const QString& name, QByteArray& out);

    bool sendPTRQuery(const QHostAddress& address, unsigned short port, const QString& name);

    QString getServiceName() const { return m_reply.getServiceName(); }
    void getDomain(QString& serviceType, QString& domain) const { m_reply.getDomain(serviceType, domain); }
    const DNSReplyToQuery& reply() const { return m_reply; }
    quint16 lastIdentifier() const { return m_identifier; }
    quint16 localPort() const { return m_socket.localPort(); }

signals:
    void DNSResponseReceived(bool ok);

public slots:
    void readPendingDatagrams();

private:
    QUdpSocket m_socket;
    QByteArray m_message;
    DNSReplyToQuery m_reply;
    quint16 m_identifier = 0;
    quint16 m_port = 0;
};
