#include "SimControl.h"

#include "SimDriver.h"
#include "SimProfile.h"
#include "SimText.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

const SimControl::Command SimControl::kCommands[] = {
    {"help", 0, 0, &SimControl::help, "help"},
    {"list", 0, 0, &SimControl::list, "list"},
    {"plug", 1, 1, &SimControl::plug, "plug DEVICE"},
    {"unplug", 1, 1, &SimControl::unplug, "unplug DEVICE"},
    {"signal", 2, 4, &SimControl::signal, "signal DEVICE MODE|none [FLAGS [CONNECTION]]"},
    {"reference", 2, 3, &SimControl::reference, "reference DEVICE MODE|none [FLAGS]"},
    {"status", 2, 3, &SimControl::status, "status DEVICE ITEM [VALUE]"},
    {"fail", 2, 3, &SimControl::fail, "fail DEVICE|* OPERATION[:DETAIL] [COUNT]"},
    {"fail-every", 3, 3, &SimControl::failEvery, "fail-every DEVICE|* OPERATION[:DETAIL] N"},
    {"vanish", 2, 2, &SimControl::vanish, "vanish DEVICE|* OPERATION[:DETAIL]"},
    {"faults", 0, 0, &SimControl::faults, "faults"},
    {"clear", 0, 1, &SimControl::clear, "clear [DEVICE|*]"},
    {"storm", 3, 3, &SimControl::storm, "storm DEVICE pref|stat|both COUNT"},
    {"profile", 1, 1, &SimControl::profile, "profile FILE|default"},
    {"success", 2, 2, &SimControl::success, "success getters|probes CODE"},
    {"wait", 0, 0, &SimControl::wait, "wait"},
    {"writes", 1, 2, &SimControl::writes, "writes DEVICE [reset]"},
    {"setting", 1, 2, &SimControl::setting, "setting DEVICE [ITEM]"},
};

namespace {

constexpr long long kMaxStorm = 1000000;

bool parseCount(const std::string& text, long long limit, long long& value)
{
    errno = 0;
    char* end = nullptr;
    const long long parsed = strtoll(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0' || parsed < 0 || parsed > limit)
        return false;
    value = parsed;
    return true;
}

bool parseCode(const std::string& text, unsigned& code)
{
    MarlixCode parsed = 0;
    if (!SimValue::parseFourCC(text, parsed))
        return false;
    code = parsed;
    return true;
}

} // namespace

std::vector<std::string> SimControl::split(const std::string& line, std::string& error)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        error = "unbalanced quote";
    else if (inWord)
        words.push_back(word);
    return words;
}

const SimControl::Command* SimControl::parse(const std::string& line, Args& args, std::string& error)
{
    args.clear();
    error.clear();
    if (line.find('\0') != std::string::npos) {
        error = "the command holds a NUL byte";
        return nullptr;
    }
    if (line.size() > kMaxLine) {
        error = "the command is longer than " + std::to_string(kMaxLine) + " bytes";
        return nullptr;
    }
    Args words = split(line, error);
    if (!error.empty())
        return nullptr;
    if (words.empty()) {
        error = "empty command (try help)";
        return nullptr;
    }
    for (const Command& command : kCommands) {
        if (words[0] != command.name)
            continue;
        args.assign(words.begin() + 1, words.end());
        if (args.size() < command.minArgs || args.size() > command.maxArgs) {
            error = std::string("usage: ") + command.usage;
            return nullptr;
        }
        return &command;
    }
    error = "unknown command '" + words[0] + "' (try help)";
    return nullptr;
}

// Whatever the command echoes of its words, or of a profile, reaches a terminal as text.
bool SimControl::execute(const std::string& line, std::string& output)
{
    Args args;
    const Command* command = parse(line, args, output);
    const bool ok = command && (this->*command->handler)(args, output);
    output = SimText::printable(output, ok);
    return ok;
}

bool SimControl::knownDevice(const std::string& key, std::string& error) const
{
    if (m_driver.device(key))
        return true;
    error = "unknown device '" + key + "' (see list)";
    return false;
}

bool SimControl::help(const Args&, std::string& out)
{
    for (const Command& command : kCommands)
        out += std::string(command.usage) + "\n";
    return true;
}

