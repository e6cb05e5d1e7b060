#pragma once

#include <cstdint>

// One product of the Lumaris line as the installed driver knows it.
struct OrvantaDeviceRecord
{
    uint8_t boardRevision;   // 1 for pre-production boards, else 0
    uint8_t familyCode;      // 0xA1 for the HD/3G generation, 0xA2 for 12G boards
    uint8_t modelId;         // the driver's model attribute
    uint8_t firmwareVersion; // firmware image the driver carries for the model
    uint32_t flags;          // kProductFlagMultiChannel or kProductFlagExternal
    const char* productName;
    const char* secondName;
};

constexpr uint32_t kProductFlagMultiChannel = 1;
constexpr uint32_t kProductFlagExternal = 256;

// The two products whose firmware images carry a name of their own.
extern const char* const kStudio4KPro12GName;
extern const char* const kBolt4KProPanelName;

constexpr int kOrvantaDeviceCount = 87;
extern const OrvantaDeviceRecord gOrvantaDeviceTable[kOrvantaDeviceCount];
