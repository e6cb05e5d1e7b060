#include "DeviceFirmwareUpdater.h"

DeviceFirmwareUpdater::DeviceFirmwareUpdater(QObject* parent)
    : QObject(parent)
{
}
