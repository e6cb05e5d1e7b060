// Helpers for driving the simulated driver the way the program does: through the
// contract header and the loader, plus the simulator's control entry point.
#pragma once

#include "MarlixAPI.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <utility>
#include <vector>

struct MarlixReleaser
{
    void operator()(IMarlixUnknown* object) const
    {
        if (object)
            object->Release();
    }
};

template <typename T>
using Held = std::unique_ptr<T, MarlixReleaser>;

// Runs a control command in this process; false with the simulator's one-line error.
bool simControl(const QString& command, QString* output = nullptr);

// The plugged device with this display name, with one reference for the caller.
Held<IMarlix> findDevice(const QString& displayName);

template <typename Interface>
Held<Interface> query(IMarlixUnknown* object, const MarlixIID& iid)
{
    void* out = nullptr;
    if (!object || object->QueryInterface(iid, &out) != kMarlixOk)
        return Held<Interface>();
    return Held<Interface>(static_cast<Interface*>(out));
}

QString takeString(char* text);

// What a second process said and how it ended; exitCode -1 for a crash or a hang.
struct ProbeRun
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs a program to its end, for at most timeoutMs.
ProbeRun runProbe(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 30000);

// The process environment of this test (control socket and state directory) for
// another process, which must not open a control socket of its own.
QProcessEnvironment probeEnvironment();

bool writeFile(const QString& path, const QByteArray& content);

// A callback the test owns, remembering the threads the driver called it on.
template <typename Callback>
class CallbackRecorder : public Callback
{
public:
    MarlixResult QueryInterface(MarlixIID, void** out) override
    {
        *out = nullptr;
        return kMarlixNoInterface;
    }
    bool calledOnThread(std::thread::id thread) const
    {
        std::lock_guard<std::mutex> lock(m_threadMutex);
        return m_threads.count(thread) != 0;
    }

protected:
    void noteThread()
    {
        std::lock_guard<std::mutex> lock(m_threadMutex);
        m_threads.insert(std::this_thread::get_id());
    }

private:
    mutable std::mutex m_threadMutex;
    std::set<std::thread::id> m_threads;
};

// Counts "pref" and "stat" deliveries. An optional hook runs inside Notify, on the
// driver's thread.
class NotificationRecorder : public CallbackRecorder<IMarlixNotificationCallback>
{
public:
    uint32_t AddRef() override { return ++m_references; }
    uint32_t Release() override { return --m_references; }
    MarlixResult Notify(MarlixCode topic, uint64_t, uint64_t) override;

    int count(MarlixCode topic) const;
    uint32_t references() const { return m_references; }
    std::function<void()> hook;

private:
    std::atomic<uint32_t> m_references{1};
    std::atomic<int> m_preferences{0};
    std::atomic<int> m_status{0};
};

// Records arrivals (keeping a reference, as the program does) and removals.
class DiscoveryRecorder : public CallbackRecorder<IMarlixDeviceNotificationCallback>
{
public:
    ~DiscoveryRecorder();
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    MarlixResult MarlixDeviceArrived(IMarlix* device) override;
    MarlixResult MarlixDeviceRemoved(IMarlix* device) override;

    int arrivals() const;
    int removals() const;
    QStringList arrivedNames() const;
    IMarlix* arrived(const QString& displayName) const;
    bool removed(IMarlix* device) const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<IMarlix*, QString>> m_arrived;
    std::vector<IMarlix*> m_removed;
};
