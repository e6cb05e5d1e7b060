// marlix-simctl: drives a running device simulator through its control socket.
//
//   marlix-simctl [--socket PATH] COMMAND [ARGUMENTS...]
//
// The socket is --socket, else $MARLIX_SIM_CONTROL, else the one simulator found
// running under $XDG_RUNTIME_DIR (or /tmp/marlix-sim-<uid>). With several running,
// name one.
#include "SimFile.h"
#include "SimText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

const char kUsage[] = "usage: marlix-simctl [--socket PATH] COMMAND [ARGUMENTS...] (try: marlix-simctl help)";

bool connectTo(const std::string& path, int& fd)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    memcpy(address.sun_path, path.c_str(), path.size() + 1);
    fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return true;
    if (fd >= 0)
        close(fd);
    fd = -1;
    return false;
}

// Only where the simulator itself would listen: a directory private to this user.
std::string runtimeDirectory()
{
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime && *runtime == '/' ? std::string(runtime) : "/tmp/marlix-sim-" + std::to_string(getuid());
    std::string ignored;
    return SimFile::isPrivateDirectory(dir, ignored) ? dir : std::string();
}

// Live simulators only: a socket file nobody answers on was left by a dead process.
std::vector<std::string> runningSimulators()
{
    std::vector<std::string> found;
    const std::string dir = runtimeDirectory();
    DIR* listing = dir.empty() ? nullptr : opendir(dir.c_str());
    if (!listing)
        return found;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.rfind("marlix-sim-", 0) != 0 || name.size() < 5 || name.compare(name.size() - 5, 5, ".sock") != 0)
            continue;
        int fd = -1;
        if (connectTo(dir + "/" + name, fd)) {
            close(fd);
            found.push_back(dir + "/" + name);
        }
    }
    closedir(listing);
    return found;
}

bool choosePath(std::string& path, std::string& error)
{
    if (!path.empty())
        return true;
    const char* configured = getenv("MARLIX_SIM_CONTROL");
    if (configured && *configured) {
        path = configured;
        return true;
    }
    const std::vector<std::string> running = runningSimulators();
    if (running.size() == 1) {
        path = running.front();
        return true;
    }
    error = running.empty() ? "no running simulator found (set MARLIX_SIM_CONTROL or use --socket)"
                            : std::to_string(running.size())
                                  + " simulators are running; choose one with --socket or MARLIX_SIM_CONTROL";
    return false;
}

// Words with spaces travel quoted, so the simulator splits the line as the shell did.
std::string commandLine(int argc, char** argv, int first)
{
    std::string line;
    for (int i = first; i < argc; ++i) {
        const std::string word = argv[i];
        if (!line.empty())
            line += ' ';
        line += word.find_first_of(" \t") == std::string::npos && !word.empty() ? word : "\"" + word + "\"";
    }
    return line + "\n";
}

bool exchange(int fd, const std::string& request, std::string& reply)
{
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
        return false;
    char buffer[4096];
    for (;;) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        reply.append(buffer, static_cast<size_t>(n));
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string path;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--socket") {
        path = argv[2];
        first = 3;
    }
    if (first >= argc) {
        fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    std::string error;
    int fd = -1;
    if (!choosePath(path, error)) {
        fprintf(stderr, "marlix-simctl: %s\n", error.c_str());
        return 1;
    }
    if (!connectTo(path, fd)) {
        fprintf(stderr, "marlix-simctl: cannot reach the simulator at %s: %s\n", path.c_str(), strerror(errno));
        return 1;
    }
    std::string reply;
    const bool exchanged = exchange(fd, commandLine(argc, argv, first), reply);
    close(fd);
    if (!exchanged || (reply.rfind("ok\n", 0) != 0 && reply.rfind("error: ", 0) != 0)) {
        fprintf(stderr, "marlix-simctl: no answer from the simulator at %s\n", path.c_str());
        return 1;
    }
    // Whatever answers on the socket, only text reaches the terminal.
    if (reply.rfind("error: ", 0) == 0) {
        const std::string message = reply.substr(7, reply.find('\n') - 7);
        fprintf(stderr, "marlix-simctl: %s\n", SimText::printable(message).c_str());
        return 1;
    }
    fputs(SimText::printable(reply.substr(3), true).c_str(), stdout);
    return 0;
}
