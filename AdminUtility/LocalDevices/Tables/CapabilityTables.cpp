#include "CapabilityTables.h"

#include "FourCC.h"
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

namespace {

struct CapabilityTables
{
    Q_DECLARE_TR_FUNCTIONS(CapabilityTables)
};

// Members of the conversion groups; the group records point at these.
const ConversionModeList kInputNoneModes{fourCC("none")};
const ConversionModeList kInputHD1080ToSDModes{fourCC("10lb"), fourCC("10am")};
const ConversionModeList kInputHD720ToSDModes{fourCC("72lb"), fourCC("72am")};
const ConversionModeList kInputSDToHDModes{fourCC("lbup"), fourCC("amup")};

const ConversionModeList kOutputNoneModes{fourCC("none")};
const ConversionModeList kOutputHDToSDModes{fourCC("ltbx"), fourCC("amph"), fourCC("HWlb"),
                                            fourCC("HWam"), fourCC("HWcc")};
const ConversionModeList kOutputSDTo720pModes{fourCC("ua7p"), fourCC("u47p"), fourCC("up7p")};
const ConversionModeList kOutputSDTo1080iModes{fourCC("ua1i"), fourCC("u41i"), fourCC("up1i")};
const ConversionModeList kOutputCrossConvertModes{fourCC("xcap")};
const ConversionModeList kOutput720To1080Modes{fourCC("720c")};
const ConversionModeList kOutput2KToSDModes{fourCC("h2sd")};
const ConversionModeList kOutputUHDToHDModes{fourCC("HWud")};

void fillVideoConnections()
{
    kVideoConnections = {
        {kVideoConnectionSDI, {"SDI", ":/InputSDI", ":/InputSDISmall"}},
        {kVideoConnectionHDMI, {"HDMI", ":/InputHDMI", ":/InputHDMISmall"}},
        {kVideoConnectionOptical, {"Optical", ":/InputFibre", ":/InputFibreSmall"}},
        {kVideoConnectionComponent, {"Component", ":/InputComponent", ":/InputComponentSmall"}},
        {kVideoConnectionComposite, {"Composite", ":/InputComposite", ":/InputCompositeSmall"}},
        {kVideoConnectionSVideo, {"S Video", ":/InputSVideo", ":/InputSVideoSmall"}},
    };
}

void fillAudioConnections()
{
    kAudioConnections = {
        {kAudioConnectionEmbedded, {":/AudioSDIORHDMI", CapabilityTables::tr("Embedded")}},
        {kAudioConnectionAESEBU, {":/AudioAES", CapabilityTables::tr("AES/EBU")}},
        {kAudioConnectionAnalog, {":/AudioXLR", CapabilityTables::tr("Analog")}},
        {kAudioConnectionXLR, {":/AudioXLR", CapabilityTables::tr("XLR")}},
        //: Keep as "RCA": the audio input row shows "HIFI" in its place on hi-fi models.
        {kAudioConnectionRCA, {":/AudioRCA", CapabilityTables::tr("RCA")}},
        {kAudioConnectionMicrophone, {":/AudioMic", CapabilityTables::tr("Microphone")}},
    };
}

void fillInputConversionModes()
{
    kVideoInputConversionModes = {
        {fourCC("10lb"), {":/HDToSDLetterBox", CapabilityTables::tr("Letterbox")}},
        {fourCC("10am"), {":/HDToSDAnamorphic", CapabilityTables::tr("Anamorphic")}},
        {fourCC("72lb"), {":/HDToSDLetterBox", CapabilityTables::tr("Letterbox")}},
        {fourCC("72am"), {":/HDToSDAnamorphic", CapabilityTables::tr("Anamorphic")}},
        {fourCC("lbup"), {":/SDToHDPillarbox", CapabilityTables::tr("Pillarbox")}},
        {fourCC("amup"), {":/SDToHDAnamorphic", CapabilityTables::tr("Anamorphic")}},
        {fourCC("none"), {QString(), CapabilityTables::tr("None")}},
    };
}

void fillOutputConversionModes()
{
    kVideoOutputConversionModes = {
        {fourCC("ltbx"), {":/HDToSDLetterBox", CapabilityTables::tr("Letterbox")}},
        {fourCC("amph"), {":/HDToSDAnamorphic", CapabilityTables::tr("Anamorphic")}},
        {fourCC("720c"), {":/HDToSDLetterBox", CapabilityTables::tr("HD 720p to HD 1080i")}},
        {fourCC("HWlb"), {":/HDToSDLetterBox", CapabilityTables::tr("Letterbox")}},
        {fourCC("HWam"), {":/HDToSDAnamorphic", CapabilityTables::tr("Anamorphic")}},
        {fourCC("HWcc"), {":/HDToSDCenterCut", CapabilityTables::tr("Center Cut")}},
        {fourCC("xcap"), {":/HDToSDLetterBox", CapabilityTables::tr("HD 720p to HD 1080i")}},
        {fourCC("ua7p"), {":/SDToHD169", CapabilityTables::tr("16:9 Zoom")}},
        {fourCC("ua1i"), {":/SDToHD169", CapabilityTables::tr("16:9 Zoom")}},
        {fourCC("u47p"), {":/SDToHD149", CapabilityTables::tr("14:9 Zoom")}},
        {fourCC("u41i"), {":/SDToHD149", CapabilityTables::tr("14:9 Zoom")}},
        {fourCC("up7p"), {":/SDToHDPillarbox", CapabilityTables::tr("Pillarbox")}},
        {fourCC("up1i"), {":/SDToHDPillarbox", CapabilityTables::tr("Pillarbox")}},
        {fourCC("HWud"), {QString(), CapabilityTables::tr("UHD 2160p to HD 1080p")}},
        {fourCC("none"), {QString(), CapabilityTables::tr("None")}},
    };
}

void fillConversionModeGroups()
{
    kVideoInputConversionModeGroups = {
        {"None", &kInputNoneModes},
        {"HD (1080) to SD", &kInputHD1080ToSDModes},
        {"HD (720) to SD", &kInputHD720ToSDModes},
        {"SD to HD", &kInputSDToHDModes},
    };
    kVideoOutputConversionModeGroups = {
        {"None", &kOutputNoneModes},
        {"HD to SD", &kOutputHDToSDModes},
        {"SD to HD 720p", &kOutputSDTo720pModes},
        {"SD to HD 1080i", &kOutputSDTo1080iModes},
        {"HD 720 to HD 1080", &kOutputCrossConvertModes},
        {"HD 720 to HD 1080", &kOutput720To1080Modes},
        {"2K to SD", &kOutput2KToSDModes},
        {"UHD 2160p to HD 1080p", &kOutputUHDToHDModes},
    };
}

void fill3DPackingFormats()
{
    kVideo3DPackingFormats = {
        {fourCC("tabo"), ":/3DTopAndBottom", CapabilityTables::tr("Top and Bottom")},
        {fourCC("frpk"), ":/3DFramePacking", CapabilityTables::tr("Frame Packing")},
        {fourCC("sbsh"), ":/3DSideBySide", CapabilityTables::tr("Side by Side")},
        {fourCC("left"), ":/3DLeft", CapabilityTables::tr("Left Eye")},
        {fourCC("lbyl"), ":/3DLineByLine", CapabilityTables::tr("Line by Line")},
        {fourCC("righ"), ":/3DRight", CapabilityTables::tr("Right Eye")},
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
