#include "core/completelistlogic.h"

#include "core/registrystore.h"
#include "core/stringtable.h"
#include "tests/core/testenvironment.h"
#include "tests/support/fakeservices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kTemplate =
    "<title>%RULENAME%</title>%Q_COUNT% %HS_COUNT% %NS_COUNT%\n%GRANDLIST%";

class CompleteListLogicTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_appFolder.isValid() && m_userFolder.isValid());
        for (const char* szFolder : {"english", "gb2312", "big5"}) {
            QDir(m_appFolder.path()).mkpath(QStringLiteral("doc/") + szFolder);
            WriteWholeFile(
                m_appFolder.filePath(QStringLiteral("doc/%1/grandlist.htm").arg(szFolder)),
                QByteArray(szFolder) + kTemplate);
        }
        m_services.pMessages = &m_messages;
        m_services.pDesktop = &m_desktop;
        m_services.pClock = &m_clock;
        m_clock.SetNow(QDateTime::currentDateTime());
        m_registry.SetBaseKey(m_userFolder.filePath("registry.ini"), "software\\test");
    }

    CCompleteListLogic MakeLogic(int nColumn = kColumnEnglish) {
        return CCompleteListLogic(m_registry, m_services, m_appFolder.path(), m_userFolder.path(),
                                  nColumn);
    }

    // A page left from earlier, written nDaysAgo days before now.
    void PlaceOldPage(const QString& strPath, int nDaysAgo) {
        QDir().mkpath(QFileInfo(strPath).path());
        ASSERT_TRUE(WriteWholeFile(strPath, "old page"));
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(m_clock.Now().addDays(-nDaysAgo), QFileDevice::FileModificationTime));
    }

    QTemporaryDir m_appFolder;
    QTemporaryDir m_userFolder;
    CRegistryStore m_registry;
    FakeMessagePresenter m_messages;
    FakeDesktopOpener m_desktop;
    FakeClock m_clock;
    CServices m_services;
};

} // namespace

TEST(CompleteListAge, ByTheTimeThePageWasWritten) {
    const QDateTime now(QDate(2026, 6, 1), QTime(12, 0));
    const struct {
        QDateTime written;
        ExistingPageAction action;
    } cases[] = {
        {now, ExistingPageAction::Show},
        {now.addDays(-3), ExistingPageAction::Show},
        {now.addDays(-7), ExistingPageAction::Show},
        {now.addDays(-7).addSecs(-1), ExistingPageAction::Ask},
        {now.addDays(-30), ExistingPageAction::Ask},
        {now.addDays(-90), ExistingPageAction::Ask},
        {now.addDays(-90).addSecs(-1), ExistingPageAction::Recalculate},
        {now.addDays(-100), ExistingPageAction::Recalculate},
        {now.addSecs(60), ExistingPageAction::Recalculate},
        {QDateTime(), ExistingPageAction::Recalculate},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CCompleteListLogic::DecidePageAge(c.written, now), c.action)
            << c.written.toString().toStdString();
}

TEST_F(CompleteListLogicTest, AgedPagesShownAskedOrRemade) {
    const struct {
        int nDaysAgo;
        int nAnswer; // to the question, if one is asked
        int nQuestions;
        bool bRemade;
    } cases[] = {
        {3, KV_IDYES, 0, false},
        {30, KV_IDNO, 1, false},
        {30, KV_IDYES, 1, true},
        {100, KV_IDNO, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nDaysAgo);
        CCompleteListLogic logic = MakeLogic();
        const QString strPage = logic.GetOutputPath();
        PlaceOldPage(strPage, c.nDaysAgo);
        m_messages.m_requests.clear();
        m_messages.m_nDefaultResult = c.nAnswer;
        m_desktop.m_saOpened.clear();
        EXPECT_EQ(logic.Generate(), CompleteListResult::Opened);
        EXPECT_EQ(static_cast<int>(m_messages.m_requests.size()), c.nQuestions);
        EXPECT_EQ(m_desktop.m_saOpened, QStringList{strPage});
        EXPECT_EQ(ReadWholeFile(strPage) != "old page", c.bRemade);
    }
}

