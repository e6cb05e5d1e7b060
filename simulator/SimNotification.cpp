#include "SimNotification.h"

#include "SimDriver.h"
#include "SimMarlix.h"

namespace {

bool knownTopic(MarlixCode topic)
{
    return topic == MarlixItem::kTopicPreferences || topic == MarlixItem::kTopicStatus;
}

// Nothing of this subscription may run once the callback's reference is given back.
void finish(const std::shared_ptr<SimSubscription>& subscription)
{
    if (SimDriver* driver = SimDriver::instance())
        driver->callbacks().cancel(subscription.get());
    subscription->callback->Release();
}

} // namespace

SimNotification::~SimNotification()
{
    const auto leftBehind = m_session->device().removeSubscriptions(this);
    if (leftBehind.empty())
        return;
    std::string topics;
    for (const auto& subscription : leftBehind)
        topics += (topics.empty() ? "" : ", ") + SimValue::fourCCText(subscription->topic);
    for (const auto& subscription : leftBehind)
        finish(subscription);
    SimDriver::reportLeftBehind("the notification interface of device '" + m_session->device().key()
                                + "' was released with subscriptions to " + topics);
}

MarlixResult SimNotification::QueryInterface(MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimNotification::Subscribe(MarlixCode topic, IMarlixNotificationCallback* callback)
{
    const MarlixResult entered = m_session->enter("Notification", "Subscribe", topic);
    if (entered != kMarlixOk)
        return entered;
    if (!callback || !knownTopic(topic))
        return kMarlixInvalidArg;
    if (m_session->device().isSubscribed(this, topic, callback))
        return kMarlixFalse;
    callback->AddRef();
    m_session->device().addSubscription(std::make_shared<SimSubscription>(SimSubscription{this, topic, callback}));
    return kMarlixOk;
}

// Works on a vanished device too, so that the program can always let go of its callback.
MarlixResult SimNotification::Unsubscribe(MarlixCode topic, IMarlixNotificationCallback* callback)
{
    if (m_session->alive()) {
        const MarlixResult entered = m_session->enter("Notification", "Unsubscribe", topic);
        if (entered != kMarlixOk && entered != kMarlixDisconnected)
            return entered;
    }
    const auto subscription = m_session->device().removeSubscription(this, topic, callback);
    if (!subscription)
        return kMarlixInvalidArg;
    finish(subscription);
    return kMarlixOk;
}
