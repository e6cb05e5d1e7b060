// Writes the replies the test responder gives to our own question, one file
// per kind of device: `mdns-reply-corpus OUTPUT_DIRECTORY`.
#include "DNSQuery.h"
#include "MdnsResponder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: mdns-reply-corpus OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir output(app.arguments().at(1));
    const QByteArray question = DNSQuery::buildPTRQuery(0x1234, QStringLiteral("_orvanta._tcp.local"));
    const MdnsResponder::Device plain;
    MdnsResponder::Device noText = plain;
    noText.txt.clear();
    MdnsResponder::Device odd = plain;
    odd.instance = "Studio \xc3\xa9 rack.2";
    odd.txt = {"name=Box=2", "flag", "=value", "name=again", QByteArray(200, 'k')};
    const struct
    {
        const char* file;
        MdnsResponder::Device device;
        MdnsResponder::Behaviour behaviour;
    } replies[] = {{"reply-plain", plain, MdnsResponder::Answer},
                   {"reply-no-txt", noText, MdnsResponder::Answer},
                   {"reply-odd-txt", odd, MdnsResponder::Answer},
                   {"reply-two-answers", plain, MdnsResponder::TwoAnswers},
                   {"reply-truncated", plain, MdnsResponder::Truncated}};
    for (const auto& reply : replies) {
        QFile file(output.filePath(QLatin1String(reply.file)));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(MdnsResponder::buildReply(question, reply.device, reply.behaviour)) < 0)
            return 1;
    }
    return 0;
}
