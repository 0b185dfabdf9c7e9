#include "media/backgroundsettings.h"

#include "core/pathutils.h"
#include "core/registrystore.h"

namespace {

const QString kSection = QStringLiteral("BackGround");
// Older writers spelled the section so; the store compares names exactly.
const QString kOldSection = QStringLiteral("Background");

int ReadSectionNumber(const CRegistryStore& registry, const QString& strName, int nDefault) {
    return registry.ReadNumber(kSection, strName,
                               registry.ReadNumber(kOldSection, strName, nDefault));
}

QString ReadSectionText(const CRegistryStore& registry, const QString& strName,
                        const QString& strDefault) {
    return registry.ReadText(kSection, strName,
                             registry.ReadText(kOldSection, strName, strDefault));
}

} // namespace

QString GetDefaultImagePath(const QString& strAppFolder) {
    return JoinPath(strAppFolder, QStringLiteral("images/back.bmp"));
}

CBackgroundSettings ReadBackgroundSettings(const CRegistryStore& registry,
                                           const QString& strAppFolder) {
    CBackgroundSettings settings;
    settings.m_bImageEnabled = ReadSectionNumber(registry, QStringLiteral("EnableImage"), 1) != 0;
    const int nMode = ReadSectionNumber(registry, QStringLiteral("DisplayMode"), kDisplayStretch);
    settings.m_nDisplayMode = nMode == kDisplayStretch ? kDisplayStretch : kDisplayTile;
    settings.m_nBkColor =
        static_cast<std::uint32_t>(ReadSectionNumber(registry, QStringLiteral("BkColor"),
                                                     static_cast<int>(kDefaultBackColor))) &
        0xFFFFFFu;
    settings.m_strFileName =
        ReadSectionText(registry, QStringLiteral("FileName"), GetDefaultImagePath(strAppFolder));
    settings.m_strLastImagePath =
        ReadSectionText(registry, QStringLiteral("LastImagePath"), QString());
    return settings;
}

bool WriteBackgroundSettings(CRegistryStore& registry, const CBackgroundSettings& settings) {
    bool bOk = registry.WriteNumber(kSection, QStringLiteral("EnableImage"),
                                    settings.m_bImageEnabled ? 1 : 0);
    bOk = registry.WriteNumber(kSection, QStringLiteral("DisplayMode"), settings.m_nDisplayMode) &&
          bOk;
    bOk = registry.WriteNumber(kSection, QStringLiteral("BkColor"),
                               static_cast<int>(settings.m_nBkColor & 0xFFFFFFu)) &&
          bOk;
    bOk = registry.WriteText(kSection, QStringLiteral("FileName"), settings.m_strFileName) && bOk;
    return bOk;
}

bool ReadPromptDrag(const CRegistryStore& registry) {
    return ReadSectionNumber(registry, QStringLiteral("PromptDrag"), 1) != 0;
}

bool WritePromptDrag(CRegistryStore& registry, bool bPrompt) {
    return registry.WriteNumber(kSection, QStringLiteral("PromptDrag"), bPrompt ? 1 : 0);
}

QColor ColorRefToQColor(std::uint32_t nColorRef) {
    return QColor(static_cast<int>(nColorRef & 0xFF), static_cast<int>((nColorRef >> 8) & 0xFF),
                  static_cast<int>((nColorRef >> 16) & 0xFF));
}

std::uint32_t ColorRefToRgb(std::uint32_t nColorRef) {
    return ((nColorRef & 0xFF) << 16) | (nColorRef & 0xFF00) | ((nColorRef >> 16) & 0xFF);
}

std::uint32_t RgbToColorRef(std::uint32_t nRgb) {
    return ColorRefToRgb(nRgb); // the swap is its own inverse
}
