#include "SimAttributes.h"

#include "SimMarlix.h"

MarlixResult SimAttributes::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimAttributes::fetch(const char* method, MarlixCode id, SimKind kind, const void* out,
                                  SimValue& value)
{
    const MarlixResult entered = m_session->enter("Attributes", method, id);
    if (entered != kMarlixOk)
        return entered;
    if (!out)
        return kMarlixInvalidArg;
    return m_session->device().getAttribute(id, kind, value);
}

MarlixResult SimAttributes::GetFlag(MarlixCode id, bool* value)
{
    SimValue v;
    const MarlixResult result = fetch("GetFlag", id, SimKind::Flag, value, v);
    if (result == kMarlixOk)
        *value = v.flag;
    return result;
}

// The conversion probe reads the mode to test from the value and leaves it as it was.
MarlixResult SimAttributes::GetInt(MarlixCode id, int64_t* value)
{
    if (id == MarlixItem::kAttrSupportedOutputConversion) {
        const MarlixResult entered = m_session->enter("Attributes", "GetInt", id);
        if (entered != kMarlixOk)
            return entered;
        return value ? m_session->device().probeOutputConversion(*value) : kMarlixInvalidArg;
    }
    SimValue v;
    const MarlixResult result = fetch("GetInt", id, SimKind::Int, value, v);
    if (result == kMarlixOk)
        *value = v.integer;
    return result;
}

MarlixResult SimAttributes::GetFloat(MarlixCode id, double* value)
{
    SimValue v;
    const MarlixResult result = fetch("GetFloat", id, SimKind::Float, value, v);
    if (result == kMarlixOk)
        *value = v.real;
    return result;
}

MarlixResult SimAttributes::GetString(MarlixCode id, char** value)
{
    SimValue v;
    const MarlixResult result = fetch("GetString", id, SimKind::String, value, v);
    return result == kMarlixOk ? SimValue::copyToCaller(v.text, value) : result;
}
