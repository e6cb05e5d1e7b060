#include "DisplayModeText.h"

#include "MarlixAPI.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <functional>

using namespace MarlixValue;

namespace {

struct DisplayModeText
{
    Q_DECLARE_TR_FUNCTIONS(DisplayModeText)
};

struct ModeMapping
{
    uint32_t from;
    uint32_t to;
};

// Ultra HD and 2K modes leave the component output on their HD carrier.
constexpr ModeMapping kComponentCarriers[] = {
    {kMode4K2160p2398, kModeHD1080p2398}, {kMode4KDCI2398, kModeHD1080p2398}, {kMode2KDCI2398, kModeHD1080p2398},
    {kMode4K2160p24, kModeHD1080p24},     {kMode4KDCI24, kModeHD1080p24},     {kMode2KDCI24, kModeHD1080p24},
    {kMode4K2160p25, kModeHD1080p25},     {kMode4KDCI25, kModeHD1080p25},     {kMode2KDCI25, kModeHD1080p25},
    {kMode4K2160p2997, kModeHD1080p2997}, {kMode4K2160p30, kModeHD1080p30},
    {kMode4K2160p50, kModeHD1080i50},     {kModeHD1080p50, kModeHD1080i50},
    {kMode4K2160p5994, kModeHD1080i5994}, {kModeHD1080p5994, kModeHD1080i5994},
    {kMode4K2160p60, kModeHD1080i60},     {kModeHD1080p60, kModeHD1080i60},
};

// What every down-converter makes of an HD mode.
constexpr ModeMapping kSDCarriers[] = {
    {kModeHD1080p2398, kModeNTSC}, {kModeHD1080i5994, kModeNTSC}, {kModeHD1080p5994, kModeNTSC},
    {kModeHD720p5994, kModeNTSC},  {kModeHD1080i50, kModePAL},    {kModeHD1080p50, kModePAL},
    {kModeHD720p50, kModePAL},
};

// The hardware down-converter also takes the integer and low rates.
constexpr ModeMapping kHardwareSDCarriers[] = {
    {kModeHD1080i60, kModeNTSC}, {kModeHD1080p60, kModeNTSC},  {kModeHD720p60, kModeNTSC},
    {kModeHD1080p2997, kModeNTSC}, {kModeHD1080p30, kModeNTSC}, {kMode2K2398, kModeNTSC},
    {kModeHD1080p25, kModePAL},  {kModeHD1080p24, kModePAL},   {kMode2K24, kModePAL},
    {kMode2K25, kModePAL},
};

constexpr ModeMapping k720To1080Carriers[] = {
    {kModeHD720p50, kModeHD1080i50}, {kModeHD720p5994, kModeHD1080i5994}, {kModeHD720p60, kModeHD1080i60},
};

constexpr ModeMapping kUHDToHDCarriers[] = {
    {kMode4K2160p2398, kModeHD1080p2398}, {kMode4K2160p24, kModeHD1080p24}, {kMode4K2160p25, kModeHD1080p25},
    {kMode4K2160p2997, kModeHD1080p2997}, {kMode4K2160p30, kModeHD1080p30}, {kMode4K2160p50, kModeHD1080p50},
    {kMode4K2160p5994, kModeHD1080p5994}, {kMode4K2160p60, kModeHD1080p60},
};

constexpr ModeMapping kSDTo1080iCarriers[] = {{kModeNTSC, kModeHD1080i5994}, {kModePAL, kModeHD1080i50}};
constexpr ModeMapping kSDTo720pCarriers[] = {{kModeNTSC, kModeHD720p5994}, {kModePAL, kModeHD720p50}};

constexpr uint32_t kDownConversions[] = {kConversionHWLetterbox, kConversionHWAnamorphic, kConversionHWCenterCut,
                                         kConversion2KtoSD,      kConversionLetterbox,    kConversionAnamorphic};
constexpr uint32_t k720To1080Conversions[] = {kConversion720to1080, kConversionHW720to1080};
constexpr uint32_t kSDTo1080iConversions[] = {kConversionUp149Zoom1080, kConversionUpAnamorphic1080,
                                              kConversionUpPillarbox1080};
constexpr uint32_t kSDTo720pConversions[] = {kConversionUp149Zoom720, kConversionUpAnamorphic720,
                                             kConversionUpPillarbox720};
constexpr uint32_t kStandardDefinitionModes[] = {kModeNTSC, kModeNTSCp, kModePAL, kModePALp};

template <typename Range>
bool contains(const Range& range, uint32_t value)
{
    return std::find(std::begin(range), std::end(range), value) != std::end(range);
}

template <typename Range>
bool mapMode(const Range& mappings, uint32_t& mode)
{
    for (const ModeMapping& mapping : mappings) {
        if (mapping.from == mode) {
            mode = mapping.to;
            return true;
        }
    }
    return false;
}

// What a mode becomes after down-conversion to standard definition.
uint32_t downConverted(uint32_t mode, bool hardwareDownConverter)
{
    if (mode == kModeHD1080p2398Dual || mapMode(kSDCarriers, mode))
        return mode;
    if (hardwareDownConverter)
        mapMode(kHardwareSDCarriers, mode);
    return mode;
}

struct OutputContext
{
    uint32_t conversion;
    bool hardwareDownConverter;
    bool downConvertAllAnalog;
};

uint32_t analogOutputMode(uint32_t connection, uint32_t mode, const OutputContext& context)
{
    if (contains(kDownConversions, context.conversion))
        return context.downConvertAllAnalog ? downConverted(mode, context.hardwareDownConverter) : mode;
    if (connection == kVideoComponent) {
        mapMode(kComponentCarriers, mode);
        return mode;
    }
    return contains(kStandardDefinitionModes, mode) ? mode : kModeUnknown;
}

uint32_t digitalOutputMode(uint32_t mode, const OutputContext& context)
{
    if (contains(k720To1080Conversions, context.conversion))
        mapMode(k720To1080Carriers, mode);
    else if (contains(kDownConversions, context.conversion))
        mode = downConverted(mode, context.hardwareDownConverter);
    else if (context.conversion == kConversionUHDtoHD)
        mapMode(kUHDToHDCarriers, mode);
    else if (contains(kSDTo1080iConversions, context.conversion))
        mapMode(kSDTo1080iCarriers, mode);
    else if (contains(kSDTo720pConversions, context.conversion))
        mapMode(kSDTo720pCarriers, mode);
    return mode;
}

const DisplayMode* findMode(const DisplayModeMap& modes, const std::function<bool(const DisplayMode&)>& matches)
{
    for (auto it = modes.constBegin(); it != modes.constEnd(); ++it) {
        if (matches(it.value()))
            return &it.value();
    }
    return nullptr;
}

const DisplayMode* findSibling(const DisplayModeMap& modes, const DisplayMode& like, int width,
                               const std::function<bool(const DisplayMode&)>& scan)
{
    const int height = like.getHeight();
    const int rate = like.getFrameRate();
    return findMode(modes, [&](const DisplayMode& mode) {
        return mode.getWidth() == width && mode.getHeight() == height && mode.getFrameRate() == rate && scan(mode);
    });
}

// HDMI carries no 2K DCI picture and no PsF: show what the sink receives instead.
const DisplayMode* hdmiMode(const DisplayModeMap& modes, const DisplayMode* mode, uint32_t& flags)
{
    if (mode->getWidth() == 2048)
        mode = findSibling(modes, *mode, 1920, [](const DisplayMode& m) { return m.isProgressive(); });
    if (!mode || !(flags & kDisplayModeFlagPsF))
        return mode;
    flags &= ~kDisplayModeFlagPsF;
    const int rate = mode->getFrameRate();
    if (rate == 25 || rate == 29 || rate == 30)
        return findSibling(modes, *mode, mode->getWidth(), [](const DisplayMode& m) { return m.isInterlaced(); });
    if (rate == 23 || rate == 24)
        return findSibling(modes, *mode, mode->getWidth(), [](const DisplayMode& m) { return !m.isInterlaced(); });
    return nullptr;
}

bool componentCarries(const DisplayMode& mode, uint32_t flags)
{
    const int width = mode.getWidth();
    return !(flags & kDisplayModeFlag3D) && width <= 1920 && !(width == 1920 && mode.getFrameRate() >= 31);
}

QString shortNameAmong(const DisplayModeMap& modes, uint32_t mode, uint32_t flags)
{
    const auto found = modes.constFind(mode);
    return found == modes.constEnd() ? kNoDisplayMode : found->getShortName(flags);
}

} // namespace

