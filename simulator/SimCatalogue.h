// The display modes the simulated hardware knows: geometry, rate and field order.
#pragma once

#include "MarlixAPI.h"

#include <string>
#include <vector>

struct SimModeInfo
{
    MarlixCode code;
    const char* name;
    int32_t width;
    int32_t height;
    int64_t frameDuration;  // frames last frameDuration / timeScale seconds
    int64_t timeScale;
    MarlixCode fieldDominance;

    // Whole frames per second, as the program rounds them.
    int64_t integerRate() const { return timeScale / frameDuration; }
};

class SimCatalogue
{
public:
    static const SimModeInfo* find(MarlixCode code);
    // Expands a group name ("sd", "hd1080i", "uhd", ...) into mode codes.
    static bool group(const std::string& name, std::vector<MarlixCode>& codes);
    static const std::vector<SimModeInfo>& all();
};
