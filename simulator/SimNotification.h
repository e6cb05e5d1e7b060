// Subscriptions of program callbacks to a device's "pref" and "stat" topics.
#pragma once

#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

class SimNotification : public SimUnknown<IMarlixNotification>
{
public:
    explicit SimNotification(std::shared_ptr<SimSession> session) : m_session(std::move(session)) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult Subscribe(MarlixCode topic, IMarlixNotificationCallback* callback) override;
    MarlixResult Unsubscribe(MarlixCode topic, IMarlixNotificationCallback* callback) override;

protected:
    // Subscriptions left behind end with the interface, and are reported.
    ~SimNotification() override;

private:
    std::shared_ptr<SimSession> m_session;
};
