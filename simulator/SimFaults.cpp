#include "SimFaults.h"

#include <algorithm>

namespace {

struct Operation
{
    const char* interfaceName;
    const char* method;
};

// Every operation of the contract that can be made to fail.
const Operation kOperations[] = {
    {"Marlix", "QueryInterface"}, {"Marlix", "GetModelName"}, {"Marlix", "GetDisplayName"},
    {"Attributes", "GetFlag"}, {"Attributes", "GetInt"}, {"Attributes", "GetFloat"}, {"Attributes", "GetString"},
    {"Configuration", "SetFlag"}, {"Configuration", "GetFlag"}, {"Configuration", "SetInt"},
    {"Configuration", "GetInt"}, {"Configuration", "SetFloat"}, {"Configuration", "GetFloat"},
    {"Configuration", "SetString"}, {"Configuration", "GetString"}, {"Configuration", "WriteToPreferences"},
    {"Status", "GetFlag"}, {"Status", "GetInt"}, {"Status", "GetFloat"}, {"Status", "GetString"},
    {"Status", "GetBytes"},
    {"Notification", "Subscribe"}, {"Notification", "Unsubscribe"},
    {"Input", "FindDisplayMode"}, {"Input", "GetDisplayModeIterator"},
    {"Output", "FindDisplayMode"}, {"Output", "GetDisplayModeIterator"},
    {"Iterator", "Next"}, {"Discovery", "InstallDeviceNotifications"},
    {"APIInformation", "GetFlag"}, {"APIInformation", "GetInt"}, {"APIInformation", "GetFloat"},
    {"APIInformation", "GetString"},
};

// "Set*" names every method that begins with "Set".
bool methodMatches(const std::string& pattern, const char* method)
{
    if (!pattern.empty() && pattern.back() == '*')
        return std::string(method).compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return pattern == method;
}

const char* actionName(SimFaultAction action)
{
    return action == SimFaultAction::Vanish ? "vanish" : "fail";
}

} // namespace

bool SimFaults::knownOperation(const std::string& interfaceName, const std::string& method)
{
    return std::any_of(std::begin(kOperations), std::end(kOperations), [&](const Operation& op) {
        return methodMatches(method, op.method) && (interfaceName.empty() || interfaceName == op.interfaceName);
    });
}

bool SimFaults::add(const std::string& device, const std::string& operation, SimFaultAction action, int count,
                    std::string& error, int every)
{
    Fault fault{device, std::string(), operation, std::string(), action, count, every, 0};
    const size_t colon = fault.method.find(':');
    if (colon != std::string::npos) {
        fault.detail = fault.method.substr(colon + 1);
        fault.method.erase(colon);
    }
    const size_t dot = fault.method.find('.');
    if (dot != std::string::npos) {
        fault.interfaceName = fault.method.substr(0, dot);
        fault.method.erase(0, dot + 1);
    }
    if (!knownOperation(fault.interfaceName, fault.method)) {
        error = "unknown operation '" + operation + "' (for example Configuration.SetInt:dupx)";
        return false;
    }
    if (count < 0) {
        error = "the count must not be negative";
        return false;
    }
    if (every < 1) {
        error = "one call in N: N must be at least 1";
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.push_back(fault);
    m_armed = true;
    return true;
}

void SimFaults::clear(const std::string& device)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (device.empty() || device == "*")
        m_faults.clear();
    else
        m_faults.erase(std::remove_if(m_faults.begin(), m_faults.end(),
                                      [&](const Fault& f) { return f.device == device; }),
                       m_faults.end());
    m_armed = !m_faults.empty();
}

bool SimFaults::matches(const Fault& fault, const std::string& device, const char* interfaceName,
                        const char* method, const std::string& detail)
{
    return (fault.device == "*" || fault.device == device) && methodMatches(fault.method, method)
           && (fault.interfaceName.empty() || fault.interfaceName == interfaceName)
           && (fault.detail.empty() || fault.detail == detail);
}

SimFaultAction SimFaults::check(const std::string& device, const char* interfaceName, const char* method,
                                const std::string& detail)
{
    if (!m_armed.load(std::memory_order_relaxed))
        return SimFaultAction::None;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        if (!matches(*it, device, interfaceName, method, detail) || ++it->seen % it->every != 0)
            continue;
        const SimFaultAction action = it->action;
        if (it->remaining > 0 && --it->remaining == 0)
            m_faults.erase(it);
        m_armed = !m_faults.empty();
        return action;
    }
    return SimFaultAction::None;
}

std::string SimFaults::describe() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const Fault& f : m_faults) {
        text += std::string(actionName(f.action)) + " " + f.device + " "
                + (f.interfaceName.empty() ? "" : f.interfaceName + ".") + f.method
                + (f.detail.empty() ? "" : ":" + f.detail)
                + (f.every > 1 ? " one call in " + std::to_string(f.every) : "")
                + (f.remaining > 0 ? " (" + std::to_string(f.remaining) + " more)" : " (until cleared)") + "\n";
    }
    return text;
}
