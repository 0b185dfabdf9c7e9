#include "core/systeminfo.h"

#include <QOperatingSystemVersion>
#include <QSysInfo>

namespace {

struct LanguageIdRow {
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: the language's default
    std::uint16_t nLanguageId;
};

// Windows language identifiers: primary language in the low ten bits, sublanguage above.
const LanguageIdRow kLanguageIds[] = {
    {QLocale::English, QLocale::UnitedStates, 0x0409},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::Australia, 0x0C09},
    {QLocale::English, QLocale::Canada, 0x1009},
    {QLocale::English, QLocale::NewZealand, 0x1409},
    {QLocale::English, QLocale::Ireland, 0x1809},
    {QLocale::English, QLocale::SouthAfrica, 0x1C09},
    {QLocale::English, QLocale::India, 0x4009},
    {QLocale::English, QLocale::Singapore, 0x4809},
    {QLocale::English, QLocale::AnyTerritory, 0x0409},
    {QLocale::Chinese, QLocale::Taiwan, 0x0404},
    {QLocale::Chinese, QLocale::China, 0x0804},
    {QLocale::Chinese, QLocale::HongKong, 0x0C04},
    {QLocale::Chinese, QLocale::Singapore, 0x1004},
    {QLocale::Chinese, QLocale::Macao, 0x1404},
    {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::Austria, 0x0C07},
    {QLocale::German, QLocale::AnyTerritory, 0x0407},
    {QLocale::French, QLocale::Belgium, 0x080C},
    {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},
    {QLocale::French, QLocale::AnyTerritory, 0x040C},
    {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Spanish, QLocale::AnyTerritory, 0x0C0A},
    {QLocale::Portuguese, QLocale::Portugal, 0x0816},
    {QLocale::Portuguese, QLocale::AnyTerritory, 0x0416},
    {QLocale::Dutch, QLocale::Belgium, 0x0813},
    {QLocale::Dutch, QLocale::AnyTerritory, 0x0413},
    {QLocale::Italian, QLocale::Switzerland, 0x0810},
    {QLocale::Italian, QLocale::AnyTerritory, 0x0410},
    {QLocale::Swedish, QLocale::Finland, 0x081D},
    {QLocale::Swedish, QLocale::AnyTerritory, 0x041D},
    {QLocale::Arabic, QLocale::AnyTerritory, 0x0401},
    {QLocale::Bulgarian, QLocale::AnyTerritory, 0x0402},
    {QLocale::Catalan, QLocale::AnyTerritory, 0x0403},
    {QLocale::Czech, QLocale::AnyTerritory, 0x0405},
    {QLocale::Danish, QLocale::AnyTerritory, 0x0406},
    {QLocale::Greek, QLocale::AnyTerritory, 0x0408},
    {QLocale::Finnish, QLocale::AnyTerritory, 0x040B},
    {QLocale::Hebrew, QLocale::AnyTerritory, 0x040D},
    {QLocale::Hungarian, QLocale::AnyTerritory, 0x040E},
    {QLocale::Icelandic, QLocale::AnyTerritory, 0x040F},
    {QLocale::Japanese, QLocale::AnyTerritory, 0x0411},
    {QLocale::Korean, QLocale::AnyTerritory, 0x0412},
    {QLocale::NorwegianBokmal, QLocale::AnyTerritory, 0x0414},
    {QLocale::NorwegianNynorsk, QLocale::AnyTerritory, 0x0814},
    {QLocale::Polish, QLocale::AnyTerritory, 0x0415},
    {QLocale::Romanian, QLocale::AnyTerritory, 0x0418},
    {QLocale::Russian, QLocale::AnyTerritory, 0x0419},
    {QLocale::Croatian, QLocale::AnyTerritory, 0x041A},
    {QLocale::Slovak, QLocale::AnyTerritory, 0x041B},
    {QLocale::Albanian, QLocale::AnyTerritory, 0x041C},
    {QLocale::Thai, QLocale::AnyTerritory, 0x041E},
    {QLocale::Turkish, QLocale::AnyTerritory, 0x041F},
    {QLocale::Urdu, QLocale::AnyTerritory, 0x0420},
    {QLocale::Indonesian, QLocale::AnyTerritory, 0x0421},
    {QLocale::Ukrainian, QLocale::AnyTerritory, 0x0422},
    {QLocale::Belarusian, QLocale::AnyTerritory, 0x0423},
    {QLocale::Slovenian, QLocale::AnyTerritory, 0x0424},
    {QLocale::Estonian, QLocale::AnyTerritory, 0x0425},
    {QLocale::Latvian, QLocale::AnyTerritory, 0x0426},
    {QLocale::Lithuanian, QLocale::AnyTerritory, 0x0427},
    {QLocale::Persian, QLocale::AnyTerritory, 0x0429},
    {QLocale::Vietnamese, QLocale::AnyTerritory, 0x042A},
    {QLocale::Hindi, QLocale::AnyTerritory, 0x0439},
    {QLocale::Malay, QLocale::AnyTerritory, 0x043E},
};

} // namespace

