#include "DNSWireReader.h"

namespace
{
constexpr unsigned char kPointerMask = 0xC0;
}

DNSWireReader::DNSWireReader(const unsigned char* data, int length)
    : m_data(data)
    , m_length(data && length > 0 ? length : 0)
{
}

bool DNSWireReader::has(int offset, int count) const
{
    return offset >= 0 && count >= 0 && offset <= m_length && count <= m_length - offset;
}

bool DNSWireReader::readU16(int& offset, quint16& value) const
{
    if (!has(offset, 2))
        return false;
    value = quint16((m_data[offset] << 8) | m_data[offset + 1]);
    offset += 2;
    return true;
}

bool DNSWireReader::readU32(int& offset, quint32& value) const
{
    if (!has(offset, 4))
        return false;
    value = (quint32(m_data[offset]) << 24) | (quint32(m_data[offset + 1]) << 16) | (quint32(m_data[offset + 2]) << 8)
        | quint32(m_data[offset + 3]);
    offset += 4;
    return true;
}

bool DNSWireReader::readName(int& offset, QList<QByteArray>& labels) const
{
    QList<QByteArray> read;
    int position = offset;
    int runStart = offset;
    int endInPlace = -1;
    int nameLength = 1;
    int hops = 0;
    while (has(position, 1)) {
        const unsigned char length = m_data[position];
        if ((length & kPointerMask) == kPointerMask) {
            if (!has(position, 2) || ++hops > kMaxPointerHops)
                return false;
            const int target = ((length & ~kPointerMask) << 8) | m_data[position + 1];
            if (target >= runStart)
                return false;
            if (endInPlace < 0)
                endInPlace = position + 2;
            position = runStart = target;
            continue;
        }
        // 0x40 and 0x80 mark label types that no longer exist.
        if (length & kPointerMask)
            return false;
        if (length == 0) {
            offset = endInPlace < 0 ? position + 1 : endInPlace;
            labels = read;
            return true;
        }
        nameLength += length + 1;
        if (nameLength > kMaxNameLength || !has(position + 1, length))
            return false;
        read.append(QByteArray(reinterpret_cast<const char*>(m_data + position + 1), length));
        position += 1 + length;
    }
    return false;
}
