#include "DisplayMode.h"

#include "DisplayModeText.h"
#include "MarlixAPI.h"
#include "MarlixStrings.h"

#include <cstdlib>

DisplayMode::DisplayMode(IMarlixDisplayMode* mode)
    : m_mode(mode)
{
}

DisplayMode::DisplayMode(const DisplayMode& other)
    : m_mode(other.m_mode)
{
    if (m_mode)
        m_mode->AddRef();
}

DisplayMode& DisplayMode::operator=(const DisplayMode& other)
{
    // Take the new reference before dropping the old one: other may be *this.
    if (other.m_mode)
        other.m_mode->AddRef();
    if (m_mode)
        m_mode->Release();
    m_mode = other.m_mode;
    return *this;
}

DisplayMode::~DisplayMode()
{
    if (m_mode)
        m_mode->Release();
}

QString DisplayMode::getName(bool psf, bool threeD, bool shortName) const
{
    QString name = driverName();
    if (name.isEmpty())
        return name;
    if (shortName)
        name = shortNameFor(getDisplayMode(), name);
    if (psf)
        name.replace(QLatin1Char('p'), QStringLiteral("PsF"), Qt::CaseSensitive);
    if (threeD)
        name += QStringLiteral(" 3D");
    return name;
}

QString DisplayMode::getName(uint32_t flags) const
{
    return getName(flags & kDisplayModeFlagPsF, flags & kDisplayModeFlag3D, false);
}

QString DisplayMode::getShortName(uint32_t flags) const
{
    return getName(flags & kDisplayModeFlagPsF, flags & kDisplayModeFlag3D, true);
}

uint32_t DisplayMode::getDisplayMode() const
{
    return m_mode ? m_mode->GetDisplayMode() : 0;
}

int DisplayMode::getWidth() const
{
    return m_mode ? m_mode->GetWidth() : 0;
}

int DisplayMode::getHeight() const
{
    return m_mode ? m_mode->GetHeight() : 0;
}

int DisplayMode::getFrameRate() const
{
    int64_t duration = 0;
    int64_t scale = 0;
    if (!m_mode || m_mode->GetFrameRate(&duration, &scale) != kMarlixOk || duration == 0)
        return 0;
    return int(scale / duration);
}

uint32_t DisplayMode::getFieldDominance() const
{
    return m_mode ? m_mode->GetFieldDominance() : 0;
}

bool DisplayMode::isInterlaced() const
{
    return ::isInterlaced(getFieldDominance());
}

bool DisplayMode::isProgressive() const
{
    return ::isProgressive(getFieldDominance());
}

QString DisplayMode::driverName() const
{
    char* name = nullptr;
    if (!m_mode || m_mode->GetName(&name) != kMarlixOk) {
        free(name);
        return QString();
    }
    const QString result = QZTstringToQString(name);
    free(name);
    return result;
}

QString DisplayMode::shortNameFor(uint32_t code, const QString& name)
{
    switch (code) {
    case MarlixValue::kModeHD1080p2398Dual:
        return QStringLiteral("1080p23.98");
    case MarlixValue::kModeNTSC2398:
    case MarlixValue::kModeNTSC:
    case MarlixValue::kModeNTSCp:
        return QStringLiteral("NTSC");
    case MarlixValue::kModePAL:
    case MarlixValue::kModePALp:
        return QStringLiteral("PAL");
    default:
        return name;
    }
}
