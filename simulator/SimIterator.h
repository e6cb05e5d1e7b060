// Walks the devices plugged in when it was created.
#pragma once

#include "SimRef.h"
#include "SimUnknown.h"

#include <cstddef>
#include <vector>

class SimIterator : public SimUnknown<IMarlixIterator>
{
public:
    explicit SimIterator(std::vector<SimRef<IMarlix>> devices) : m_devices(std::move(devices)) {}

    MarlixResult QueryInterface(MarlixIID, void** out) override { return noInterface(out); }
    MarlixResult Next(IMarlix** device) override;

private:
    std::vector<SimRef<IMarlix>> m_devices;
    size_t m_next = 0;
};
