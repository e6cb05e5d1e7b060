// The driver's four-character codes: the items it answers for and the values
// they carry, connection masks among them. Named here once for the contract,
// the capability tables, the display modes, the simulated driver and the tests;
// plain C++ without Qt, so that any of them can include it.
#pragma once

#include <cstdint>

// A four-character code: the first character is the most significant byte.
using MarlixCode = uint32_t;

constexpr MarlixCode MarlixFourCC(const char (&s)[5])
{
    return (static_cast<uint32_t>(static_cast<unsigned char>(s[0])) << 24)
         | (static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 16)
         | (static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 8)
         | static_cast<uint32_t>(static_cast<unsigned char>(s[3]));
}

static_assert(MarlixFourCC("dupx") == 0x64757078u, "FourCC byte order");
static_assert(MarlixFourCC("none") == 0x6E6F6E65u, "FourCC byte order");

// ---------------------------------------------------------------------------
// Item codes

namespace MarlixItem {

// Notification topics.
constexpr MarlixCode kTopicPreferences = MarlixFourCC("pref");
constexpr MarlixCode kTopicStatus = MarlixFourCC("stat");

// API information strings.
constexpr MarlixCode kInfoVersion = MarlixFourCC("vers");

// Attribute ints.
constexpr MarlixCode kAttrModelId = MarlixFourCC("rvid");
constexpr MarlixCode kAttrSupportedOutputConversion = MarlixFourCC("socn");  // probe: value in
constexpr MarlixCode kAttrVideoOutputConnections = MarlixFourCC("vocn");
constexpr MarlixCode kAttrVideoInputConnections = MarlixFourCC("vicn");
constexpr MarlixCode kAttrAudioOutputConnections = MarlixFourCC("aocn");
constexpr MarlixCode kAttrAudioInputConnections = MarlixFourCC("aicn");
constexpr MarlixCode kAttrDeckControlConnections = MarlixFourCC("dccn");
constexpr MarlixCode kAttrPersistentId = MarlixFourCC("peid");
constexpr MarlixCode kAttrTopologicalId = MarlixFourCC("toid");
constexpr MarlixCode kAttrSubDeviceIndex = MarlixFourCC("subi");
constexpr MarlixCode kAttrSubDeviceCount = MarlixFourCC("nsbd");
constexpr MarlixCode kAttrPairedDevicePersistentId = MarlixFourCC("ppid");
constexpr MarlixCode kAttrDeviceInterface = MarlixFourCC("dbus");
constexpr MarlixCode kAttrMaxAnalogAudioOutputChannels = MarlixFourCC("aach");
constexpr MarlixCode kAttrMaxAnalogAudioInputChannels = MarlixFourCC("iach");
constexpr MarlixCode kAttrMaxXLRAudioInputChannels = MarlixFourCC("aixc");
constexpr MarlixCode kAttrMaxRCAAudioInputChannels = MarlixFourCC("airc");
constexpr MarlixCode kAttrParentPCIBridgeBusNumber = MarlixFourCC("ppbn");
constexpr MarlixCode kAttrDeviceGroupId = MarlixFourCC("dgid");
constexpr MarlixCode kAttrVideoIOSupport = MarlixFourCC("vios");  // bit 0 capture, bit 1 playback
constexpr MarlixCode kAttrFirmwareInterfaceVersion = MarlixFourCC("fwiv");
constexpr MarlixCode kAttrFirmwareModuleVersion = MarlixFourCC("fwmv");

// Attribute flags.
constexpr MarlixCode kAttrDuplexModeConfigurable = MarlixFourCC("dupx");
constexpr MarlixCode kAttrSMPTELevelAOutput = MarlixFourCC("lvla");
constexpr MarlixCode kAttrOnlyOverallVideoOutputGain = MarlixFourCC("ovog");
constexpr MarlixCode kAttrAnalogVideoOutputGain = MarlixFourCC("avog");
constexpr MarlixCode kAttrFullFrameReferenceInput = MarlixFourCC("frin");
constexpr MarlixCode kAttrReferenceInput = MarlixFourCC("hrin");
constexpr MarlixCode kAttrPsFAutoSwitching = MarlixFourCC("apsf");
constexpr MarlixCode kAttrSDIQuadLink = MarlixFourCC("sqls");
constexpr MarlixCode kAttrSDIDualLink = MarlixFourCC("sdls");
constexpr MarlixCode kAttrIdleOutput = MarlixFourCC("idou");
constexpr MarlixCode kAttrAllAnalogOutputsActive = MarlixFourCC("aaoa");
constexpr MarlixCode kAttrInputFormatDetection = MarlixFourCC("infd");
constexpr MarlixCode kAttrFullDuplex = MarlixFourCC("fdup");

// Attribute floats.
constexpr MarlixCode kAttrVideoOutputGainMin = MarlixFourCC("vogm");
constexpr MarlixCode kAttrVideoOutputGainMax = MarlixFourCC("vogx");
constexpr MarlixCode kAttrVideoInputGainMin = MarlixFourCC("vigm");
constexpr MarlixCode kAttrVideoInputGainMax = MarlixFourCC("vigx");

// Configuration flags.
constexpr MarlixCode kConfigUseLTCTimecode = MarlixFourCC("dltc");
constexpr MarlixCode kConfigFieldFlickerRemoval = MarlixFourCC("fdfr");
constexpr MarlixCode kConfig444SDIOutput = MarlixFourCC("444o");
constexpr MarlixCode kConfigOutput1080pAsPsF = MarlixFourCC("pfpr");
constexpr MarlixCode kConfigCapture1080pAsPsF = MarlixFourCC("cfpr");
constexpr MarlixCode kConfigSMPTELevelAOutput = MarlixFourCC("smta");
constexpr MarlixCode kConfigDownConversionOnAllAnalogOutputs = MarlixFourCC("caao");
constexpr MarlixCode kConfigAnalogAudioConsumerLevels = MarlixFourCC("aacl");
constexpr MarlixCode kConfigMicrophonePhantomPower = MarlixFourCC("mphp");

// Configuration ints.
constexpr MarlixCode kConfigDuplexMode = MarlixFourCC("dupx");
constexpr MarlixCode kConfigDeckControlConnection = MarlixFourCC("dcco");
constexpr MarlixCode kConfigAnalogAudioOutputSwitch = MarlixFourCC("aoaa");
constexpr MarlixCode kConfigVideoOutputConversionMode = MarlixFourCC("vocm");
constexpr MarlixCode kConfigVideoInputConversionMode = MarlixFourCC("vicm");
constexpr MarlixCode kConfigAudioInputConnection = MarlixFourCC("aicn");
constexpr MarlixCode kConfigAnalogVideoOutputFlags = MarlixFourCC("avof");
constexpr MarlixCode kConfigAnalogVideoInputFlags = MarlixFourCC("avif");
constexpr MarlixCode kConfigReferenceInputSamples = MarlixFourCC("glot");
constexpr MarlixCode kConfigHDMI3DPackingFormat = MarlixFourCC("3dpf");
constexpr MarlixCode kConfigVideoOutputIdleOperation = MarlixFourCC("voio");
constexpr MarlixCode kConfigSDILinkConfiguration = MarlixFourCC("solc");
constexpr MarlixCode kConfigDefaultVideoOutputMode = MarlixFourCC("dvom");
constexpr MarlixCode kConfigVideoOutputConnection = MarlixFourCC("vocn");
constexpr MarlixCode kConfigVideoInputConnection = MarlixFourCC("vicn");
constexpr MarlixCode kConfigCapturePassthroughMode = MarlixFourCC("cptm");

// Configuration floats: digital and headphone/microphone levels.
constexpr MarlixCode kConfigDigitalAudioOutputScale = MarlixFourCC("daos");
constexpr MarlixCode kConfigDigitalAudioInputScale = MarlixFourCC("dais");
constexpr MarlixCode kConfigHeadphoneVolume = MarlixFourCC("hvol");
constexpr MarlixCode kConfigMicrophoneInputGain = MarlixFourCC("micg");

// Configuration floats: analog video output levels (component, composite, S-Video).
constexpr MarlixCode kConfigVideoOutputComponentLumaGain = MarlixFourCC("oclg");
constexpr MarlixCode kConfigVideoOutputComponentCbGain = MarlixFourCC("occb");
constexpr MarlixCode kConfigVideoOutputComponentCrGain = MarlixFourCC("occr");
constexpr MarlixCode kConfigVideoOutputCompositeLumaGain = MarlixFourCC("oilg");
constexpr MarlixCode kConfigVideoOutputCompositeChromaGain = MarlixFourCC("oicg");
constexpr MarlixCode kConfigVideoOutputSVideoLumaGain = MarlixFourCC("oslg");
constexpr MarlixCode kConfigVideoOutputSVideoChromaGain = MarlixFourCC("oscg");

// Configuration floats: analog video input levels.
constexpr MarlixCode kConfigVideoInputComponentLumaGain = MarlixFourCC("iclg");
constexpr MarlixCode kConfigVideoInputComponentCbGain = MarlixFourCC("iccb");
constexpr MarlixCode kConfigVideoInputComponentCrGain = MarlixFourCC("iccr");
constexpr MarlixCode kConfigVideoInputCompositeLumaGain = MarlixFourCC("iilg");
constexpr MarlixCode kConfigVideoInputCompositeChromaGain = MarlixFourCC("iicg");
constexpr MarlixCode kConfigVideoInputSVideoLumaGain = MarlixFourCC("islg");
constexpr MarlixCode kConfigVideoInputSVideoChromaGain = MarlixFourCC("iscg");

// Configuration floats: analog audio scales per channel, 1 to 4.
constexpr MarlixCode kConfigAnalogAudioOutputScale1 = MarlixFourCC("aos1");
constexpr MarlixCode kConfigAnalogAudioOutputScale2 = MarlixFourCC("aos2");
constexpr MarlixCode kConfigAnalogAudioOutputScale3 = MarlixFourCC("aos3");
constexpr MarlixCode kConfigAnalogAudioOutputScale4 = MarlixFourCC("aos4");
constexpr MarlixCode kConfigAnalogAudioInputScale1 = MarlixFourCC("ais1");
constexpr MarlixCode kConfigAnalogAudioInputScale2 = MarlixFourCC("ais2");
constexpr MarlixCode kConfigAnalogAudioInputScale3 = MarlixFourCC("ais3");
constexpr MarlixCode kConfigAnalogAudioInputScale4 = MarlixFourCC("ais4");

// Configuration strings: the device information kept in the driver.
constexpr MarlixCode kConfigDeviceLabel = MarlixFourCC("dila");
constexpr MarlixCode kConfigDeviceSerialNumber = MarlixFourCC("disn");
constexpr MarlixCode kConfigDeviceDate = MarlixFourCC("dida");
constexpr MarlixCode kConfigDeviceEMail = MarlixFourCC("diem");
constexpr MarlixCode kConfigDevicePhone = MarlixFourCC("diph");
constexpr MarlixCode kConfigDeviceCompany = MarlixFourCC("dico");

// Status flags.
constexpr MarlixCode kStatusReferenceLocked = MarlixFourCC("refl");
constexpr MarlixCode kStatusVideoInputSignalLocked = MarlixFourCC("visl");

// Status ints.
constexpr MarlixCode kStatusPCIExpressLinkWidth = MarlixFourCC("pwid");
constexpr MarlixCode kStatusPCIExpressLinkSpeed = MarlixFourCC("plnk");
constexpr MarlixCode kStatusLastVideoOutputPixelFormat = MarlixFourCC("opix");
constexpr MarlixCode kStatusCurrentVideoInputPixelFormat = MarlixFourCC("cvip");
constexpr MarlixCode kStatusDuplexMode = MarlixFourCC("dupx");
constexpr MarlixCode kStatusReferenceMode = MarlixFourCC("refm");
constexpr MarlixCode kStatusReferenceFlags = MarlixFourCC("reff");
constexpr MarlixCode kStatusBusy = MarlixFourCC("busy");  // bit 0 capturing, bit 1 playing
constexpr MarlixCode kStatusDetectedVideoInputMode = MarlixFourCC("dvim");
constexpr MarlixCode kStatusDetectedVideoInputFlags = MarlixFourCC("dvif");
constexpr MarlixCode kStatusCurrentVideoInputMode = MarlixFourCC("cvim");
constexpr MarlixCode kStatusCurrentVideoInputFlags = MarlixFourCC("cvif");
constexpr MarlixCode kStatusCurrentVideoOutputMode = MarlixFourCC("cvom");
constexpr MarlixCode kStatusCurrentVideoOutputFlags = MarlixFourCC("cvof");

// Status bytes.
constexpr MarlixCode kStatusReceivedEDID = MarlixFourCC("edid");

} // namespace MarlixItem

