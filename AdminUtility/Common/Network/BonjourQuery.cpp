#include "BonjourQuery.h"

#include "DNSQuery.h"

namespace
{
// "_orvanta._tcp." and "local." make the question "_orvanta._tcp.local".
QString questionName(const BonjourDevice& device)
{
    QString name = QString::fromUtf8(device.serviceType) + QString::fromUtf8(device.domain);
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}
}

BonjourQuery::BonjourQuery(const BonjourDevice& device, const QString& ipAddress, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_address(ipAddress)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finishWithError(kErrorTimeout); });
}

void BonjourQuery::start()
{
    if (m_address.isNull()) {
        // Reported on the next turn, as a real lookup would be.
        QTimer::singleShot(0, this, [this] { finishWithError(kErrorNoSuchRecord); });
        return;
    }
    m_query = new DNSQuery(this);
    connect(m_query, &DNSQuery::DNSResponseReceived, this, &BonjourQuery::onResponse);
    m_timeout.start();
    if (!m_query->sendPTRQuery(m_address, kPort, questionName(m_device)))
        QTimer::singleShot(0, this, [this] { finishWithError(kErrorNoSuchRecord); });
}

// Only an answer naming the same instance is this device's record.
void BonjourQuery::onResponse(bool ok)
{
    if (m_finished)
        return;
    if (!ok || m_query->getServiceName().toUtf8() != m_device.serviceName) {
        finishWithError(kErrorNoSuchRecord);
        return;
    }
    m_finished = true;
    m_timeout.stop();
    const QByteArray text = m_query->reply().getAdditionalText();
    emit queried(m_device, uint16_t(text.size()), text.constData());
}

void BonjourQuery::finishWithError(int code)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timeout.stop();
    emit error(m_device, code);
}
