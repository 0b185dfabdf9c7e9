// The decisions of the update check: dates, the information file, the newer rule, when a
// check is due, byte counts and the names a download may take.
#include "core/registrystore.h"
#include "media/updaterules.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QSet>

#include <string>

namespace {

TEST(UpdateRules, ParseDateText) {
    struct Case {
        const char* szText;
        bool bOk;
        int nYear, nMonth, nDay;
    };
    const Case cases[] = {
        {"04-6-5", true, 2004, 6, 5},
        {"2004-06-05", true, 2004, 6, 5},
        {"2004 - 7 - 23", true, 2004, 7, 23},
        {"2004--7--23", true, 2004, 7, 23},
        {"2005-12-31", true, 2005, 12, 31},
        {"2004-2-29", true, 2004, 2, 29},
        {"2005-2-29", false, 0, 0, 0},
        {"2004-13-1", false, 0, 0, 0},
        {"2004-0-1", false, 0, 0, 0},
        {"2004-001-1", false, 0, 0, 0},
        {"2004-6", false, 0, 0, 0},
        {"2004-6-", false, 0, 0, 0},
        {"4-6-5", false, 0, 0, 0},
        {"204-6-5", false, 0, 0, 0},
        {"20x4-6-5", false, 0, 0, 0},
        {"2004-+6-5", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"   ", false, 0, 0, 0},
        {"2004-6-5-1", false, 0, 0, 0},
        {"2004-00-5", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        BuildDate date{-1, -1, -1};
        EXPECT_EQ(CUpdateRules::ParseDateText(QString::fromUtf8(c.szText), date), c.bOk)
            << c.szText;
        if (c.bOk) {
            EXPECT_EQ(date.nYear, c.nYear) << c.szText;
            EXPECT_EQ(date.nMonth, c.nMonth) << c.szText;
            EXPECT_EQ(date.nDay, c.nDay) << c.szText;
        } else {
            EXPECT_EQ(date.nYear, -1) << c.szText; // untouched on failure
        }
    }
}

TEST(UpdateRules, ParseUpdateInfo) {
    struct Case {
        const char* szText;
        const char* szVersion;
        const char* szBuild;
        const char* szUrl;
    };
    const Case cases[] = {
        {"Version = 1.4\r\nBuild = 2005-1-9\r\nURL = http://h/setup.exe", "1.4", "2005-1-9",
         "http://h/setup.exe"},
        {"Version=1.4\nBuild=05-1-9\nURL=http://h/a.exe", "1.4", "05-1-9", "http://h/a.exe"},
        {"Version 1.4\n  build\t2005-1-9  \nurl  http://h/a.exe", "1.4", "2005-1-9",
         "http://h/a.exe"},
        {"; Version = 9.9\nVersion = 1.4", "1.4", "", ""},
        {"Version = 1.4\nVersion = 1.5\nBuild = 1\nBuild = 2005-2-2", "1.5", "2005-2-2", ""},
        {"Something = 1\nVersions = 2", "2", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const UpdateInfo info = CUpdateRules::ParseUpdateInfo(QString::fromUtf8(c.szText));
        EXPECT_EQ(info.strVersion, QString::fromUtf8(c.szVersion)) << c.szText;
        EXPECT_EQ(info.strBuild, QString::fromUtf8(c.szBuild)) << c.szText;
        EXPECT_EQ(info.strUrl, QString::fromUtf8(c.szUrl)) << c.szText;
    }
}

TEST(UpdateRules, NewerBuild) {
    const BuildDate current{2004, 7, 23};
    struct Case {
        BuildDate build;
        bool bNewer;
    };
    const Case cases[] = {
        {{2004, 7, 23}, false}, {{2004, 7, 24}, true},  {{2004, 8, 1}, true},
        {{2005, 1, 1}, true},   {{2004, 7, 22}, false}, {{2003, 12, 31}, false},
        {{2020, 12, 31}, true}, {{2021, 1, 1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUpdateRules::IsNewerBuild(c.build, current), c.bNewer) << c.build.nYear;
}

TEST(UpdateRules, InfoAddress) {
    const QString strSite = QStringLiteral("https://www.example.org");
    struct Case {
        const char* szBs6;
        const char* szSite;
        const char* szAddress;
    };
    const Case cases[] = {
        {"", "https://www.example.org", "https://www.example.org/tetralyx/download/updtinfo.txt"},
        {"net", "https://www.example.org",
         "https://www.example.org/tetralyx/download/updt_net.txt"},
        {"", "", ""},
        {"net", "", ""},
        {"N/A", "https://www.example.org", ""},
        {"../x", "https://www.example.org", ""},
        {"a b", "https://www.example.org", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUpdateRules::GetUpdateInfoAddress(QString::fromUtf8(c.szBs6),
                                                     QString::fromUtf8(c.szSite)),
                  QString::fromUtf8(c.szAddress))
            << c.szBs6 << " " << c.szSite;
}

TEST(UpdateRules, CheckIsDueOnceADayAndFiveDaysAfterADenial) {
    const QDate today(2026, 3, 10);
    struct Case {
        const char* szLastTry;
        const char* szLastDeny;
        bool bDue;
    };
    const Case cases[] = {
        {"", "", true},
        {"2026-3-10", "", false},        // tried today already
        {"2026-3-9", "", true},          // yesterday
        {"2026-03-10", "", true},        // not the stored form: checked again
        {"2026-3-9", "2026-3-7", false}, // declined three days ago
        {"2026-3-9", "2026-3-5", false}, // five days ago
        {"2026-3-9", "2026-3-4", true},  // six days ago
        {"2026-3-9", "2026-3-12", true}, // a date after today does not hold the check back
        {"2026-3-9", "rubbish", true},
    };
    for (const Case& c : cases) {
        CTestFolders folders;
        CRegistryStore store(folders.Home() + "/registry.ini", "software\\Korvane\\Tetralyx\\1.3");
        if (*c.szLastTry) store.WriteText("AutoDetect", "Last Try", c.szLastTry);
        if (*c.szLastDeny) store.WriteText("AutoDetect", "Last Deny", c.szLastDeny);
        EXPECT_EQ(CUpdateRules::IsCheckDue(store, today), c.bDue) << c.szLastTry << c.szLastDeny;
        // Tried today in every case, also when a denial holds the check back.
        EXPECT_EQ(store.ReadText("AutoDetect", "Last Try", ""), "2026-3-10");
        EXPECT_FALSE(CUpdateRules::IsCheckDue(store, today)) << "a second start the same day";
    }
}

TEST(UpdateRules, FormatByteCount) {
    struct Case {
        std::uint64_t nBytes;
        const char* szText;
    };
    const Case cases[] = {
        {0, "0 Bytes"},        {1023, "1023 Bytes"},  {1024, "1.00 KB"},
        {1536, "1.50 KB"},     {10239, "9.99 KB"},    {10240, "10.0 KB"},
        {20480, "20.0 KB"},    {102399, "99.9 KB"},   {102400, "100 KB"},
        {1048575, "1023 KB"},  {1048576, "1.00 MB"},  {5242880, "5.00 MB"},
        {10485760, "10.0 MB"}, {104857600, "100 MB"}, {5368709120ULL, "5120 MB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUpdateRules::FormatByteCount(c.nBytes), QString::fromUtf8(c.szText)) << c.nBytes;
}

TEST(UpdateRules, PercentNeverDividesByZeroOrOverflows) {
    struct Case {
        std::int64_t nReceived, nTotal;
        int nPercent;
    };
    const Case cases[] = {
        {0, 0, 0},
        {500, 0, 0},
        {500, -1, 0},
        {0, 1000, 0},
        {250, 1000, 25},
        {999, 1000, 99},
        {1000, 1000, 100},
        {2000, 1000, 100},
        {30000000, 40000000, 75}, // above 21 MB: 32 bits would overflow
        {4000000000LL, 8000000000LL, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUpdateRules::Percent(c.nReceived, c.nTotal), c.nPercent) << c.nReceived;
}

TEST(UpdateRules, SafeFileNameAndDownloadable) {
    struct Case {
        std::string strAddress;
        std::string strName;
        bool bDownloadable;
    };
    const std::string strLong(199, 'y'), strCut(194, 'y');
    const Case cases[] = {
        {"http://h/dl/setup.exe", "setup.exe", true},
        {"https://h/dl/tetralyx_1.4_amd64.deb", "tetralyx_1.4_amd64.deb", true},
        {"http://h/dl/../../x.exe", "x.exe", true},
        {"http://h/dl/..%2F..%2Fx.exe", "x.exe", true},
        {"http://h/dl/..%5C..%5Cx.exe", "x.exe", true},
        {"http://h/dl/%2E%2E", "", false},
        {"http://h/dl/a%0Ab%09c.exe", "abc.exe", true},
        {"http://h/dl/.hidden.exe", "hidden.exe", true},
        {"http://h/dl/", "", false},
        {"http://h/tetralyx/index.html", "index.html", false},
        {"http://h/tetralyx", "tetralyx", false},
        {"ftp://h/setup.exe", "setup.exe", false},
        {"file:///etc/passwd.exe", "passwd.exe", false},
        // Neither the cut to 200 characters nor a blank that trimming removes may uncover a dot.
        {"http://h/dl/" + std::string(60, 'x') + "." + strLong, strLong, false},
        {"http://h/dl/" + std::string(60, 'x') + ". " + strCut + ".exe", strCut + ".exe", true},
        {"http://h/dl/%C2%A0.hidden.exe", "hidden.exe", true},
        {"http://h/dl/%E3%80%80..%20.x.exe", "x.exe", true},
    };
    for (const Case& c : cases) {
        const QString strUrl = QString::fromStdString(c.strAddress);
        EXPECT_EQ(CUpdateRules::SafeFileName(strUrl), QString::fromStdString(c.strName))
            << c.strAddress;
        EXPECT_EQ(CUpdateRules::IsDownloadable(strUrl), c.bDownloadable) << c.strAddress;
    }
}

TEST(UpdateRules, FreeNameAndChosenExtension) {
    const QSet<QString> taken = {"/d/setup.exe", "/d/setup(1).exe", "/d/pkg.deb"};
    const auto fnExists = [&taken](const QString& strPath) { return taken.contains(strPath); };
    EXPECT_EQ(CUpdateRules::FindFreeName("/d", "setup.exe", fnExists), "/d/setup(2).exe");
    EXPECT_EQ(CUpdateRules::FindFreeName("/d", "pkg.deb", fnExists), "/d/pkg(1).deb");
    EXPECT_EQ(CUpdateRules::FindFreeName("/d", "new.exe", fnExists), "/d/new.exe");
    EXPECT_EQ(CUpdateRules::FindFreeName("/e", "setup.exe", fnExists), "/e/setup.exe");

    EXPECT_EQ(CUpdateRules::AddMissingExtension("/d/mysetup", "setup.exe"), "/d/mysetup.exe");
    EXPECT_EQ(CUpdateRules::AddMissingExtension("/d/mine.bin", "setup.exe"), "/d/mine.bin");
    EXPECT_EQ(CUpdateRules::AddMissingExtension("/d.x/mine", "pkg.deb"), "/d.x/mine.deb");
}

} // namespace
