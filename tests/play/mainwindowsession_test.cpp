// The main window's duties without a window: the application's main window, the title other
// copies read, the release notes once per session, the language switch.
#include "core/application.h"
#include "core/language.h"
#include "core/registrystore.h"
#include "play/mainwindowsession.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class MainWindowSessionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pServices;
    std::unique_ptr<CApplication> m_pApp;

    void Configure(const QString& strUserFolder) {
        const QString strAppFolder = m_pFolders->Scratch();
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/config/defaultmusic.ini", "[Music]\r\n"));
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/help/english/rel_note.htm", "<p>x</p>"));
        m_pApp = std::make_unique<CApplication>(m_pServices->Services());
        QCOMPARE(m_pApp->Configure(strAppFolder, strUserFolder), CApplication::ConfigResult::Ok);
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pServices = std::make_unique<FakeServices>();
        SetLanguageId(kLanguageEnglish);
    }
    void cleanup() {
        SetLanguageId(kLanguageEnglish);
        m_pApp.reset();
        m_pServices.reset();
        m_pFolders.reset();
    }

    void theSessionOwnsTheMainWindowAndItsPublishedTitle() {
        Configure(m_pFolders->Home());
        CInstanceServer* pServer = m_pApp->GetInstanceServer();
        QObject window;
        {
            CMainWindowSession session(*m_pApp, &window);
            QCOMPARE(m_pApp->GetMainWindow(), &window);
            QCOMPARE(pServer->GetPublishedTitle(), QString());
            session.OnShown("Tetralyx");
            QCOMPARE(pServer->GetPublishedTitle(), QString("Tetralyx"));
            session.PublishTitle("Tetralyx - World Cup (Standard Level) 1/40");
            QCOMPARE(pServer->GetPublishedTitle(),
                     QString("Tetralyx - World Cup (Standard Level) 1/40"));
            session.OnClosed();
            QCOMPARE(pServer->GetPublishedTitle(), QString());
            session.PublishTitle("Tetralyx");
        }
        // A window gone is neither the main window nor anything others can read.
        QCOMPARE(m_pApp->GetMainWindow(), nullptr);
        QCOMPARE(pServer->GetPublishedTitle(), QString());
    }

    // The release notes come once per session, also where the store cannot keep that they
    // were shown; the player hears about the folder once, at the start.
    void releaseNotesOncePerSessionWhateverTheStore_data() {
        QTest::addColumn<bool>("bWritable");
        QTest::newRow("writable") << true;
        QTest::newRow("unwritable") << false;
    }
    void releaseNotesOncePerSessionWhateverTheStore() {
        QFETCH(bool, bWritable);
        QString strUser = m_pFolders->Home();
        if (!bWritable) {
            QVERIFY(CTestFolders::WriteFile(m_pFolders->Home() + "/blocked", "x"));
            strUser += "/blocked/tetralyx";
        }
        Configure(strUser);
        QCOMPARE(m_pApp->IsUserFolderWritable(), bWritable);
        QCOMPARE(m_pServices->messages.m_requests.size(), size_t(bWritable ? 0 : 1));
        QObject window;
        CMainWindowSession session(*m_pApp, &window);
        for (int nShow = 0; nShow < 3; ++nShow) {
            session.OnShown("Tetralyx");
            m_pServices->clock.Advance(CMainWindowSession::kReleaseNoteDelayMs);
        }
        QCOMPARE(m_pServices->help.m_saPages.size(), 1);
        QCOMPARE(m_pServices->help.m_strLastWindow, kHelpWindowReleaseNote);
        QCOMPARE(m_pApp->GetRegistryStore().ReadText("App", "Release Note 2004-7-23", ""),
                 QString(bWritable ? "1" : ""));
        QCOMPARE(m_pServices->messages.m_requests.size(), size_t(bWritable ? 0 : 1));
    }

    void theLanguageSwitchStoresAndRenames() {
        Configure(m_pFolders->Home());
        QObject window;
        CMainWindowSession session(*m_pApp, &window);
        struct Case {
            int nIndex;
            bool bRelabel; // also for the current language
            std::uint32_t nLanguage;
            int nMenuIndex;
        };
        const Case cases[] = {
            {1, true, kLanguageSimplifiedChinese, 1},    {1, true, kLanguageSimplifiedChinese, 1},
            {2, true, kLanguageTraditionalChinese, 2},   {3, false, kLanguageTraditionalChinese, 2},
            {-1, false, kLanguageTraditionalChinese, 2}, {0, true, kLanguageEnglish, 0}};
        for (const Case& c : cases) {
            QCOMPARE(session.SelectLanguage(c.nIndex), c.bRelabel);
            QCOMPARE(GetLanguageId(), c.nLanguage);
            QCOMPARE(CMainWindowSession::GetLanguageIndex(), c.nMenuIndex);
            QCOMPARE(m_pApp->GetRegistryStore().ReadNumber("Shell", "LCID", 0),
                     static_cast<int>(c.nLanguage));
            QCOMPARE(m_pApp->GetCompanyName(), QString::fromStdString(GetCompanyName()));
        }
    }
};

QTEST_MAIN(MainWindowSessionTest)
#include "mainwindowsession_test.moc"
