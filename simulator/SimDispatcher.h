// A thread of the simulated driver that calls the program back. Each job belongs to an
// owner (a subscription, a discovery registration); cancelling an owner drops its queued
// jobs and waits until none of its jobs is running, so that nothing calls it afterwards.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class SimDispatcher
{
public:
    using Owner = const void*;

    SimDispatcher();
    ~SimDispatcher();
    SimDispatcher(const SimDispatcher&) = delete;
    SimDispatcher& operator=(const SimDispatcher&) = delete;

    void post(Owner owner, std::function<void()> job);
    // Called from one of this owner's own jobs it cannot wait for itself, and does not;
    // nor when told not to wait, as a driver that returns at once would.
    void cancel(Owner owner);
    void setWaitOnCancel(bool wait) { m_waitOnCancel = wait; }
    // Waits until every job posted so far has run (for the control tool and tests).
    void drain();
    bool onDispatcherThread() const;
    void stop();

private:
    struct Job
    {
        Owner owner;
        std::function<void()> run;
        unsigned long long number;
    };

    void loop();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_finished;
    std::deque<Job> m_queue;
    Owner m_running = nullptr;
    bool m_busy = false;
    bool m_stopping = false;
    std::atomic<bool> m_waitOnCancel{true};
    unsigned long long m_posted = 0;
    unsigned long long m_done = 0;
    std::thread m_thread;
};
