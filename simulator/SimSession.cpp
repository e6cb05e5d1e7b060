#include "SimSession.h"

#include "SimDriver.h"

MarlixResult SimSession::enter(const char* interfaceName, const char* method, const std::string& detail) const
{
    if (!alive())
        return kMarlixDisconnected;
    SimDriver* driver = SimDriver::instance();
    if (!driver)
        return kMarlixOk;
    switch (driver->faults().check(m_device->key(), interfaceName, method, detail)) {
    case SimFaultAction::None:
        return kMarlixOk;
    case SimFaultAction::Fail:
        return kMarlixFail;
    case SimFaultAction::Vanish:
        driver->vanish(m_device->key());
        return kMarlixDisconnected;
    }
    return kMarlixOk;
}

MarlixResult SimSession::enter(const char* interfaceName, const char* method, MarlixCode item) const
{
    return enter(interfaceName, method, SimValue::fourCCText(item));
}

MarlixResult SimSession::enterGlobal(const char* interfaceName, const char* method)
{
    SimDriver* driver = SimDriver::instance();
    if (!driver)
        return kMarlixOk;
    return driver->faults().check(std::string(), interfaceName, method, std::string()) == SimFaultAction::None
               ? kMarlixOk
               : kMarlixFail;
}
