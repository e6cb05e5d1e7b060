#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// A network device's side of a unicast mDNS question, for tests: it listens
// on a loopback address and answers each PTR question as a device would
// (echoed identifier, the question repeated, the instance as PTR answer, then
// TXT, an AAAA to be skipped, SRV and A records). It can be told to answer
// late, wrongly, or not at all.
class MdnsResponder : public QObject
{
    Q_OBJECT

public:
    enum Behaviour
    {
        Answer,
        Silent,
        WrongIdentifier,
        TwoAnswers,
        Truncated
    };

    struct Device
    {
        QByteArray instance = "Lumaris Net Box";
        // Raw TXT strings, "key=value" as a device sends them; empty for no TXT record.
        QList<QByteArray> txt{"unique id=NET-0001", "name=Lumaris Net Box", "class=Lumaris Net", "release version=1.0"};
        QByteArray host = "lumaris-net";
        quint16 servicePort = 9000;
    };

    explicit MdnsResponder(QObject* parent = nullptr);

    // Binds to address:port (port 0 picks one); false with the socket's reason.
    bool listen(const QHostAddress& address, quint16 port, QString* error = nullptr);
    quint16 port() const { return m_socket.localPort(); }

    Device device;
    Behaviour behaviour = Answer;
    int delayMs = 0;

    int questionsReceived() const { return m_questions; }

    // The reply a device sends to one question; empty if the question is not one.
    static QByteArray buildReply(const QByteArray& question, const Device& device, Behaviour behaviour = Answer);

private:
    void onReadyRead();

    QUdpSocket m_socket;
    int m_questions = 0;
};
