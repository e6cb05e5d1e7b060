// One display mode of the catalogue, as the program sees it.
#pragma once

#include "SimCatalogue.h"
#include "SimUnknown.h"

class SimDisplayMode : public SimUnknown<IMarlixDisplayMode>
{
public:
    explicit SimDisplayMode(const SimModeInfo& info) : m_info(info) {}

    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
    MarlixResult GetName(char** name) override;
    MarlixCode GetDisplayMode() override { return m_info.code; }
    int32_t GetWidth() override { return m_info.width; }
    int32_t GetHeight() override { return m_info.height; }
    MarlixResult GetFrameRate(int64_t* frameDuration, int64_t* timeScale) override;
    MarlixCode GetFieldDominance() override { return m_info.fieldDominance; }

private:
    const SimModeInfo& m_info;
};
