// The library's exported symbols: the factory entry points of the driver contract and
// the simulator's control entry point. Everything else stays hidden.
#include "MarlixSimulatorControl.h"
#include "SimAPIInformation.h"
#include "SimControl.h"
#include "SimDiscovery.h"
#include "SimDriver.h"
#include "SimIterator.h"
#include "SimVideoConversion.h"

#include <cstdlib>
#include <cstring>

#define MARLIX_EXPORT extern "C" __attribute__((visibility("default")))

MARLIX_EXPORT IMarlixIterator* CreateMarlixIteratorInstance_0003()
{
    SimDriver* driver = SimDriver::instance();
    return new SimIterator(driver ? driver->pluggedDevices() : std::vector<SimRef<IMarlix>>());
}

MARLIX_EXPORT IMarlixAPIInformation* CreateMarlixAPIInformationInstance_0001()
{
    SimDriver::instance();
    return new SimAPIInformation();
}

MARLIX_EXPORT IMarlixVideoConversion* CreateVideoConversionInstance_0001()
{
    SimDriver::instance();
    return new SimVideoConversion();
}

MARLIX_EXPORT IMarlixDiscovery* CreateMarlixDiscoveryInstance_0002()
{
    SimDriver::instance();
    return new SimDiscovery();
}

MARLIX_EXPORT int MarlixSimulatorControl(const char* command, char** output)
{
    std::string text;
    SimDriver* driver = SimDriver::instance();
    bool ok = false;
    if (!command)
        text = "no command";
    else if (!driver)
        text = "the simulator is shutting down";
    else
        ok = SimControl(*driver).execute(command, text);
    if (output)
        SimValue::copyToCaller(text, output);
    return ok ? 0 : 1;
}
