#include "core/configfile.h"

#include "testenvironment.h"
#include "tests/support/plain/boundedrun.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class ConfigFileTest : public ::testing::Test {
protected:
    QString PathOf(const char* szName) const {
        return m_folder.filePath(QString::fromUtf8(szName));
    }

    Lines LoadLines(const QByteArray& baContent) {
        EXPECT_TRUE(WriteWholeFile(PathOf("in.ini"), baContent));
        CConfigFile config;
        EXPECT_TRUE(config.Load(PathOf("in.ini")));
        return config.GetLines();
    }

    QTemporaryDir m_folder;
};

struct LoadCase {
    const char* szWhat;
    QByteArray baFile;
    Lines saExpected;
};

TEST_F(ConfigFileTest, LoadReadsBlocksAndTidies) {
    const std::string strLong(5000, 'x');
    const LoadCase cases[] = {
        {"blank lines and blanks go, one empty line before later headers",
         "  [A]\r\n\r\n\t k = 1 \r\n\r\n\r\n[B]\r\nx = 2\r\n",
         {"[A]", "k = 1", "", "[B]", "x = 2"}},
        {"LF-only line ends", "[A]\nk = 1\n[B]\n", {"[A]", "k = 1", "", "[B]"}},
        {"a block is one line with CR LF, brackets unescaped",
         "[A]\r\nb = {{Block}}\r\n<B Start>\r\nl1 << x >>\r\n<<B End>>\r\n<B End>\r\nc = 3\r\n",
         {"[A]", "b = l1 < x >\r\n<B End>", "c = 3"}},
        {"a file ending inside a block still yields the entry",
         "[A]\r\nb = {{Block}}\r\n<B Start>\r\none\r\n\r\ntwo",
         {"[A]", "b = one\r\n\r\ntwo"}},
        {"lines before <B Start> are value lines",
         "b = {{Block}}\r\npre\r\n<B Start>\r\npost\r\n<B End>\r\n",
         {"b = pre\r\npost"}},
        {"a bare block tag is dropped", " = {{Block}}\r\nk = 1\r\n", {"k = 1"}},
        {"an empty block", "b = {{Block}}\r\n<B Start>\r\n<B End>\r\n", {"b ="}},
        {"the name of a block keeps its brackets",
         "a<<b = {{Block}}\r\n<B Start>\r\nx<<y\r\n<B End>\r\n",
         {"a<<b = x<y"}},
        {"comments at the end stand apart",
         "[A]\r\nk = 1\r\n; c1\r\n;c2\r\n",
         {"[A]", "k = 1", "", "; c1", ";c2"}},
        {"no separation when the walk reaches the first line",
         "[A]\r\n; c1\r\n; c2\r\n",
         {"[A]", "; c1", "; c2"}},
        {"a header contains no =",
         "[A]\r\n[a=b]\r\n[]\r\n[x]\r\n",
         {"[A]", "[a=b]", "", "[]", "", "[x]"}},
        {"a byte order mark is not part of the first line", "\xEF\xBB\xBF[A]\r\n", {"[A]"}},
        {"lines of any length", QByteArray("k = ") + strLong.c_str() + "\r\n", {"k = " + strLong}},
        {"bytes that are not UTF-8 survive", "k = \xB2\xE2\xCA\xD4\r\n", {"k = \xB2\xE2\xCA\xD4"}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szWhat);
        EXPECT_EQ(LoadLines(c.baFile), c.saExpected);
    }
}

TEST_F(ConfigFileTest, MissingOrUnreadableFileLoadsEmpty) {
    CConfigFile config;
    ASSERT_TRUE(config.WriteString("S", "k", "v"));
    EXPECT_TRUE(config.Load(PathOf("missing.ini")));
    EXPECT_TRUE(config.GetLines().empty());
    ASSERT_TRUE(config.WriteString("S", "k", "v"));
    EXPECT_TRUE(config.Load(m_folder.path()));
    EXPECT_TRUE(config.GetLines().empty());
    QString strValue;
    EXPECT_FALSE(config.ReadString("S", "k", "default", strValue));
    EXPECT_EQ(strValue, "default");
}

TEST_F(ConfigFileTest, SaveWritesTheDocumentedFormat) {
    const QByteArray baMessy = "\r\n   [My Favorite]\nfmf 1 = 1 2 3 4,an easy one\n\n\n"
                               "; a comment line\n";
    ASSERT_TRUE(WriteWholeFile(PathOf("cmf.ini"), baMessy));
    CConfigFile config;
    config.Load(PathOf("cmf.ini"));
    ASSERT_TRUE(
        config.WriteString("My Favorite", "fmf 2", "2 2 6 6,first line of the note\r\na < b\r\n"));
    ASSERT_TRUE(config.Save(PathOf("cmf.ini")));
    EXPECT_EQ(ReadWholeFile(PathOf("cmf.ini")), "[My Favorite]\r\n"
                                                "fmf 1 = 1 2 3 4,an easy one\r\n"
                                                "fmf 2 = {{Block}}\r\n"
                                                "<B Start>\r\n"
                                                "2 2 6 6,first line of the note\r\n"
                                                "a << b\r\n"
                                                "<B End>\r\n"
                                                "\r\n"
                                                "; a comment line\r\n");
}

