#include "SimConfiguration.h"

#include "SimDriver.h"
#include "SimMarlix.h"

SimConfiguration::~SimConfiguration()
{
    if (!m_unsaved)
        return;
    bool statusChanged = false;
    const bool changed = m_session->device().revert(statusChanged);
    if (SimDriver* driver = SimDriver::instance(); driver && changed)
        driver->settingsChanged(m_session->sharedDevice(), 0, statusChanged);
}

MarlixResult SimConfiguration::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimConfiguration::store(const char* method, MarlixCode id, const SimValue& value)
{
    const MarlixResult entered = m_session->enter("Configuration", method, id);
    if (entered != kMarlixOk)
        return entered;
    bool statusChanged = false;
    const MarlixResult result = m_session->device().setConfiguration(id, value, statusChanged);
    if (result != kMarlixOk)
        return result;
    m_unsaved = true;
    if (SimDriver* driver = SimDriver::instance())
        driver->settingsChanged(m_session->sharedDevice(), id, statusChanged);
    return kMarlixOk;
}

MarlixResult SimConfiguration::SetFlag(MarlixCode id, bool value)
{
    return store("SetFlag", id, SimValue::makeFlag(value));
}

MarlixResult SimConfiguration::GetFlag(MarlixCode id, bool* value)
{
    return m_reader.readFlag(id, value);
}

MarlixResult SimConfiguration::SetInt(MarlixCode id, int64_t value)
{
    return store("SetInt", id, SimValue::makeInt(value));
}

MarlixResult SimConfiguration::GetInt(MarlixCode id, int64_t* value)
{
    return m_reader.readInt(id, value);
}

MarlixResult SimConfiguration::SetFloat(MarlixCode id, double value)
{
    return store("SetFloat", id, SimValue::makeFloat(value));
}

MarlixResult SimConfiguration::GetFloat(MarlixCode id, double* value)
{
    return m_reader.readFloat(id, value);
}

MarlixResult SimConfiguration::SetString(MarlixCode id, const char* value)
{
    if (!value)
        return kMarlixInvalidArg;
    return store("SetString", id, SimValue::makeString(value));
}

MarlixResult SimConfiguration::GetString(MarlixCode id, char** value)
{
    return m_reader.readString(id, value);
}

MarlixResult SimConfiguration::WriteToPreferences()
{
    const MarlixResult entered = m_session->enter("Configuration", "WriteToPreferences");
    if (entered != kMarlixOk)
        return entered;
    const MarlixResult result = m_session->device().writePreferences();
    if (result == kMarlixOk)
        m_unsaved = false;
    return result;
}
