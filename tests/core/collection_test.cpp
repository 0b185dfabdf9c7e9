// The collection files: what a file of any content loads as, what a save writes, and that a
// save never costs the player the file already on disk.
#include "core/collection.h"
#include "core/collectionexport.h"
#include "core/language.h"
#include "core/textfilewriter.h"
#include "engine/enginestate.h"
#include "tests/support/fakeservices.h"
#include "tests/support/plain/filesizelimit.h"

#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <random>
#include <set>
#include <sys/resource.h>

namespace {

std::vector<QString> Questions(const Collection& list) {
    std::vector<QString> saQuestions;
    for (const CollectionItem& item : list.m_items)
        saQuestions.push_back(item.strQuestion);
    return saQuestions;
}

class CollectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        SetMaxValue(13);
    }
    void TearDown() override { SetMaxValue(10); }
    QString PathOf(const QString& strName) const { return m_folder.filePath(strName); }

    QTemporaryDir m_folder;
    FakeMessagePresenter m_messages;
};

TEST_F(CollectionTest, LoadKeepsWhatReadsAndNotesWhatDoesNot) {
    const struct {
        const char* szWhat;
        QByteArray baFile;
        std::vector<QString> saQuestions;
        bool bUnread;
    } cases[] = {
        {"clean",
         "[My Favorite]\r\nfmf 1 = 1 1 8 8,nice one\r\nfmf 2 = 3 3 8 8,\r\n",
         {"1 1 8 8", "3 3 8 8"},
         false},
        {"a gap ends the list",
         "[My Favorite]\nfmf 1 = 2 2 2 2,a\nfmf 2 = 1 1 1 1,b\nfmf 4 = 5 5 5 5,c\n",
         {"1 1 1 1", "2 2 2 2"},
         true},
        {"no comma ends the list",
         "[My Favorite]\nfmf 1 = 1 2 3 4,a\nfmf 2 = 5 5 5 5\nfmf 3 = 6 6 6 6,c\n",
         {"1 2 3 4"},
         true},
        {"duplicates and bad values are skipped",
         "[My Favorite]\nfmf 1 = 1 2 3 4,first\nfmf 2 = 4 3  2 1,second\nfmf 3 = 1 2 3 14,x\n"
         "fmf 4 = 0 1 2 3,x\nfmf 5 = 01 2 3 4,x\nfmf 6 = 1 2 3,x\nfmf 7 = 1 2 3 4 5,x\n"
         "fmf 8 = 999999999999 1 1 1,x\nfmf 9 = 13\t12 11 10 ,jqk\n",
         {"1 2 3 4", "10 11 12 13"},
         true},
        {"written unsorted", "[My Favorite]\nfmf 1 = 9 1 1 1 , x\n", {"1 1 1 9"}, false},
        {"another list's section", "[Trouble Maker]\nfmt 1 = 1 2 3 4,a\n", {}, true},
        {"a comment", "; mine\n[My Favorite]\nfmf 1 = 1 2 3 4,a\n", {"1 2 3 4"}, true},
        {"a note in another encoding",
         "[My Favorite]\nfmf 1 = 1 2 3 4,\xc4\xd1\xcc\xe2\n",
         {"1 2 3 4"},
         true},
        {"empty", "", {}, false},
        {"binary", QByteArray("\x00\xff[My Favorite]\x00\n\x01=\x02", 18), {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szWhat);
        ASSERT_TRUE(WriteWholeFile(PathOf("cmf.ini"), c.baFile));
        Collection list;
        LoadCollection(list, PathOf("cmf.ini"), true);
        EXPECT_EQ(Questions(list), c.saQuestions);
        EXPECT_EQ(list.m_bUnreadLines, c.bUnread);
        EXPECT_EQ(ReadWholeFile(PathOf("cmf.ini")), c.baFile) << "loading never writes";
    }
    Collection list;
    LoadCollection(list, PathOf("missing.ini"), true);
    EXPECT_TRUE(list.m_items.empty());
    EXPECT_FALSE(list.m_bUnreadLines);
}

TEST_F(CollectionTest, SaveRenumbersAndKeepsAnUnreadableFileOnce) {
    const QByteArray baOld = "[Trouble Maker]\r\nfmt 1 = 2 2 2 2,a\r\nfmt 2 = 1 1 1 1,b\r\n"
                             "fmt 4 = 5 5 5 5,c\r\n";
    const QString strPath = PathOf("ctm.ini");
    ASSERT_TRUE(WriteWholeFile(strPath, baOld));
    Collection list;
    LoadCollection(list, strPath, false);
    ASSERT_TRUE(SaveCollection(list, strPath, false, &m_messages));
    EXPECT_EQ(ReadWholeFile(strPath),
              "[Trouble Maker]\r\nfmt 1 = 1 1 1 1,b\r\nfmt 2 = 2 2 2 2,a\r\n");
    EXPECT_EQ(ReadWholeFile(strPath + ".bad"), baOld);

    // Later saves leave the kept copy alone; a clean file never gets one.
    ASSERT_TRUE(QFile::remove(strPath + ".bad"));
    list.m_items.push_back({"3 3 8 8", ""});
    ASSERT_TRUE(SaveCollection(list, strPath, false, &m_messages));
    EXPECT_FALSE(QFile::exists(strPath + ".bad"));
    LoadCollection(list, strPath, false);
    EXPECT_FALSE(list.m_bUnreadLines);

    list.m_items.clear();
    ASSERT_TRUE(SaveCollection(list, strPath, false, &m_messages));
    EXPECT_EQ(ReadWholeFile(strPath), "");
    EXPECT_TRUE(m_messages.m_requests.empty());
}

TEST_F(CollectionTest, NormalizeSortsNinesBeforeTensAndKeepsTheFirstNote) {
    Collection list;
    for (const char* sz : {"1 1 1 13", "1 1 1 10", "1 10 10 10", "1 1 1 9", "1 1 1 12", "1 9 9 9",
                           "1 1 1 11", "10 1 1 1", "1 1 1 x"})
        list.m_items.push_back({sz, QString::fromLatin1(sz) + " note"});
    NormalizeCollection(list);
    EXPECT_EQ(Questions(list), (std::vector<QString>{"1 1 1 9", "1 1 1 10", "1 1 1 11", "1 1 1 12",
                                                     "1 1 1 13", "1 9 9 9", "1 10 10 10"}));
    EXPECT_EQ(list.m_items[1].strNote, "1 1 1 10 note");
}

TEST_F(CollectionTest, NotesSurviveARoundTrip) {
    const QString saNotes[] = {
        "commas, and, more,",
        "a << b > c <B End> <B Start>",
        "first line\r\nsecond, line\r\n\r\nafter an empty one",
        "x = {{Block}}",
        "fmf 2 = 1 1 1 1,injected",
        QString(100 * 1024, QLatin1Char('n')),
        QString::fromUtf8("我的最爱, 難題"),
    };
    Collection list;
    unsigned nValue = 1;
    for (const QString& strNote : saNotes) {
        list.m_items.push_back({QStringLiteral("1 1 1 %1").arg(nValue++), strNote});
    }
    list.m_items.push_back({"2 2 2 2", "lone\nline feeds\rand returns"});
    const QString strPath = PathOf("deep/folder/cmf.ini");
    ASSERT_TRUE(SaveCollection(list, strPath, true, &m_messages));
    Collection loaded;
    LoadCollection(loaded, strPath, true);
    ASSERT_EQ(loaded.m_items.size(), list.m_items.size());
    for (size_t i = 0; i < std::size(saNotes); ++i)
        EXPECT_EQ(loaded.m_items[i].strNote, saNotes[i]) << i;
    EXPECT_EQ(loaded.m_items.back().strNote, "lone\r\nline feeds\r\nand returns");
    EXPECT_FALSE(loaded.m_bUnreadLines);
}

TEST_F(CollectionTest, IsInCollectionComparesSortedQuestionsOfTheCurrentRange) {
    Collection list;
    list.m_items = {{"1 2 3 4", ""}, {"1 1 1 11", ""}};
    const struct {
        const char* szQuestion;
        unsigned nMax;
        bool bIn;
    } cases[] = {{"1 2 3 4", 10, true},  {"4 3 2 1", 10, true},   {" 4  3 2 1 ", 10, true},
                 {"1 2 3 5", 10, false}, {"1 1 1 11", 13, true},  {"1 1 1 11", 10, false},
                 {"1,2,3,4", 10, true},  {"1 2 3 4x", 10, false}, {"1 2 3 4 5", 13, false},
                 {"", 13, false}};
    for (const auto& c : cases) {
        SetMaxValue(c.nMax);
        EXPECT_EQ(IsInCollection(c.szQuestion, list), c.bIn) << c.szQuestion << " " << c.nMax;
    }
}

TEST_F(CollectionTest, ExportTextIsExact) {
    Collection list;
    list.m_items = {{"1 1 1 1", ""}, {"3 3 8 8", "hard, really\r\ntwo lines"}};
    const struct {
        bool bNotes;
        bool bAnswers;
        const char* szText;
    } cases[] = {
        {true, true,
         "\t\tMine\r\n\r\nQ1: 1 1 1 1\r\nNote: \r\n(None)\r\nThere is no solution.\r\n"
         "Q2: 3 3 8 8\r\nNote: \r\nhard, really\r\ntwo lines\r\nA1: 8/(3-8/3)"},
        {true, false,
         "\t\tMine\r\n\r\nQ1: 1 1 1 1\r\nNote: \r\n(None)\r\nQ2: 3 3 8 8\r\nNote: \r\n"
         "hard, really\r\ntwo lines"},
        {false, true,
         "\t\tMine\r\n\r\nQ1: 1 1 1 1\r\nThere is no solution.\r\nQ2: 3 3 8 8\r\nA1: 8/(3-8/3)"},
        {false, false, "\t\tMine\r\n\r\nQ1: 1 1 1 1\r\nQ2: 3 3 8 8"},
    };
    SetStandardRule(false);
    for (const auto& c : cases) {
        EXPECT_EQ(BuildCollectionExportText(list, "Mine", c.bNotes, c.bAnswers), c.szText)
            << c.bNotes << c.bAnswers;
    }
    EXPECT_FALSE(IsStandardRule()) << "the main window's rule stays";
    EXPECT_EQ(BuildCollectionExportText(Collection(), "Empty\r\n", true, true), "\t\tEmpty");
}

// The labels and brackets the export puts around texts follow the language; what the user
// typed (title, note) is copied as it is, placeholder-like characters included.
TEST_F(CollectionTest, ExportPunctuationFollowsTheLanguage) {
    Collection list;
    list.m_items = {{"1 1 1 1", ""}, {"3 3 8 8", "50%2 of %1"}};
    const struct {
        std::uint32_t nLanguage;
        const char* szText;
    } cases[] = {
        {kLanguageEnglish, "\t\t%1 mine\r\n\r\nQ1: 1 1 1 1\r\nNote: \r\n(None)\r\nThere is no "
                           "solution.\r\nQ2: 3 3 8 8\r\nNote: \r\n50%2 of %1\r\nA1: 8/(3-8/3)"},
        {kLanguageSimplifiedChinese,
         "\t\t%1 mine\r\n\r\n题1：1 1 1 1\r\n备注：\r\n（无）\r\n此题无解。\r\n"
         "题2：3 3 8 8\r\n备注：\r\n50%2 of %1\r\n解1：8/(3-8/3)"},
        {kLanguageTraditionalChinese,
         "\t\t%1 mine\r\n\r\n題1：1 1 1 1\r\n備註：\r\n（無）\r\n此題無解。\r\n"
         "題2：3 3 8 8\r\n備註：\r\n50%2 of %1\r\n解1：8/(3-8/3)"},
    };
    const std::uint32_t nLanguage = GetLanguageId();
    for (const auto& c : cases) {
        SetLanguageId(c.nLanguage);
        EXPECT_EQ(BuildCollectionExportText(list, "%1 mine", true, true).toStdString(), c.szText)
            << c.nLanguage;
        EXPECT_EQ(GetSolutionText("3 3 8 8", true).toStdString(),
                  std::string(c.szText).substr(std::string(c.szText).rfind('\n') + 1))
            << c.nLanguage;
    }
    SetLanguageId(nLanguage);
}

TEST_F(CollectionTest, WriteTextFileRefusesWhatItCannotWrite) {
    const QString strFile = PathOf("out.txt");
    const QString strReadOnly = PathOf("ro.txt");
    ASSERT_TRUE(WriteWholeFile(strReadOnly, "keep"));
    ASSERT_TRUE(QFile::setPermissions(strReadOnly, QFileDevice::ReadOwner));
    ASSERT_TRUE(WriteWholeFile(PathOf("plain"), "x"));
    const struct {
        QString strPath;
        int nResult;
        QString strMessage;
    } cases[] = {
        {strFile, kWriteTextWritten, ""},
        {m_folder.path(), kWriteTextIsFolder,
         QStringLiteral("Path \"%1\" points to a directory, not a file.").arg(m_folder.path())},
        {strReadOnly, kWriteTextReadOnly,
         QStringLiteral("File \"%1\" is a read-only file. Please check out the read-only property "
                        "of this file before writing to it.")
             .arg(strReadOnly)},
        {PathOf("plain/under.txt"), kWriteTextInvalidPath,
         QStringLiteral("Path \"%1\" is not a valid file path.").arg(PathOf("plain/under.txt"))},
        {"", kWriteTextInvalidPath, "Path \"\" is not a valid file path."},
    };
    for (const auto& c : cases) {
        QString strMessage = "stale";
        EXPECT_EQ(WriteTextFile("a\r\nb\n\0c", c.strPath, strMessage), c.nResult)
            << c.strPath.toStdString();
        EXPECT_EQ(strMessage, c.strMessage);
    }
    EXPECT_EQ(ReadWholeFile(strFile), "a\r\nb\n");
    EXPECT_EQ(ReadWholeFile(strReadOnly), "keep");
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"out.txt", "plain", "ro.txt"}));
}