TEST_F(CompleteListLogicTest, PagePerLanguageFromItsTemplate) {
    const struct {
        int nColumn;
        const char* szName;
        const char* szStart;
    } cases[] = {
        {kColumnEnglish, "esdhsns.htm", "english<title>Standard</title>715 566 149"},
        {kColumnSimplifiedChinese, "ssdhsns.htm", "gb2312<title>标准</title>715 566 149"},
        {kColumnTraditionalChinese, "tsdhsns.htm", "big5<title>標準</title>715 566 149"},
    };
    for (const auto& c : cases) {
        CCompleteListLogic logic = MakeLogic(c.nColumn);
        EXPECT_EQ(logic.GetOutputPath(), m_userFolder.filePath(QStringLiteral("cl/") + c.szName));
        ASSERT_EQ(logic.Generate(), CompleteListResult::Opened);
        const QByteArray baPage = ReadWholeFile(logic.GetOutputPath());
        EXPECT_TRUE(baPage.startsWith(c.szStart)) << baPage.left(60).toStdString();
    }
    EXPECT_TRUE(
        ReadWholeFile(m_userFolder.filePath("cl/ssdhsns.htm")).contains("<b>题1: 1 1 1 1</b>"));
}

TEST_F(CompleteListLogicTest, FailuresTellAndKeepTheOldPage) {
    CCompleteListLogic logic = MakeLogic();
    const QString strPage = logic.GetOutputPath();
    PlaceOldPage(strPage, 100);
    // Stopped by the player: the old page stays, nothing opens.
    unsigned nSeen = 0;
    EXPECT_EQ(logic.Generate([&](unsigned, unsigned) { return ++nSeen < 3; }),
              CompleteListResult::Cancelled);
    EXPECT_EQ(nSeen, 3u);
    EXPECT_EQ(ReadWholeFile(strPage), "old page");
    // A folder where the page goes: told, nothing opened.
    QFile::remove(strPage);
    QDir().mkpath(strPage);
    EXPECT_EQ(logic.Generate(), CompleteListResult::WriteFailed);
    ASSERT_EQ(m_messages.m_requests.size(), 1u);
    EXPECT_TRUE(m_messages.m_requests[0].strMessage.contains(strPage));
    // No template: told with its path.
    QFile::remove(logic.GetTemplatePath());
    m_messages.m_requests.clear();
    EXPECT_EQ(logic.Generate(), CompleteListResult::TemplateMissing);
    ASSERT_EQ(m_messages.m_requests.size(), 1u);
    EXPECT_TRUE(m_messages.m_requests[0].strMessage.contains(logic.GetTemplatePath()));
    EXPECT_TRUE(m_desktop.m_saOpened.isEmpty());
}

TEST_F(CompleteListLogicTest, OptionsStoredAndOneKindStaysTicked) {
    CCompleteListLogic logic = MakeLogic();
    logic.LoadOptions();
    EXPECT_EQ(logic.GetCaption(),
              "Complete List of All Solutions for Calculating 24 - Standard Level");
    logic.SetNoSolution(false);
    logic.SetHaveSolution(false); // ticks the other kind again
    EXPECT_TRUE(logic.GetOptions().bNoSolution);
    EXPECT_FALSE(logic.GetOptions().bHaveSolution);
    logic.SetStandard(false);
    logic.SetJQK(true);
    EXPECT_EQ(logic.GetCaption(),
              "Complete List of All Solutions for Calculating 24 - Holy War Level");
    logic.SaveOptions();
    CCompleteListLogic reread = MakeLogic();
    reread.LoadOptions();
    EXPECT_FALSE(reread.GetOptions().bStandard);
    EXPECT_TRUE(reread.GetOptions().bJQK);
    EXPECT_FALSE(reread.GetOptions().bHaveSolution);
    EXPECT_TRUE(reread.GetOptions().bNoSolution);
    // JQK counts only as exactly 1; both kinds off would leave OK dead.
    m_registry.WriteNumber("CL", "JQK", 2);
    m_registry.WriteNumber("CL", "No Solution", 0);
    reread.LoadOptions();
    EXPECT_FALSE(reread.GetOptions().bJQK);
    EXPECT_TRUE(reread.CanStart());
}
