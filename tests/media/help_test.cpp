#include "core/language.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/linkopening.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"
#include "tests/support/urlrecorder.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(HelpTopics, EveryTopicHasItsPageAndWindow) {
    struct Case {
        unsigned nTopic;
        const char* szPage;
        const char* szWindow;
    };
    const Case cases[] = {
        {0, "index.html", "FullScreen"},
        {1, "intro.htm", "FullScreen"},
        {3, "download.htm", "FullScreen"},
        {6, "support.htm", "FullWindowSingleTopic"},
        {7, "rel_note.htm", "ReleaseNote"},
        {10, "userguide/0_contents.htm", "FullScreen"},
        {11, "userguide/1_introduction.htm", "FullScreen"},
        {12, "userguide/2_sysreq.htm", "FullScreen"},
        {13, "userguide/3_rules.htm", "FullScreen"},
        {14, "userguide/4_pis.htm", "FullScreen"},
        {15, "userguide/5_dl.htm", "FullScreen"},
        {16, "userguide/6_checksolutions.htm", "FullScreen"},
        {17, "userguide/7_games.htm", "FullScreen"},
        {18, "userguide/8_collections.htm", "FullScreen"},
        {19, "userguide/9_cards.htm", "FullScreen"},
        {20, "userguide/10_master.htm", "FullScreen"},
        {22, "userguide/a1_irrelevant.htm", "FullScreen"},
        {23, "userguide/a2_accelkey.htm", "FullScreen"},
        // Topics without a page of their own show the index.
        {2, "index.html", "FullScreen"},
        {21, "index.html", "FullScreen"},
        {24, "index.html", "FullScreen"},
        {4000000000u, "index.html", "FullScreen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nTopic);
        const HelpTopicInfo info = GetHelpTopicInfo(c.nTopic);
        EXPECT_EQ(info.strPage, c.szPage);
        EXPECT_EQ(info.strWindow, c.szWindow);
    }
    EXPECT_EQ(GetHelpTopicNumbers().size(), 18u);
}

TEST(HelpTopics, HomePagesByLanguage) {
    SetMakerSite(QString());
    const QString strSite = GetMakerSite();
    struct Case {
        int nLanguage;
        const char* szMaker;
        const char* szProduct;
        const char* szFolder;
    };
    const Case cases[] = {
        {2052, "/index_chs.html", "/tetralyx/index_chs.html", "gb2312"},
        {1028, "/index_cht.html", "/tetralyx/index_cht.html", "big5"},
        {1033, "/", "/tetralyx", "english"},
        {1041, "/", "/tetralyx", "english"},
        {0, "/", "/tetralyx", "english"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLanguage);
        EXPECT_EQ(GetMakerHomePage(c.nLanguage), strSite + c.szMaker);
        EXPECT_EQ(GetProductHomePage(c.nLanguage), strSite + c.szProduct);
        EXPECT_EQ(GetHelpLanguageFolder(c.nLanguage), c.szFolder);
    }
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMakerSite("https://help.example.org/");
        const QString strHelp = QDir(m_folders.Scratch()).filePath("help");
        for (const char* szPage : {"english/index.html", "english/userguide/3_rules.htm",
                                   "english/rel_note.htm", "gb2312/index.html"})
            ASSERT_TRUE(CTestFolders::WriteFile(QDir(strHelp).filePath(szPage),
                                                "<html><title>t</title></html>"));
        m_store.SetBaseKey(QDir(m_folders.Home()).filePath("registry.ini"),
                           "software\\Korvane\\Tetralyx\\1.3");
        SetLanguageId(kLanguageEnglish);
    }
    void TearDown() override {
        SetMakerSite(QString());
        SetLanguageId(kLanguageEnglish);
    }
    HelpContext Context() { return {m_folders.Scratch(), m_services.Services()}; }
    // Every page the viewer was asked for, with the folder and window of the last one.
    QStringList Viewed() const {
        QStringList saViewed;
        for (const QString& strPage : m_services.help.m_saPages)
            saViewed.append(m_services.help.m_strLastFolder + " | " + strPage + " | " +
                            m_services.help.m_strLastWindow);
        return saViewed;
    }
    QString Help(const QString& strRelative) const {
        return QDir(m_folders.Scratch()).filePath("help/" + strRelative);
    }

    CTestFolders m_folders;
    FakeServices m_services;
    CUrlRecorder m_browser; // links open on the desktop directly
    CRegistryStore m_store;
    const QStringList& m_saOpened = m_services.desktop.m_saOpened;
};

