#pragma once

#include "VisibleDevice.h"

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSet>
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
// held back until every live one is present, then announced in index order.
// A sub-device that comes back to a card already on show is announced at once.
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
    // Emitted in the GUI thread by the callback's hand-over.
    void marlixDeviceArrived(IMarlix* device);
    void marlixDeviceRemoved(IMarlix* device);

private slots:
    void onMarlixDeviceArrived(IMarlix* device);
    void onMarlixDeviceRemoved(IMarlix* device);

private:
    struct Member
    {
        VisibleMarlix* device;
        int64_t index;
    };
    // The sub-devices of one card: those held back, the indexes that were
    // unplugged (not awaited any more), and how many are listed.
    struct CardGroup
    {
        QVector<Member> pending;
        QSet<int64_t> gone;
        int64_t count = 0;
        int listed = 0;
    };
    struct Membership
    {
        uint64_t key;
        int64_t index;
    };

    bool holdBackUntilComplete(VisibleMarlix* device);
    void releaseIfComplete(uint64_t key, CardGroup& group);
    bool dropPending(IMarlix* device);
    void forgetSiblings(const VisibleMarlix& changed);
    void leaveGroup(VisibleMarlix* device);
    void announce(VisibleMarlix* device, int position = -1);
    int positionAmongSiblings(uint64_t key, int64_t index) const;

    IMarlixDiscovery* m_discovery = nullptr;
    MarlixDiscoveryCallback* m_callback = nullptr;
    QList<VisibleMarlix*> m_devices;
    QHash<uint64_t, CardGroup> m_groups;
    // Listed sub-devices of grouped cards, with their card and index.
    QHash<VisibleMarlix*, Membership> m_members;
};