TEST_F(CollectionTest, AFailedSaveLeavesTheFileAsItWas) {
    const QString strPath = PathOf("cmf.ini");
    const QByteArray baOld = "[My Favorite]\r\nfmf 1 = 1 2 3 4,old\r\n";
    ASSERT_TRUE(WriteWholeFile(strPath, baOld));
    Collection list;
    LoadCollection(list, strPath, true);
    list.m_items.push_back({"5 5 5 5", QString(100000, QLatin1Char('x'))});
    bool bSaved = true;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.IsActive());
        bSaved = SaveCollection(list, strPath, true, &m_messages);
    }
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(ReadWholeFile(strPath), baOld);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"cmf.ini"});
    ASSERT_EQ(m_messages.m_requests.size(), 1u);
    EXPECT_TRUE(m_messages.m_requests[0].strMessage.contains(strPath));

    // The list still holds the change; the next save that can write, writes it.
    EXPECT_TRUE(SaveCollection(list, strPath, true, &m_messages));
    Collection loaded;
    LoadCollection(loaded, strPath, true);
    EXPECT_EQ(Questions(loaded), (std::vector<QString>{"1 2 3 4", "5 5 5 5"}));
}

TEST_F(CollectionTest, AnyFileLoadsWithoutHarm) {
    std::mt19937 random(24);
    QByteArray baBinary(10 * 1024 * 1024, '\0');
    for (char& c : baBinary)
        c = static_cast<char>(random() & 0xff);
    QByteArray baMany = "[My Favorite]\r\n";
    std::set<std::array<int, 4>> distinct;
    for (int n = 1; n <= 5000; ++n) {
        std::array<int, 4> naQ = {n % 13 + 1, n / 13 % 13 + 1, n / 169 % 13 + 1, n % 7 + 1};
        baMany += QStringLiteral("fmf %1 = %2 %3 %4 %5,note %1\r\n")
                      .arg(n)
                      .arg(naQ[0])
                      .arg(naQ[1])
                      .arg(naQ[2])
                      .arg(naQ[3])
                      .toLatin1();
        std::sort(naQ.begin(), naQ.end());
        distinct.insert(naQ);
    }
    const QByteArray baHugeNote =
        "[My Favorite]\r\nfmf 1 = 1 2 3 4," + QByteArray(100 * 1024, 'z') + "\r\n";
    const struct {
        const char* szWhat;
        QByteArray baFile;
        size_t nItems;
        bool bUnread;
    } cases[] = {
        {"10 MB of noise", baBinary, 0, true},
        {"thousands of entries, many the same", baMany, distinct.size(), true},
        {"a 100 KB note", baHugeNote, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szWhat);
        ASSERT_TRUE(WriteWholeFile(PathOf("cmf.ini"), c.baFile));
        Collection list;
        LoadCollection(list, PathOf("cmf.ini"), true);
        EXPECT_EQ(list.m_items.size(), c.nItems);
        EXPECT_EQ(list.m_bUnreadLines, c.bUnread);
        EXPECT_TRUE(SaveCollection(list, PathOf("cmf.ini"), true, &m_messages));
        EXPECT_EQ(QFile::exists(PathOf("cmf.ini.bad")), c.bUnread);
        QFile::remove(PathOf("cmf.ini.bad"));
    }
}

} // namespace
