#include "DNSHostAddressRecord.h"

#include "DNSWireReader.h"

bool DNSHostAddressRecord::parse(const DNSWireReader& message, int offset)
{
    quint32 address = 0;
    if (dataLength() != 4 || !message.readU32(offset, address))
        return false;
    m_address = QHostAddress(address);
    return true;
}
