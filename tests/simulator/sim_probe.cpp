// A separate process that uses the driver through the loader, for the tests that need
// a fresh process: persistence, start-up messages and crashes while storing.
//
//   sim_probe label NAME [VALUE]   the stored label of the device called NAME; then stores VALUE
//   sim_probe hammer NAME          stores label "value-N" over and over until killed
//   sim_probe factories            whether asking opened the library, which factories answered
//   sim_probe serve                starts the driver, says "ready", runs until standard input closes
//   sim_probe leave subscription|discovery   releases an interface without undoing what it set up
#include "SimTestSupport.h"

#include <cstdio>
#include <string>

namespace {

Held<IMarlixConfiguration> configurationOf(const char* name)
{
    const Held<IMarlix> device = findDevice(QString::fromUtf8(name));
    return query<IMarlixConfiguration>(device.get(), IID_IMarlixConfiguration);
}

bool storeLabel(IMarlixConfiguration* configuration, const std::string& value)
{
    return configuration->SetString(MarlixItem::kConfigDeviceLabel, value.c_str()) == kMarlixOk
           && configuration->WriteToPreferences() == kMarlixOk;
}

int label(const char* name, const char* value)
{
    const auto configuration = configurationOf(name);
    char* text = nullptr;
    const bool ok = configuration && configuration->GetString(MarlixItem::kConfigDeviceLabel, &text) == kMarlixOk;
    printf("%s\n", takeString(text).toUtf8().constData());
    return ok && (!value || storeLabel(configuration.get(), value)) ? 0 : 1;
}

int hammer(const char* name)
{
    const auto configuration = configurationOf(name);
    for (int n = 0; configuration && n < 1000000; ++n) {
        if (!storeLabel(configuration.get(), "value-" + std::to_string(n) + std::string(size_t(n % 97), 'x')))
            return 1;
        printf("wrote %d\n", n);
        fflush(stdout);
    }
    return configuration ? 0 : 1;
}

int factories()
{
    printf("asked %d ", IsMarlixAPIPresent() ? 1 : 0);
    const Held<IMarlixIterator> iterator(CreateMarlixIteratorInstance());
    const Held<IMarlixDiscovery> discovery(CreateMarlixDiscoveryInstance());
    const Held<IMarlixGLScreenPreviewHelper> preview(CreateOpenGLScreenPreviewHelper());
    printf("present %d iterator %d discovery %d preview %d\n", IsMarlixAPIPresent() ? 1 : 0, iterator ? 1 : 0,
           discovery ? 1 : 0, preview ? 1 : 0);
    return 0;
}

int serve()
{
    const Held<IMarlixIterator> iterator(CreateMarlixIteratorInstance());
    printf("ready\n");
    fflush(stdout);
    char buffer[256];
    while (fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

// Releases its own references and leaves the callback registered; the callback lives on.
int leave(const std::string& what)
{
    Recorder& callback = *new Recorder;
    if (what == "discovery") {
        IMarlixDiscovery* discovery = CreateMarlixDiscoveryInstance();
        if (!discovery || discovery->InstallDeviceNotifications(&callback) != kMarlixOk)
            return 1;
        discovery->Release();
        return 0;
    }
    const std::vector<Held<IMarlix>> devices = pluggedDevices();
    const auto notification = devices.empty() ? Held<IMarlixNotification>()
                                              : query<IMarlixNotification>(devices.front().get(), IID_IMarlixNotification);
    return notification && notification->Subscribe(MarlixItem::kTopicStatus, &callback) == kMarlixOk ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "label" && argc > 2)
        return label(argv[2], argc > 3 ? argv[3] : nullptr);
    if (command == "hammer" && argc > 2)
        return hammer(argv[2]);
    if (command == "factories")
        return factories();
    if (command == "serve")
        return serve();
    if (command == "leave" && argc > 2)
        return leave(argv[2]);
    fprintf(stderr, "usage: sim_probe label NAME [VALUE] | hammer NAME | factories | serve"
                    " | leave subscription|discovery\n");
    return 2;
}
