#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/systeminfo.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

#include <optional>

namespace {

// Start-up with stand-ins for the services and the main window.
class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strAppFolder = QDir(m_folders.Scratch()).filePath("app");
        m_strUserFolder = QDir(m_folders.Home()).filePath("user");
        WriteShipped("config/defaultmusic.ini", "[Music]\r\nMusic On = true\r\n");
        WriteShipped("config/configbase.ini", "[BaseString]\r\nBS6 = \r\n");
        m_hooks.fnRunMainWindow = [this] {
            ++m_nMainWindows;
            if (m_fnInMainWindow) m_fnInMainWindow();
            return 0;
        };
    }
    void TearDown() override { SetLanguageId(kLanguageEnglish); }
    void WriteShipped(const QString& strRelative, const QByteArray& content) {
        ASSERT_TRUE(CTestFolders::WriteFile(QDir(m_strAppFolder).filePath(strRelative), content));
    }
    QString User(const QString& strName) const { return QDir(m_strUserFolder).filePath(strName); }
    int Run(CApplication& app) { return app.Run(m_strAppFolder, m_strUserFolder, m_hooks); }

    CTestFolders m_folders;
    QString m_strAppFolder;
    QString m_strUserFolder;
    CStartupHooks m_hooks;
    FakeServices m_services;
    std::vector<MessageRequest>& m_messages = m_services.messages.m_requests;
    int m_nMainWindows = 0;
    std::function<void()> m_fnInMainWindow;
};

TEST_F(ApplicationTest, AFirstStartCopiesTheMusicSettingsAndRunsTheMainWindow) {
    CApplication app(m_services.Services());
    QString strBuildDate;
    m_fnInMainWindow = [&] { strBuildDate = app.GetBuildDate(); };
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    EXPECT_EQ(m_nMainWindows, 1);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(strBuildDate, "2004-7-23");
    EXPECT_EQ(app.GetBuildYear(), 2004);
    EXPECT_EQ(app.GetBuildMonth(), 7);
    EXPECT_EQ(app.GetBuildDay(), 23);
    EXPECT_EQ(app.GetStringRecords(), CountStringRecords());

    EXPECT_EQ(CTestFolders::ReadFile(User("music.ini")),
              CTestFolders::ReadFile(app.GetDefaultMusicPath()));
    EXPECT_FALSE(QFileInfo::exists(User("cmf.ini")));
    EXPECT_FALSE(QFileInfo::exists(User("ctm.ini")));
    // Nothing is written beside the program.
    EXPECT_EQ(QDir(m_strAppFolder + "/config").entryList(QDir::Files).size(), 2);

    EXPECT_EQ(app.GetAppFolder(), m_strAppFolder);
    EXPECT_EQ(app.GetConfigFolder(), m_strAppFolder + "/config");
    EXPECT_EQ(app.GetBaseConfigPath(), m_strAppFolder + "/config/configbase.ini");
    EXPECT_EQ(app.GetDefaultMusicPath(), m_strAppFolder + "/config/defaultmusic.ini");
    EXPECT_EQ(app.GetMusicPath(), User("music.ini"));
    EXPECT_EQ(app.GetFavoritePath(), User("cmf.ini"));
    EXPECT_EQ(app.GetTroublePath(), User("ctm.ini"));
    EXPECT_EQ(app.GetRegistryRoot(), User("registry.ini"));
    EXPECT_EQ(app.GetRegistryKey(), "software\\Korvane\\Tetralyx\\1.3");
    EXPECT_EQ(app.GetRegistryStore().GetRoot(), User("registry.ini"));
    EXPECT_EQ(app.GetProductName(), "Tetralyx");
    EXPECT_EQ(app.GetCompanyName(), LocalizedText(IDS_KVT_COMPANY));
    EXPECT_FALSE(app.IsDebugLog());
    EXPECT_FALSE(app.GetDebugFolder().isEmpty());
    EXPECT_FALSE(app.GetDebugFolder().endsWith('/'));
}