// ---------------------------------------------------------------------------
// Values carried by items

namespace MarlixValue {

// Video connections (masks are sums).
constexpr int64_t kVideoSDI = 1;
constexpr int64_t kVideoHDMI = 2;
constexpr int64_t kVideoOptical = 4;
constexpr int64_t kVideoComponent = 8;
constexpr int64_t kVideoComposite = 16;
constexpr int64_t kVideoSVideo = 32;

// Audio connections.
constexpr int64_t kAudioEmbedded = 1;
constexpr int64_t kAudioAESEBU = 2;
constexpr int64_t kAudioAnalog = 4;
constexpr int64_t kAudioXLR = 8;
constexpr int64_t kAudioRCA = 16;
constexpr int64_t kAudioMicrophone = 32;

// Video I/O support bits ("vios").
constexpr int64_t kVideoIOCapture = 1;
constexpr int64_t kVideoIOPlayback = 2;

// Device interface ("dbus").
constexpr MarlixCode kBusPCI = MarlixFourCC("pci ");
constexpr MarlixCode kBusUSB = MarlixFourCC("usb ");
constexpr MarlixCode kBusThunderbolt = MarlixFourCC("thun");

// Duplex modes ("dupx").
constexpr MarlixCode kDuplexFull = MarlixFourCC("fdup");
constexpr MarlixCode kDuplexHalf = MarlixFourCC("hdup");
constexpr MarlixCode kDuplexInactive = MarlixFourCC("inac");  // status: the partner runs full duplex

// Capture passthrough ("cptm").
constexpr MarlixCode kPassthroughDisabled = MarlixFourCC("pdis");
constexpr MarlixCode kPassthroughCleanSwitch = MarlixFourCC("pcln");
constexpr MarlixCode kPassthroughDirect = MarlixFourCC("pdir");

// Idle output ("voio").
constexpr MarlixCode kIdleBlack = MarlixFourCC("blac");
constexpr MarlixCode kIdleLastFrame = MarlixFourCC("lafa");

// SDI link configuration ("solc").
constexpr MarlixCode kLinkSingle = MarlixFourCC("lcsl");
constexpr MarlixCode kLinkDual = MarlixFourCC("lcdl");
constexpr MarlixCode kLinkQuad = MarlixFourCC("lcql");

// Analog audio output switch ("aoaa").
constexpr MarlixCode kAudioSwitchAnalog = MarlixFourCC("anlg");
constexpr MarlixCode kAudioSwitchAES = MarlixFourCC("aes ");

// Output conversion modes ("vocm").
constexpr MarlixCode kConversionNone = MarlixFourCC("none");
constexpr MarlixCode kConversionLetterbox = MarlixFourCC("ltbx");
constexpr MarlixCode kConversionAnamorphic = MarlixFourCC("amph");
constexpr MarlixCode kConversion720to1080 = MarlixFourCC("720c");
constexpr MarlixCode kConversionHWLetterbox = MarlixFourCC("HWlb");
constexpr MarlixCode kConversionHWAnamorphic = MarlixFourCC("HWam");
constexpr MarlixCode kConversionHWCenterCut = MarlixFourCC("HWcc");
constexpr MarlixCode kConversionHW720to1080 = MarlixFourCC("xcap");
constexpr MarlixCode kConversionUpAnamorphic720 = MarlixFourCC("ua7p");
constexpr MarlixCode kConversionUpAnamorphic1080 = MarlixFourCC("ua1i");
constexpr MarlixCode kConversionUp149Zoom720 = MarlixFourCC("u47p");
constexpr MarlixCode kConversionUp149Zoom1080 = MarlixFourCC("u41i");
constexpr MarlixCode kConversionUpPillarbox720 = MarlixFourCC("up7p");
constexpr MarlixCode kConversionUpPillarbox1080 = MarlixFourCC("up1i");
constexpr MarlixCode kConversion2KtoSD = MarlixFourCC("h2sd");
constexpr MarlixCode kConversionUHDtoHD = MarlixFourCC("HWud");
constexpr MarlixCode kConversionAdvanced = MarlixFourCC("advc");

// Input conversion modes ("vicm").
constexpr MarlixCode kInputConversion1080Letterbox = MarlixFourCC("10lb");
constexpr MarlixCode kInputConversion1080Anamorphic = MarlixFourCC("10am");
constexpr MarlixCode kInputConversion720Letterbox = MarlixFourCC("72lb");
constexpr MarlixCode kInputConversion720Anamorphic = MarlixFourCC("72am");
constexpr MarlixCode kInputConversionUpPillarbox = MarlixFourCC("lbup");
constexpr MarlixCode kInputConversionUpAnamorphic = MarlixFourCC("amup");

// HDMI 3D packing ("3dpf").
constexpr MarlixCode k3DTopAndBottom = MarlixFourCC("tabo");
constexpr MarlixCode k3DFramePacking = MarlixFourCC("frpk");
constexpr MarlixCode k3DSideBySideHalf = MarlixFourCC("sbsh");
constexpr MarlixCode k3DLeftOnly = MarlixFourCC("left");
constexpr MarlixCode k3DLineByLine = MarlixFourCC("lbyl");
constexpr MarlixCode k3DRightOnly = MarlixFourCC("righ");

// Field dominance.
constexpr MarlixCode kFieldLower = MarlixFourCC("lowr");
constexpr MarlixCode kFieldUpper = MarlixFourCC("uppr");
constexpr MarlixCode kFieldProgressive = MarlixFourCC("prog");
constexpr MarlixCode kFieldProgressiveSegmented = MarlixFourCC("psf ");
constexpr MarlixCode kFieldUnknown = MarlixFourCC("unkn");

// Display-mode flags handed with a mode ("dvif", "cvif", "cvof", "reff").
constexpr int64_t kModeFlagPsF = 1;
constexpr int64_t kModeFlag3D = 2;

// Display modes.
constexpr MarlixCode kModeUnknown = MarlixFourCC("iunk");
constexpr MarlixCode kModeNTSC = MarlixFourCC("ntsc");
constexpr MarlixCode kModeNTSC2398 = MarlixFourCC("nt23");
constexpr MarlixCode kModeNTSCp = MarlixFourCC("ntsp");
constexpr MarlixCode kModePAL = MarlixFourCC("pal ");
constexpr MarlixCode kModePALp = MarlixFourCC("palp");
constexpr MarlixCode kModeHD720p50 = MarlixFourCC("hp50");
constexpr MarlixCode kModeHD720p5994 = MarlixFourCC("hp59");
constexpr MarlixCode kModeHD720p60 = MarlixFourCC("hp60");
constexpr MarlixCode kModeHD1080p2398 = MarlixFourCC("23ps");
constexpr MarlixCode kModeHD1080p24 = MarlixFourCC("24ps");
constexpr MarlixCode kModeHD1080p25 = MarlixFourCC("Hp25");
constexpr MarlixCode kModeHD1080p2997 = MarlixFourCC("Hp29");
constexpr MarlixCode kModeHD1080p30 = MarlixFourCC("Hp30");
constexpr MarlixCode kModeHD1080p50 = MarlixFourCC("Hp50");
constexpr MarlixCode kModeHD1080p5994 = MarlixFourCC("Hp59");
constexpr MarlixCode kModeHD1080p60 = MarlixFourCC("Hp60");
constexpr MarlixCode kModeHD1080i50 = MarlixFourCC("Hi50");
constexpr MarlixCode kModeHD1080i5994 = MarlixFourCC("Hi59");
constexpr MarlixCode kModeHD1080i60 = MarlixFourCC("Hi60");
constexpr MarlixCode kModeHD1080p2398Dual = MarlixFourCC("H23d");
constexpr MarlixCode kMode2K2398 = MarlixFourCC("2k23");
constexpr MarlixCode kMode2K24 = MarlixFourCC("2k24");
constexpr MarlixCode kMode2K25 = MarlixFourCC("2k25");
constexpr MarlixCode kMode2KDCI2398 = MarlixFourCC("2d23");
constexpr MarlixCode kMode2KDCI24 = MarlixFourCC("2d24");
constexpr MarlixCode kMode2KDCI25 = MarlixFourCC("2d25");
constexpr MarlixCode kMode4K2160p2398 = MarlixFourCC("4k23");
constexpr MarlixCode kMode4K2160p24 = MarlixFourCC("4k24");
constexpr MarlixCode kMode4K2160p25 = MarlixFourCC("4k25");
constexpr MarlixCode kMode4K2160p2997 = MarlixFourCC("4k29");
constexpr MarlixCode kMode4K2160p30 = MarlixFourCC("4k30");
constexpr MarlixCode kMode4K2160p50 = MarlixFourCC("4k50");
constexpr MarlixCode kMode4K2160p5994 = MarlixFourCC("4k59");
constexpr MarlixCode kMode4K2160p60 = MarlixFourCC("4k60");
constexpr MarlixCode kMode4KDCI2398 = MarlixFourCC("4d23");
constexpr MarlixCode kMode4KDCI24 = MarlixFourCC("4d24");
constexpr MarlixCode kMode4KDCI25 = MarlixFourCC("4d25");

// Pixel formats ("opix", "cvip").
constexpr int64_t kPixelFormat8BitARGB = 32;
constexpr MarlixCode kPixelFormat8BitYUV = MarlixFourCC("2vuy");
constexpr MarlixCode kPixelFormat8BitBGRA = MarlixFourCC("BGRA");
constexpr MarlixCode kPixelFormat10BitYUV = MarlixFourCC("v210");
constexpr MarlixCode kPixelFormat10BitRGB = MarlixFourCC("r210");
constexpr MarlixCode kPixelFormat10BitRGBXLE = MarlixFourCC("R10l");
constexpr MarlixCode kPixelFormat10BitRGBXBE = MarlixFourCC("R10b");
constexpr MarlixCode kPixelFormat12BitRGBLE = MarlixFourCC("R12L");
constexpr MarlixCode kPixelFormat12BitRGBBE = MarlixFourCC("R12B");

} // namespace MarlixValue
