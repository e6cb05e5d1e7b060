#include "BonjourDiscovery.h"

#include "BonjourBrowser.h"
#include "BonjourQuery.h"

#include <algorithm>

BonjourDiscovery::BonjourDiscovery(QObject* parent)
    : QObject(parent)
    , m_browser(new BonjourBrowser(this))
    , m_pollTimer(this)
{
    m_pollTimer.setInterval(kPollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &BonjourDiscovery::bonjourQueryPoll);
    connect(m_browser, &BonjourBrowser::found, this, &BonjourDiscovery::bonjourServiceFound);
    connect(m_browser, &BonjourBrowser::lost, this, &BonjourDiscovery::bonjourServiceLost);
}

BonjourDiscovery::~BonjourDiscovery() = default;

void BonjourDiscovery::start()
{
    if (m_started)
        return;
    m_started = true;
    m_browser->browse(QLatin1String(kServiceType));
    m_pollTimer.start();
}

std::vector<std::unique_ptr<BonjourInfo>>::iterator BonjourDiscovery::entryOf(const BonjourDevice& device)
{
    return std::find_if(m_entries.begin(), m_entries.end(), [&device](const std::unique_ptr<BonjourInfo>& entry) {
        return entry->serviceName() == device.serviceName;
    });
}

BonjourInfo* BonjourDiscovery::findBonjourDevice(const BonjourDevice& device) const
{
    auto found = const_cast<BonjourDiscovery*>(this)->entryOf(device);
    return found == m_entries.end() ? nullptr : found->get();
}

void BonjourDiscovery::trackAddedDevice(const BonjourInfo& info)
{
    BonjourInfo* entry = findBonjourDevice(info.device());
    if (entry) {
        *entry = info;
    } else {
        m_entries.push_back(std::make_unique<BonjourInfo>(info));
        entry = m_entries.back().get();
    }
    entry->setArrived(true);
}

void BonjourDiscovery::bonjourServiceFound(BonjourDevice device)
{
    if (!findBonjourDevice(device))
        m_entries.push_back(std::make_unique<BonjourInfo>(device));
    queryDevice(*findBonjourDevice(device));
}

// An entry that never arrived is reported gone as well: a family may have
// been told of it by other means.
void BonjourDiscovery::bonjourServiceLost(BonjourDevice device)
{
    auto found = entryOf(device);
    if (found == m_entries.end())
        return;
    std::unique_ptr<BonjourInfo> entry = std::move(*found);
    m_entries.erase(found);
    emit deviceRemoved(*entry);
}

void BonjourDiscovery::bonjourQuerySuccess(BonjourDevice device, uint16_t length, const void* data)
{
    if (sender())
        sender()->deleteLater();
    BonjourInfo* entry = findBonjourDevice(device);
    if (!entry)
        return;
    const BonjourInfo before = *entry;
    entry->unpackTextRecord(static_cast<const char*>(data), length);
    if (!entry->arrived()) {
        entry->setArrived(true);
        emit deviceArrived(*entry);
    } else if (!entry->textMatches(before)) {
        emit deviceUpdated(*entry);
    }
}

// The next poll tries again.
void BonjourDiscovery::bonjourQueryError(BonjourDevice, int)
{
    if (sender())
        sender()->deleteLater();
}

void BonjourDiscovery::bonjourQueryPoll()
{
    for (const auto& entry : m_entries)
        queryDevice(*entry);
}

void BonjourDiscovery::queryDevice(const BonjourInfo& info)
{
    auto* query = new BonjourQuery(info.device(), info.ipAddress(), this);
    connect(query, &BonjourQuery::queried, this, &BonjourDiscovery::bonjourQuerySuccess);
    connect(query, &BonjourQuery::error, this, &BonjourDiscovery::bonjourQueryError);
    query->start();
}
