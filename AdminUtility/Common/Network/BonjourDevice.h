#pragma once

#include <QByteArray>

// The DNS-SD triple of one service instance, each part UTF-8 as on the wire.
struct BonjourDevice
{
    QByteArray serviceName;
    QByteArray serviceType;
    QByteArray domain;
};
