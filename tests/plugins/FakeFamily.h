#pragma once

#include "ProductFamilyBase.h"

#include <QList>
#include <QStringList>

class FakeDevice;

// A product family for tests. It announces its devices from init(), and
// records every call the shell makes into a log shared by all fake families
// of the process (the application object's "fakeFamilyLog" property), so
// that a test can check order across families and across plug-in copies.
class FakeFamily : public ProductFamilyBase
{
    Q_OBJECT

public:
    explicit FakeFamily(const QString& name, QObject* parent = nullptr);

    static QStringList log();
    static void clearLog();

    void setInitialDevices(const QStringList& names, const QStringList& usbNames);
    // Model names and picture resources of the initial devices, by position.
    void setInitialLooks(const QStringList& models, const QStringList& pictures);
    void setVetoClose(bool veto) { m_vetoClose = veto; }
    void setBuildInfo(const QString& info) { m_buildInfo = info; }

    QString getName() const override;
    qint32 init() override;
    void destroy() override;
    bool okToClose() const override;
    void showDevice(VisibleDevice* device, AdminUtilityWindow* window) override;
    void showControlApp(VisibleDevice* device, AdminUtilityWindow* window) override;
    void updateDevice(VisibleDevice* device, AdminUtilityWindow* window) override;
    QString getBuildInfo() const override;

    Q_INVOKABLE FakeDevice* announce(const QString& name, bool usb = false);
    Q_INVOKABLE void remove(const QString& name);
    FakeDevice* device(const QString& name) const;

private:
    void record(const QString& entry) const;
    void recordRequest(const char* request, VisibleDevice* device) const;

    QString m_name;
    QStringList m_initialDevices;
    QStringList m_usbDevices;
    QStringList m_models;
    QStringList m_pictures;
    QList<FakeDevice*> m_devices;
    QString m_buildInfo;
    bool m_vetoClose = false;
};
