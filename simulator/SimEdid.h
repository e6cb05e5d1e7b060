// Builds the EDID that a simulated HDMI input presents to a source: a base block and
// one CTA extension, with valid checksums.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SimEdid
{
public:
    static std::vector<uint8_t> build(const std::string& monitorName, uint16_t productCode, uint32_t serial);
};
