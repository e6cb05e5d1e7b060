// Reads the files a user points the simulator at (profiles, stored settings): only
// regular files, opened without blocking, so that a FIFO, a device node or a directory
// under that name ends in one line of error instead of a hang.
#pragma once

#include <string>

class SimFile
{
public:
    enum class Result { Read, Missing, Refused };

    static constexpr size_t kMaxSize = 16 * 1024 * 1024;

    // Missing: no file of that name. Refused: error names the reason.
    static Result read(const std::string& path, std::string& content, std::string& error);

    // A directory only this user controls: owned by us, not writable by group or others,
    // not a symbolic link. Anything else someone else could fill or read.
    static bool isPrivateDirectory(const std::string& path, std::string& error);
    // /tmp/marlix-sim-<uid>, made if missing; empty when it exists but is not private.
    static std::string privateTemporaryDirectory();
};
