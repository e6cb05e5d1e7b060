#pragma once

#include "BonjourDevice.h"

#include <QObject>

// Reports the instances of a service type as they come and go. This
// platform has no DNS-SD service browser, so nothing emits these here:
// network devices come from being added by address.
class BonjourBrowser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void browse(const QString& serviceType);

signals:
    void found(BonjourDevice device);
    void lost(BonjourDevice device);
};
