#pragma once

#include "DNSAdditionalRecord.h"

#include <QString>

// An SRV record: where the service listens.
class DNSSRVRecord : public DNSAdditionalRecord
{
public:
    static constexpr quint16 kType = 33;

    using DNSAdditionalRecord::DNSAdditionalRecord;

    bool parse(const DNSWireReader& message, int offset) override;

    quint16 priority() const { return m_priority; }
    quint16 weight() const { return m_weight; }
    quint16 port() const { return m_port; }
    QString target() const { return m_target; }

private:
    quint16 m_priority = 0;
    quint16 m_weight = 0;
    quint16 m_port = 0;
    QString m_target;
};
