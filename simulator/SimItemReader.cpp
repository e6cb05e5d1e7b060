#include "SimItemReader.h"

#include "SimDriver.h"

MarlixResult SimItemReader::fetch(const char* method, MarlixCode id, SimKind kind, const void* out,
                                  SimValue& value) const
{
    const MarlixResult entered = m_session->enter(m_interface, method, id);
    if (entered != kMarlixOk)
        return entered;
    if (!out)
        return kMarlixInvalidArg;
    return (m_session->device().*m_getter)(id, kind, value);
}

MarlixResult SimItemReader::readFlag(MarlixCode id, bool* value) const
{
    SimValue v;
    const MarlixResult result = fetch("GetFlag", id, SimKind::Flag, value, v);
    if (result == kMarlixOk)
        *value = v.flag;
    return succeeded(result);
}

MarlixResult SimItemReader::readInt(MarlixCode id, int64_t* value) const
{
    SimValue v;
    const MarlixResult result = fetch("GetInt", id, SimKind::Int, value, v);
    if (result == kMarlixOk)
        *value = v.integer;
    return succeeded(result);
}

MarlixResult SimItemReader::readFloat(MarlixCode id, double* value) const
{
    SimValue v;
    const MarlixResult result = fetch("GetFloat", id, SimKind::Float, value, v);
    if (result == kMarlixOk)
        *value = v.real;
    return succeeded(result);
}

MarlixResult SimItemReader::readString(MarlixCode id, char** value) const
{
    SimValue v;
    const MarlixResult result = fetch("GetString", id, SimKind::String, value, v);
    return succeeded(result == kMarlixOk ? SimValue::copyToCaller(v.text, value) : result);
}

MarlixResult SimItemReader::succeeded(MarlixResult result)
{
    return result == kMarlixOk ? SimDriver::successCode(SimSuccess::Getters) : result;
}
