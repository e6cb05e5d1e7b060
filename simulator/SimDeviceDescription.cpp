#include "SimDeviceDescription.h"

#include "SimText.h"

#include <algorithm>
#include <cmath>

namespace {

MarlixResult reject(std::string* why, const std::string& reason)
{
    if (why)
        *why = reason;
    return kMarlixInvalidArg;
}

bool contains(const std::vector<int64_t>& list, int64_t value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool isSingleBit(int64_t value)
{
    return value > 0 && (value & (value - 1)) == 0;
}

// Strings cross the contract as UTF-8; anything else is a caller's fault.
bool isUtf8(const std::string& text)
{
    for (size_t at = 0; at < text.size();) {
        const size_t length = SimText::utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

double numeric(const SimValue& value)
{
    return value.kind == SimKind::Float ? value.real : static_cast<double>(value.integer);
}

} // namespace

int64_t SimDeviceDescription::attributeInt(MarlixCode id, int64_t fallback) const
{
    const auto it = attributes.find(id);
    return it != attributes.end() && it->second.kind == SimKind::Int ? it->second.integer : fallback;
}

bool SimDeviceDescription::hasMode(const std::vector<MarlixCode>& modes, MarlixCode mode) const
{
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

MarlixResult SimDeviceDescription::validate(MarlixCode id, const SimValue& value, std::string* why) const
{
    const auto it = configuration.find(id);
    if (it == configuration.end()) {
        if (why)
            *why = "no such setting";
        return kMarlixNotImplemented;
    }
    const SimConfigRule& rule = it->second;
    if (value.kind != rule.initial.kind)
        return reject(why, std::string("expected a ") + SimValue::kindName(rule.initial.kind) + " value");
    if (value.kind == SimKind::Float && !std::isfinite(value.real))
        return reject(why, "not a finite number");
    if (value.kind == SimKind::String && value.text.size() > rule.maxLength)
        return reject(why, "longer than " + std::to_string(rule.maxLength) + " bytes");
    if (value.kind == SimKind::String && !isUtf8(value.text))
        return reject(why, "not UTF-8 text");

    const MarlixCode code = static_cast<MarlixCode>(value.integer);
    switch (rule.domain) {
    case SimDomain::Any:
        return kMarlixOk;
    case SimDomain::OneOf:
        return contains(rule.choices, value.integer) ? kMarlixOk : reject(why, "not one of the allowed values");
    case SimDomain::Range:
        return numeric(value) >= rule.minimum && numeric(value) <= rule.maximum
                   ? kMarlixOk
                   : reject(why, "outside the allowed range");
    case SimDomain::Connection:
        return isSingleBit(value.integer) && (attributeInt(rule.capability) & value.integer) == value.integer
                   ? kMarlixOk
                   : reject(why, "not a connection the device has");
    case SimDomain::Connections:
        return value.integer > 0 && (attributeInt(rule.capability) & value.integer) == value.integer
                   ? kMarlixOk
                   : reject(why, "not a set of connections the device has");
    case SimDomain::OutputMode:
        return hasMode(outputModes, code) ? kMarlixOk : reject(why, "not an output mode of the device");
    case SimDomain::InputMode:
        return hasMode(inputModes, code) ? kMarlixOk : reject(why, "not an input mode of the device");
    case SimDomain::OutputConversion:
        return hasMode(outputConversions, code) ? kMarlixOk : reject(why, "not a conversion the device has");
    }
    return reject(why, "unknown domain");
}
