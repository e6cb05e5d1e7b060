// What a profile says about one device: identity, items and the display modes it has.
#pragma once

#include "SimValue.h"

#include <map>
#include <string>
#include <vector>

// The values a setting accepts, checked by every setter and against profile defaults.
enum class SimDomain {
    Any,
    OneOf,          // one of the listed integers or codes
    Range,          // minimum..maximum inclusive
    Connection,     // exactly one connection bit of the capability attribute
    Connections,    // a non-empty subset of the capability attribute's bits
    OutputMode,     // a display mode the device plays back
    InputMode,      // a display mode the device captures
    OutputConversion,
};

struct SimConfigRule
{
    SimValue initial;
    SimDomain domain = SimDomain::Any;
    std::vector<int64_t> choices;
    double minimum = 0.0;
    double maximum = 0.0;
    MarlixCode capability = 0;  // attribute holding the connection mask
    size_t maxLength = 255;
};

// What arrives on one input connection: a display mode (kModeUnknown: nothing) and its flags.
struct SimSignal
{
    MarlixCode mode = MarlixValue::kModeUnknown;
    int64_t flags = 0;

    bool present() const { return mode != MarlixValue::kModeUnknown; }
};

struct SimDeviceDescription
{
    std::string key;  // the name the control tool uses
    std::string modelName;
    std::string displayName;
    bool plugged = true;
    std::map<MarlixCode, SimValue> attributes;
    std::map<MarlixCode, SimConfigRule> configuration;
    std::map<MarlixCode, SimValue> status;
    std::vector<MarlixCode> inputModes;
    std::vector<MarlixCode> outputModes;
    std::vector<MarlixCode> outputConversions;
    // By video connection code; the device sees the signal of the selected connection.
    std::map<int64_t, SimSignal> inputSignals;

    // kMarlixOk, kMarlixNotImplemented for an unknown setting, kMarlixInvalidArg for a
    // wrong type or a value outside the setting's domain (with the reason in why).
    MarlixResult validate(MarlixCode id, const SimValue& value, std::string* why = nullptr) const;

    int64_t attributeInt(MarlixCode id, int64_t fallback = 0) const;
    bool hasMode(const std::vector<MarlixCode>& modes, MarlixCode mode) const;
};
