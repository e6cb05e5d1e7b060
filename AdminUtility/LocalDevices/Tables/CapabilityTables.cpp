#include "CapabilityTables.h"

#include "ModelPictureTable.h"

#include <QCoreApplication>

QMap<uint32_t, VideoConnectionInfo> kVideoConnections;
QMap<uint32_t, AudioConnectionFormat> kAudioConnections;
QMap<uint32_t, VideoConversionInfo> kVideoInputConversionModes;
QMap<uint32_t, VideoConversionInfo> kVideoOutputConversionModes;
QList<VideoInputConnectionGroupInfo> kVideoInputConversionModeGroups;
QList<VideoOutputConnectionGroupInfo> kVideoOutputConversionModeGroups;
QList<Video3DPackingFormatInfo> kVideo3DPackingFormats;
QList<uint64_t> kExcludedDevices;
QMap<uint64_t, ModelIcons> kModelImages;

using namespace MarlixValue;

namespace {

struct CapabilityTables
{
    Q_DECLARE_TR_FUNCTIONS(CapabilityTables)
};

// Members of the conversion groups; the group records point at these.
const ConversionModeList kInputNoneModes{kConversionNone};
const ConversionModeList kInputHD1080ToSDModes{kInputConversion1080Letterbox, kInputConversion1080Anamorphic};
const ConversionModeList kInputHD720ToSDModes{kInputConversion720Letterbox, kInputConversion720Anamorphic};
const ConversionModeList kInputSDToHDModes{kInputConversionUpPillarbox, kInputConversionUpAnamorphic};

const ConversionModeList kOutputNoneModes{kConversionNone};
const ConversionModeList kOutputHDToSDModes{kConversionLetterbox, kConversionAnamorphic, kConversionHWLetterbox,
                                            kConversionHWAnamorphic, kConversionHWCenterCut};
const ConversionModeList kOutputSDTo720pModes{kConversionUpAnamorphic720, kConversionUp149Zoom720,
                                              kConversionUpPillarbox720};
const ConversionModeList kOutputSDTo1080iModes{kConversionUpAnamorphic1080, kConversionUp149Zoom1080,
                                               kConversionUpPillarbox1080};
const ConversionModeList kOutputCrossConvertModes{kConversionHW720to1080};
const ConversionModeList kOutput720To1080Modes{kConversion720to1080};
const ConversionModeList kOutput2KToSDModes{kConversion2KtoSD};
const ConversionModeList kOutputUHDToHDModes{kConversionUHDtoHD};

void fillVideoConnections()
{
    kVideoConnections = {
        {kVideoSDI,
         {QStringLiteral("SDI"), QStringLiteral(":/InputSDI"), QStringLiteral(":/InputSDISmall")}},
        {kVideoHDMI,
         {QStringLiteral("HDMI"), QStringLiteral(":/InputHDMI"), QStringLiteral(":/InputHDMISmall")}},
        {kVideoOptical,
         {QStringLiteral("Optical"), QStringLiteral(":/InputFibre"), QStringLiteral(":/InputFibreSmall")}},
        {kVideoComponent,
         {QStringLiteral("Component"), QStringLiteral(":/InputComponent"), QStringLiteral(":/InputComponentSmall")}},
        {kVideoComposite,
         {QStringLiteral("Composite"), QStringLiteral(":/InputComposite"), QStringLiteral(":/InputCompositeSmall")}},
        {kVideoSVideo,
         {QStringLiteral("S Video"), QStringLiteral(":/InputSVideo"), QStringLiteral(":/InputSVideoSmall")}},
    };
}

void fillAudioConnections()
{
    kAudioConnections = {
        {kAudioEmbedded, {QStringLiteral(":/AudioSDIORHDMI"), CapabilityTables::tr("Embedded")}},
        {kAudioAESEBU, {QStringLiteral(":/AudioAES"), CapabilityTables::tr("AES/EBU")}},
        {kAudioAnalog, {QStringLiteral(":/AudioXLR"), CapabilityTables::tr("Analog")}},
        {kAudioXLR, {QStringLiteral(":/AudioXLR"), CapabilityTables::tr("XLR")}},
        //: Keep as "RCA": the audio input row shows "HIFI" in its place on hi-fi models.
        {kAudioRCA, {QStringLiteral(":/AudioRCA"), CapabilityTables::tr("RCA")}},
        {kAudioMicrophone, {QStringLiteral(":/AudioMic"), CapabilityTables::tr("Microphone")}},
    };
}

void fillInputConversionModes()
{
    kVideoInputConversionModes = {
        {kInputConversion1080Letterbox, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("Letterbox")}},
        {kInputConversion1080Anamorphic, {QStringLiteral(":/HDToSDAnamorphic"), CapabilityTables::tr("Anamorphic")}},
        {kInputConversion720Letterbox, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("Letterbox")}},
        {kInputConversion720Anamorphic, {QStringLiteral(":/HDToSDAnamorphic"), CapabilityTables::tr("Anamorphic")}},
        {kInputConversionUpPillarbox, {QStringLiteral(":/SDToHDPillarbox"), CapabilityTables::tr("Pillarbox")}},
        {kInputConversionUpAnamorphic, {QStringLiteral(":/SDToHDAnamorphic"), CapabilityTables::tr("Anamorphic")}},
        {kConversionNone, {QString(), CapabilityTables::tr("None")}},
    };
}