bool SimControl::list(const Args&, std::string& out)
{
    for (const SimDriver::Listed& entry : m_driver.listing())
        out += entry.device->key() + (entry.plugged ? " plugged " : " unplugged ") + entry.device->describe() + "\n";
    return true;
}

bool SimControl::plug(const Args& args, std::string& out)
{
    return m_driver.plug(args[0], out);
}

bool SimControl::unplug(const Args& args, std::string& out)
{
    return m_driver.unplug(args[0], out);
}

bool SimControl::modeAndFlags(const Args& args, unsigned& mode, long long& flags, std::string& error) const
{
    mode = MarlixValue::kModeUnknown;
    flags = 0;
    if (args[1] != "none" && !parseCode(args[1], mode)) {
        error = "'" + args[1] + "' is not a four-character mode code or none";
        return false;
    }
    if (args.size() > 2 && !parseCount(args[2], 3, flags)) {
        error = "mode flags must be 0 to 3 (1 PsF, 2 3D)";
        return false;
    }
    return true;
}

// A connection code (1 SDI ... 32 S-Video); none given is the selected one.
bool SimControl::inputConnection(const Args& args, long long& connection, std::string& error) const
{
    connection = 0;
    if (args.size() > 3 && (!parseCount(args[3], 32, connection) || connection == 0)) {
        error = "the connection must be a code from 1 (SDI) to 32 (S-Video)";
        return false;
    }
    return true;
}

bool SimControl::signal(const Args& args, std::string& out)
{
    unsigned mode = 0;
    long long flags = 0;
    long long connection = 0;
    if (!knownDevice(args[0], out) || !modeAndFlags(args, mode, flags, out) || !inputConnection(args, connection, out))
        return false;
    const auto device = m_driver.device(args[0]);
    if (!device->setInputSignal(mode, flags, out, connection))
        return false;
    m_driver.notify(device, MarlixItem::kTopicStatus, MarlixItem::kStatusVideoInputSignalLocked);
    return true;
}

bool SimControl::reference(const Args& args, std::string& out)
{
    unsigned mode = 0;
    long long flags = 0;
    if (!knownDevice(args[0], out) || !modeAndFlags(args, mode, flags, out))
        return false;
    const auto device = m_driver.device(args[0]);
    if (!device->setReference(mode, flags, out))
        return false;
    m_driver.notify(device, MarlixItem::kTopicStatus, MarlixItem::kStatusReferenceLocked);
    return true;
}

bool SimControl::status(const Args& args, std::string& out)
{
    unsigned item = 0;
    if (!knownDevice(args[0], out))
        return false;
    if (!parseCode(args[1], item)) {
        out = "'" + args[1] + "' is not a four-character item code";
        return false;
    }
    const auto device = m_driver.device(args[0]);
    const auto known = device->description().status.find(item);
    if (known == device->description().status.end()) {
        out = "device '" + args[0] + "' has no status item '" + args[1] + "'";
        return false;
    }
    if (args.size() == 2) {
        SimValue value;
        device->getStatus(item, known->second.kind, value);
        out = value.describe() + "\n";
        return true;
    }
    if (!device->setStatus(item, args[2], out))
        return false;
    m_driver.notify(device, MarlixItem::kTopicStatus, item);
    return true;
}

bool SimControl::addFault(const Args& args, bool vanish, std::string& out)
{
    long long count = vanish ? 1 : 0;
    if (args[0] != "*" && !knownDevice(args[0], out))
        return false;
    if (args.size() > 2 && !parseCount(args[2], 1000000000, count)) {
        out = "the count must be a whole number (0: until cleared)";
        return false;
    }
    return m_driver.faults().add(args[0], args[1], vanish ? SimFaultAction::Vanish : SimFaultAction::Fail,
                                 static_cast<int>(count), out);
}

bool SimControl::fail(const Args& args, std::string& out)
{
    return addFault(args, false, out);
}

// One call in N of the operation fails, until cleared: failures spread through a session.
bool SimControl::failEvery(const Args& args, std::string& out)
{
    long long every = 0;
    if (args[0] != "*" && !knownDevice(args[0], out))
        return false;
    if (!parseCount(args[2], 1000000, every) || every < 1) {
        out = "N must be a whole number from 1 to 1000000";
        return false;
    }
    return m_driver.faults().add(args[0], args[1], SimFaultAction::Fail, 0, out, static_cast<int>(every));
}

