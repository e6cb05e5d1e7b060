#pragma once

#include "ProductFamilyBase.h"

#include <QList>

class FirmwareUpdate;
class NetDevice;

// A product family of network devices for tests: it claims the devices whose
// TXT "class" is its name, follows their TXT record, and updates their
// software through the framework's update flow.
class NetFamily : public ProductFamilyBase
{
    Q_OBJECT

public:
    static constexpr const char* kClass = "Lumaris Net";

    explicit NetFamily(QObject* parent = nullptr);

    QString getName() const override { return QLatin1String(kClass); }
    qint32 init() override { return 0; }
    bool handlesBonjourArrival(const BonjourInfo& info) override;
    bool handlesBonjourRemoval(const BonjourInfo& info) override;
    bool handlesBonjourUpdate(const BonjourInfo& info) override;
    void updateDevice(VisibleDevice* device, AdminUtilityWindow* window) override;

    const QList<NetDevice*>& devices() const { return m_devices; }

private:
    NetDevice* find(const BonjourInfo& info) const;
    FirmwareUpdate* updateFor(NetDevice* device, AdminUtilityWindow* window);

    QList<NetDevice*> m_devices;
};
