#pragma once

#include "MarlixAPI.h"

#include <atomic>

class VisibleMarlix;

// Receives the driver's "pref" and "stat" notifications on the driver's thread
// and passes them to its adapter. The adapter detaches itself before it goes
// away, so a late notification finds no adapter rather than a freed one.
class MarlixNotificationCallback final : public IMarlixNotificationCallback
{
public:
    explicit MarlixNotificationCallback(VisibleMarlix* device);

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    MarlixResult Notify(MarlixCode topic, uint64_t param1, uint64_t param2) override;

    void detach();

private:
    ~MarlixNotificationCallback() = default;

    std::atomic<VisibleMarlix*> m_device;
    std::atomic<uint32_t> m_refCount{1};
};
