#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class DNSAdditionalRecord;
class DNSWireReader;

// The question a reply repeats.
struct DNSQuerySection
{
    QList<QByteArray> labels;
    quint16 type = 0;
    quint16 questionClass = 0;
};

// The reply's one answer: the service instance that answers the question.
struct DNSPTRAnswer
{
    quint16 nameReference = 0;
    quint16 type = 0;
    quint16 answerClass = 0;
    quint32 timeToLive = 0;
    quint16 dataLength = 0;
    QString serviceName;
};

// A unicast reply to one PTR question. The object is reused: a later parse
// replaces the header, question and answer and adds its records to those
// already kept, so the first TXT record received stays the one reported.
class DNSReplyToQuery
{
public:
    static constexpr int kHeaderLength = 12;
    static constexpr quint16 kTypePTR = 12;

    DNSReplyToQuery();
    ~DNSReplyToQuery();

    // False unless the message is one complete answer to the query with this
    // identifier. A malformed additional record is left out; one that runs
    // past the end of the message ends the parse as a failure.
    bool parse(const unsigned char* data, int length, quint16 expectedId);

    QByteArray getAdditionalText() const;
    int getAdditionalTextLength() const;
    QString getServiceName() const { return m_answer.serviceName; }
    void getDomain(QString& serviceType, QString& domain) const;

    quint16 identifier() const { return m_identifier; }
    quint16 flags() const { return m_flags; }
    const DNSQuerySection& question() const { return m_question; }
    const DNSPTRAnswer& answer() const { return m_answer; }
    const std::vector<std::unique_ptr<DNSAdditionalRecord>>& additionalRecords() const { return m_records; }

private:
    bool readHeader(const DNSWireReader& message, int& offset, quint16 expectedId);
    bool readQuestion(const DNSWireReader& message, int& offset);
    bool readAnswer(const DNSWireReader& message, int& offset);
    bool readAdditionalRecord(const DNSWireReader& message, int& offset);
    QString instanceName(const QList<QByteArray>& labels) const;

    quint16 m_identifier = 0;
    quint16 m_flags = 0;
    quint16 m_questionCount = 0;
    quint16 m_answerCount = 0;
    quint16 m_authorityCount = 0;
    quint16 m_additionalCount = 0;
    DNSQuerySection m_question;
    DNSPTRAnswer m_answer;
    std::vector<std::unique_ptr<DNSAdditionalRecord>> m_records;
};
