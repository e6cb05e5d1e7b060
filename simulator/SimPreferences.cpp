#include "SimPreferences.h"

#include <nlohmann/json.hpp>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using nlohmann::json;

namespace {

bool makeDirectories(const std::string& path)
{
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        const std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& data)
{
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

json encode(const SimValue& value)
{
    switch (value.kind) {
    case SimKind::Flag: return {{"flag", value.flag}};
    case SimKind::Int: return {{"int", value.integer}};
    case SimKind::Float: return {{"float", value.real}};
    case SimKind::String: return {{"string", value.text}};
    case SimKind::Bytes: return {{"hex", SimValue::toHex(value.bytes)}};
    }
    return json();
}

bool decode(const json& node, SimValue& value)
{
    if (!node.is_object() || node.size() != 1)
        return false;
    const auto entry = node.begin();
    const std::string& kind = entry.key();
    const json& v = entry.value();
    if (kind == "flag" && v.is_boolean())
        value = SimValue::makeFlag(v.get<bool>());
    else if (kind == "int" && v.is_number_integer())
        value = SimValue::makeInt(v.get<int64_t>());
    else if (kind == "float" && v.is_number())
        value = SimValue::makeFloat(v.get<double>());
    else if (kind == "string" && v.is_string())
        value = SimValue::makeString(v.get<std::string>());
    else
        return false;
    return true;
}

std::string temporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

} // namespace

std::string SimPreferences::stateDirectory()
{
    const char* explicitDir = getenv("MARLIX_SIM_STATE_DIR");
    if (explicitDir && *explicitDir)
        return explicitDir;
    const char* stateHome = getenv("XDG_STATE_HOME");
    if (stateHome && *stateHome == '/')
        return std::string(stateHome) + "/marlix-sim";
    const char* home = getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/state/marlix-sim";
}

bool SimPreferences::save(const std::string& path, const std::string& device,
                          const std::map<MarlixCode, SimValue>& values, std::string& error)
{
    json items = json::object();
    for (const auto& entry : values)
        items[SimValue::fourCCText(entry.first)] = encode(entry.second);
    const json document = {{"format", 1}, {"device", device}, {"configuration", items}};
    const std::string text = document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";

    const std::string directory = directoryOf(path);
    if (!makeDirectories(directory)) {
        error = "cannot create " + directory + ": " + strerror(errno);
        return false;
    }
    const std::string temporary = temporaryName(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot write " + temporary + ": " + strerror(errno);
        return false;
    }
    // The data must be on disk before the new name points at it.
    const bool written = writeAll(fd, text) && fsync(fd) == 0;
    const int savedErrno = errno;
    close(fd);
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot store " + path + ": " + strerror(written ? errno : savedErrno);
        unlink(temporary.c_str());
        return false;
    }
    const int dirFd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

bool SimPreferences::load(const std::string& path, std::map<MarlixCode, SimValue>& values)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream text;
    text << file.rdbuf();
    const json document = json::parse(text.str(), nullptr, false);
    if (document.is_discarded() || !document.is_object() || !document.contains("configuration")
        || !document["configuration"].is_object())
        return false;
    for (const auto& item : document["configuration"].items()) {
        MarlixCode id = 0;
        SimValue value;
        if (SimValue::parseFourCC(item.key(), id) && decode(item.value(), value))
            values[id] = value;
    }
    return true;
}
