#pragma once

#include <QByteArray>

class DNSWireReader;

// A record of a reply's additional section: the fixed fields that precede
// its data, and the data read by the record type that knows it.
class DNSAdditionalRecord
{
public:
    DNSAdditionalRecord(quint16 nameReference, quint16 type, quint16 recordClass, quint32 timeToLive,
                        quint16 dataLength);
    virtual ~DNSAdditionalRecord();

    // Reads the record's data, which starts at offset and is dataLength bytes
    // long inside the message; false when it is not what the type requires.
    virtual bool parse(const DNSWireReader& message, int offset) = 0;
    virtual QByteArray getAdditionalText() const;
    virtual int getDataLength() const;

    quint16 nameReference() const { return m_nameReference; }
    quint16 type() const { return m_type; }
    quint16 recordClass() const { return m_class; }
    quint32 timeToLive() const { return m_timeToLive; }
    quint16 dataLength() const { return m_dataLength; }

private:
    quint16 m_nameReference;
    quint16 m_type;
    quint16 m_class;
    quint32 m_timeToLive;
    quint16 m_dataLength;
};