struct RoundTripCase {
    const char* szWhat;
    QString strWritten;
    QString strRead;
};

TEST_F(ConfigFileTest, ValuesSurviveSaveAndLoad) {
    const RoundTripCase cases[] = {
        {"plain", "1 2 3 4,note", "1 2 3 4,note"},
        {"multi-line with brackets", "x < y >\r\n<B End>\r\n<B Start>\r\n<<>>",
         "x < y >\r\n<B End>\r\n<B Start>\r\n<<>>"},
        {"empty lines inside", "a\r\n\r\n\r\nb", "a\r\n\r\n\r\nb"},
        {"a value that looks like a block opener", "{{Block}}", "{{Block}}"},
        {"a value ending like a block opener", "v = {{Block}}", "v = {{Block}}"},
        {"LF and CR breaks become CR LF", "one\ntwo\rthree", "one\r\ntwo\r\nthree"},
        {"empty", "", ""},
        {"leading blanks stay", "  lead", "  lead"},
        {"Chinese text", QString::fromUtf8("我的收藏,难题"), QString::fromUtf8("我的收藏,难题")},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.szWhat);
        CConfigFile config;
        ASSERT_TRUE(config.WriteString("S", "before", "1"));
        ASSERT_TRUE(config.WriteString("S", "key", c.strWritten));
        ASSERT_TRUE(config.WriteString("S", "after", "2"));
        ASSERT_TRUE(config.WriteString("T", "other", "3"));
        ASSERT_TRUE(config.Save(PathOf("round.ini")));

        CConfigFile reloaded;
        reloaded.Load(PathOf("round.ini"));
        const std::pair<const char*, QString> expected[] = {
            {"before", "1"}, {"key", c.strRead}, {"after", "2"}};
        for (const auto& [szKey, strExpected] : expected) {
            QString strValue;
            EXPECT_TRUE(reloaded.ReadString("S", szKey, "missing", strValue)) << szKey;
            EXPECT_EQ(strValue, strExpected) << szKey;
        }
        QString strOther;
        EXPECT_TRUE(reloaded.ReadString("T", "other", "", strOther));
        EXPECT_EQ(strOther, "3");

        // Rewriting the key replaces its line rather than adding another one.
        const size_t nLines = reloaded.GetLines().size();
        ASSERT_TRUE(reloaded.WriteString("S", "key", "new"));
        EXPECT_EQ(reloaded.GetLines().size(), nLines);
    }
}

struct StableFileCase {
    const char* szWhat;
    QByteArray baFile;
    const char* szContent; // a line that every load must hold, or nullptr
};

// Whatever a file holds, the first save writes what its load read, and from then on load
// and save reproduce the file byte for byte.
TEST_F(ConfigFileTest, LoadAndSaveAreStableAfterTheFirstSave) {
    const StableFileCase cases[] = {
        {"two marks", "\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nk = v\r\n", "k = v"},
        {"a blank line, then a mark", "\r\n\xEF\xBB\xBF[S]\r\nk = v\r\n", "k = v"},
        {"one mark", "\xEF\xBB\xBF[S]\r\nk = v\r\n", "k = v"},
        {"a block under a blank name",
         "[S]\r\n  = {{Block}}\r\n<B Start>\r\none <<\r\ntwo\r\n<B End>\r\n", "= one <\r\ntwo"},
        {"a block under a longer blank name",
         "[S]\r\nk = v\r\n \t  = {{Block}}\r\n<B Start>\r\n\r\nx\r\n<B End>\r\n", "= \r\nx"},
        {"a bare block tag", "[S]\r\n = {{Block}}\r\n<B Start>\r\none\r\n<B End>\r\n", "one"},
        {"a blank name whose value holds \" = \" on a later line",
         "[S]\r\n  = {{Block}}\r\n<B Start>\r\none\r\nk = v\r\n<B End>\r\n", "= one\r\nk = v"},
    };
    for (const StableFileCase& c : cases) {
        SCOPED_TRACE(c.szWhat);
        const Lines saRead = LoadLines(c.baFile);
        if (c.szContent) {
            EXPECT_NE(std::find(saRead.begin(), saRead.end(), c.szContent), saRead.end());
        }
        CConfigFile config;
        config.Load(PathOf("in.ini"));
        ASSERT_TRUE(config.Save(PathOf("first.ini")));
        const QByteArray baFirst = ReadWholeFile(PathOf("first.ini"));
        config.Load(PathOf("first.ini"));
        EXPECT_EQ(config.GetLines(), saRead);
        ASSERT_TRUE(config.Save(PathOf("second.ini")));
        EXPECT_EQ(ReadWholeFile(PathOf("second.ini")), baFirst);
    }
}

