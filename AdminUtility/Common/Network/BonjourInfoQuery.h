#pragma once

#include "BonjourInfo.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

class DNSQuery;

// Asks the device at one address which instance of our service it is and
// builds its BonjourInfo from the answer. The question is sent again every
// two seconds until something answers from port 5353.
class BonjourInfoQuery : public QObject
{
    Q_OBJECT

public:
    static const quint16 s_port;
    static const char* const s_dnsName;
    static constexpr int kResendIntervalMs = 2000;

    explicit BonjourInfoQuery(QObject* parent = nullptr);

    bool sendInfoQuery(const QHostAddress& address);
    const BonjourInfo& info() const { return m_info; }
    bool isResending() const { return m_retryTimer.isActive(); }

signals:
    void bonjourInfoQueryReceived(bool ok);

public slots:
    void onTimeout();
    void onDNSResponseReceived(bool ok);

private:
    bool send();

    BonjourInfo m_info;
    DNSQuery* m_query;
    QHostAddress m_address;
    QTimer m_retryTimer;
};
