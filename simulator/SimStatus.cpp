#include "SimStatus.h"

#include "SimMarlix.h"

#include <cstring>

MarlixResult SimStatus::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimStatus::GetFlag(MarlixCode id, bool* value)
{
    return m_reader.readFlag(id, value);
}

MarlixResult SimStatus::GetInt(MarlixCode id, int64_t* value)
{
    return m_reader.readInt(id, value);
}

MarlixResult SimStatus::GetFloat(MarlixCode id, double* value)
{
    return m_reader.readFloat(id, value);
}

MarlixResult SimStatus::GetString(MarlixCode id, char** value)
{
    return m_reader.readString(id, value);
}

// Without a buffer: the size. With one: the bytes, if the buffer is large enough.
MarlixResult SimStatus::GetBytes(MarlixCode id, void* buffer, uint32_t* size)
{
    SimValue v;
    const MarlixResult result = m_reader.fetch("GetBytes", id, SimKind::Bytes, size, v);
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
    return SimItemReader::succeeded(kMarlixOk);
}
