// TXT record data as a device sends it, unpacked twice into one record: the
// second time merges into what the first left.
#include "BonjourInfo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65535)
        return 0;
    BonjourInfo info(BonjourDevice{"Box", "_orvanta._tcp.", "local."});
    const int half = int(size / 2);
    info.unpackTextRecord(reinterpret_cast<const char*>(data), int(size));
    info.unpackTextRecord(reinterpret_cast<const char*>(data) + half, int(size) - half);
    volatile int sink = info.uniqueId().size() + info.modelName().size() + info.txtRecord().size();
    (void)sink;
    return 0;
}
