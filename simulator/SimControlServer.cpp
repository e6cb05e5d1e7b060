#include "SimControlServer.h"

#include "SimControl.h"
#include "SimDriver.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxCommand = 64 * 1024;

std::string privateTemporaryDirectory()
{
    const std::string dir = "/tmp/marlix-sim-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat info = {};
    if (lstat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return std::string();
    return dir;
}

bool fillAddress(const std::string& path, sockaddr_un& address)
{
    memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A socket file that nobody answers on is left over from a process that died.
bool somebodyListens(const sockaddr_un& address)
{
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool answered = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return answered;
}

void sendAll(int fd, const std::string& data)
{
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

std::string receiveLine(int fd)
{
    std::string line;
    char buffer[4096];
    while (line.size() < kMaxCommand && line.find('\n') == std::string::npos) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        line.append(buffer, static_cast<size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

} // namespace

SimControlServer::~SimControlServer()
{
    stop();
}

std::string SimControlServer::resolvePath()
{
    const char* configured = getenv("MARLIX_SIM_CONTROL");
    if (configured && *configured)
        return std::string(configured) == "none" ? std::string() : configured;
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime && *runtime == '/' ? std::string(runtime) : privateTemporaryDirectory();
    if (dir.empty())
        return std::string();
    return dir + "/marlix-sim-" + std::to_string(getpid()) + ".sock";
}

bool SimControlServer::listenOn(const std::string& path, std::string& error)
{
    sockaddr_un address;
    if (!fillAddress(path, address)) {
        error = "path is too long";
        return false;
    }
    if (somebodyListens(address)) {
        error = "another process is using it";
        return false;
    }
    unlink(path.c_str());
    m_listen = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listen < 0 || bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || chmod(path.c_str(), 0600) != 0 || listen(m_listen, 8) != 0) {
        error = strerror(errno);
        if (m_listen >= 0)
            close(m_listen);
        m_listen = -1;
        return false;
    }
    return true;
}

void SimControlServer::start()
{
    const std::string path = resolvePath();
    if (path.empty())
        return;
    std::string error;
    if (!listenOn(path, error)) {
        fprintf(stderr, "marlix-sim: control socket %s: %s\n", path.c_str(), error.c_str());
        return;
    }
    if (pipe2(m_wake, O_CLOEXEC) != 0) {
        close(m_listen);
        m_listen = -1;
        unlink(path.c_str());
        return;
    }
    m_path = path;
    m_thread = std::thread([this] { loop(); });
}

void SimControlServer::stop()
{
    if (!m_thread.joinable())
        return;
    const char wake = 1;
    if (write(m_wake[1], &wake, 1) < 0)
        perror("marlix-sim: control socket");
    m_thread.join();
    close(m_listen);
    close(m_wake[0]);
    close(m_wake[1]);
    m_listen = m_wake[0] = m_wake[1] = -1;
    unlink(m_path.c_str());
}

void SimControlServer::loop()
{
    for (;;) {
        pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const int client = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            serve(client);
            close(client);
        }
    }
}

void SimControlServer::serve(int client)
{
    const timeval timeout = {5, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    const std::string command = receiveLine(client);
    std::string output;
    SimDriver* driver = SimDriver::instance();
    const bool ok = driver && SimControl(*driver).execute(command, output);
    if (ok)
        sendAll(client, "ok\n" + output);
    else
        sendAll(client, "error: " + (driver ? output : std::string("the simulator is shutting down")) + "\n");
}