std::uint16_t GetLanguageIdOfLocale(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    // The "C" locale of an unconfigured system speaks English.
    if (language == QLocale::C) return 0x0409;
    const QLocale::Territory territory = locale.territory();
    for (const LanguageIdRow& row : kLanguageIds)
        if (row.language == language && row.territory == territory) return row.nLanguageId;
    if (language == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalHanScript ? 0x0404 : 0x0804;
    for (const LanguageIdRow& row : kLanguageIds)
        if (row.language == language && row.territory == QLocale::AnyTerritory)
            return row.nLanguageId;
    return 0;
}

std::uint16_t GetUserDefaultLanguageId() {
    return GetLanguageIdOfLocale(QLocale::system());
}

QString GetLanguageText(std::uint16_t nLanguageId) {
    switch (nLanguageId) {
    case 1028:
        return QStringLiteral("Traditional Chinese");
    case 1033:
        return QStringLiteral("US English");
    case 2052:
        return QStringLiteral("Simplified Chinese");
    case 2057:
        return QStringLiteral("British English");
    case 3076:
        return QStringLiteral("HK Chinese");
    default:
        return QStringLiteral("%1(Other Language)").arg(nLanguageId, 2, 16, QLatin1Char(' '));
    }
}

QString FormatSystemText(const QString& strSystem, const QString& strProductType,
                         const QString& strLanguage) {
    if (strProductType.isEmpty()) return QStringLiteral("%1 (%2)").arg(strSystem, strLanguage);
    return QStringLiteral("%1 %2 (%3)").arg(strSystem, strProductType, strLanguage);
}

void ParseVersionNumbers(const QString& strVersion, std::uint32_t& nMajor, std::uint32_t& nMinor,
                         std::uint32_t& nBuild) {
    std::uint32_t* const pnParts[] = {&nMajor, &nMinor, &nBuild};
    for (std::uint32_t* pnPart : pnParts)
        *pnPart = 0;
    qsizetype nPos = 0;
    for (std::uint32_t* pnPart : pnParts) {
        const qsizetype nStart = nPos;
        while (nPos < strVersion.size() && strVersion[nPos].isDigit() &&
               strVersion[nPos].unicode() < 0x80)
            ++nPos;
        if (nPos == nStart) return;
        *pnPart = strVersion.mid(nStart, nPos - nStart).toUInt();
        if (nPos >= strVersion.size() || strVersion[nPos] != QLatin1Char('.')) return;
        ++nPos;
    }
}

void DescribeSystem(SystemDescription& description) {
    description.nLanguageId = GetUserDefaultLanguageId();
    description.nPlatformId = static_cast<std::uint32_t>(QOperatingSystemVersion::currentType());
    const QString strKernel = QSysInfo::kernelVersion();
    ParseVersionNumbers(strKernel, description.nMajorVersion, description.nMinorVersion,
                        description.nBuildNumber);
    // The kernel stands where the system's product type would: the variant of the system.
    QString strProductType = QSysInfo::kernelType();
    if (!strKernel.isEmpty()) strProductType += QLatin1Char(' ') + strKernel;
    description.strText = FormatSystemText(QSysInfo::prettyProductName(), strProductType.trimmed(),
                                           GetLanguageText(description.nLanguageId));
}
