#include "core/systeminfo.h"

#include <QSysInfo>

#include <gtest/gtest.h>

namespace {

TEST(SystemInfo, LanguageIdOfLocale) {
    const std::pair<const char*, std::uint16_t> cases[] = {
        {"en_US", 1033},   {"en_GB", 2057},      {"en_AU", 0x0C09},    {"en_DE", 1033},
        {"zh_CN", 2052},   {"zh_TW", 1028},      {"zh_HK", 3076},      {"zh_SG", 0x1004},
        {"zh_MO", 0x1404}, {"zh_Hant_US", 1028}, {"zh_Hans_US", 2052}, {"de_DE", 0x0407},
        {"de_AT", 0x0C07}, {"fr_CA", 0x0C0C},    {"pt_BR", 0x0416},    {"pt_PT", 0x0816},
        {"ja_JP", 0x0411}, {"C", 1033},          {"sw_KE", 0},
    };
    for (const auto& [szLocale, nExpected] : cases) {
        SCOPED_TRACE(szLocale);
        EXPECT_EQ(GetLanguageIdOfLocale(QLocale(QString::fromLatin1(szLocale))), nExpected);
    }
}

TEST(SystemInfo, LanguageText) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {1028, "Traditional Chinese"},   {1033, "US English"},      {2052, "Simplified Chinese"},
        {2057, "British English"},       {3076, "HK Chinese"},      {0x0407, "407(Other Language)"},
        {0x0C0A, "c0a(Other Language)"}, {7, " 7(Other Language)"},
    };
    for (const auto& [nId, szExpected] : cases) {
        SCOPED_TRACE(szExpected);
        EXPECT_EQ(GetLanguageText(nId), szExpected);
    }
}

TEST(SystemInfo, TextAndVersionNumbers) {
    EXPECT_EQ(FormatSystemText("Debian 12", "linux 6.1.0", "US English"),
              "Debian 12 linux 6.1.0 (US English)");
    EXPECT_EQ(FormatSystemText("Debian 12", "", "HK Chinese"), "Debian 12 (HK Chinese)");

    const struct {
        const char* szVersion;
        std::uint32_t nMajor, nMinor, nBuild;
    } cases[] = {
        {"6.1.0-13-amd64", 6, 1, 0},
        {"10.0.19045", 10, 0, 19045},
        {"1.2.3.4", 1, 2, 3},
        {"5", 5, 0, 0},
        {"4.x.7", 4, 0, 0},
        {"", 0, 0, 0},
        {"abc", 0, 0, 0},
        {"99999999999.1", 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szVersion);
        std::uint32_t nMajor = 9, nMinor = 9, nBuild = 9;
        ParseVersionNumbers(c.szVersion, nMajor, nMinor, nBuild);
        EXPECT_EQ(nMajor, c.nMajor);
        EXPECT_EQ(nMinor, c.nMinor);
        EXPECT_EQ(nBuild, c.nBuild);
    }
}

TEST(SystemInfo, DescribesTheRunningSystem) {
    SystemDescription description;
    DescribeSystem(description);
    EXPECT_EQ(description.nLanguageId, GetUserDefaultLanguageId());
    EXPECT_TRUE(description.strText.startsWith(QSysInfo::prettyProductName() + " "));
    EXPECT_TRUE(
        description.strText.endsWith(" (" + GetLanguageText(description.nLanguageId) + ")"));
    if (QSysInfo::kernelType() == "linux") {
        EXPECT_GT(description.nMajorVersion, 2u);
    }
}

} // namespace
