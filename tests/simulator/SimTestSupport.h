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
        for (IMarlix* device : m_devices[0])
            device->Release();
    }
    MarlixResult QueryInterface(MarlixIID, void** out) override
    {
        *out = nullptr;
        return kMarlixNoInterface;
    }
    uint32_t AddRef() override { return ++references; }
    uint32_t Release() override { return --references; }
    MarlixResult Notify(MarlixCode topic, uint64_t, uint64_t) override
    {
        noteThread();
        if (hook)
            hook();
        ++(topic == MarlixItem::kTopicPreferences ? preferences : status);
        return kMarlixOk;
    }
    MarlixResult MarlixDeviceArrived(IMarlix* device) override
    {
        device->AddRef();
        return note(0, device);
    }
    MarlixResult MarlixDeviceRemoved(IMarlix* device) override { return note(1, device); }

    std::vector<IMarlix*> arrived() const { return devices(0); }
    std::vector<IMarlix*> removed() const { return devices(1); }
    std::function<void()> hook;
    std::atomic<uint32_t> references{1};
    std::atomic<int> preferences{0};
    std::atomic<int> status{0};
    std::atomic<bool> calledOnOwnThread{false};

private:
    void noteThread()
    {
        if (std::this_thread::get_id() == m_owner)
            calledOnOwnThread = true;
    }
    MarlixResult note(int list, IMarlix* device)
    {
        noteThread();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_devices[list].push_back(device);
        return kMarlixOk;
    }
    std::vector<IMarlix*> devices(int list) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_devices[list];
    }

    const std::thread::id m_owner = std::this_thread::get_id();
    mutable std::mutex m_mutex;
    // Arrivals, then removals.
    std::vector<IMarlix*> m_devices[2];
};
