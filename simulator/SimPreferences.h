// The stored configuration of a device: one JSON file per device, replaced atomically
// so that a crash leaves either the old file or the new one.
#pragma once

#include "SimValue.h"

#include <map>
#include <string>

class SimPreferences
{
public:
    // $MARLIX_SIM_STATE_DIR, else $XDG_STATE_HOME/marlix-sim, else ~/.local/state/marlix-sim.
    static std::string stateDirectory();
    static bool save(const std::string& path, const std::string& device,
                     const std::map<MarlixCode, SimValue>& values, std::string& error);
    // False when the file is missing or unreadable; values then stay untouched.
    static bool load(const std::string& path, std::map<MarlixCode, SimValue>& values);
};
