// Reference counting shared by every object the simulated driver hands out.
#pragma once

#include "MarlixAPI.h"

#include <atomic>

template <typename Interface>
class SimUnknown : public Interface
{
public:
    uint32_t AddRef() override { return m_references.fetch_add(1, std::memory_order_relaxed) + 1; }

    uint32_t Release() override
    {
        const uint32_t left = m_references.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    SimUnknown() = default;
    virtual ~SimUnknown() = default;

    static MarlixResult noInterface(void** out)
    {
        if (out)
            *out = nullptr;
        return kMarlixNoInterface;
    }

private:
    std::atomic<uint32_t> m_references{1};
};
