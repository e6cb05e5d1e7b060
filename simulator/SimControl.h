// The control language of the simulator, shared by the control socket, marlix-simctl
// and the in-process entry point. One command a line; "help" lists them.
#pragma once

#include <string>
#include <vector>

class SimDriver;

class SimControl
{
public:
    using Args = std::vector<std::string>;
    using Handler = bool (SimControl::*)(const Args&, std::string&);
    struct Command
    {
        const char* name;
        size_t minArgs;
        size_t maxArgs;
        Handler handler;
        const char* usage;
    };

    explicit SimControl(SimDriver& driver) : m_driver(driver) {}

    // Longest command line taken, newline excluded.
    static constexpr size_t kMaxLine = 64 * 1024;

    // True on success with the command's output; false with one line naming the fault.
    // Either way the output holds no control characters but line ends, and only UTF-8.
    bool execute(const std::string& line, std::string& output);

    // The command a line names with its arguments, checked for count; null with the fault.
    static const Command* parse(const std::string& line, Args& args, std::string& error);
    static std::vector<std::string> split(const std::string& line, std::string& error);

private:
    static const Command kCommands[];

    bool help(const Args&, std::string& out);
    bool list(const Args&, std::string& out);
    bool plug(const Args& args, std::string& out);
    bool unplug(const Args& args, std::string& out);
    bool signal(const Args& args, std::string& out);
    bool reference(const Args& args, std::string& out);
    bool status(const Args& args, std::string& out);
    bool fail(const Args& args, std::string& out);
    bool failEvery(const Args& args, std::string& out);
    bool setting(const Args& args, std::string& out);
    bool vanish(const Args& args, std::string& out);
    bool faults(const Args&, std::string& out);
    bool clear(const Args& args, std::string& out);
    bool storm(const Args& args, std::string& out);
    bool profile(const Args& args, std::string& out);
    bool success(const Args& args, std::string& out);
    bool wait(const Args&, std::string& out);
    bool writes(const Args& args, std::string& out);

    bool knownDevice(const std::string& key, std::string& error) const;
    bool addFault(const Args& args, bool vanish, std::string& out);
    bool inputConnection(const Args& args, long long& connection, std::string& error) const;
    bool modeAndFlags(const Args& args, unsigned& mode, long long& flags, std::string& error) const;

    SimDriver& m_driver;
};
