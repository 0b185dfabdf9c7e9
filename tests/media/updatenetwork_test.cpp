// The update check and download over real HTTP against a server of the test's own on
// 127.0.0.1: information file variants, the question, a denial, the daily limit, a download
// with progress under a free name, a cancel, a dropped connection and a hostile address.
#include "core/httpfetcher.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/updatecheck.h"
#include "media/updatedownload.h"
#include "tests/media/localhttpserver.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <optional>

namespace {

QByteArray ReadWhole(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Generous: the limit only stops a broken test, it is never what a test measures.
bool WaitFor(const std::function<bool()>& fnDone) {
    QDeadlineTimer deadline(30000);
    while (!fnDone() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return fnDone();
}

class UpdateOverHttp : public ::testing::Test {
protected:
    UpdateOverHttp() {
        m_fakes.clock.SetNow(QDateTime(QDate(2026, 3, 10), QTime(9, 0)));
        m_services = m_fakes.Services();
        m_services.pNetwork = &m_http;
    }

    UpdateCheckContext Context() {
        UpdateCheckContext context;
        context.services = m_services;
        context.pStore = &m_store;
        context.strInfoAddress = m_server.Url("/tetralyx/download/updtinfo.txt");
        context.strMakerHomePage = "https://maker.example/";
        context.strProductHomePage = "https://maker.example/tetralyx";
        context.strProductName = "Tetralyx";
        context.strCompanyName = "Korvane Studio";
        context.strCurrentBuild = "2004-7-23";
        context.fnRunDownload = [this](const UpdateOffer& offer) {
            m_offers.push_back(offer);
            return m_bInstallerStarts;
        };
        return context;
    }

    // Runs one check to its end; the answer: the program must close.
    std::optional<bool> RunCheck(const UpdateCheckContext& context) {
        CUpdateCheck check(context);
        std::optional<bool> result;
        check.CheckForUpdate([&result](bool bMustClose) { result = bMustClose; });
        WaitFor([&result] { return result.has_value(); });
        return result;
    }

    void ServeInfo(const QByteArray& baText) {
        m_server.m_routes["/tetralyx/download/updtinfo.txt"] = LocalRoute{baText};
    }

    CTestFolders m_folders;
    CRegistryStore m_store{m_folders.Home() + "/registry.ini", "software\\Korvane\\Tetralyx\\1.3"};
    CLocalHttpServer m_server;
    CHttpFetcher m_http;
    FakeServices m_fakes;
    CServices m_services;
    std::vector<UpdateOffer> m_offers;
    bool m_bInstallerStarts = false;
};

TEST_F(UpdateOverHttp, InformationFileVariants) {
    ASSERT_TRUE(m_server.IsListening());
    struct Case {
        QByteArray baText;
        bool bAsked;
        const char* szVersion;
        const char* szBuild;
    };
    const QByteArray baUrl = "URL = " + m_server.Url("/dl/setup.exe").toUtf8() + "\r\n";
    const Case cases[] = {
        {"Version = 1.4\r\nBuild = 2005-1-9\r\n" + baUrl, true, "1.4", "2005-01-09"},
        {"Version=1.4\r\nBuild=05-1-9\r\n" + baUrl, true, "1.4", "2005-01-09"},
        {"Version 1.4\nBuild 2004-8-1\n" + baUrl, true, "1.4", "2004-08-01"},
        {"; Build = 2009-1-1\r\nBuild = 2004-7-23\r\n" + baUrl, false, "", ""}, // same build
        {"Build = 2004-8-1\r\nBuild = 2004-7-1\r\n" + baUrl, false, "", ""},    // later line wins
        {"Build = 2021-1-1\r\n" + baUrl, false, "", ""},
        {"Version = 1.4\r\nBuild = 2005-2-30\r\n" + baUrl, false, "", ""},
        {"<html>not found</html>", false, "", ""},
        {"Build = 2005-1-9\r\n" + QByteArray(70 * 1024, ';'), false, "", ""}, // above the cap
    };
    QDate day(2026, 1, 1);
    for (const Case& c : cases) {
        day = day.addDays(7); // past the denial of the case before
        m_fakes.clock.SetNow(QDateTime(day, QTime(9, 0)));
        ServeInfo(c.baText);
        m_fakes.messages.m_requests.clear();
        m_fakes.messages.m_nDefaultResult = KV_IDNO;
        const auto result = RunCheck(Context());
        ASSERT_TRUE(result.has_value()) << c.baText.left(40).constData();
        EXPECT_FALSE(*result);
        ASSERT_EQ(m_fakes.messages.m_requests.size(), c.bAsked ? 2u : 0u)
            << c.baText.left(40).constData();
        if (!c.bAsked) continue;
        const QString strQuestion = m_fakes.messages.m_requests[0].strMessage;
        EXPECT_TRUE(strQuestion.contains(LocalizedText(IDS_DIALOG_LVUD_VERSION, c.szVersion)))
            << strQuestion.toStdString();
        EXPECT_TRUE(strQuestion.contains(LocalizedText(IDS_DIALOG_LVUD_BUILD, c.szBuild)))
            << strQuestion.toStdString();
        EXPECT_EQ(m_fakes.messages.m_requests[0].nStyle & 0xF, KV_MB_YESNO);
    }
}

TEST_F(UpdateOverHttp, DeclinedWaitsFiveDaysAndADayHasOneRequest) {
    ServeInfo("Build = 2005-1-9\r\nURL = " + m_server.Url("/dl/setup.exe").toUtf8());
    m_fakes.messages.m_nDefaultResult = KV_IDNO;
    ASSERT_EQ(RunCheck(Context()), std::optional<bool>(false));
    EXPECT_EQ(m_server.m_requests.size(), 1);
    ASSERT_EQ(m_fakes.messages.m_requests.size(), 2u);
    EXPECT_EQ(m_fakes.messages.m_requests[1].strMessage,
              LocalizedText(IDS_DIALOG_LVUD_ALTERNATE_CHOICE, "Tetralyx", "Korvane Studio"));
    EXPECT_EQ(m_store.ReadText("AutoDetect", "Last Deny", ""), "2026-3-10");

    // The same day again, then three days later: no request.
    for (const QDate& day : {QDate(2026, 3, 10), QDate(2026, 3, 13)}) {
        m_fakes.clock.SetNow(QDateTime(day, QTime(9, 0)));
        ASSERT_EQ(RunCheck(Context()), std::optional<bool>(false));
        EXPECT_EQ(m_server.m_requests.size(), 1) << day.toString().toStdString();
    }
    // Six days after the denial the check runs again.
    m_fakes.clock.SetNow(QDateTime(QDate(2026, 3, 16), QTime(9, 0)));
    ASSERT_EQ(RunCheck(Context()), std::optional<bool>(false));
    EXPECT_EQ(m_server.m_requests.size(), 2);
    EXPECT_TRUE(m_offers.empty());
}

TEST_F(UpdateOverHttp, AgreeingOpensTheDownloadAndAStartedInstallerClosesTheProgram) {
    ServeInfo("Version = 1.4\nBuild = 2005-1-9\nURL = " + m_server.Url("/dl/setup.exe").toUtf8());
    m_fakes.messages.m_nDefaultResult = KV_IDYES;
    m_bInstallerStarts = true;
    ASSERT_EQ(RunCheck(Context()), std::optional<bool>(true));
    ASSERT_EQ(m_offers.size(), 1u);
    EXPECT_EQ(m_offers[0].strInstallerUrl, m_server.Url("/dl/setup.exe"));
    EXPECT_EQ(m_fakes.desktop.m_saOpened, QStringList{"https://maker.example/"});

    // An address that is a web page goes to the browser, with no download.
    m_fakes.clock.SetNow(QDateTime(QDate(2026, 3, 11), QTime(9, 0)));
    ServeInfo("Build = 2005-1-9\nURL = " + m_server.Url("/dl/news.html").toUtf8());
    m_fakes.desktop.m_saOpened.clear();
    ASSERT_EQ(RunCheck(Context()), std::optional<bool>(false));
    EXPECT_EQ(m_offers.size(), 1u);
    EXPECT_EQ(m_fakes.desktop.m_saOpened,
              (QStringList{"https://maker.example/", "https://maker.example/tetralyx"}));
}

TEST_F(UpdateOverHttp, NoAddressNoCheckNoRequest) {
    UpdateCheckContext context = Context();
    context.strInfoAddress.clear();
    ASSERT_EQ(RunCheck(context), std::optional<bool>(false));
    EXPECT_TRUE(m_server.m_requests.isEmpty());
    EXPECT_EQ(m_store.ReadText("AutoDetect", "Last Try", "none"), "none");
}

class DownloadOverHttp : public UpdateOverHttp {
protected:
    DownloadOverHttp() { QDir().mkpath(SaveFolder()); }
    QString SaveFolder() const { return m_folders.Scratch() + "/downloads"; }
    QStringList SavedFiles() const {
        return QDir(SaveFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // Runs until the transfer is idle again.
    void WaitIdle(CUpdateDownload& download) {
        EXPECT_TRUE(WaitFor([&download] { return !download.IsTransferring(); }));
    }
};

TEST_F(DownloadOverHttp, ProgressAndAFreeName) {
    QByteArray baInstaller(300 * 1024, 'x');
    baInstaller[0] = 'M';
    m_server.m_routes["/dl/setup.exe"] = LocalRoute{baInstaller};
    for (const char* szName : {"setup.exe", "setup(1).exe"}) {
        QFile file(SaveFolder() + "/" + szName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    CUpdateDownload download(m_server.Url("/dl/setup.exe"), m_http, m_fakes.desktop, m_fakes.clock);
    QStringList saStatus;
    download.fnChanged = [&] {
        if (saStatus.isEmpty() || saStatus.back() != download.GetStatusText())
            saStatus.push_back(download.GetStatusText());
    };
    ASSERT_TRUE(download.Start(SaveFolder() + "/setup.exe", true));
    WaitIdle(download);
    EXPECT_EQ(saStatus.front(), LocalizedText(IDS_DIALOG_LVUD_REQUEST_FILE));
    EXPECT_TRUE(saStatus.contains(LocalizedText(IDS_DIALOG_LVUD_DOWNLOADING) + " 300 KB/300 KB"))
        << saStatus.join('|').toStdString();
    EXPECT_TRUE(saStatus.contains(LocalizedText(IDS_DIALOG_LVUD_START_INSTALLATION)));
    EXPECT_EQ(saStatus.back(), LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_COMPLETE));
    EXPECT_EQ(download.GetProgressMax(), baInstaller.size());
    const QString strSaved = SaveFolder() + "/setup(2).exe";
    EXPECT_EQ(download.GetSavedPath(), strSaved);
    EXPECT_EQ(SavedFiles(), (QStringList{"setup(1).exe", "setup(2).exe", "setup.exe"}));
    EXPECT_EQ(ReadWhole(strSaved), baInstaller);
    EXPECT_EQ(m_fakes.desktop.m_saOpened, QStringList{strSaved});
    EXPECT_TRUE(download.IsInstallationStarted());
}

TEST_F(DownloadOverHttp, NoLengthShowsNoPercentageUntilTheEnd) {
    m_server.m_routes["/dl/pkg.deb"] = LocalRoute{QByteArray(3 << 20, 'p'), 200, false};
    CUpdateDownload download(m_server.Url("/dl/pkg.deb"), m_http, m_fakes.desktop, m_fakes.clock);
    QStringList saPercent;
    download.fnChanged = [&] { saPercent.push_back(download.GetPercentText()); };
    ASSERT_TRUE(download.Start(SaveFolder() + "/pkg.deb", false));
    WaitIdle(download);
    EXPECT_EQ(download.GetStatusText(), LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_COMPLETE));
    for (const QString& strPercent : saPercent)
        EXPECT_TRUE(strPercent.isEmpty() || strPercent == "0%" || strPercent == "100%")
            << strPercent.toStdString();
    EXPECT_EQ(SavedFiles(), QStringList{"pkg.deb"});
    EXPECT_TRUE(m_fakes.desktop.m_saOpened.isEmpty());
}

TEST_F(DownloadOverHttp, FailuresLeaveNoFileAndAnIdleDialog) {
    // Cut off after a part; an error page; a stalled transfer that the player stops.
    m_server.m_routes["/dl/drop.exe"] =
        LocalRoute{QByteArray(100000, 'd'), 200, true, -1, 1000, true};
    m_server.m_routes["/dl/stall.exe"] =
        LocalRoute{QByteArray(100000, 's'), 200, true, -1, 1000, false};
    for (const char* szPath : {"/dl/drop.exe", "/dl/missing.exe", "/dl/stall.exe"}) {
        const bool bStall = QByteArray(szPath) == "/dl/stall.exe";
        CUpdateDownload download(m_server.Url(szPath), m_http, m_fakes.desktop, m_fakes.clock);
        ASSERT_TRUE(download.Start(SaveFolder() + "/" + download.GetFileName(), true)) << szPath;
        if (bStall) {
            // Stopped while the server holds the transfer open.
            ASSERT_TRUE(WaitFor([&] { return m_server.m_requests.contains("/dl/stall.exe"); }));
            download.Stop();
        }
        WaitIdle(download);
        if (bStall)
            EXPECT_EQ(download.GetStatusText(), LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_CANCELED));
        else
            EXPECT_FALSE(download.GetStatusText().isEmpty()) << szPath;
        EXPECT_NE(download.GetStatusText(), LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_COMPLETE))
            << szPath;
        EXPECT_FALSE(download.IsInstallationStarted()) << szPath;
        EXPECT_TRUE(SavedFiles().isEmpty()) << szPath;
    }
    EXPECT_TRUE(m_fakes.desktop.m_saOpened.isEmpty());
}

TEST_F(DownloadOverHttp, HostileAddressStaysInTheChosenFolder) {
    m_server.m_routes["/dl/..%2F..%2Fx.exe"] = LocalRoute{"payload"};
    CUpdateDownload download(m_server.Url("/dl/..%2F..%2Fx.exe"), m_http, m_fakes.desktop,
                             m_fakes.clock);
    EXPECT_EQ(download.GetFileName(), "x.exe");
    ASSERT_TRUE(download.Start(SaveFolder(), false)); // the folder itself
    WaitIdle(download);
    EXPECT_EQ(download.GetStatusText(), LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_COMPLETE));
    EXPECT_EQ(SavedFiles(), QStringList{"x.exe"});
    EXPECT_FALSE(QFile::exists(m_folders.Scratch() + "/x.exe"));
    EXPECT_FALSE(QFile::exists(QDir::currentPath() + "/x.exe"));
}

} // namespace
