#pragma once

#include "ProductFamilyBase.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QVariant>

class FakeDevice;

// A product family for tests. It announces its initial devices from init(), and
// records every call the shell makes into a log shared by all fake families
// of the process (a property of the application object), so that a test can
// check order across families and across plug-in copies.
class FakeFamily : public ProductFamilyBase
{
    Q_OBJECT

public:
    explicit FakeFamily(const QString& name, QObject* parent = nullptr) : ProductFamilyBase(parent), m_name(name) {}

    static QStringList log() { return qApp->property(kLogProperty).toStringList(); }
    static void clearLog() { qApp->setProperty(kLogProperty, QStringList()); }

    QString getName() const override { return m_name; }
    qint32 init() override;
    void destroy() override { record(QStringLiteral("destroy")); }
    bool okToClose() const override;
    void showDevice(VisibleDevice* device, AdminUtilityWindow*) override { record("showDevice", device); }
    void updateDevice(VisibleDevice* device, AdminUtilityWindow*) override { record("updateDevice", device); }
    QString getBuildInfo() const override { return buildInfo; }

    FakeDevice* announce(const QString& name, bool usb = false);
    void remove(const QString& name);

    // The devices init() announces, in this order.
    QStringList initialDevices;
    QString buildInfo;

private:
    static constexpr const char* kLogProperty = "fakeFamilyLog";

    void record(const QString& entry) const;
    void record(const char* request, VisibleDevice* device) const;

    QString m_name;
    QList<FakeDevice*> m_devices;
};
