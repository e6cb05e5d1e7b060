#pragma once

#include "BonjourInfo.h"
#include "VisibleDevice.h"

#include <QObject>

class NetFirmwareUpdater;

// A network device of the test family, described by its TXT record: the
// model is "name", the installed software "release version". What the
// family offers to install is kAvailableRelease.
class NetDevice : public QObject, public VisibleDevice
{
    Q_OBJECT

public:
    static constexpr const char* kAvailableRelease = "2.0";

    NetDevice(const BonjourInfo& info, const QString& family, QObject* parent = nullptr);

    // New TXT data; says so to the views when something shown changed.
    void update(const BonjourInfo& info);
    const BonjourInfo& info() const { return m_info; }
    // After a successful update the device runs what was offered.
    void markUpdated();

    QString familyName() const override { return m_family; }
    QString modelName() const override { return m_info.modelName(); }
    QString ipAddress() const override { return m_info.ipAddress(); }
    QPixmap modelImage() const override { return QPixmap(QStringLiteral(":/HomeStream")); }
    QPixmap modelThumb() const override { return QPixmap(QStringLiteral(":/HomeStreamThumb")); }
    QString deviceName() const override { return m_info.deviceName(); }
    QPixmap launcherConnectionIcon() const override { return QPixmap(); }
    QPixmap cardConnectionIcon() const override { return QPixmap(); }
    bool firmwareUpdateOnly() const override { return true; }
    QString currentFirmwareString() const override { return m_installed; }
    bool firmwareUpdateAvailable() const override { return m_installed != QLatin1String(kAvailableRelease); }
    QString availableFirmwareString() const override { return QLatin1String(kAvailableRelease); }
    DeviceFirmwareUpdater* getFirmwareUpdater() override;
    bool shouldShowSetup() const override { return false; }

signals:
    void displayInfoChanged(VisibleDevice* device);

private:
    BonjourInfo m_info;
    QString m_family;
    QString m_installed;
    NetFirmwareUpdater* m_updater;
};
