#include "MarlixNotificationCallback.h"

#include "VisibleMarlix.h"

#include <QCoreApplication>

MarlixNotificationCallback::MarlixNotificationCallback(VisibleMarlix* device)
    : m_device(device)
{
}

MarlixResult MarlixNotificationCallback::QueryInterface(MarlixIID, void** out)
{
    if (out)
        *out = nullptr;
    return kMarlixNoInterface;
}

uint32_t MarlixNotificationCallback::AddRef()
{
    return ++m_refCount;
}

uint32_t MarlixNotificationCallback::Release()
{
    const uint32_t count = --m_refCount;
    if (count == 0)
        delete this;
    return count;
}

MarlixResult MarlixNotificationCallback::Notify(MarlixCode topic, uint64_t, uint64_t)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (m_detached || !application)
        return kMarlixOk;
    const QPointer<VisibleMarlix> device = m_device;
    QMetaObject::invokeMethod(
        application,
        [device, topic] {
            if (!device)
                return;
            if (topic == MarlixItem::kTopicPreferences)
                device->onPropertyChanged();
            else if (topic == MarlixItem::kTopicStatus)
                device->onStatusChanged();
        },
        Qt::QueuedConnection);
    return kMarlixOk;
}

void MarlixNotificationCallback::detach()
{
    m_detached = true;
}
