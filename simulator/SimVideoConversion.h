// The video conversion helper: created on demand, offers nothing beyond its lifetime.
#pragma once

#include "SimUnknown.h"

class SimVideoConversion : public SimUnknown<IMarlixVideoConversion>
{
public:
    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
};
