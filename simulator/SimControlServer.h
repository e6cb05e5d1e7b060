// The control socket: a Unix-domain stream socket (mode 0600 from its creation) that
// takes one command per connection and answers "ok" and the output, or "error: " and
// one line.
//
// Its path is $MARLIX_SIM_CONTROL ("none" switches it off), or marlix-sim-<pid>.sock in
// $XDG_RUNTIME_DIR (else in a private /tmp/marlix-sim-<uid> directory). Only a stale
// socket is ever removed at that path, and only a private directory is used.
//
// Every client is served on a thread of its own, with a deadline for its command line
// and one for taking the answer, so that a silent or slow client delays nobody and
// stopping the server never waits for a client.
#pragma once

#include <atomic>
#include <list>
#include <memory>
#include <string>
#include <thread>

class SimControlServer
{
public:
    static constexpr int kMaxClients = 32;
    // Long enough for a client that a loaded machine leaves unscheduled for a while after
    // connecting: past the deadline its answer is an error, and its late write then finds the
    // socket closed and loses that answer too.
    static constexpr int kCommandDeadlineMs = 10000;
    static constexpr int kAnswerDeadlineMs = 5000;

    SimControlServer() = default;
    ~SimControlServer();
    SimControlServer(const SimControlServer&) = delete;
    SimControlServer& operator=(const SimControlServer&) = delete;

    void start();
    void stop();
    const std::string& path() const { return m_path; }

    // Empty when the socket is switched off or no private place for it exists.
    static std::string resolvePath(std::string& error);

private:
    struct Client
    {
        std::thread thread;
        std::atomic<bool> finished{false};
    };

    bool listenOn(const std::string& path, std::string& error);
    void loop();
    void admit(int fd);
    void serve(int fd);
    void reapFinished();
    // Waits for fd to be ready for events until the deadline; false on time-out or stop.
    bool waitFor(int fd, short events, long long deadline) const;
    bool receiveLine(int fd, std::string& line, std::string& error) const;
    void sendAll(int fd, const std::string& data) const;

    std::string m_path;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    std::list<std::unique_ptr<Client>> m_clients;  // touched by the accepting thread only
};
