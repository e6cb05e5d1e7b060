// Facts about the driver itself; the program asks for its version string.
#pragma once

#include "SimUnknown.h"

class SimAPIInformation : public SimUnknown<IMarlixAPIInformation>
{
public:
    static constexpr const char* kVersion = "12.5.1";
    static constexpr int64_t kVersionNumber = 0x0c050100;  // one byte per part

    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
    MarlixResult GetFlag(MarlixCode id, bool* value) override;
    MarlixResult GetInt(MarlixCode id, int64_t* value) override;
    MarlixResult GetFloat(MarlixCode id, double* value) override;
    MarlixResult GetString(MarlixCode id, char** value) override;
};
