#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>

class IMarlixDisplayMode;

// Shown wherever no mode or value can be named.
inline const QString kNoDisplayMode = QStringLiteral("-");

// Bits of the flag word that travels with a display mode.
constexpr uint32_t kDisplayModeFlagPsF = 1;
constexpr uint32_t kDisplayModeFlag3D = 2;

// One display mode of the driver, shared: copies hold their own reference.
// A default-constructed mode holds nothing and answers neutral values.
class DisplayMode
{
public:
    DisplayMode() = default;
    // Takes over the caller's reference.
    explicit DisplayMode(IMarlixDisplayMode* mode);
    DisplayMode(const DisplayMode& other);
    DisplayMode& operator=(const DisplayMode& other);
    ~DisplayMode();

    bool isNull() const { return m_mode == nullptr; }

    QString getName(bool psf, bool threeD, bool shortName) const;
    QString getName(uint32_t flags) const;
    QString getShortName(uint32_t flags) const;

    uint32_t getDisplayMode() const;
    int getWidth() const;
    int getHeight() const;
    // Whole frames per second (time scale / frame duration, truncated); 0 if unknown.
    int getFrameRate() const;
    uint32_t getFieldDominance() const;
    bool isInterlaced() const;
    bool isProgressive() const;

private:
    QString driverName() const;
    static QString shortNameFor(uint32_t code, const QString& name);

    IMarlixDisplayMode* m_mode = nullptr;
};

using DisplayModeMap = QMap<uint32_t, DisplayMode>;
using DisplayModeList = QList<DisplayMode>;
