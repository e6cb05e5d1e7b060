#pragma once

#include "BonjourDevice.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

class DNSQuery;

// One lookup of an instance's TXT record; it ends with exactly one of
// queried() or error(). Without a DNS-SD service on this platform, it asks
// the device itself by unicast when its address is known, and fails at once
// otherwise.
class BonjourQuery : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kPort = 5353;
    static constexpr int kTimeoutMs = 2000;
    // DNS-SD error codes this lookup reports.
    static constexpr int kErrorNoSuchRecord = -65554;
    static constexpr int kErrorTimeout = -65568;

    BonjourQuery(const BonjourDevice& device, const QString& ipAddress, QObject* parent = nullptr);

    void start();

signals:
    void queried(BonjourDevice device, uint16_t length, const void* data);
    void error(BonjourDevice device, int error);

private:
    void onResponse(bool ok);
    void finishWithError(int code);

    BonjourDevice m_device;
    QHostAddress m_address;
    DNSQuery* m_query = nullptr;
    QTimer m_timeout;
    bool m_finished = false;
};
