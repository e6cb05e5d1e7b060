#include "SimEdid.h"

#include <algorithm>

namespace {

constexpr size_t kBlock = 128;

void seal(std::vector<uint8_t>& edid, size_t block)
{
    uint8_t sum = 0;
    for (size_t i = block * kBlock; i < (block + 1) * kBlock - 1; ++i)
        sum = static_cast<uint8_t>(sum + edid[i]);
    edid[(block + 1) * kBlock - 1] = static_cast<uint8_t>(0x100 - sum);
}

void put(std::vector<uint8_t>& edid, size_t at, std::initializer_list<uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), edid.begin() + static_cast<long>(at));
}

// Display descriptor with text (monitor name 0xfc), terminated by a line feed, padded.
void putText(std::vector<uint8_t>& edid, size_t at, uint8_t tag, const std::string& text)
{
    put(edid, at, {0, 0, 0, tag, 0});
    const std::string shown = text.substr(0, 13);
    size_t i = 0;
    for (; i < shown.size(); ++i)
        edid[at + 5 + i] = static_cast<uint8_t>(shown[i]);
    if (i < 13)
        edid[at + 5 + i++] = 0x0a;
    for (; i < 13; ++i)
        edid[at + 5 + i] = 0x20;
}

void buildBase(std::vector<uint8_t>& edid, const std::string& name, uint16_t product, uint32_t serial)
{
    put(edid, 0, {0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00});
    // Manufacturer "LUM": three five-bit letters, big-endian.
    const uint16_t maker = static_cast<uint16_t>((('L' - '@') << 10) | (('U' - '@') << 5) | ('M' - '@'));
    put(edid, 8, {static_cast<uint8_t>(maker >> 8), static_cast<uint8_t>(maker & 0xff),
                  static_cast<uint8_t>(product & 0xff), static_cast<uint8_t>(product >> 8),
                  static_cast<uint8_t>(serial), static_cast<uint8_t>(serial >> 8),
                  static_cast<uint8_t>(serial >> 16), static_cast<uint8_t>(serial >> 24),
                  12, 33, 1, 3});                      // week 12 of 2023, EDID 1.3
    put(edid, 20, {0x80, 0, 0, 0x78, 0x0a});           // digital input, no size, gamma 2.2
    put(edid, 25, {0xee, 0x91, 0xa3, 0x54, 0x4c, 0x99, 0x26, 0x0f, 0x50, 0x54});  // Rec.709 primaries
    put(edid, 35, {0x20, 0x00, 0x00});                 // 640x480@60 established
    for (size_t i = 38; i < 54; ++i)
        edid[i] = 0x01;                                // no standard timings
    // Preferred timing 1920x1080p60, 148.5 MHz.
    put(edid, 54, {0x02, 0x3a, 0x80, 0x18, 0x71, 0x38, 0x2d, 0x40, 0x58, 0x2c,
                   0x45, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1e});
    putText(edid, 72, 0xfc, name);
    // Range limits: 23-61 Hz vertical, 15-68 kHz horizontal, 150 MHz.
    put(edid, 90, {0, 0, 0, 0xfd, 0, 23, 61, 15, 68, 15, 0x00, 0x0a, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20});
    putText(edid, 108, 0xfe, "HDMI Input");
    edid[126] = 1;                                     // one extension block
    seal(edid, 0);
}

// CTA-861 extension with the video formats the input locks to (VIC codes).
void buildExtension(std::vector<uint8_t>& edid)
{
    const uint8_t vics[] = {16, 31, 4, 19, 5, 20, 32, 33, 34, 2, 17, 6, 21};
    const uint8_t count = sizeof vics;
    put(edid, kBlock, {0x02, 0x03, 0, 0x70});          // revision 3, basic audio, YCbCr
    size_t at = kBlock + 4;
    edid[at++] = static_cast<uint8_t>((2 << 5) | count);  // video data block
    for (uint8_t vic : vics)
        edid[at++] = vic;
    put(edid, at, {(1 << 5) | 3, 0x09, 0x07, 0x07});  // audio: 2-channel LPCM 32/44.1/48 kHz
    at += 4;
    put(edid, at, {(3 << 5) | 5, 0x03, 0x0c, 0x00, 0x10, 0x00});  // HDMI vendor block, address 1.0.0.0
    at += 6;
    edid[kBlock + 2] = static_cast<uint8_t>(at - kBlock);  // detailed timings start here (none)
    seal(edid, 1);
}

} // namespace

std::vector<uint8_t> SimEdid::build(const std::string& monitorName, uint16_t productCode, uint32_t serial)
{
    std::vector<uint8_t> edid(2 * kBlock, 0);
    buildBase(edid, monitorName, productCode, serial);
    buildExtension(edid);
    return edid;
}
