#pragma once

#include "MarlixCodes.h"

#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>

struct VideoConnectionInfo
{
    QString name;
    QString icon;
    QString smallIcon;
};

struct VideoConversionInfo
{
    QString icon;
    QString name;
};

struct AudioConnectionFormat
{
    QString icon;
    QString name;
};

struct Video3DPackingFormatInfo
{
    uint32_t code;
    QString icon;
    QString name;
};

// The conversion modes offered together under one heading of the Conversions tab.
using ConversionModeList = QList<uint32_t>;

struct VideoInputConnectionGroupInfo
{
    QString name;
    const ConversionModeList* modes;
};

struct VideoOutputConnectionGroupInfo
{
    QString name;
    const ConversionModeList* modes;
};

struct ModelIcons
{
    QString image;
    QString thumb;
    QString listThumb;
};

extern QMap<uint32_t, VideoConnectionInfo> kVideoConnections;
extern QMap<uint32_t, AudioConnectionFormat> kAudioConnections;
extern QMap<uint32_t, VideoConversionInfo> kVideoInputConversionModes;
extern QMap<uint32_t, VideoConversionInfo> kVideoOutputConversionModes;
extern QList<VideoInputConnectionGroupInfo> kVideoInputConversionModeGroups;
extern QList<VideoOutputConnectionGroupInfo> kVideoOutputConversionModeGroups;
extern QList<Video3DPackingFormatInfo> kVideo3DPackingFormats;
extern QList<uint64_t> kExcludedDevices;
extern QMap<uint64_t, ModelIcons> kModelImages;

// Fills every table above; the tables are read-only afterwards. Calling it
// again rebuilds them from scratch (translations may have changed).
void initialiseStaticData();