TEST_F(HelpTest, ATopicOpensInTheViewerWhenItsPageIsInTheHelpSet) {
    struct Case {
        unsigned nTopic;
        int nLanguage;
        bool bInViewer;
        const char* szTarget; // help-set path, or web address after the site
        const char* szWindow;
    };
    const Case cases[] = {
        {0, 1033, true, "english/index.html", "FullScreen"},
        {13, 1033, true, "english/userguide/3_rules.htm", "FullScreen"},
        {21, 1033, true, "english/index.html", "FullScreen"},
        {0, 1041, true, "english/index.html", "FullScreen"},
        {0, 2052, true, "gb2312/index.html", "FullScreen"},
        // Pages the help set lacks come from the web, in the same language.
        {16, 1033, false, "/tetralyx/help/english/userguide/6_checksolutions.htm", "FullScreen"},
        {13, 2052, false, "/tetralyx/help/gb2312/userguide/3_rules.htm", "FullScreen"},
        {0, 1028, false, "/tetralyx/help/big5/index.html", "FullScreen"},
        {21, 1028, false, "/tetralyx/help/big5/index.html", "FullScreen"},
        {6, 1033, false, "/tetralyx/help/english/support.htm", "FullWindowSingleTopic"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nTopic) + " in " + std::to_string(c.nLanguage));
        const HelpRequest request = ResolveHelpTopic(c.nTopic, c.nLanguage, m_folders.Scratch());
        EXPECT_EQ(request.bInViewer, c.bInViewer);
        EXPECT_EQ(request.strTarget, c.bInViewer
                                         ? Help(c.szTarget)
                                         : "https://help.example.org" + QString(c.szTarget));
        if (c.bInViewer) {
            EXPECT_EQ(request.strHelpFolder, Help(QString(c.szTarget).section('/', 0, 0)));
        }
        EXPECT_EQ(request.strWindow, c.szWindow);
        EXPECT_EQ(request.bOpenMakerHomePage, false);
    }
    // Without an application folder nothing is local.
    EXPECT_FALSE(ResolveHelpTopic(0, 1033, QString()).bInViewer);
}

TEST_F(HelpTest, ShowHelpTopicUsesTheViewerOrTheBrowser) {
    EXPECT_TRUE(ShowHelpTopic(Context(), 13));
    EXPECT_EQ(Viewed(), QStringList{Help("english") + " | " +
                                    Help("english/userguide/3_rules.htm") + " | FullScreen"});
    EXPECT_TRUE(m_saOpened.isEmpty());

    // The help set of another language is missing: the web page of the same topic.
    SetLanguageId(kLanguageTraditionalChinese);
    EXPECT_TRUE(ShowHelpTopic(Context(), 13));
    EXPECT_EQ(m_saOpened,
              QStringList{"https://help.example.org/tetralyx/help/big5/userguide/3_rules.htm"});
    EXPECT_EQ(m_services.help.m_saPages.size(), 1);
}

TEST_F(HelpTest, ReleaseNotesAlsoOpenTheMakersHomePage) {
    const HelpRequest request = ResolveHelpTopic(7, 2052, m_folders.Scratch());
    EXPECT_TRUE(request.bOpenMakerHomePage);
    EXPECT_EQ(request.strMakerHomePage, "https://help.example.org/index_chs.html");
    EXPECT_FALSE(request.bInViewer);
    EXPECT_EQ(request.strWindow, "ReleaseNote");

    ShowHelpTopic(Context(), 7);
    EXPECT_EQ(m_saOpened, QStringList{"https://help.example.org/"});
    EXPECT_EQ(Viewed(), QStringList{Help("english") + " | " + Help("english/rel_note.htm") +
                                    " | ReleaseNote"});
}

TEST_F(HelpTest, TheReleaseNoteStepShowsOncePerBuild) {
    ShowReleaseNoteOnce(Context(), m_store, "2004-7-23");
    EXPECT_EQ(m_services.help.m_saPages.size(), 1);
    EXPECT_EQ(m_store.ReadText("App", "Release Note 2004-7-23", ""), "1");
    ShowReleaseNoteOnce(Context(), m_store, "2004-7-23");
    EXPECT_EQ(m_services.help.m_saPages.size(), 1);
    // Another build shows its notes again.
    ShowReleaseNoteOnce(Context(), m_store, "2004-8-1");
    EXPECT_EQ(m_services.help.m_saPages.size(), 2);
    // A stored value other than "1" does not count as seen.
    m_store.WriteText("App", "Release Note 2005-1-1", "0");
    ShowReleaseNoteOnce(Context(), m_store, "2005-1-1");
    EXPECT_EQ(m_services.help.m_saPages.size(), 3);
    EXPECT_EQ(m_saOpened.size(), 3); // the maker's home page each time
}

