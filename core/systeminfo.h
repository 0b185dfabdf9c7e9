// What the program reports about the machine it runs on: the operating system and the
// user's language, the latter as a Windows-style language identifier (1033 US English,
// 2052 Simplified Chinese, 1028 Traditional Chinese ...), the form the settings store.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

struct SystemDescription {
    std::uint16_t nLanguageId = 0;
    // Kernel version numbers: major.minor.build.
    std::uint32_t nBuildNumber = 0;
    // QOperatingSystemVersion::OSType of the running system.
    std::uint32_t nPlatformId = 0;
    std::uint32_t nMajorVersion = 0;
    std::uint32_t nMinorVersion = 0;
    // "system product-type (language)", or "system (language)" without a product type.
    QString strText;
};

void DescribeSystem(SystemDescription& description);

// The language identifier of a locale; 0 when the language has none in the table.
std::uint16_t GetLanguageIdOfLocale(const QLocale& locale);

// The user's default language identifier (of QLocale::system()).
std::uint16_t GetUserDefaultLanguageId();

// "US English", "Simplified Chinese" ... or "<hex>(Other Language)".
QString GetLanguageText(std::uint16_t nLanguageId);

// The description's text from its parts.
QString FormatSystemText(const QString& strSystem, const QString& strProductType,
                         const QString& strLanguage);

// The leading numbers of a version text such as "6.1.0-13-amd64"; missing parts are 0.
void ParseVersionNumbers(const QString& strVersion, std::uint32_t& nMajor, std::uint32_t& nMinor,
                         std::uint32_t& nBuild);