bool isInterlaced(uint32_t fieldDominance)
{
    return fieldDominance == kFieldLower || fieldDominance == kFieldUpper;
}

bool isProgressive(uint32_t fieldDominance)
{
    return fieldDominance == kFieldProgressive;
}

bool isAnalogVideo(uint32_t connection)
{
    return connection == kVideoComponent || connection == kVideoComposite || connection == kVideoSVideo;
}

bool isEmbeddedVideo(uint32_t connection)
{
    return !isAnalogVideo(connection);
}

bool isEmbeddedAudio(uint32_t connection)
{
    return connection == kAudioEmbedded;
}

bool isAnalogAudio(int connection)
{
    return connection < kAudioEmbedded || connection > kAudioAESEBU;
}

QString getLastUpdatedDateTime()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    if (!executable.exists())
        return QString();
    const QDateTime modified = executable.lastModified();
    // In the program's language: the month's name and the order of day, month and year.
    return modified.isValid() ? QLocale().toString(modified, DisplayModeText::tr("d MMMM yyyy", "date format"))
                              : QString();
}

bool GetPixelFormatFamilyString(uint32_t format, QString& name)
{
    switch (format) {
    case kPixelFormat8BitARGB: name = DisplayModeText::tr("8-bit ARGB"); return true;
    case kPixelFormat8BitYUV: name = DisplayModeText::tr("8-bit YUV 4:2:2"); return true;
    case kPixelFormat8BitBGRA: name = DisplayModeText::tr("8-bit BGRA"); return true;
    case kPixelFormat10BitRGBXBE: name = DisplayModeText::tr("10-bit RGB BE'"); return true;
    case kPixelFormat10BitRGBXLE: name = DisplayModeText::tr("10-bit RGB LE"); return true;
    case kPixelFormat12BitRGBBE: name = DisplayModeText::tr("12-bit RGB BE"); return true;
    case kPixelFormat12BitRGBLE: name = DisplayModeText::tr("12-bit RGB LE"); return true;
    case kPixelFormat10BitRGB: name = DisplayModeText::tr("10-bit RGB"); return true;
    case kPixelFormat10BitYUV: name = DisplayModeText::tr("10-bit YUV 4:2:2"); return true;
    default: return false;
    }
}

