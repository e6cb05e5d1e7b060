#pragma once

#include <cstdint>

// A four-character code as the driver uses it: the first character is the
// most significant byte, so fourCC("dupx") == 0x64757078.
constexpr uint32_t fourCC(const char (&code)[5])
{
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16)
        | (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}
