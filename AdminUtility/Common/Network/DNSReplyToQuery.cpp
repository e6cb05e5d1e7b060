#include "DNSReplyToQuery.h"

#include "DNSHostAddressRecord.h"
#include "DNSSRVRecord.h"
#include "DNSTXTRecord.h"
#include "DNSWireReader.h"

#include <QStringList>

namespace
{
QString joinLabels(const QList<QByteArray>& labels)
{
    QStringList parts;
    for (const QByteArray& label : labels)
        parts << QString::fromUtf8(label);
    return parts.join(QLatin1Char('.'));
}

std::unique_ptr<DNSAdditionalRecord> makeRecord(quint16 reference, quint16 type, quint16 recordClass, quint32 ttl,
                                                quint16 length)
{
    switch (type) {
    case DNSTXTRecord::kType:
        return std::make_unique<DNSTXTRecord>(reference, type, recordClass, ttl, length);
    case DNSSRVRecord::kType:
        return std::make_unique<DNSSRVRecord>(reference, type, recordClass, ttl, length);
    case DNSHostAddressRecord::kType:
        return std::make_unique<DNSHostAddressRecord>(reference, type, recordClass, ttl, length);
    default:
        return nullptr;
    }
}
}

DNSReplyToQuery::DNSReplyToQuery() = default;
DNSReplyToQuery::~DNSReplyToQuery() = default;

bool DNSReplyToQuery::parse(const unsigned char* data, int length, quint16 expectedId)
{
    const DNSWireReader message(data, length);
    int offset = 0;
    if (!readHeader(message, offset, expectedId) || !readQuestion(message, offset) || !readAnswer(message, offset))
        return false;
    for (int i = 0; i < m_additionalCount; ++i) {
        if (!readAdditionalRecord(message, offset))
            return false;
    }
    return true;
}

QByteArray DNSReplyToQuery::getAdditionalText() const
{
    for (const auto& record : m_records) {
        if (!record->getAdditionalText().isEmpty())
            return record->getAdditionalText();
    }
    return QByteArray();
}

int DNSReplyToQuery::getAdditionalTextLength() const
{
    for (const auto& record : m_records) {
        if (record->getDataLength() != 0)
            return record->getDataLength();
    }
    return 0;
}

// "_orvanta._tcp.local" gives the type "_orvanta._tcp." and the domain "local.".
void DNSReplyToQuery::getDomain(QString& serviceType, QString& domain) const
{
    const QList<QByteArray>& labels = m_question.labels;
    if (labels.isEmpty()) {
        serviceType.clear();
        domain.clear();
        return;
    }
    domain = QString::fromUtf8(labels.last()) + QLatin1Char('.');
    serviceType = joinLabels(labels.mid(0, labels.size() - 1)) + QLatin1Char('.');
}

bool DNSReplyToQuery::readHeader(const DNSWireReader& message, int& offset, quint16 expectedId)
{
    if (!message.has(0, kHeaderLength))
        return false;
    message.readU16(offset, m_identifier);
    message.readU16(offset, m_flags);
    message.readU16(offset, m_questionCount);
    message.readU16(offset, m_answerCount);
    message.readU16(offset, m_authorityCount);
    message.readU16(offset, m_additionalCount);
    return m_questionCount == 1 && m_answerCount == 1 && m_identifier == expectedId;
}

bool DNSReplyToQuery::readQuestion(const DNSWireReader& message, int& offset)
{
    m_question = DNSQuerySection();
    return message.readName(offset, m_question.labels) && message.readU16(offset, m_question.type)
        && message.readU16(offset, m_question.questionClass);
}

bool DNSReplyToQuery::readAnswer(const DNSWireReader& message, int& offset)
{
    m_answer = DNSPTRAnswer();
    QList<QByteArray> owner;
    QList<QByteArray> instance;
    int nameStart = offset;
    if (!message.readU16(nameStart, m_answer.nameReference) || !message.readName(offset, owner)
        || !message.readU16(offset, m_answer.type) || !message.readU16(offset, m_answer.answerClass)
        || !message.readU32(offset, m_answer.timeToLive) || !message.readU16(offset, m_answer.dataLength)
        || m_answer.type != kTypePTR || !message.has(offset, m_answer.dataLength))
        return false;
    const int dataEnd = offset + m_answer.dataLength;
    if (!message.readName(offset, instance) || offset > dataEnd)
        return false;
    m_answer.serviceName = instanceName(instance);
    offset = dataEnd;
    return true;
}

// The answer names the instance in full, usually as its own label followed by
// a pointer to the question; the instance is what precedes the question's name.
QString DNSReplyToQuery::instanceName(const QList<QByteArray>& labels) const
{
    const QList<QByteArray>& service = m_question.labels;
    const int prefix = labels.size() - service.size();
    if (prefix > 0 && labels.mid(prefix) == service)
        return joinLabels(labels.mid(0, prefix));
    return joinLabels(labels);
}

bool DNSReplyToQuery::readAdditionalRecord(const DNSWireReader& message, int& offset)
{
    quint16 reference = 0, type = 0, recordClass = 0, dataLength = 0;
    quint32 ttl = 0;
    QList<QByteArray> owner;
    int nameStart = offset;
    if (!message.readU16(nameStart, reference) || !message.readName(offset, owner) || !message.readU16(offset, type)
        || !message.readU16(offset, recordClass) || !message.readU32(offset, ttl)
        || !message.readU16(offset, dataLength) || !message.has(offset, dataLength))
        return false;
    std::unique_ptr<DNSAdditionalRecord> record = makeRecord(reference, type, recordClass, ttl, dataLength);
    if (record && record->parse(message, offset))
        m_records.push_back(std::move(record));
    offset += dataLength;
    return true;
}
