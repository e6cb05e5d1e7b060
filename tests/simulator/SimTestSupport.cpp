#include "SimTestSupport.h"

#include "MarlixAPILoader.h"
#include "MarlixSimulatorControl.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

bool simControl(const QString& command, QString* output)
{
    InitMarlixAPI();
    const auto control = reinterpret_cast<MarlixSimulatorControlFunction>(
        dlsym(RTLD_DEFAULT, MARLIX_SIMULATOR_CONTROL_ENTRY));
    if (!control) {
        if (output)
            *output = QStringLiteral("no control entry point");
        return false;
    }
    char* text = nullptr;
    const int result = control(command.toUtf8().constData(), &text);
    const QString reply = takeString(text);
    if (output)
        *output = reply;
    return result == 0;
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

MarlixResult NotificationRecorder::QueryInterface(MarlixIID, void** out)
{
    *out = nullptr;
    return kMarlixNoInterface;
}

MarlixResult NotificationRecorder::Notify(MarlixCode topic, uint64_t, uint64_t)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_threads.insert(std::this_thread::get_id());
    }
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

bool NotificationRecorder::calledOnThread(std::thread::id thread) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_threads.count(thread) != 0;
}

DiscoveryRecorder::~DiscoveryRecorder()
{
    for (IMarlix* device : m_arrived)
        device->Release();
}

MarlixResult DiscoveryRecorder::QueryInterface(MarlixIID, void** out)
{
    *out = nullptr;
    return kMarlixNoInterface;
}

MarlixResult DiscoveryRecorder::MarlixDeviceArrived(IMarlix* device)
{
    device->AddRef();
    char* name = nullptr;
    device->GetDisplayName(&name);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_threads.insert(std::this_thread::get_id());
    m_arrived.push_back(device);
    m_names << takeString(name);
    return kMarlixOk;
}

MarlixResult DiscoveryRecorder::MarlixDeviceRemoved(IMarlix* device)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_threads.insert(std::this_thread::get_id());
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
    return m_names;
}

IMarlix* DiscoveryRecorder::arrived(const QString& displayName) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int at = m_names.lastIndexOf(displayName);
    return at < 0 ? nullptr : m_arrived[static_cast<size_t>(at)];
}

bool DiscoveryRecorder::removed(IMarlix* device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::find(m_removed.begin(), m_removed.end(), device) != m_removed.end();
}

bool DiscoveryRecorder::calledOnThread(std::thread::id thread) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_threads.count(thread) != 0;
}
