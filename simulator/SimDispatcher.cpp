#include "SimDispatcher.h"

#include <vector>

SimDispatcher::SimDispatcher() : m_thread([this] { loop(); }) {}

SimDispatcher::~SimDispatcher()
{
    stop();
}

void SimDispatcher::post(Owner owner, std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        m_queue.push_back(Job{owner, std::move(job), ++m_posted});
    }
    m_wake.notify_one();
}

void SimDispatcher::cancel(Owner owner)
{
    std::vector<Job> dropped;  // destroyed after the lock: they may release objects
    std::unique_lock<std::mutex> lock(m_mutex);
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (it->owner == owner) {
            dropped.push_back(std::move(*it));
            it = m_queue.erase(it);
            ++m_done;
        } else {
            ++it;
        }
    }
    if (m_waitOnCancel && std::this_thread::get_id() != m_thread.get_id())
        m_finished.wait(lock, [&] { return !(m_busy && m_running == owner); });
    lock.unlock();
    m_finished.notify_all();
}

void SimDispatcher::drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (std::this_thread::get_id() == m_thread.get_id())
        return;
    const unsigned long long target = m_posted;
    m_finished.wait(lock, [&] { return m_done >= target || m_stopping; });
}

bool SimDispatcher::onDispatcherThread() const
{
    return std::this_thread::get_id() == m_thread.get_id();
}

void SimDispatcher::stop()
{
    std::deque<Job> dropped;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        dropped.swap(m_queue);
    }
    m_wake.notify_all();
    m_finished.notify_all();
    if (m_thread.joinable() && std::this_thread::get_id() != m_thread.get_id())
        m_thread.join();
}

void SimDispatcher::loop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        Job job = std::move(m_queue.front());
        m_queue.pop_front();
        m_running = job.owner;
        m_busy = true;
        lock.unlock();
        job.run();
        job.run = nullptr;  // release what the job held before reporting it finished
        lock.lock();
        m_busy = false;
        m_running = nullptr;
        ++m_done;
        m_finished.notify_all();
    }
}