QString getVideoReferenceInputLockStatus(const VisibleMarlix* device)
{
    return device->isReferenceSignalLocked() ? DisplayModeText::tr("Locked") : DisplayModeText::tr("-");
}

QString getVideoReferenceInputDisplayString(const VisibleMarlix* device)
{
    uint32_t mode = kModeUnknown;
    uint32_t flags = 0;
    if (!device->getGenlockDisplayMode(mode, flags)) {
        mode = kModeUnknown;
        flags = 0;
    }
    return shortNameAmong(device->getVideoOutputDisplayModes(), mode, flags);
}

QString getVideoInputDisplayMode(const VisibleMarlix* device)
{
    uint32_t mode = 0;
    uint32_t flags = 0;
    if (!device->getVideoInputDisplayMode(mode, flags))
        return kNoDisplayMode;
    return shortNameAmong(device->getVideoInputDisplayModes(), mode, flags);
}

QString getVideoOutputDisplayMode(const VisibleMarlix* device, uint32_t connection)
{
    uint32_t code = connection & ~kOutputConnectionOptionMask;
    if (code == 0)
        code = device->getVideoOutputConnection();
    uint32_t mode = 0;
    uint32_t flags = 0;
    if (!device->getVideoOutputDisplayMode(mode, flags))
        return kNoDisplayMode;
    const OutputContext context{device->getOutputConversionMode(),
                                device->supportsOutputConversionMode(kConversionHWLetterbox),
                                device->getDownConversionOnAllAnalogOutputs()};
    const bool analog = isAnalogVideo(code);
    const uint32_t mapped = analog ? analogOutputMode(code, mode, context) : digitalOutputMode(mode, context);
    // A hardware down-converter feeds a connector of its own: the main digital
    // outputs keep the unconverted mode unless the caller asks otherwise.
    const bool wantsConverted = (connection & kOutputConnectionOptionMask) || analog || !context.hardwareDownConverter;
    const uint32_t chosen = wantsConverted ? mapped : mode;
    const DisplayModeMap modes = device->getVideoOutputDisplayModes();
    if (!modes.contains(chosen))
        return kNoDisplayMode;
    return formatDisplayMode(code, chosen, flags, modes);
}

QString formatDisplayMode(uint32_t connection, uint32_t mode, uint32_t flags, const DisplayModeMap& modes)
{
    const auto found = modes.constFind(mode);
    if (found == modes.constEnd())
        return kNoDisplayMode;
    const DisplayMode* chosen = &found.value();
    switch (connection) {
    case kVideoHDMI:
        chosen = hdmiMode(modes, chosen, flags);
        break;
    case kVideoComponent:
        if (!componentCarries(*chosen, flags))
            chosen = nullptr;
        break;
    case kVideoComposite:
    case kVideoSVideo:
        if (chosen->getWidth() > 720)
            chosen = nullptr;
        break;
    default:
        break;
    }
    return chosen ? chosen->getShortName(flags) : kNoDisplayMode;
}
