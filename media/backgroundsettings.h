// The main window's background as the registry store keeps it, and the colour conversions
// between the store's layout (red in the low byte) and Qt's.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

class CRegistryStore;

inline constexpr int kDisplayTile = 0;
inline constexpr int kDisplayCenter = 1;
inline constexpr int kDisplayStretch = 2;
inline constexpr int kDisplayModeLast = 12;

// Colours in the store's layout: 0x00BBGGRR.
inline constexpr std::uint32_t kDefaultBackColor = 0xC080FF;
inline constexpr std::uint32_t kResetBackColor = 0xC0C0C0;

struct CBackgroundSettings {
    bool m_bImageEnabled = true;
    int m_nDisplayMode = kDisplayStretch;
    std::uint32_t m_nBkColor = kDefaultBackColor;
    QString m_strFileName;
    QString m_strLastImagePath; // tried when m_strFileName is gone; never written
};

// The shipped picture below the application folder.
QString GetDefaultImagePath(const QString& strAppFolder);

// Every value with its default; a display mode other than Stretch comes back as Tile.
CBackgroundSettings ReadBackgroundSettings(const CRegistryStore& registry,
                                           const QString& strAppFolder);
// EnableImage, DisplayMode, BkColor and FileName; false when the store cannot be written.
bool WriteBackgroundSettings(CRegistryStore& registry, const CBackgroundSettings& settings);

// Whether the drag tip is still shown after browsing.
bool ReadPromptDrag(const CRegistryStore& registry);
bool WritePromptDrag(CRegistryStore& registry, bool bPrompt);

QColor ColorRefToQColor(std::uint32_t nColorRef);
// The file chooser speaks 0xRRGGBB.
std::uint32_t ColorRefToRgb(std::uint32_t nColorRef);
std::uint32_t RgbToColorRef(std::uint32_t nRgb);
