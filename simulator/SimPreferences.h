// The stored configuration of a device: one JSON file per device, replaced atomically
// so that a crash leaves either the old file or the new one.
//
// The state directory must be private to this user. A stored file that cannot be read
// is kept aside under "<name>.unreadable-<time>" and said so on standard error: a
// user's settings are never overwritten unseen.
#pragma once

#include "SimValue.h"

#include <map>
#include <string>

class SimPreferences
{
public:
    enum class Loaded { Values, Nothing, SetAside, Blocked };

    // $MARLIX_SIM_STATE_DIR, else $XDG_STATE_HOME/marlix-sim, else ~/.local/state/marlix-sim;
    // without a home, a private directory under /tmp.
    static std::string stateDirectory();
    // The stored file of a device known only by its profile id: any id makes one plain
    // file name inside the state directory, and different ids make different names.
    static std::string fileNameFor(const std::string& deviceId);
    // At start: refuses a directory that is not private (one line on standard error) and
    // removes temporary files left by processes killed while storing.
    static void prepareDirectory();

    static bool save(const std::string& path, const std::string& device,
                     const std::map<MarlixCode, SimValue>& values, std::string& error);
    // Values: read into values. Nothing: no file, or the directory is refused. SetAside:
    // the file was unreadable and is kept under another name. Blocked: unreadable and
    // could not be moved; saving over it must not happen.
    static Loaded load(const std::string& path, std::map<MarlixCode, SimValue>& values);
    // The settings of a stored file's text; false with why when it is not one we wrote.
    static bool decode(const std::string& text, std::map<MarlixCode, SimValue>& values, std::string& why);
};
