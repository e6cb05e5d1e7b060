#include "SimStatus.h"

#include "SimMarlix.h"

#include <cstring>

MarlixResult SimStatus::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimStatus::fetch(const char* method, MarlixCode id, SimKind kind, const void* out, SimValue& value)
{
    const MarlixResult entered = m_session->enter("Status", method, id);
    if (entered != kMarlixOk)
        return entered;
    if (!out)
        return kMarlixInvalidArg;
    return m_session->device().getStatus(id, kind, value);
}

MarlixResult SimStatus::GetFlag(MarlixCode id, bool* value)
{
    SimValue v;
    const MarlixResult result = fetch("GetFlag", id, SimKind::Flag, value, v);
    if (result == kMarlixOk)
        *value = v.flag;
    return result;
}

MarlixResult SimStatus::GetInt(MarlixCode id, int64_t* value)
{
    SimValue v;
    const MarlixResult result = fetch("GetInt", id, SimKind::Int, value, v);
    if (result == kMarlixOk)
        *value = v.integer;
    return result;
}

MarlixResult SimStatus::GetFloat(MarlixCode id, double* value)
{
    SimValue v;
    const MarlixResult result = fetch("GetFloat", id, SimKind::Float, value, v);
    if (result == kMarlixOk)
        *value = v.real;
    return result;
}

MarlixResult SimStatus::GetString(MarlixCode id, char** value)
{
    SimValue v;
    const MarlixResult result = fetch("GetString", id, SimKind::String, value, v);
    return result == kMarlixOk ? SimValue::copyToCaller(v.text, value) : result;
}

// Without a buffer: the size. With one: the bytes, if the buffer is large enough.
MarlixResult SimStatus::GetBytes(MarlixCode id, void* buffer, uint32_t* size)
{
    SimValue v;
    const MarlixResult result = fetch("GetBytes", id, SimKind::Bytes, size, v);
    if (result != kMarlixOk)
        return result;
    const auto needed = static_cast<uint32_t>(v.bytes.size());
    if (buffer && *size < needed) {
        *size = needed;
        return kMarlixInvalidArg;
    }
    if (buffer && needed > 0)
        memcpy(buffer, v.bytes.data(), needed);
    *size = needed;
    return kMarlixOk;
}
