// The control socket: a Unix-domain stream socket (mode 0600) that takes one command
// per connection and answers "ok" and the output, or "error: " and one line.
//
// Its path is $MARLIX_SIM_CONTROL ("none" switches it off), or marlix-sim-<pid>.sock in
// $XDG_RUNTIME_DIR (else in a private /tmp/marlix-sim-<uid> directory).
#pragma once

#include <string>
#include <thread>

class SimControlServer
{
public:
    SimControlServer() = default;
    ~SimControlServer();
    SimControlServer(const SimControlServer&) = delete;
    SimControlServer& operator=(const SimControlServer&) = delete;

    void start();
    void stop();
    const std::string& path() const { return m_path; }

    static std::string resolvePath();

private:
    bool listenOn(const std::string& path, std::string& error);
    void loop();
    void serve(int client);

    std::string m_path;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
};