TEST_F(ApplicationTest, TheUsersMusicSettingsAreNeverOverwritten) {
    ASSERT_TRUE(CTestFolders::WriteFile(User("music.ini"), "[Music]\r\nMusic On = false\r\n"));
    CApplication app(m_services.Services());
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    EXPECT_EQ(CTestFolders::ReadFile(User("music.ini")), "[Music]\r\nMusic On = false\r\n");
}

TEST_F(ApplicationTest, TheUsersCopyIsWritableEvenWhenTheShippedFileIsNot) {
    const QString strShipped = m_strAppFolder + "/config/defaultmusic.ini";
    ASSERT_TRUE(QFile::setPermissions(strShipped, QFile::ReadOwner | QFile::ReadGroup));
    CApplication app(m_services.Services());
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    EXPECT_TRUE(QFile::permissions(User("music.ini")) & QFile::WriteOwner);
}

TEST_F(ApplicationTest, AMissingDefaultMusicFileEndsTheProgram) {
    struct Case {
        const char* szName;
        bool bFolderInstead;
    };
    const Case cases[] = {{"missing", false}, {"a folder of that name", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_messages.clear();
        m_nMainWindows = 0;
        const QString strShipped = m_strAppFolder + "/config/defaultmusic.ini";
        QFile::remove(strShipped);
        if (c.bFolderInstead) {
            ASSERT_TRUE(QDir().mkpath(strShipped));
        }
        CApplication app(m_services.Services());
        EXPECT_EQ(Run(app), CApplication::kExitBrokenInstallation);
        EXPECT_EQ(m_nMainWindows, 0);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].strMessage, LocalizedText(IDS_ERROR_INSTALLATION_PACK_DESTROYED));
        EXPECT_EQ(m_messages[0].strMessage, "Installation pack was destroyed, please uninstall and "
                                            "reinstall your application.");
        // The program ends after the box: no help that would leave a dead window.
        EXPECT_FALSE(m_messages[0].bOfferHelp);
        EXPECT_FALSE(QFileInfo::exists(User("music.ini")));
    }
}

TEST_F(ApplicationTest, TheStartLanguageComesFromTheStoredSetting) {
    const int nSystem = GetUserDefaultLanguageId();
    const int nSystemResult = nSystem == 2052 || nSystem == 1028 ? nSystem : 1033;
    struct Case {
        std::optional<int> nStored;
        bool bStoredAsText;
        int nExpected;
    };
    const Case cases[] = {
        {2052, false, 2052},
        {1028, false, 1028},
        {1033, false, 1033},
        {1041, false, 1033},
        {0, false, 1033},
        {std::nullopt, false, nSystemResult},
        // A value of the wrong kind counts as missing.
        {2052, true, nSystemResult},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStored ? *c.nStored : -1);
        QFile::remove(User("registry.ini"));
        CRegistryStore store(User("registry.ini"), "software\\Korvane\\Tetralyx\\1.3");
        if (c.nStored && c.bStoredAsText)
            store.WriteText("Shell", "LCID", QString::number(*c.nStored));
        else if (c.nStored)
            store.WriteNumber("Shell", "LCID", *c.nStored);
        CApplication app(m_services.Services());
        std::uint32_t nSeen = 0;
        m_fnInMainWindow = [&] { nSeen = GetLanguageId(); };
        EXPECT_EQ(Run(app), CApplication::kExitOk);
        EXPECT_EQ(static_cast<int>(nSeen), c.nExpected);
        EXPECT_EQ(app.GetProductName(), QString::fromStdString(GetProductName()));
    }
}

