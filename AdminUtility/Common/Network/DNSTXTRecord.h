#pragma once

#include "DNSAdditionalRecord.h"

// A TXT record: its data kept as it came, a run of length-prefixed strings.
class DNSTXTRecord : public DNSAdditionalRecord
{
public:
    static constexpr quint16 kType = 16;

    using DNSAdditionalRecord::DNSAdditionalRecord;

    bool parse(const DNSWireReader& message, int offset) override;
    QByteArray getAdditionalText() const override;
    int getDataLength() const override;

private:
    QByteArray m_data;
};
