#include "SimControlServer.h"

#include "SimControl.h"
#include "SimDriver.h"
#include "SimFile.h"
#include "SimText.h"

#include <cerrno>
#include <chrono>
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

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
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

// Only a stale socket may go: any other file at the path belongs to someone.
bool clearStaleSocket(const std::string& path, const sockaddr_un& address, std::string& error)
{
    struct stat info = {};
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT || (error = strerror(errno), false);
    if (!S_ISSOCK(info.st_mode)) {
        error = "a file that is not a socket is in the way";
        return false;
    }
    if (somebodyListens(address)) {
        error = "another process is using it";
        return false;
    }
    unlink(path.c_str());
    return true;
}

} // namespace

SimControlServer::~SimControlServer()
{
    stop();
}

std::string SimControlServer::resolvePath(std::string& error)
{
    const char* configured = getenv("MARLIX_SIM_CONTROL");
    if (configured && *configured)
        return std::string(configured) == "none" ? std::string() : configured;
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    std::string dir;
    if (runtime && *runtime == '/') {
        dir = runtime;
        if (!SimFile::isPrivateDirectory(dir, error)) {
            error = "runtime directory " + dir + " refused: " + error;
            return std::string();
        }
    } else {
        dir = SimFile::privateTemporaryDirectory();
        if (dir.empty()) {
            error = "/tmp/marlix-sim-" + std::to_string(getuid()) + " is not a private directory";
            return std::string();
        }
    }
    return dir + "/marlix-sim-" + std::to_string(getpid()) + ".sock";
}

bool SimControlServer::listenOn(const std::string& path, std::string& error)
{
    sockaddr_un address;
    if (!fillAddress(path, address)) {
        error = "path is too long";
        return false;
    }
    if (!clearStaleSocket(path, address, error))
        return false;
    m_listen = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // The file takes the socket's mode when bind creates it: private from the first moment.
    if (m_listen < 0 || fchmod(m_listen, 0600) != 0
        || bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(m_listen, 64) != 0) {
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
    std::string error;
    const std::string path = resolvePath(error);
    if (path.empty()) {
        if (!error.empty())
            fprintf(stderr, "marlix-sim: control socket: %s\n", SimText::printable(error).c_str());
        return;
    }
    if (!listenOn(path, error)) {
        fprintf(stderr, "marlix-sim: control socket %s: %s\n", SimText::printable(path).c_str(), error.c_str());
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

// The wake pipe stays readable once written: every thread polling it sees the stop.
void SimControlServer::stop()
{
    if (!m_thread.joinable())
        return;
    const char wake = 1;
    if (write(m_wake[1], &wake, 1) < 0)
        perror("marlix-sim: control socket");
    m_thread.join();
    for (const auto& client : m_clients)
        client->thread.join();
    m_clients.clear();
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
        if (poll(fds, 2, 1000) < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        reapFinished();
        if (!(fds[0].revents & POLLIN))
            continue;
        const int fd = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0)
            admit(fd);
    }
}

void SimControlServer::admit(int fd)
{
    if (m_clients.size() >= static_cast<size_t>(kMaxClients)) {
        const std::string busy = "error: too many control clients at once; try again\n";
        send(fd, busy.data(), busy.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        close(fd);
        return;
    }
    m_clients.push_back(std::make_unique<Client>());
    Client* client = m_clients.back().get();
    client->thread = std::thread([this, fd, client] {
        serve(fd);
        close(fd);
        client->finished = true;
    });
}

void SimControlServer::reapFinished()
{
    for (auto it = m_clients.begin(); it != m_clients.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = m_clients.erase(it);
        } else {
            ++it;
        }
    }
}

bool SimControlServer::waitFor(int fd, short events, long long deadline) const
{
    for (;;) {
        const long long left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd fds[2] = {{fd, events, 0}, {m_wake[0], POLLIN, 0}};
        const int n = poll(fds, 2, static_cast<int>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || fds[1].revents)
            return false;
        if (fds[0].revents)
            return true;
    }
}

// One line within the deadline, at most SimControl::kMaxLine bytes before its end.
bool SimControlServer::receiveLine(int fd, std::string& line, std::string& error) const
{
    const long long deadline = nowMs() + kCommandDeadlineMs;
    line.clear();
    char buffer[4096];
    for (;;) {
        const size_t end = line.find('\n');
        if (end != std::string::npos) {
            line.resize(end);
            return line.size() <= SimControl::kMaxLine || (error = "the command is too long", false);
        }
        if (line.size() > SimControl::kMaxLine) {
            error = "the command is too long";
            return false;
        }
        if (!waitFor(fd, POLLIN, deadline)) {
            error = "no command within " + std::to_string(kCommandDeadlineMs / 1000) + " s";
            return false;
        }
        const ssize_t n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return !line.empty();  // a last line without its newline still counts
        line.append(buffer, static_cast<size_t>(n));
    }
}

void SimControlServer::sendAll(int fd, const std::string& data) const
{
    const long long deadline = nowMs() + kAnswerDeadlineMs;
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return;
        if (n < 0 && errno == EAGAIN && !waitFor(fd, POLLOUT, deadline))
            return;
    }
}

void SimControlServer::serve(int fd)
{
    std::string command, output;
    if (!receiveLine(fd, command, output)) {
        if (!output.empty())
            sendAll(fd, "error: " + output + "\n");
        return;
    }
    SimDriver* driver = SimDriver::instance();
    const bool ok = driver && SimControl(*driver).execute(command, output);
    if (ok)
        sendAll(fd, "ok\n" + output);
    else
        sendAll(fd, "error: " + (driver ? output : std::string("the simulator is shutting down")) + "\n");
}
