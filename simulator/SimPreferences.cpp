#include "SimPreferences.h"

#include "SimFile.h"
#include "SimJson.h"
#include "SimText.h"

#include <nlohmann/json.hpp>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using nlohmann::json;

namespace {

// As mkdir -p; the state directory itself, when made here, is the user's alone.
bool makePrivateDirectories(const std::string& path, std::string& why)
{
    std::error_code error;
    if (std::filesystem::create_directories(path, error))
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, error);
    why = error.message();
    return !error;
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

bool decodeValue(const json& node, SimValue& value)
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

const char kTemporaryMark[] = ".tmp-";

std::string temporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + kTemporaryMark + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

// The process that wrote "<name>.tmp-<pid>-<n>", or 0 when the name is not one of ours.
pid_t writerOf(const std::string& name)
{
    const size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos)
        return 0;
    const std::string tail = name.substr(mark + sizeof kTemporaryMark - 1);
    const size_t dash = tail.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == tail.size()
        || tail.find_first_not_of("0123456789-") != std::string::npos || tail.find('-', dash + 1) != std::string::npos
        || dash > 9)
        return 0;
    return static_cast<pid_t>(std::stol(tail.substr(0, dash)));
}

bool processIsGone(pid_t pid)
{
    return kill(pid, 0) != 0 && errno == ESRCH;
}

void removeStaleTemporaries(const std::string& directory)
{
    DIR* listing = opendir(directory.c_str());
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing)) {
        const pid_t writer = writerOf(entry->d_name);
        if (writer > 0 && processIsGone(writer))
            unlinkat(dirfd(listing), entry->d_name, 0);
    }
    closedir(listing);
}

std::string timestamp()
{
    const time_t now = time(nullptr);
    tm parts = {};
    localtime_r(&now, &parts);
    char text[32];
    strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    return text;
}

// Moves an unreadable file out of the way without replacing anything: link, then unlink.
bool setAside(const std::string& path, std::string& kept)
{
    const std::string base = path + ".unreadable-" + timestamp();
    for (int attempt = 0; attempt < 100; ++attempt) {
        kept = attempt == 0 ? base : base + "-" + std::to_string(attempt);
        if (link(path.c_str(), kept.c_str()) == 0)
            return unlink(path.c_str()) == 0;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool directoryIsPrivate(const std::string& directory)
{
    std::string ignored;
    return SimFile::isPrivateDirectory(directory, ignored);
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
    if (home && *home == '/')
        return std::string(home) + "/.local/state/marlix-sim";
    const std::string temporary = SimFile::privateTemporaryDirectory();
    return temporary.empty() ? std::string() : temporary + "/state";
}

std::string SimPreferences::fileNameFor(const std::string& deviceId)
{
    std::string name;
    for (const char c : deviceId) {
        const auto byte = static_cast<unsigned char>(c);
        if (isalnum(byte) || c == '-' || c == '_') {
            name += c;
        } else {
            char escaped[4];
            snprintf(escaped, sizeof escaped, "%%%02X", byte);
            name += escaped;
        }
    }
    return name + ".json";
}

void SimPreferences::prepareDirectory()
{
    const std::string directory = stateDirectory();
    std::string why = "no private place for it";
    struct stat info = {};
    if (directory.empty() || (lstat(directory.c_str(), &info) == 0 && !SimFile::isPrivateDirectory(directory, why))) {
        fprintf(stderr, "marlix-sim: state directory %s refused: %s; settings are not stored\n",
                SimText::printable(directory).c_str(), why.c_str());
        return;
    }
    removeStaleTemporaries(directory);
}

bool SimPreferences::save(const std::string& path, const std::string& device,
                          const std::map<MarlixCode, SimValue>& values, std::string& error)
{
    json items = json::object();
    for (const auto& entry : values)
        items[SimValue::fourCCText(entry.first)] = encode(entry.second);
    const json document = {{"format", 1}, {"device", device}, {"configuration", items}};
    const std::string text = document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";

    if (path.empty()) {
        error = "no private state directory; settings are not stored";
        return false;
    }
    const std::string directory = directoryOf(path);
    std::string why;
    if (!makePrivateDirectories(directory, why)) {
        error = "cannot create " + directory + ": " + why;
        return false;
    }
    if (!SimFile::isPrivateDirectory(directory, why)) {
        error = "state directory " + directory + " refused: " + why;
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

// Every entry must be a setting we could have written; anything else is not our file.
bool SimPreferences::decode(const std::string& text, std::map<MarlixCode, SimValue>& values, std::string& why)
{
    json document;
    if (!SimJson::parse(text, document, why))
        return false;
    const auto items = document.is_object() ? document.find("configuration") : document.end();
    if (!document.is_object() || document.value("format", json()) != 1 || items == document.end()
        || !items->is_object()) {
        why = "not a stored configuration of format 1";
        return false;
    }
    for (const auto& item : items->items()) {
        MarlixCode id = 0;
        SimValue value;
        if (!SimValue::parseFourCC(item.key(), id) || !decodeValue(item.value(), value)) {
            why = SimText::printable("entry '" + item.key() + "' is not a stored setting");
            return false;
        }
        values[id] = value;
    }
    return true;
}

SimPreferences::Loaded SimPreferences::load(const std::string& path, std::map<MarlixCode, SimValue>& values)
{
    const std::string shown = SimText::printable(path);
    std::string text, why, kept;
    if (path.empty() || !directoryIsPrivate(directoryOf(path)))
        return Loaded::Nothing;
    switch (SimFile::read(path, text, why)) {
    case SimFile::Result::Missing:
        return Loaded::Nothing;
    case SimFile::Result::Read:
        if (decode(text, values, why))
            return Loaded::Values;
        values.clear();
        break;
    case SimFile::Result::Refused:
        break;
    }
    if (!setAside(path, kept)) {
        fprintf(stderr, "marlix-sim: stored settings %s cannot be read (%s) nor moved aside (%s); "
                        "the device starts from its defaults and will not store over them\n",
                shown.c_str(), why.c_str(), strerror(errno));
        return Loaded::Blocked;
    }
    fprintf(stderr, "marlix-sim: stored settings %s cannot be read (%s); kept as %s, the device starts "
                    "from its defaults\n",
            shown.c_str(), why.c_str(), SimText::printable(kept).c_str());
    return Loaded::SetAside;
}
