// Helpers for driving the simulated driver the way the program does: through the
// contract header and the loader, plus the simulator's control entry point. Shared by
// the suite and by sim_probe, the second process it starts.
#pragma once

#include "MarlixAPI.h"
#include "MarlixAPILoader.h"
#include "MarlixSimulatorControl.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
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

template <typename Interface>
Held<Interface> query(IMarlixUnknown* object, const MarlixIID& iid)
{
    void* out = nullptr;
    if (!object || object->QueryInterface(iid, &out) != kMarlixOk)
        return Held<Interface>();
    return Held<Interface>(static_cast<Interface*>(out));
}

inline QString takeString(char* text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    free(text);
    return result;
}

inline QString displayName(IMarlix* device)
{
    char* name = nullptr;
    device->GetDisplayName(&name);
    return takeString(name);
}

// The plugged devices in the driver's order, each with one reference for the caller.
inline std::vector<Held<IMarlix>> pluggedDevices()
{
    std::vector<Held<IMarlix>> devices;
    Held<IMarlixIterator> iterator(CreateMarlixIteratorInstance());
    IMarlix* device = nullptr;
    while (iterator && iterator->Next(&device) == kMarlixOk && device)
        devices.emplace_back(device);
    return devices;
}

inline Held<IMarlix> findDevice(const QString& name)
{
    for (Held<IMarlix>& device : pluggedDevices()) {
        if (displayName(device.get()) == name)
            return std::move(device);
    }
    return Held<IMarlix>();
}

// Runs a control command in this process; false with the simulator's one-line error.
inline bool simControl(const QString& command, QString* output = nullptr)
{
    InitMarlixAPI();
    const auto control = reinterpret_cast<MarlixSimulatorControlFunction>(
        dlsym(RTLD_DEFAULT, MARLIX_SIMULATOR_CONTROL_ENTRY));
    char* text = nullptr;
    const int result = control ? control(command.toUtf8().constData(), &text) : -1;
    const QString reply = control ? takeString(text) : QStringLiteral("no control entry point");
    if (output)
        *output = reply;
    return result == 0;
}

// What a second process said and how it ended; exitCode -1 for a crash or a hang.
struct ProbeRun
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs a program to its end, for at most timeoutMs.
inline ProbeRun runProbe(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 30000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    ProbeRun run;
    const bool finished = process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    } else {
        run.elapsedMs = clock.elapsed();
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
    }
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The process environment of this test (control socket and state directory) for
// another process, which must not open a control socket of its own.
inline QProcessEnvironment probeEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), QStringLiteral("none"));
    return env;
}

inline bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Both kinds of callback the test hands the driver. It counts "pref" and "stat"
// deliveries and its own references, keeps a reference to each arrival (as the program
// does), remembers removals, and whether the driver ever called it on the thread that
// made it (the driver must call from its own). An optional hook runs inside Notify.
class Recorder : public IMarlixNotificationCallback, public IMarlixDeviceNotificationCallback
{
public:
    ~Recorder()
    {
        for (IMarlix* device : m_arrived)
            device->Release();
    }
    MarlixResult QueryInterface(MarlixIID, void** out) override
    {
        *out = nullptr;
        return kMarlixNoInterface;
    }
    uint32_t AddRef() override { return ++m_references; }
    uint32_t Release() override { return --m_references; }
    MarlixResult Notify(MarlixCode topic, uint64_t, uint64_t) override
    {
        noteThread();
        if (hook)
            hook();
        ++(topic == MarlixItem::kTopicPreferences ? m_preferences : m_status);
        return kMarlixOk;
    }
    MarlixResult MarlixDeviceArrived(IMarlix* device) override
    {
        noteThread();
        device->AddRef();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_arrived.push_back(device);
        return kMarlixOk;
    }
    MarlixResult MarlixDeviceRemoved(IMarlix* device) override
    {
        noteThread();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_removed.push_back(device);
        return kMarlixOk;
    }

    int count(MarlixCode topic) const { return topic == MarlixItem::kTopicPreferences ? m_preferences : m_status; }
    uint32_t references() const { return m_references; }
    bool calledOnOwnThread() const { return m_calledOnOwnThread; }
    std::vector<IMarlix*> arrived() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrived;
    }
    std::vector<IMarlix*> removed() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_removed;
    }
    std::function<void()> hook;

private:
    void noteThread()
    {
        if (std::this_thread::get_id() == m_owner)
            m_calledOnOwnThread = true;
    }

    const std::thread::id m_owner = std::this_thread::get_id();
    std::atomic<bool> m_calledOnOwnThread{false};
    std::atomic<uint32_t> m_references{1};
    std::atomic<int> m_preferences{0};
    std::atomic<int> m_status{0};
    mutable std::mutex m_mutex;
    std::vector<IMarlix*> m_arrived;
    std::vector<IMarlix*> m_removed;
};
