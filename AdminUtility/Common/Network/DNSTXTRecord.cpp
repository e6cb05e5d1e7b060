#include "DNSTXTRecord.h"

#include "DNSWireReader.h"

bool DNSTXTRecord::parse(const DNSWireReader& message, int offset)
{
    if (!message.has(offset, dataLength()))
        return false;
    m_data = QByteArray(reinterpret_cast<const char*>(message.at(offset)), dataLength());
    return true;
}

QByteArray DNSTXTRecord::getAdditionalText() const
{
    return m_data;
}

int DNSTXTRecord::getDataLength() const
{
    return m_data.size();
}
