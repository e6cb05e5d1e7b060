#pragma once

#include "MarlixDiscovery.h"
#include "ProductFamilyBase.h"

// The built-in family of the cards the local driver reports.
class MarlixFamily : public ProductFamilyBase
{
    Q_OBJECT

public:
    explicit MarlixFamily(QObject* parent = nullptr);
    ~MarlixFamily() override;

    QString getName() const override;
    qint32 init() override;
    bool handlesBonjourArrival(const BonjourInfo& info) override;
    bool handlesBonjourRemoval(const BonjourInfo& info) override;
    QString getBuildInfo() const override;
    // Opens the device's card over the window.
    void showDevice(VisibleDevice* device, AdminUtilityWindow* window) override;

    // Local devices are never looked up by address.
    virtual void tryAddByIpAddress(const QString& address);
    virtual void cancelAddByIpAddress(const QString& address);

    const MarlixDiscovery& discovery() const { return m_discovery; }

private slots:
    void onDeviceFound(VisibleDevice* device);
    void onDeviceLost(VisibleDevice* device);

private:
    QString firmwareVersionsOf(int modelId) const;

    MarlixDiscovery m_discovery;
};