// Escaping a value with millions of brackets is linear: the CPU budget is ten times what
// the work needs in an optimised build; quadratic escaping took tens of seconds.
TEST_F(ConfigFileTest, HugeBlocksAreReadAndWrittenInLinearTime) {
    const std::string strValue = std::string(2000000, '<') + "\r\n" + std::string(2000000, '>');
    EXPECT_TRUE(FinishesWithin(10, 0, [&] {
        CConfigFile config;
        if (!config.WriteString("S", "k", QString::fromStdString(strValue)) ||
            !config.Save(PathOf("huge.ini")))
            return false;
        CConfigFile reloaded;
        reloaded.Load(PathOf("huge.ini"));
        QString strRead;
        return reloaded.ReadString("S", "k", "", strRead) && strRead.toStdString() == strValue;
    }));
}

TEST_F(ConfigFileTest, EntryIsFoundOnlyWithBlanksAroundTheEqualsSign) {
    const Lines saLines = LoadLines("[S]\r\nkey=1\r\nkey = 2\r\n");
    ASSERT_EQ(saLines.size(), 3u);
    CConfigFile config;
    config.Load(PathOf("in.ini"));
    QString strValue;
    EXPECT_TRUE(config.ReadString("S", "key", "", strValue));
    EXPECT_EQ(strValue, "2");
    EXPECT_FALSE(config.ReadString("S", "key=1", "none", strValue));
}

TEST_F(ConfigFileTest, SectionsBoundTheSearch) {
    LoadLines("[A]\r\na = 1\r\nb = 2\r\n[B]\r\nc = 3\r\n");
    CConfigFile config;
    config.Load(PathOf("in.ini"));
    int nCount = -1;
    EXPECT_EQ(config.FindSection("A", nCount), 0);
    EXPECT_EQ(nCount, 2);
    EXPECT_EQ(config.FindSection(" B\t", nCount), 4);
    EXPECT_EQ(nCount, 1);
    EXPECT_EQ(config.FindSection("b", nCount), -1);
    EXPECT_EQ(nCount, 0);

    QString strValue;
    EXPECT_EQ(config.FindKey(1, "b", strValue), 2);
    EXPECT_EQ(strValue, "2");
    EXPECT_EQ(config.FindKey(1, "c", strValue), -1); // [B] ends section A
    EXPECT_FALSE(config.ReadString("A", "c", "", strValue));
    EXPECT_FALSE(config.ReadString("C", "a", "", strValue));
}

TEST_F(ConfigFileTest, NewEntriesGoToTheEndOfTheirSection) {
    LoadLines("[A]\r\na = 1\r\n[B]\r\nc = 3\r\n");
    CConfigFile config;
    config.Load(PathOf("in.ini"));
    ASSERT_TRUE(config.WriteString("A", "b", "2"));
    ASSERT_TRUE(config.WriteString("C", "d", "4"));
    EXPECT_EQ(config.GetLines(),
              (Lines{"[A]", "a = 1", "b = 2", "", "[B]", "c = 3", "", "[C]", "d = 4"}));

    CConfigFile empty;
    ASSERT_TRUE(empty.WriteString("New", "k", "v"));
    EXPECT_EQ(empty.GetLines(), (Lines{"[New]", "k = v"}));
}

TEST_F(ConfigFileTest, NamesAreCheckedAndCleaned) {
    CConfigFile config;
    EXPECT_FALSE(config.WriteString("a=b", "k", "v"));
    EXPECT_FALSE(config.WriteString(" \t", "k", "v"));
    EXPECT_FALSE(config.WriteString("S", " ", "v"));
    EXPECT_TRUE(config.GetLines().empty());
    int nCount = 0;
    EXPECT_EQ(config.EnsureSection("a=b", nCount), -1);

    // Line breaks inside names cannot split the entry; blanks around them do not count.
    ASSERT_TRUE(config.WriteString("Two\r\nLines", " my key\n", "v"));
    EXPECT_EQ(config.GetLines(), (Lines{"[Two    Lines]", "my key = v"}));
    ASSERT_TRUE(config.Save(PathOf("names.ini")));
    CConfigFile reloaded;
    reloaded.Load(PathOf("names.ini"));
    QString strValue;
    EXPECT_TRUE(reloaded.ReadString("Two\r\nLines", " my key\n", "", strValue));
    EXPECT_EQ(strValue, "v");
}

TEST_F(ConfigFileTest, ReadBoolLooksForTrue) {
    const std::pair<const char*, bool> cases[] = {
        {"true", true}, {"untrue", true}, {"True", false}, {"false", false}, {"", false}};
    for (const auto& [szStored, bExpected] : cases) {
        SCOPED_TRACE(szStored);
        CConfigFile config;
        ASSERT_TRUE(config.WriteString("S", "flag", szStored));
        bool bValue = !bExpected;
        EXPECT_TRUE(config.ReadBool("S", "flag", !bExpected, bValue));
        EXPECT_EQ(bValue, bExpected);
    }
    CConfigFile config;
    ASSERT_TRUE(config.WriteBool("S", "on", true));
    ASSERT_TRUE(config.WriteBool("S", "off", false));
    EXPECT_EQ(config.GetLines(), (Lines{"[S]", "on = true", "off = false"}));
    bool bValue = false;
    EXPECT_FALSE(config.ReadBool("S", "absent", true, bValue));
    EXPECT_TRUE(bValue);
}

} // namespace
