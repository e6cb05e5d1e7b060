// The simulator's profile reader over arbitrary bytes: a profile is a file a user hands
// the simulator, so any content must end in devices or in one line of error.
#include "FuzzCheck.h"
#include "SimProfile.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<SimDeviceDescription> devices;
    std::string error;
    const bool ok = SimProfile::parse(fuzzText(data, size), devices, error);
    fuzzCheck(ok == error.empty() && (ok || devices.empty())); // a verdict that contradicts itself
    return 0;
}
