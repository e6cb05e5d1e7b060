// Reads a fleet of simulated devices from a JSON profile.
//
// A profile holds "templates" (named device descriptions, which may build on another
// through "base") and "devices" (in arrival order; each names its "template" and adds or
// overrides items). A device description has "modelName", "displayName", "plugged",
// "attributes", "configuration" (rules with "type", "default" and a domain), "status",
// "inputModes", "outputModes" (codes or group names), "outputConversions" and "edid".
//
// Refused: nesting deeper than 64 levels, integers outside the signed 64-bit range, ids
// that are empty, longer than 64 bytes or hold spaces, and two devices of one model with
// the same persistent id (they would share one stored state).
//
// "unsubscribeWaits": false makes Unsubscribe and UninstallDeviceNotifications return
// at once, even while one of the program's callbacks is running (the contract allows it).
#pragma once

#include "SimDeviceDescription.h"

#include <string>
#include <vector>

struct SimProfileOptions
{
    bool unsubscribeWaits = true;
};

class SimProfile
{
public:
    // On failure devices is left empty and error holds one line naming the fault.
    static bool parse(const std::string& text, std::vector<SimDeviceDescription>& devices, std::string& error,
                      SimProfileOptions* options = nullptr);
    static bool load(const std::string& path, std::vector<SimDeviceDescription>& devices, std::string& error,
                     SimProfileOptions* options = nullptr);
    // The default fleet, compiled into the library.
    static const char* builtInText();

private:
    static bool checkIdentities(const std::vector<SimDeviceDescription>& devices, std::string& error);
};
