#pragma once

#include "DNSAdditionalRecord.h"

#include <QHostAddress>

// An A record: the IPv4 address of the host that offers the service.
class DNSHostAddressRecord : public DNSAdditionalRecord
{
public:
    static constexpr quint16 kType = 1;

    using DNSAdditionalRecord::DNSAdditionalRecord;

    bool parse(const DNSWireReader& message, int offset) override;

    QHostAddress hostAddress() const { return m_address; }

private:
    QHostAddress m_address;
};
