#include "DNSAdditionalRecord.h"

DNSAdditionalRecord::DNSAdditionalRecord(quint16 nameReference, quint16 type, quint16 recordClass,
                                         quint32 timeToLive, quint16 dataLength)
    : m_nameReference(nameReference)
    , m_type(type)
    , m_class(recordClass)
    , m_timeToLive(timeToLive)
    , m_dataLength(dataLength)
{
}

DNSAdditionalRecord::~DNSAdditionalRecord() = default;

QByteArray DNSAdditionalRecord::getAdditionalText() const
{
    return QByteArray();
}

int DNSAdditionalRecord::getDataLength() const
{
    return 0;
}