TEST_F(ApplicationTest, ALanguageChosenLaterIsStoredAtOnce) {
    CApplication app(m_services.Services());
    m_fnInMainWindow = [&] {
        CRegistryStore* pStore = &app.GetRegistryStore();
        EXPECT_EQ(SelectLanguage(GetLanguageNames()[2], pStore), kLanguageSwitched);
        EXPECT_EQ(pStore->ReadNumber("Shell", "LCID", 0), 1028);
        EXPECT_EQ(SelectLanguage(GetLanguageNames()[1], pStore), kLanguageSwitched);
        app.RefreshNames();
    };
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    EXPECT_EQ(app.GetRegistryStore().ReadNumber("Shell", "LCID", 0), 2052);
    EXPECT_EQ(app.GetCompanyName(), LocalizedText(IDS_KVT_COMPANY));
}

TEST_F(ApplicationTest, AnUnwritableUserFolderIsToldOnceAndThePlayGoesOn) {
    // A file where the user folder's parent should be: nothing can be created there, for
    // root as for anyone.
    ASSERT_TRUE(CTestFolders::WriteFile(QDir(m_folders.Home()).filePath("blocked"), "x"));
    m_strUserFolder = QDir(m_folders.Home()).filePath("blocked/tetralyx");
    CApplication app(m_services.Services());
    bool bWritableSeen = true;
    m_fnInMainWindow = [&] { bWritableSeen = app.IsUserFolderWritable(); };
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    EXPECT_EQ(m_nMainWindows, 1);
    EXPECT_FALSE(bWritableSeen);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].strMessage,
              LocalizedText(IDS_ERROR_FILE_USER_FOLDER_NOT_WRITABLE, m_strUserFolder));
    EXPECT_TRUE(m_messages[0].strMessage.contains(m_strUserFolder));
    EXPECT_EQ(m_messages[0].nStyle, KV_MB_OK | KV_MB_ICONEXCLAMATION);

    // A writable folder says nothing.
    m_messages.clear();
    m_strUserFolder = QDir(m_folders.Home()).filePath("fine");
    CApplication fine(m_services.Services());
    EXPECT_EQ(Run(fine), CApplication::kExitOk);
    EXPECT_TRUE(fine.IsUserFolderWritable());
    EXPECT_TRUE(m_messages.empty());
}

TEST(WorldCupTitle, RecognisedInEveryLanguage) {
    struct Case {
        const char* szTitle;
        bool bWorldCup;
    };
    const Case cases[] = {
        {"Tetralyx - World Cup (Hero Level) 3/40", true},
        {"Tetralyx - 世界杯 (英雄级) 3/40", true},
        {"Tetralyx - 世界盃 (英雄級) 3/40", true},
        {"Tetralyx - 世界盃（英雄級）3/40", true},
        {"Tetralyx - 世界杯（英雄級）3/40", true},
        {"Tetralyx", false},
        {"Tetralyx - Training (Standard Level - Beginner) 1/10", false},
        {"Tetralyx - world cup", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTitle);
        EXPECT_EQ(IsWorldCupTitle(QString::fromUtf8(c.szTitle)), c.bWorldCup);
    }
}

// Another running copy that holds no lock, played by a server on its own thread.
class OtherCopy : public QThread {
public:
    explicit OtherCopy(const QString& strTitle) : m_strTitle(strTitle) {}
    void run() override {
        CInstanceServer server(GetInstanceFolder());
        if (!server.Listen()) return;
        m_strSocket = server.GetSocketPath() + ".other.sock";
        QFile::rename(server.GetSocketPath(), m_strSocket);
        server.SetPublishedTitle(m_strTitle);
        QObject::connect(&server, &CInstanceServer::CloseRequested, [this](qint64 nW, qint64 nL) {
            m_nCloseW = nW;
            m_nCloseL = nL;
        });
        m_ready.release();
        exec();
        QFile::remove(m_strSocket);
    }
    void Stop() {
        quit();
        wait();
    }
    QString m_strTitle;
    QString m_strSocket;
    QSemaphore m_ready;
    std::atomic<qint64> m_nCloseW{0};
    std::atomic<qint64> m_nCloseL{0};
};

