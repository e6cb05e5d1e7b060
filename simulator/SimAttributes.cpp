#include "SimAttributes.h"

#include "SimDriver.h"
#include "SimMarlix.h"

MarlixResult SimAttributes::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimAttributes::GetFlag(MarlixCode id, bool* value)
{
    return m_reader.readFlag(id, value);
}

// The conversion probe reads the mode to test from the value and leaves it as it was.
MarlixResult SimAttributes::GetInt(MarlixCode id, int64_t* value)
{
    if (id == MarlixItem::kAttrSupportedOutputConversion) {
        const MarlixResult entered = m_session->enter("Attributes", "GetInt", id);
        if (entered != kMarlixOk)
            return entered;
        if (!value)
            return kMarlixInvalidArg;
        const MarlixResult probed = m_session->device().probeOutputConversion(*value);
        return probed == kMarlixOk ? SimDriver::successCode(SimSuccess::Probes) : probed;
    }
    return m_reader.readInt(id, value);
}

MarlixResult SimAttributes::GetFloat(MarlixCode id, double* value)
{
    return m_reader.readFloat(id, value);
}

MarlixResult SimAttributes::GetString(MarlixCode id, char** value)
{
    return m_reader.readString(id, value);
}
