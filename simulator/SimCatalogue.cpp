#include "SimCatalogue.h"

namespace {

using namespace MarlixValue;

constexpr MarlixCode kLower = kFieldLower;
constexpr MarlixCode kUpper = kFieldUpper;
constexpr MarlixCode kProg = kFieldProgressive;

const std::vector<SimModeInfo>& catalogue()
{
    // NTSC rates run at 1000/1001 of the nominal rate.
    static const std::vector<SimModeInfo> modes = {
        {kModeNTSC, "NTSC", 720, 486, 1001, 30000, kLower},
        {kModeNTSC2398, "NTSC 23.98", 720, 486, 1001, 24000, kLower},
        {kModeNTSCp, "NTSC Progressive", 720, 486, 1001, 30000, kProg},
        {kModePAL, "PAL", 720, 576, 1000, 25000, kUpper},
        {kModePALp, "PAL Progressive", 720, 576, 1000, 25000, kProg},
        {kModeHD720p50, "720p50", 1280, 720, 1000, 50000, kProg},
        {kModeHD720p5994, "720p59.94", 1280, 720, 1001, 60000, kProg},
        {kModeHD720p60, "720p60", 1280, 720, 1000, 60000, kProg},
        {kModeHD1080i50, "1080i50", 1920, 1080, 1000, 25000, kUpper},
        {kModeHD1080i5994, "1080i59.94", 1920, 1080, 1001, 30000, kUpper},
        {kModeHD1080i60, "1080i60", 1920, 1080, 1000, 30000, kUpper},
        {kModeHD1080p2398, "1080p23.98", 1920, 1080, 1001, 24000, kProg},
        {kModeHD1080p24, "1080p24", 1920, 1080, 1000, 24000, kProg},
        {kModeHD1080p25, "1080p25", 1920, 1080, 1000, 25000, kProg},
        {kModeHD1080p2997, "1080p29.97", 1920, 1080, 1001, 30000, kProg},
        {kModeHD1080p30, "1080p30", 1920, 1080, 1000, 30000, kProg},
        {kModeHD1080p50, "1080p50", 1920, 1080, 1000, 50000, kProg},
        {kModeHD1080p5994, "1080p59.94", 1920, 1080, 1001, 60000, kProg},
        {kModeHD1080p60, "1080p60", 1920, 1080, 1000, 60000, kProg},
        {kModeHD1080p2398Dual, "1080p23.98 Dual Stream", 1920, 1080, 1001, 24000, kProg},
        {kMode2K2398, "2K 23.98", 2048, 1556, 1001, 24000, kProg},
        {kMode2K24, "2K 24", 2048, 1556, 1000, 24000, kProg},
        {kMode2K25, "2K 25", 2048, 1556, 1000, 25000, kProg},
        {kMode2KDCI2398, "2K DCI 23.98", 2048, 1080, 1001, 24000, kProg},
        {kMode2KDCI24, "2K DCI 24", 2048, 1080, 1000, 24000, kProg},
        {kMode2KDCI25, "2K DCI 25", 2048, 1080, 1000, 25000, kProg},
        {kMode4K2160p2398, "2160p23.98", 3840, 2160, 1001, 24000, kProg},
        {kMode4K2160p24, "2160p24", 3840, 2160, 1000, 24000, kProg},
        {kMode4K2160p25, "2160p25", 3840, 2160, 1000, 25000, kProg},
        {kMode4K2160p2997, "2160p29.97", 3840, 2160, 1001, 30000, kProg},
        {kMode4K2160p30, "2160p30", 3840, 2160, 1000, 30000, kProg},
        {kMode4K2160p50, "2160p50", 3840, 2160, 1000, 50000, kProg},
        {kMode4K2160p5994, "2160p59.94", 3840, 2160, 1001, 60000, kProg},
        {kMode4K2160p60, "2160p60", 3840, 2160, 1000, 60000, kProg},
        {kMode4KDCI2398, "4K DCI 23.98", 4096, 2160, 1001, 24000, kProg},
        {kMode4KDCI24, "4K DCI 24", 4096, 2160, 1000, 24000, kProg},
        {kMode4KDCI25, "4K DCI 25", 4096, 2160, 1000, 25000, kProg},
    };
    return modes;
}

struct ModeGroup
{
    const char* name;
    std::vector<MarlixCode> codes;
};

const std::vector<ModeGroup>& groups()
{
    static const std::vector<ModeGroup> table = {
        {"sd", {kModeNTSC, kModeNTSC2398, kModePAL, kModeNTSCp, kModePALp}},
        {"hd720", {kModeHD720p50, kModeHD720p5994, kModeHD720p60}},
        {"hd1080i", {kModeHD1080i50, kModeHD1080i5994, kModeHD1080i60}},
        {"hd1080p", {kModeHD1080p2398, kModeHD1080p24, kModeHD1080p25, kModeHD1080p2997, kModeHD1080p30}},
        {"hd1080p-high", {kModeHD1080p50, kModeHD1080p5994, kModeHD1080p60}},
        {"hd3d", {kModeHD1080p2398Dual}},
        {"2k", {kMode2K2398, kMode2K24, kMode2K25}},
        {"2kdci", {kMode2KDCI2398, kMode2KDCI24, kMode2KDCI25}},
        {"uhd", {kMode4K2160p2398, kMode4K2160p24, kMode4K2160p25, kMode4K2160p2997, kMode4K2160p30}},
        {"uhd-high", {kMode4K2160p50, kMode4K2160p5994, kMode4K2160p60}},
        {"4kdci", {kMode4KDCI2398, kMode4KDCI24, kMode4KDCI25}},
    };
    return table;
}

} // namespace

const SimModeInfo* SimCatalogue::find(MarlixCode code)
{
    for (const SimModeInfo& mode : catalogue()) {
        if (mode.code == code)
            return &mode;
    }
    return nullptr;
}

bool SimCatalogue::group(const std::string& name, std::vector<MarlixCode>& codes)
{
    for (const ModeGroup& g : groups()) {
        if (name == g.name) {
            codes.insert(codes.end(), g.codes.begin(), g.codes.end());
            return true;
        }
    }
    return false;
}

const std::vector<SimModeInfo>& SimCatalogue::all()
{
    return catalogue();
}
