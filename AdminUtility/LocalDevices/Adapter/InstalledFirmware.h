#pragma once

#include <QString>

#include <cstdint>

// One firmware image that the installed driver carries.
struct InstalledFirmware
{
    QString name;
    uint8_t modelId = 0;
    uint8_t firmwareVersion = 0;

    static bool sortByName(const InstalledFirmware& a, const InstalledFirmware& b)
    {
        return a.name < b.name;
    }
};
