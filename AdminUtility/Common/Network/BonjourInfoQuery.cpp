#include "BonjourInfoQuery.h"

#include "DNSQuery.h"

const quint16 BonjourInfoQuery::s_port = 5353;
const char* const BonjourInfoQuery::s_dnsName = "_orvanta._tcp.local";

BonjourInfoQuery::BonjourInfoQuery(QObject* parent)
    : QObject(parent)
    , m_query(new DNSQuery(this))
{
    m_retryTimer.setInterval(kResendIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &BonjourInfoQuery::onTimeout);
    connect(m_query, &DNSQuery::DNSResponseReceived, this, &BonjourInfoQuery::onDNSResponseReceived);
}

bool BonjourInfoQuery::sendInfoQuery(const QHostAddress& address)
{
    m_address = address;
    m_retryTimer.start();
    return send();
}

void BonjourInfoQuery::onTimeout()
{
    send();
    m_retryTimer.start();
}

bool BonjourInfoQuery::send()
{
    return m_query->sendPTRQuery(m_address, s_port, QLatin1String(s_dnsName));
}

void BonjourInfoQuery::onDNSResponseReceived(bool ok)
{
    m_retryTimer.stop();
    if (ok) {
        QString serviceType;
        QString domain;
        m_query->getDomain(serviceType, domain);
        const BonjourDevice device{m_query->getServiceName().toUtf8(), serviceType.toUtf8(), domain.toUtf8()};
        m_info = BonjourInfo(device, m_address.toString());
        const QByteArray text = m_query->reply().getAdditionalText();
        m_info.unpackTextRecord(text.constData(), text.size());
    }
    emit bonjourInfoQueryReceived(ok);
}
