#include "SimTestSupport.h"

#include "MarlixAPILoader.h"
#include "MarlixSimulatorControl.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

bool simControl(const QString& command, QString* output)
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

ProbeRun runProbe(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
                  int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    ProbeRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
    run.elapsedMs = clock.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QProcessEnvironment probeEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MARLIX_SIM_CONTROL"), QStringLiteral("none"));
    return env;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QString takeString(char* text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    free(text);
    return result;
}

Held<IMarlix> findDevice(const QString& displayName)
{
    Held<IMarlixIterator> iterator(CreateMarlixIteratorInstance());
    IMarlix* device = nullptr;
    while (iterator && iterator->Next(&device) == kMarlixOk) {
        char* name = nullptr;
        device->GetDisplayName(&name);
        if (takeString(name) == displayName)
            return Held<IMarlix>(device);
        device->Release();
    }
    return Held<IMarlix>();
}

MarlixResult NotificationRecorder::Notify(MarlixCode topic, uint64_t, uint64_t)
{
    noteThread();
    if (hook)
        hook();
    if (topic == MarlixItem::kTopicPreferences)
        ++m_preferences;
    else if (topic == MarlixItem::kTopicStatus)
        ++m_status;
    return kMarlixOk;
}

int NotificationRecorder::count(MarlixCode topic) const
{
    return topic == MarlixItem::kTopicPreferences ? m_preferences.load() : m_status.load();
}

DiscoveryRecorder::~DiscoveryRecorder()
{
    for (const auto& arrival : m_arrived)
        arrival.first->Release();
}

MarlixResult DiscoveryRecorder::MarlixDeviceArrived(IMarlix* device)
{
    noteThread();
    device->AddRef();
    char* name = nullptr;
    device->GetDisplayName(&name);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_arrived.emplace_back(device, takeString(name));
    return kMarlixOk;
}

MarlixResult DiscoveryRecorder::MarlixDeviceRemoved(IMarlix* device)
{
    noteThread();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_removed.push_back(device);
    return kMarlixOk;
}

int DiscoveryRecorder::arrivals() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_arrived.size());
}

int DiscoveryRecorder::removals() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_removed.size());
}

QStringList DiscoveryRecorder::arrivedNames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList names;
    for (const auto& arrival : m_arrived)
        names << arrival.second;
    return names;
}

// The latest arrival of that name: a device plugged in again arrives as a new object.
IMarlix* DiscoveryRecorder::arrived(const QString& displayName) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto at = std::find_if(m_arrived.rbegin(), m_arrived.rend(),
                                 [&](const auto& arrival) { return arrival.second == displayName; });
    return at == m_arrived.rend() ? nullptr : at->first;
}

bool DiscoveryRecorder::removed(IMarlix* device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::find(m_removed.begin(), m_removed.end(), device) != m_removed.end();
}
