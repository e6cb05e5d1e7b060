// Walks the display modes of one side (input or output) of a device.
#pragma once

#include "SimCatalogue.h"
#include "SimUnknown.h"

#include <cstddef>
#include <vector>

class SimDisplayModeIterator : public SimUnknown<IMarlixDisplayModeIterator>
{
public:
    explicit SimDisplayModeIterator(std::vector<const SimModeInfo*> modes) : m_modes(std::move(modes)) {}

    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
    MarlixResult Next(IMarlixDisplayMode** mode) override;

private:
    std::vector<const SimModeInfo*> m_modes;
    size_t m_next = 0;
};
