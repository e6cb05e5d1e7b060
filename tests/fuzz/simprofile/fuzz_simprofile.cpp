// The simulator's profile reader over arbitrary bytes: a profile is a file a user hands
// the simulator, so any content must end in devices or in one line of error.
#include "SimProfile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<SimDeviceDescription> devices;
    std::string error;
    const bool ok = SimProfile::parse(std::string(reinterpret_cast<const char*>(data), size), devices, error);
    if (ok == error.empty() && (ok || devices.empty()))
        return 0;
    __builtin_trap(); // a verdict that contradicts itself
}
