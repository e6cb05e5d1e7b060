#pragma once

#include "MarlixAPI.h"

#include <QPointer>

#include <atomic>

class VisibleMarlix;

// Receives the driver's "pref" and "stat" notifications on the driver's thread
// and hands them to its adapter in the GUI thread. The driver may still be
// inside Notify after Unsubscribe has returned, so nothing here touches the
// adapter on the driver's thread: the callback lives as long as someone holds
// a reference, and a hand-over that arrives after the adapter is gone finds
// nobody to tell.
class MarlixNotificationCallback final : public IMarlixNotificationCallback
{
public:
    // Created in the GUI thread.
    explicit MarlixNotificationCallback(VisibleMarlix* device);

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    MarlixResult Notify(MarlixCode topic, uint64_t param1, uint64_t param2) override;

    // No notification is handed over from now on.
    void detach();

private:
    ~MarlixNotificationCallback() = default;

    // Never changed after construction; copied on the driver's threads, read
    // in the GUI thread, where the adapter is deleted.
    const QPointer<VisibleMarlix> m_device;
    std::atomic<bool> m_detached{false};
    std::atomic<uint32_t> m_refCount{1};
};
