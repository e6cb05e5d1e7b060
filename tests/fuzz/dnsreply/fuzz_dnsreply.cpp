// A reply to our PTR question, as any host on the network may send it. The
// first two bytes choose the identifier the parser expects, so that inputs
// reach past the header; a second parse into the same object follows, as
// when a query is answered twice.
#include "DNSAdditionalRecord.h"
#include "DNSReplyToQuery.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 65535)
        return 0;
    const quint16 expected = quint16((data[0] << 8) | data[1]);
    DNSReplyToQuery reply;
    for (int pass = 0; pass < 2; ++pass) {
        if (!reply.parse(data, int(size), expected))
            continue;
        QString type, domain;
        reply.getDomain(type, domain);
        volatile int sink = reply.getServiceName().size() + type.size() + domain.size()
            + reply.getAdditionalText().size() + reply.getAdditionalTextLength();
        (void)sink;
    }
    return 0;
}