bool SimControl::vanish(const Args& args, std::string& out)
{
    return addFault(args, true, out);
}

bool SimControl::faults(const Args&, std::string& out)
{
    out = m_driver.faults().describe();
    return true;
}

bool SimControl::clear(const Args& args, std::string& out)
{
    const std::string device = args.empty() ? "*" : args[0];
    if (device != "*" && !knownDevice(device, out))
        return false;
    m_driver.faults().clear(device);
    return true;
}

bool SimControl::storm(const Args& args, std::string& out)
{
    long long count = 0;
    if (!knownDevice(args[0], out))
        return false;
    const std::string& topic = args[1];
    if (topic != "pref" && topic != "stat" && topic != "both") {
        out = "the topic must be pref, stat or both";
        return false;
    }
    if (!parseCount(args[2], kMaxStorm, count)) {
        out = "the count must be 0 to " + std::to_string(kMaxStorm);
        return false;
    }
    const auto device = m_driver.device(args[0]);
    for (long long i = 0; i < count; ++i) {
        if (topic != "stat")
            m_driver.notify(device, MarlixItem::kTopicPreferences, 0);
        if (topic != "pref")
            m_driver.notify(device, MarlixItem::kTopicStatus, 0);
    }
    return true;
}

bool SimControl::profile(const Args& args, std::string& out)
{
    std::vector<SimDeviceDescription> devices;
    std::string error;
    const bool builtIn = args[0] == "default";
    SimProfileOptions options;
    const bool loaded = builtIn ? SimProfile::parse(SimProfile::builtInText(), devices, error, &options)
                                : SimProfile::load(args[0], devices, error, &options);
    if (!loaded) {
        out = "profile " + args[0] + ": " + error;
        return false;
    }
    m_driver.setUnsubscribeWaits(options.unsubscribeWaits);
    m_driver.replaceFleet(std::move(devices));
    return true;
}

// A positive code is still success; the program must accept it where it accepts any
// non-negative answer and refuse it where only 0 will do.
bool SimControl::success(const Args& args, std::string& out)
{
    long long code = 0;
    if (args[0] != "getters" && args[0] != "probes") {
        out = "success codes apply to getters or probes";
        return false;
    }
    if (!parseCount(args[1], INT32_MAX, code)) {
        out = "the code must be 0 to " + std::to_string(INT32_MAX);
        return false;
    }
    m_driver.setSuccessCode(args[0] == "getters" ? SimSuccess::Getters : SimSuccess::Probes,
                            static_cast<MarlixResult>(code));
    return true;
}

bool SimControl::wait(const Args&, std::string&)
{
    m_driver.drain();
    return true;
}

// The count of setting writes; "reset" answers it and starts again from zero.
bool SimControl::writes(const Args& args, std::string& out)
{
    if (!knownDevice(args[0], out))
        return false;
    if (args.size() == 2 && args[1] != "reset") {
        out = "the second word must be reset";
        return false;
    }
    const auto device = m_driver.device(args[0]);
    out = std::to_string(device->configurationWrites()) + "\n";
    if (args.size() == 2)
        device->resetConfigurationWrites();
    return true;
}

// The live value of one setting, or of all of them one a line: what the program would read.
bool SimControl::setting(const Args& args, std::string& out)
{
    unsigned item = 0;
    if (!knownDevice(args[0], out))
        return false;
    if (args.size() == 2 && !parseCode(args[1], item)) {
        out = "'" + args[1] + "' is not a four-character item code";
        return false;
    }
    const std::map<MarlixCode, SimValue> live = m_driver.device(args[0])->liveSettings();
    if (args.size() == 2) {
        const auto found = live.find(item);
        if (found == live.end()) {
            out = "device '" + args[0] + "' has no setting '" + args[1] + "'";
            return false;
        }
        out = found->second.describe() + "\n";
        return true;
    }
    for (const auto& entry : live)
        out += SimValue::fourCCText(entry.first) + " " + entry.second.describe() + "\n";
    return true;
}
