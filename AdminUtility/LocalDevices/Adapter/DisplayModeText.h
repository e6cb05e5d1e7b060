#pragma once

#include "DisplayMode.h"

#include <QString>

#include <cstdint>

class VisibleMarlix;

// Bits 30 and 31 of a connector argument ask for the converted mode even on a
// digital connector of a device with a hardware down-converter.
constexpr uint32_t kOutputConnectionOptionMask = 0xC0000000u;

bool isInterlaced(uint32_t fieldDominance);
bool isProgressive(uint32_t fieldDominance);
bool isAnalogVideo(uint32_t connection);
bool isEmbeddedVideo(uint32_t connection);
bool isEmbeddedAudio(uint32_t connection);
bool isAnalogAudio(int connection);

// The date the program's own executable was last changed, or empty.
QString getLastUpdatedDateTime();

bool GetPixelFormatFamilyString(uint32_t format, QString& name);

QString getVideoReferenceInputLockStatus(const VisibleMarlix* device);
QString getVideoReferenceInputDisplayString(const VisibleMarlix* device);
QString getVideoInputDisplayMode(const VisibleMarlix* device);
// What the given output connector carries now; 0 names the current output connection.
QString getVideoOutputDisplayMode(const VisibleMarlix* device, uint32_t connection);
// The name of a mode as a connector shows it, or "-" where it cannot carry it.
QString formatDisplayMode(uint32_t connection, uint32_t mode, uint32_t flags, const DisplayModeMap& modes);
