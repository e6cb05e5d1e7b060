#include "SimValue.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

SimValue SimValue::makeFlag(bool value)
{
    SimValue v;
    v.kind = SimKind::Flag;
    v.flag = value;
    return v;
}

SimValue SimValue::makeInt(int64_t value)
{
    SimValue v;
    v.kind = SimKind::Int;
    v.integer = value;
    return v;
}

SimValue SimValue::makeFloat(double value)
{
    SimValue v;
    v.kind = SimKind::Float;
    v.real = value;
    return v;
}

SimValue SimValue::makeString(std::string value)
{
    SimValue v;
    v.kind = SimKind::String;
    v.text = std::move(value);
    return v;
}

SimValue SimValue::makeBytes(std::vector<uint8_t> value)
{
    SimValue v;
    v.kind = SimKind::Bytes;
    v.bytes = std::move(value);
    return v;
}

bool SimValue::operator==(const SimValue& other) const
{
    if (kind != other.kind)
        return false;
    switch (kind) {
    case SimKind::Flag: return flag == other.flag;
    case SimKind::Int: return integer == other.integer;
    case SimKind::Float: return real == other.real;
    case SimKind::String: return text == other.text;
    case SimKind::Bytes: return bytes == other.bytes;
    }
    return false;
}

const char* SimValue::kindName(SimKind kind)
{
    switch (kind) {
    case SimKind::Flag: return "flag";
    case SimKind::Int: return "int";
    case SimKind::Float: return "float";
    case SimKind::String: return "string";
    case SimKind::Bytes: return "bytes";
    }
    return "?";
}

std::string SimValue::fourCCText(MarlixCode code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xff);
        if (c < 0x20 || c > 0x7e)
            return std::string();
        text += c;
    }
    return text;
}

bool SimValue::parseFourCC(const std::string& text, MarlixCode& code)
{
    if (text.size() != 4)
        return false;
    MarlixCode result = 0;
    for (char c : text) {
        if (c < 0x20 || c > 0x7e)
            return false;
        result = (result << 8) | static_cast<unsigned char>(c);
    }
    code = result;
    return true;
}

MarlixResult SimValue::copyToCaller(const std::string& text, char** out)
{
    if (!out)
        return kMarlixInvalidArg;
    *out = static_cast<char*>(malloc(text.size() + 1));
    if (!*out)
        return kMarlixOutOfMemory;
    memcpy(*out, text.c_str(), text.size() + 1);
    return kMarlixOk;
}

std::string SimValue::toHex(const std::vector<uint8_t>& data)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(data.size() * 2);
    for (uint8_t b : data) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseInteger(const std::string& text, int64_t& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = strtoll(text.c_str(), &end, 0);
    if (errno != 0 || end != text.c_str() + text.size())
        return false;
    value = parsed;
    return true;
}

bool parseFlag(const std::string& text, bool& value)
{
    if (text == "true" || text == "on" || text == "1") {
        value = true;
        return true;
    }
    if (text == "false" || text == "off" || text == "0") {
        value = false;
        return true;
    }
    return false;
}

bool parseReal(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const double parsed = strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size())
        return false;
    value = parsed;
    return true;
}

} // namespace

bool SimValue::fromHex(const std::string& text, std::vector<uint8_t>& data)
{
    if (text.size() % 2 != 0)
        return false;
    std::vector<uint8_t> result;
    result.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        result.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    data = std::move(result);
    return true;
}

std::string SimValue::describe() const
{
    switch (kind) {
    case SimKind::Flag:
        return flag ? "true" : "false";
    case SimKind::Int: {
        const std::string code = integer > 0xffffff && integer <= 0xffffffffLL
                                     ? fourCCText(static_cast<MarlixCode>(integer))
                                     : std::string();
        return code.empty() ? std::to_string(integer) : "'" + code + "'";
    }
    case SimKind::Float: {
        char buffer[64];
        snprintf(buffer, sizeof buffer, "%g", real);
        return buffer;
    }
    case SimKind::String:
        return "\"" + text + "\"";
    case SimKind::Bytes:
        return toHex(bytes);
    }
    return std::string();
}

bool SimValue::parseAs(SimKind wanted, const std::string& input)
{
    SimValue parsed;
    parsed.kind = wanted;
    bool ok = false;
    switch (wanted) {
    case SimKind::Flag:
        ok = parseFlag(input, parsed.flag);
        break;
    case SimKind::Int: {
        MarlixCode code = 0;
        ok = parseInteger(input, parsed.integer);
        if (!ok && parseFourCC(input, code)) {
            parsed.integer = code;
            ok = true;
        }
        break;
    }
    case SimKind::Float:
        ok = parseReal(input, parsed.real);
        break;
    case SimKind::String:
        parsed.text = input;
        ok = true;
        break;
    case SimKind::Bytes:
        ok = fromHex(input, parsed.bytes);
        break;
    }
    if (ok)
        *this = std::move(parsed);
    return ok;
}
