#pragma once

#include <QPixmap>
#include <QString>

// The product texts, settings names and release data of the application.
// The framework declares them; each application defines them in its own
// AppDefaults.cpp.
namespace AppDefaults
{
QString windowTitle();
QString headerTitle();
QString aboutTitle();
QString aboutMenuText();
QString aboutRelease();
QString aboutYear();
QPixmap aboutIcon();
QString noDeviceHeader();
QString noDeviceMessage();
QString addByIpAddressMessage();
QString addByIpAddressFailedMessage();
QString addByIpAddressSearchMessage();
bool allowsAddByIpAddress();
QString easterEggBuildInfo();
QString settingsProductKey();
}
