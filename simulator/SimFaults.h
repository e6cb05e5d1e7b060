// Faults injected through the control interface: a named operation fails, or the
// device vanishes while the operation runs.
//
// An operation is "Interface.Method" or "Method" (any interface), optionally followed by
// ":detail" - the item code ("Configuration.SetInt:dupx") or, for QueryInterface, the
// interface asked for ("QueryInterface:Configuration"). A method ending in '*' names every
// method it begins ("Configuration.Set*").
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

enum class SimFaultAction { None, Fail, Vanish };

class SimFaults
{
public:
    // count 0 keeps the fault until it is cleared. device "*" matches every device. With
    // every N, only each Nth matching call meets the fault (one in N, evenly spread).
    bool add(const std::string& device, const std::string& operation, SimFaultAction action, int count,
             std::string& error, int every = 1);
    void clear(const std::string& device);
    SimFaultAction check(const std::string& device, const char* interfaceName, const char* method,
                         const std::string& detail);
    std::string describe() const;

private:
    struct Fault
    {
        std::string device;
        std::string interfaceName;  // empty: any
        std::string method;
        std::string detail;         // empty: any
        SimFaultAction action;
        int remaining;              // 0: until cleared
        int every;                  // each Nth matching call
        long long seen;             // matching calls so far
    };

    static bool knownOperation(const std::string& interfaceName, const std::string& method);
    static bool matches(const Fault& fault, const std::string& device, const char* interfaceName,
                        const char* method, const std::string& detail);

    std::atomic<bool> m_armed{false};
    mutable std::mutex m_mutex;
    std::vector<Fault> m_faults;
};
