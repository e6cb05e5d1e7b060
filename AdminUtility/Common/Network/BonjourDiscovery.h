#pragma once

#include "BonjourDevice.h"
#include "BonjourInfo.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class BonjourBrowser;

// Keeps the network devices seen, asks each for its TXT record every two
// seconds, and says when a device first arrives with its record, when the
// record changes and when the device goes. The BonjourInfo handed out with a
// signal is valid only during the emission.
class BonjourDiscovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 2000;
    static constexpr const char* kServiceType = "_orvanta._tcp";

    explicit BonjourDiscovery(QObject* parent = nullptr);
    ~BonjourDiscovery() override;

    void start();
    bool isStarted() const { return m_started; }
    BonjourInfo* findBonjourDevice(const BonjourDevice& device) const;
    int deviceCount() const { return int(m_entries.size()); }
    BonjourBrowser* browser() const { return m_browser; }

    // A device added by address has arrived already; from now on it is polled
    // like a browsed one, so changes to its record are reported.
    void trackAddedDevice(const BonjourInfo& info);

signals:
    void deviceArrived(const BonjourInfo& info);
    void deviceRemoved(const BonjourInfo& info);
    void deviceUpdated(const BonjourInfo& info);

public slots:
    void bonjourServiceFound(BonjourDevice device);
    void bonjourServiceLost(BonjourDevice device);
    void bonjourQuerySuccess(BonjourDevice device, uint16_t length, const void* data);
    void bonjourQueryError(BonjourDevice device, int error);
    void bonjourQueryPoll();

private:
    void queryDevice(const BonjourInfo& info);
    std::vector<std::unique_ptr<BonjourInfo>>::iterator entryOf(const BonjourDevice& device);

    bool m_started = false;
    BonjourBrowser* m_browser;
    std::vector<std::unique_ptr<BonjourInfo>> m_entries;
    QTimer m_pollTimer;
};
