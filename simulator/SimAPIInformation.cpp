#include "SimAPIInformation.h"

#include "SimSession.h"
#include "SimValue.h"

MarlixResult SimAPIInformation::GetFlag(MarlixCode, bool* value)
{
    return value ? kMarlixNotImplemented : kMarlixInvalidArg;
}

MarlixResult SimAPIInformation::GetInt(MarlixCode id, int64_t* value)
{
    const MarlixResult entered = SimSession::enterGlobal("APIInformation", "GetInt");
    if (entered != kMarlixOk)
        return entered;
    if (!value)
        return kMarlixInvalidArg;
    if (id != MarlixItem::kInfoVersion)
        return kMarlixNotImplemented;
    *value = kVersionNumber;
    return kMarlixOk;
}

MarlixResult SimAPIInformation::GetFloat(MarlixCode, double* value)
{
    return value ? kMarlixNotImplemented : kMarlixInvalidArg;
}

MarlixResult SimAPIInformation::GetString(MarlixCode id, char** value)
{
    const MarlixResult entered = SimSession::enterGlobal("APIInformation", "GetString");
    if (entered != kMarlixOk)
        return entered;
    if (!value)
        return kMarlixInvalidArg;
    *value = nullptr;
    if (id != MarlixItem::kInfoVersion)
        return kMarlixNotImplemented;
    return SimValue::copyToCaller(kVersion, value);
}
