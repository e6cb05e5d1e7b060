#include "DNSSRVRecord.h"

#include "DNSWireReader.h"

bool DNSSRVRecord::parse(const DNSWireReader& message, int offset)
{
    const int end = offset + dataLength();
    QList<QByteArray> labels;
    if (!message.has(offset, dataLength()) || !message.readU16(offset, m_priority)
        || !message.readU16(offset, m_weight) || !message.readU16(offset, m_port)
        || !message.readName(offset, labels) || offset > end)
        return false;
    QStringList parts;
    for (const QByteArray& label : qAsConst(labels))
        parts << QString::fromUtf8(label);
    m_target = parts.join(QLatin1Char('.'));
    return true;
}
