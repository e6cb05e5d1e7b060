#include "SystemInfo.h"

#include <sys/sysinfo.h>

namespace {

// The command's output, with surrounding white space dropped, if it exits with 0.
bool commandOutput(const CommandRunner& run, const QString& command, QString* output)
{
    QString text;
    if (run(command, &text) != 0)
        return false;
    *output = text.trimmed();
    return true;
}

} // namespace

bool SystemInfo::GetHostName(QString* name, const CommandRunner& run)
{
    return commandOutput(run, QStringLiteral("hostname"), name);
}

bool SystemInfo::GetSystemVersionString(QString* version, const CommandRunner& run)
{
    QString distribution;
    QString kernel;
    if (!commandOutput(run, QStringLiteral("lsb_release -sd"), &distribution)
        || !commandOutput(run, QStringLiteral("uname -r"), &kernel))
        return false;
    *version = QStringLiteral("%1 (%2)").arg(distribution, kernel);
    return true;
}

bool SystemInfo::GetHardwareModelString(QString*)
{
    // Linux has no general way to name the machine's model.
    return false;
}

bool SystemInfo::GetSystemVersion(int* major, int* minor, int* patch)
{
    *major = *minor = *patch = 0;
    return false;
}

uint64_t SystemInfo::GetPhysicalMemory()
{
    struct sysinfo info {};
    if (sysinfo(&info) != 0)
        return 0;
    return uint64_t(info.totalram) * info.mem_unit;
}

int SystemInfo::GetProcessorCount(const CommandRunner& run)
{
    QString text;
    if (!commandOutput(run, QStringLiteral("nproc"), &text))
        return 1;
    bool ok = false;
    const int count = text.toInt(&ok);
    return ok && count > 0 ? count : 1;
}
