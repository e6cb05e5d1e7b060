// Figures of the simulated driver: a configuration round trip (set and get), one
// notification delivery, and the latency from a setting to its "pref" notification.
// Each is printed with its ratio to a floor measured in the same run.
#include "MarlixAPILoader.h"
#include "MarlixSimulatorControl.h"

#include <dlfcn.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRoundTrips = 200000;
constexpr int kNotifications = 100000;
constexpr int kPings = 5000;

double microsecondsPer(Clock::duration elapsed, int count)
{
    return std::chrono::duration<double, std::micro>(elapsed).count() / count;
}

void report(const char* figure, double value, double floor, const char* floorName)
{
    printf("simulator %s: %.3f us (%.1fx floor %.3f us, %s)\n", figure, value, value / floor, floor, floorName);
}

// Counts deliveries and wakes the waiting benchmark at a target count.
class Counter : public IMarlixNotificationCallback
{
public:
    MarlixResult QueryInterface(MarlixIID, void** out) override
    {
        *out = nullptr;
        return kMarlixNoInterface;
    }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    MarlixResult Notify(MarlixCode, uint64_t, uint64_t) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_count;
        m_changed.notify_all();
        return kMarlixOk;
    }
    void waitFor(long target)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_count >= target; });
    }
    long count()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_count;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    long m_count = 0;
};

// Floor of a round trip: the least a thread-safe store of settings costs.
double mapRoundTrip()
{
    std::mutex mutex;
    std::map<uint32_t, int64_t> values{{MarlixItem::kConfigReferenceInputSamples, 0}};
    int64_t sink = 0;
    const auto start = Clock::now();
    for (int i = 0; i < kRoundTrips; ++i) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            values[MarlixItem::kConfigReferenceInputSamples] = i % 100;
        }
        std::lock_guard<std::mutex> lock(mutex);
        sink += values.find(MarlixItem::kConfigReferenceInputSamples)->second;
    }
    const auto elapsed = Clock::now() - start;
    return sink < 0 ? 0 : microsecondsPer(elapsed, kRoundTrips);
}

// Floor of a delivery: handing items to another thread through a locked queue.
double queueHandoff()
{
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<int> queue;
    long received = 0;
    const auto start = Clock::now();
    std::thread consumer([&] {
        std::unique_lock<std::mutex> lock(mutex);
        while (received < kNotifications) {
            wake.wait(lock, [&] { return !queue.empty(); });
            queue.pop_front();
            ++received;
        }
    });
    for (int i = 0; i < kNotifications; ++i) {
        std::lock_guard<std::mutex> lock(mutex);
        queue.push_back(i);
        wake.notify_one();
    }
    consumer.join();
    return microsecondsPer(Clock::now() - start, kNotifications);
}

// Floor of the latency: waking another thread and being woken back.
double pingPong()
{
    std::mutex mutex;
    std::condition_variable changed;
    int turn = 0;
    std::thread partner([&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (int i = 0; i < kPings; ++i) {
            changed.wait(lock, [&] { return turn == 1; });
            turn = 0;
            changed.notify_all();
        }
    });
    const auto start = Clock::now();
    for (int i = 0; i < kPings; ++i) {
        std::unique_lock<std::mutex> lock(mutex);
        turn = 1;
        changed.notify_all();
        changed.wait(lock, [&] { return turn == 0; });
    }
    const auto elapsed = Clock::now() - start;
    partner.join();
    return microsecondsPer(elapsed, kPings);
}

template <typename T>
T* query(IMarlixUnknown* object, const MarlixIID& iid)
{
    void* out = nullptr;
    return object && object->QueryInterface(iid, &out) == kMarlixOk ? static_cast<T*>(out) : nullptr;
}

IMarlix* deviceNamed(const std::string& displayName)
{
    IMarlixIterator* iterator = CreateMarlixIteratorInstance();
    IMarlix* device = nullptr;
    while (iterator && iterator->Next(&device) == kMarlixOk) {
        char* name = nullptr;
        device->GetDisplayName(&name);
        const bool found = name && displayName == name;
        free(name);
        if (found)
            break;
        device->Release();
        device = nullptr;
    }
    if (iterator)
        iterator->Release();
    return device;
}

double configRoundTrip(IMarlixConfiguration* configuration)
{
    int64_t sink = 0;
    const auto start = Clock::now();
    for (int i = 0; i < kRoundTrips; ++i) {
        int64_t value = 0;
        configuration->SetInt(MarlixItem::kConfigReferenceInputSamples, i % 100);
        configuration->GetInt(MarlixItem::kConfigReferenceInputSamples, &value);
        sink += value;
    }
    const auto elapsed = Clock::now() - start;
    return sink < 0 ? 0 : microsecondsPer(elapsed, kRoundTrips);
}

double notificationDelivery(IMarlixNotification* notification, const std::string& key)
{
    const auto control = reinterpret_cast<MarlixSimulatorControlFunction>(
        dlsym(RTLD_DEFAULT, MARLIX_SIMULATOR_CONTROL_ENTRY));
    Counter counter;
    notification->Subscribe(MarlixItem::kTopicStatus, &counter);
    const std::string storm = "storm " + key + " stat " + std::to_string(kNotifications);
    const auto start = Clock::now();
    if (!control || control(storm.c_str(), nullptr) != 0)
        return 0;
    counter.waitFor(kNotifications);
    const auto elapsed = Clock::now() - start;
    notification->Unsubscribe(MarlixItem::kTopicStatus, &counter);
    return microsecondsPer(elapsed, kNotifications);
}

double settingLatency(IMarlixConfiguration* configuration, IMarlixNotification* notification)
{
    Counter counter;
    notification->Subscribe(MarlixItem::kTopicPreferences, &counter);
    const auto start = Clock::now();
    for (int i = 0; i < kPings; ++i) {
        configuration->SetInt(MarlixItem::kConfigReferenceInputSamples, i % 100);
        counter.waitFor(i + 1);
    }
    const auto elapsed = Clock::now() - start;
    notification->Unsubscribe(MarlixItem::kTopicPreferences, &counter);
    return microsecondsPer(elapsed, kPings);
}

} // namespace

int main()
{
    char stateDir[] = "/tmp/marlix-bench-XXXXXX";
    if (!mkdtemp(stateDir))
        return 1;
    setenv("MARLIX_SIM_STATE_DIR", stateDir, 1);
    setenv("MARLIX_SIM_CONTROL", "none", 1);
    unsetenv("MARLIX_SIM_PROFILE");

    // The default fleet's analog card: it has a reference offset setting to write.
    IMarlix* device = deviceNamed("Lumaris Studio Pro");
    IMarlixConfiguration* configuration = query<IMarlixConfiguration>(device, IID_IMarlixConfiguration);
    IMarlixNotification* notification = query<IMarlixNotification>(device, IID_IMarlixNotification);
    if (!configuration || !notification) {
        fprintf(stderr, "lumaris-bench-simulator: the default fleet has no Lumaris Studio Pro\n");
        return 1;
    }
    report("config round trip", configRoundTrip(configuration), mapRoundTrip(), "mutex-guarded map set and get");
    report("notification delivery", notificationDelivery(notification, "studio-pro"), queueHandoff(),
           "locked queue handoff to a thread");
    report("setting to notification latency", settingLatency(configuration, notification), pingPong(),
           "thread ping-pong");
    notification->Release();
    configuration->Release();  // unsaved: the device goes back to its stored settings
    device->Release();
    rmdir(stateDir);
    return 0;
}