void fillOutputConversionModes()
{
    kVideoOutputConversionModes = {
        {kConversionLetterbox, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("Letterbox")}},
        {kConversionAnamorphic, {QStringLiteral(":/HDToSDAnamorphic"), CapabilityTables::tr("Anamorphic")}},
        {kConversion720to1080, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("HD 720p to HD 1080i")}},
        {kConversionHWLetterbox, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("Letterbox")}},
        {kConversionHWAnamorphic, {QStringLiteral(":/HDToSDAnamorphic"), CapabilityTables::tr("Anamorphic")}},
        {kConversionHWCenterCut, {QStringLiteral(":/HDToSDCenterCut"), CapabilityTables::tr("Center Cut")}},
        {kConversionHW720to1080, {QStringLiteral(":/HDToSDLetterBox"), CapabilityTables::tr("HD 720p to HD 1080i")}},
        {kConversionUpAnamorphic720, {QStringLiteral(":/SDToHD169"), CapabilityTables::tr("16:9 Zoom")}},
        {kConversionUpAnamorphic1080, {QStringLiteral(":/SDToHD169"), CapabilityTables::tr("16:9 Zoom")}},
        {kConversionUp149Zoom720, {QStringLiteral(":/SDToHD149"), CapabilityTables::tr("14:9 Zoom")}},
        {kConversionUp149Zoom1080, {QStringLiteral(":/SDToHD149"), CapabilityTables::tr("14:9 Zoom")}},
        {kConversionUpPillarbox720, {QStringLiteral(":/SDToHDPillarbox"), CapabilityTables::tr("Pillarbox")}},
        {kConversionUpPillarbox1080, {QStringLiteral(":/SDToHDPillarbox"), CapabilityTables::tr("Pillarbox")}},
        {kConversionUHDtoHD, {QString(), CapabilityTables::tr("UHD 2160p to HD 1080p")}},
        {kConversionNone, {QString(), CapabilityTables::tr("None")}},
    };
}

void fillConversionModeGroups()
{
    kVideoInputConversionModeGroups = {
        {QStringLiteral("None"), &kInputNoneModes},
        {QStringLiteral("HD (1080) to SD"), &kInputHD1080ToSDModes},
        {QStringLiteral("HD (720) to SD"), &kInputHD720ToSDModes},
        {QStringLiteral("SD to HD"), &kInputSDToHDModes},
    };
    kVideoOutputConversionModeGroups = {
        {QStringLiteral("None"), &kOutputNoneModes},
        {QStringLiteral("HD to SD"), &kOutputHDToSDModes},
        {QStringLiteral("SD to HD 720p"), &kOutputSDTo720pModes},
        {QStringLiteral("SD to HD 1080i"), &kOutputSDTo1080iModes},
        {QStringLiteral("HD 720 to HD 1080"), &kOutputCrossConvertModes},
        {QStringLiteral("HD 720 to HD 1080"), &kOutput720To1080Modes},
        {QStringLiteral("2K to SD"), &kOutput2KToSDModes},
        {QStringLiteral("UHD 2160p to HD 1080p"), &kOutputUHDToHDModes},
    };
}

void fill3DPackingFormats()
{
    kVideo3DPackingFormats = {
        {k3DTopAndBottom, QStringLiteral(":/3DTopAndBottom"), CapabilityTables::tr("Top and Bottom")},
        {k3DFramePacking, QStringLiteral(":/3DFramePacking"), CapabilityTables::tr("Frame Packing")},
        {k3DSideBySideHalf, QStringLiteral(":/3DSideBySide"), CapabilityTables::tr("Side by Side")},
        {k3DLeftOnly, QStringLiteral(":/3DLeft"), CapabilityTables::tr("Left Eye")},
        {k3DLineByLine, QStringLiteral(":/3DLineByLine"), CapabilityTables::tr("Line by Line")},
        {k3DRightOnly, QStringLiteral(":/3DRight"), CapabilityTables::tr("Right Eye")},
    };
}

void fillExcludedDevices()
{
    // Repeats are harmless: only membership is ever asked.
    kExcludedDevices = {53, 49, 56, 39, 45, 39, 39, 12, 26, 29, 33, 74};
}

} // namespace

void initialiseStaticData()
{
    fillVideoConnections();
    fillAudioConnections();
    fillInputConversionModes();
    fillOutputConversionModes();
    fillConversionModeGroups();
    fill3DPackingFormats();
    fillExcludedDevices();
    fillModelImages(kModelImages);
}