TEST_F(HelpTest, TheMakersSiteComesFromTheBaseConfiguration) {
    const QString strBase = QDir(m_folders.Scratch()).filePath("config/configbase.ini");
    struct Case {
        const char* szContent; // nullptr: no file
        const char* szSite;    // nullptr: the built-in site
    };
    const Case cases[] = {
        {"[BaseString]\r\nMaker Site = https://games.example.net/\r\n",
         "https://games.example.net"},
        {"[BaseString]\r\nMaker Site = http://plain.example.net\r\n", "http://plain.example.net"},
        {"[BaseString]\r\nMaker Site = ftp://files.example.net\r\n", nullptr},
        {"[BaseString]\r\nMaker Site = \r\n", nullptr},
        {"[Other]\r\nMaker Site = https://wrong.example.net\r\n", nullptr},
        {nullptr, nullptr},
    };
    SetMakerSite(QString());
    const QString strBuiltIn = GetMakerSite();
    EXPECT_TRUE(strBuiltIn.startsWith("https://"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szContent ? c.szContent : "(no file)");
        QFile::remove(strBase);
        if (c.szContent) {
            ASSERT_TRUE(CTestFolders::WriteFile(strBase, c.szContent));
        }
        LoadMakerSite(strBase);
        EXPECT_EQ(GetMakerSite(), c.szSite ? QString(c.szSite) : strBuiltIn);
    }
}

TEST_F(HelpTest, PageTitlesAreReadFromTheHead) {
    struct Case {
        const char* szContent;
        const char* szTitle;
    };
    const Case cases[] = {
        {"<html><head><TITLE>Rules &amp; rule sets</TITLE></head></html>", "Rules & rule sets"},
        {"<title lang=\"zh\">\n  游戏   规则\n</title>", "游戏 规则"},
        {"<html><body>no title</body></html>", ""},
        {"", ""},
    };
    const QString strPage = QDir(m_folders.Scratch()).filePath("page.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szContent);
        ASSERT_TRUE(CTestFolders::WriteFile(strPage, c.szContent));
        EXPECT_EQ(ReadHelpPageTitle(strPage), QString::fromUtf8(c.szTitle));
    }
    EXPECT_EQ(ReadHelpPageTitle(strPage + ".missing"), "");
}

TEST_F(HelpTest, LinkFailuresAreNamedByTheirCause) {
    const QString strFolder = m_folders.Scratch();
    ASSERT_TRUE(CTestFolders::WriteFile(strFolder + "/present.htm", "x"));
    struct Case {
        QString strAddress;
        bool bOpened;
        int nError;
    };
    const Case cases[] = {
        {strFolder + "/present.htm", true, 0},
        {QUrl::fromLocalFile(strFolder + "/present.htm").toString(), true, 0},
        {"https://help.example.org/", true, 0},
        {strFolder + "/missing.htm", false, kLinkErrorFileNotFound},
        {strFolder + "/no/such/folder/page.htm", false, kLinkErrorPathNotFound},
        {QUrl::fromLocalFile(strFolder + "/missing.htm").toString(), false, kLinkErrorFileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strAddress.toStdString());
        int nError = -1;
        EXPECT_EQ(OpenLinkAddress(c.strAddress, nError), c.bOpened);
        EXPECT_EQ(nError, c.nError);
    }
    EXPECT_EQ(m_browser.m_saOpened.size(), 3);
}

TEST(LinkErrorText, EveryErrorNumberHasItsText) {
    SetLanguageId(kLanguageEnglish);
    struct Case {
        int nError;
        const char* szText;
    };
    const Case cases[] = {
        {0, "Insufficient memory! Please quit some applications."},
        {8, "Insufficient memory! Please quit some applications."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "Can't access the specified file. Please check if the file is used or locked by some "
            "program."},
        {11, "The .EXE file is invalid. (non-Win32 .EXE or error in .EXE image."},
        {26, "A sharing violation occurred."},
        {27, "File association information not complete."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were being "
             "processed."},
        {31, "There is no application associated with the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {33, "Unknown Error (33) occurred."},
        {-4, "Unknown Error (-4) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nError);
        EXPECT_EQ(GetLinkErrorText(c.nError), c.szText);
    }
    // Texts from the table follow the language.
    SetLanguageId(kLanguageSimplifiedChinese);
    EXPECT_EQ(GetLinkErrorText(2), LocalizedText(IDS_ERROR_FILE_FILE_NOT_FOUND0));
    EXPECT_NE(GetLinkErrorText(2), "The specified file was not found.");
    SetLanguageId(kLanguageEnglish);
}

} // namespace
