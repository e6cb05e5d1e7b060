#pragma once

#include "VisibleDevice.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QVector>

#include <cstdint>

class IMarlix;
class IMarlixDiscovery;
class MarlixDiscoveryCallback;
class VisibleMarlix;

// Arrivals travel from the driver's thread to ours inside queued signals.
Q_DECLARE_OPAQUE_POINTER(IMarlix*)
Q_DECLARE_METATYPE(IMarlix*)

// Finds the local devices through the driver and announces them in the GUI
// thread: unsupported models are dropped, and the sub-devices of one card are
// held back until the whole card is present, then announced in index order.
class MarlixDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit MarlixDiscovery(QObject* parent = nullptr);
    ~MarlixDiscovery() override;

    // Starts listening to the driver; 0 without a driver, else the driver's answer.
    int32_t initialise();
    void uninitialise();

    const QList<VisibleMarlix*>& devices() const { return m_devices; }

    static bool isSupportedDevice(VisibleMarlix* device);

signals:
    void found(VisibleDevice* device);
    void lost(VisibleDevice* device);
    void unsupportedDeviceFound(VisibleDevice* device);
    // Emitted on the driver's threads; received queued in the GUI thread.
    void marlixDeviceArrived(IMarlix* device);
    void marlixDeviceRemoved(IMarlix* device);

private slots:
    void onMarlixDeviceArrived(IMarlix* device);
    void onMarlixDeviceRemoved(IMarlix* device);

private:
    using PendingGroup = QVector<VisibleMarlix*>;

    bool holdBackUntilComplete(VisibleMarlix* device);
    void releaseGroup(PendingGroup* group);
    void announce(VisibleMarlix* device);
    static uint64_t groupKey(long groupValue, int64_t modelId);

    IMarlixDiscovery* m_discovery = nullptr;
    MarlixDiscoveryCallback* m_callback = nullptr;
    QList<VisibleMarlix*> m_devices;
    // A released group keeps its key with a null vector.
    QMap<uint64_t, PendingGroup*> m_pendingGroups;
};
