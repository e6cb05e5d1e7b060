#include "AppDefaults.h"

#include <QObject>

namespace AppDefaults
{

QString windowTitle()
{
    return QObject::tr("Orvanta Lumaris Setup");
}

QString headerTitle()
{
    return QObject::tr("Lumaris Setup");
}

QString aboutTitle()
{
    return QObject::tr("Lumaris Setup");
}

QString aboutMenuText()
{
    return QObject::tr("About Orvanta Lumaris Setup");
}

QString aboutRelease()
{
    return QObject::tr("10.9.5");
}

QString aboutYear()
{
    return QStringLiteral("2017");
}

QPixmap aboutIcon()
{
    return QPixmap(QStringLiteral(":/AboutIcon"));
}

QString noDeviceHeader()
{
    return QObject::tr("No Lumaris Device Detected.");
}

QString noDeviceMessage()
{
    return QObject::tr("Please check that your product is connected via Thunderbolt, USB3, or PCIe and is powered on.");
}

QString addByIpAddressMessage()
{
    return QObject::tr("Add a Lumaris");
}

QString addByIpAddressFailedMessage()
{
    return QObject::tr("No Lumaris found");
}

QString addByIpAddressSearchMessage()
{
    return QString();
}

bool allowsAddByIpAddress()
{
    return false;
}

QString easterEggBuildInfo()
{
    return QString();
}

QString settingsProductKey()
{
    return QStringLiteral("Orvanta Lumaris Administration");
}

}
