// A typed item value: what an attribute, setting or status item holds.
#pragma once

#include "MarlixAPI.h"

#include <cstdint>
#include <string>
#include <vector>

enum class SimKind { Flag, Int, Float, String, Bytes };

struct SimValue
{
    SimKind kind = SimKind::Int;
    bool flag = false;
    int64_t integer = 0;
    double real = 0.0;
    std::string text;
    std::vector<uint8_t> bytes;

    static SimValue makeFlag(bool value);
    static SimValue makeInt(int64_t value);
    static SimValue makeFloat(double value);
    static SimValue makeString(std::string value);
    static SimValue makeBytes(std::vector<uint8_t> value);

    bool operator==(const SimValue& other) const;
    bool operator!=(const SimValue& other) const { return !(*this == other); }

    // Readable form for the control tool: codes as 'abcd', bytes as hex.
    std::string describe() const;
    // Parses text as a value of this value's kind; false leaves it unchanged.
    bool parseAs(SimKind wanted, const std::string& text);

    static const char* kindName(SimKind kind);
    static std::string fourCCText(MarlixCode code);
    // Exactly four printable characters.
    static bool parseFourCC(const std::string& text, MarlixCode& code);
    // A malloc'ed copy that the caller frees; kMarlixInvalidArg for a null out pointer.
    static MarlixResult copyToCaller(const std::string& text, char** out);
    static std::string toHex(const std::vector<uint8_t>& bytes);
    static bool fromHex(const std::string& text, std::vector<uint8_t>& bytes);
};