TEST_F(ApplicationTest, NoStartWhileAnotherCopyShowsAWorldCup) {
    struct Case {
        const char* szTitle;
        int nExit;
    };
    const Case cases[] = {
        {"Tetralyx - World Cup (Standard Level) 1/40", CApplication::kExitWorldCupRunning},
        {"Tetralyx - 世界杯 (标准级) 1/40", CApplication::kExitWorldCupRunning},
        {"Tetralyx", CApplication::kExitOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTitle);
        m_messages.clear();
        m_nMainWindows = 0;
        OtherCopy other(QString::fromUtf8(c.szTitle));
        other.start();
        ASSERT_TRUE(other.m_ready.tryAcquire(1, 5000));
        {
            CApplication app(m_services.Services());
            EXPECT_EQ(Run(app), c.nExit);
        }
        other.Stop();
        if (c.nExit == CApplication::kExitOk) {
            EXPECT_EQ(m_nMainWindows, 1);
            EXPECT_TRUE(m_messages.empty());
            continue;
        }
        EXPECT_EQ(m_nMainWindows, 0);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].strMessage,
                  LocalizedText(IDS_DIALOG_MAIN_PROMPT_DENY_START_DURING_WORLD_CUP, "Tetralyx"));
        EXPECT_EQ(m_messages[0].strMessage,
                  "You can't open new \"Tetralyx\" while World Cup Game is in progress!");
        EXPECT_EQ(m_messages[0].strCaption, LocalizedText(IDS_DIALOG_MAIN_PROMPT_DENY_NEW_CAPTION));
        EXPECT_FALSE(m_messages[0].bOfferHelp);
    }
}

TEST_F(ApplicationTest, ASecondStartRaisesTheFirstAndEndsSilently) {
    CApplication first(m_services.Services());
    m_fnInMainWindow = [&] {
        // The first copy is running its main window now; a second one starts.
        std::vector<MessageRequest> messagesBefore = m_messages;
        CApplication second(m_services.Services());
        int nSecondWindows = 0;
        CStartupHooks hooks = m_hooks;
        hooks.fnRunMainWindow = [&] { return ++nSecondWindows, 0; };
        EXPECT_EQ(second.Run(m_strAppFolder, m_strUserFolder, hooks), CApplication::kExitOk);
        EXPECT_EQ(nSecondWindows, 0);
        EXPECT_EQ(m_messages.size(), messagesBefore.size());
        // The raise reaches the first copy's link; with no window listening it waits there.
        for (int n = 0; n < 100 && !first.GetInstanceServer()->TakePendingRaise(); ++n) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            ASSERT_LT(n, 99) << "no raise request arrived";
        }
    };
    EXPECT_EQ(Run(first), CApplication::kExitOk);
    EXPECT_EQ(m_nMainWindows, 1);
}

TEST_F(ApplicationTest, EnumInstancesCountsAndClosesTheOthers) {
    OtherCopy other("Tetralyx");
    other.start();
    ASSERT_TRUE(other.m_ready.tryAcquire(1, 5000));
    CApplication app(m_services.Services());
    QObject window;
    m_fnInMainWindow = [&] {
        EXPECT_EQ(app.EnumInstances(0), 1); // no main window registered yet
        app.SetMainWindow(&window);
        EXPECT_EQ(app.EnumInstances(0), 2);
        EXPECT_EQ(other.m_nCloseW, 0);
        EXPECT_EQ(app.EnumInstances(1), 2);
        for (int n = 0; n < 200 && other.m_nCloseW == 0; ++n)
            QThread::msleep(10);
        EXPECT_EQ(other.m_nCloseW, 1);
        EXPECT_EQ(other.m_nCloseL, 2);
    };
    EXPECT_EQ(Run(app), CApplication::kExitOk);
    other.Stop();
}

} // namespace
