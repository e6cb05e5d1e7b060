#pragma once

#include "ShellExec.h"

#include <QString>

#include <cstdint>

// What the status report tells about the host computer. Each answer that needs
// a host command runs it through the given runner, bounded as ShellExec is.
class SystemInfo
{
public:
    static bool GetHostName(QString* name, const CommandRunner& run = shellCommandRunner());
    // "<distribution> (<kernel release>)".
    static bool GetSystemVersionString(QString* version, const CommandRunner& run = shellCommandRunner());
    static bool GetHardwareModelString(QString* model);
    static bool GetSystemVersion(int* major, int* minor, int* patch);
    // Total RAM in bytes.
    static uint64_t GetPhysicalMemory();
    // At least 1.
    static int GetProcessorCount(const CommandRunner& run = shellCommandRunner());
};
