// A separate process that uses the driver through the loader, for the tests that need
// a fresh process: persistence, start-up messages and crashes while storing.
//
//   sim_probe list                 display names and model ids, one device a line
//   sim_probe label NAME           the stored label of the device called NAME
//   sim_probe hammer NAME          stores label "value-N" over and over until killed
//   sim_probe factories            whether asking opened the library, which factories answered
//   sim_probe setlabel NAME VALUE  stores a label for the device called NAME
//   sim_probe serve                starts the driver, says "ready", runs until standard input closes
//   sim_probe leave subscription|discovery   releases an interface without undoing what it set up
#include "MarlixAPILoader.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

template <typename T>
T* query(IMarlixUnknown* object, const MarlixIID& iid)
{
    void* out = nullptr;
    return object->QueryInterface(iid, &out) == kMarlixOk ? static_cast<T*>(out) : nullptr;
}

std::string take(char* text)
{
    std::string result = text ? text : "";
    free(text);
    return result;
}

std::string displayName(IMarlix* device)
{
    char* name = nullptr;
    device->GetDisplayName(&name);
    return take(name);
}

// Walks the plugged devices until visit answers true; that device is kept for the caller.
IMarlix* walk(const std::function<bool(IMarlix*)>& visit)
{
    IMarlixIterator* iterator = CreateMarlixIteratorInstance();
    IMarlix* device = nullptr;
    while (iterator && iterator->Next(&device) == kMarlixOk && !visit(device)) {
        device->Release();
        device = nullptr;
    }
    if (iterator)
        iterator->Release();
    return device;
}

IMarlix* find(const char* name)
{
    return walk([name](IMarlix* device) { return displayName(device) == name; });
}

int list()
{
    walk([](IMarlix* device) {
        int64_t model = -1;
        if (IMarlixAttributes* attributes = query<IMarlixAttributes>(device, IID_IMarlixAttributes)) {
            attributes->GetInt(MarlixItem::kAttrModelId, &model);
            attributes->Release();
        }
        printf("%s\t%lld\n", displayName(device).c_str(), static_cast<long long>(model));
        return false;
    });
    return 0;
}

int label(const char* displayName)
{
    IMarlix* device = find(displayName);
    IMarlixConfiguration* configuration = device ? query<IMarlixConfiguration>(device, IID_IMarlixConfiguration) : nullptr;
    char* text = nullptr;
    const bool ok = configuration && configuration->GetString(MarlixItem::kConfigDeviceLabel, &text) == kMarlixOk;
    printf("%s\n", take(text).c_str());
    if (configuration)
        configuration->Release();
    if (device)
        device->Release();
    return ok ? 0 : 1;
}

int hammer(const char* displayName)
{
    IMarlix* device = find(displayName);
    IMarlixConfiguration* configuration = device ? query<IMarlixConfiguration>(device, IID_IMarlixConfiguration) : nullptr;
    if (!configuration)
        return 1;
    for (int n = 0; n < 1000000; ++n) {
        const std::string value = "value-" + std::to_string(n) + std::string(static_cast<size_t>(n % 97), 'x');
        if (configuration->SetString(MarlixItem::kConfigDeviceLabel, value.c_str()) != kMarlixOk
            || configuration->WriteToPreferences() != kMarlixOk)
            return 1;
        printf("wrote %d\n", n);
        fflush(stdout);
    }
    return 0;
}

int factories()
{
    printf("asked %d ", IsMarlixAPIPresent() ? 1 : 0);
    IMarlixIterator* iterator = CreateMarlixIteratorInstance();
    IMarlixDiscovery* discovery = CreateMarlixDiscoveryInstance();
    IMarlixGLScreenPreviewHelper* preview = CreateOpenGLScreenPreviewHelper();
    printf("present %d iterator %d discovery %d preview %d\n", IsMarlixAPIPresent() ? 1 : 0,
           iterator ? 1 : 0, discovery ? 1 : 0, preview ? 1 : 0);
    for (IMarlixUnknown* object : {static_cast<IMarlixUnknown*>(iterator), static_cast<IMarlixUnknown*>(discovery),
                                   static_cast<IMarlixUnknown*>(preview)}) {
        if (object)
            object->Release();
    }
    return 0;
}

int setLabel(const char* displayName, const char* value)
{
    IMarlix* device = find(displayName);
    IMarlixConfiguration* configuration = device ? query<IMarlixConfiguration>(device, IID_IMarlixConfiguration) : nullptr;
    const bool ok = configuration && configuration->SetString(MarlixItem::kConfigDeviceLabel, value) == kMarlixOk
                    && configuration->WriteToPreferences() == kMarlixOk;
    if (configuration)
        configuration->Release();
    if (device)
        device->Release();
    return ok ? 0 : 1;
}

int serve()
{
    if (IMarlixIterator* iterator = CreateMarlixIteratorInstance())
        iterator->Release();
    printf("ready\n");
    fflush(stdout);
    char buffer[256];
    while (fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

// A callback that counts nothing, as the program's discovery callback does.
struct SilentCallback : IMarlixNotificationCallback, IMarlixDeviceNotificationCallback
{
    MarlixResult QueryInterface(MarlixIID, void** out) override
    {
        *out = nullptr;
        return kMarlixNoInterface;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    MarlixResult Notify(MarlixCode, uint64_t, uint64_t) override { return kMarlixOk; }
    MarlixResult MarlixDeviceArrived(IMarlix*) override { return kMarlixOk; }
    MarlixResult MarlixDeviceRemoved(IMarlix*) override { return kMarlixOk; }
};

int leave(const std::string& what)
{
    static SilentCallback callback;
    if (what == "discovery") {
        IMarlixDiscovery* discovery = CreateMarlixDiscoveryInstance();
        if (!discovery || discovery->InstallDeviceNotifications(&callback) != kMarlixOk)
            return 1;
        discovery->Release();
        return 0;
    }
    IMarlix* device = walk([](IMarlix*) { return true; });
    IMarlixNotification* notification = device ? query<IMarlixNotification>(device, IID_IMarlixNotification) : nullptr;
    if (!notification || notification->Subscribe(MarlixItem::kTopicStatus, &callback) != kMarlixOk)
        return 1;
    notification->Release();
    device->Release();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "list")
        return list();
    if (command == "label" && argc > 2)
        return label(argv[2]);
    if (command == "hammer" && argc > 2)
        return hammer(argv[2]);
    if (command == "factories")
        return factories();
    if (command == "setlabel" && argc > 3)
        return setLabel(argv[2], argv[3]);
    if (command == "serve")
        return serve();
    if (command == "leave" && argc > 2)
        return leave(argv[2]);
    fprintf(stderr, "usage: sim_probe list | label NAME | hammer NAME | factories | setlabel NAME VALUE | serve"
                    " | leave subscription|discovery\n");
    return 2;
}
