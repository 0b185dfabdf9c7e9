// The translations must stay usable by the code that fills and shows them: same placeholders,
// same accelerators and shortcuts, same file patterns, and characters each Chinese column's
// legacy encoding can hold. The lookup tests cover the column choice and the %1..%3 cascade.
#include "core/language.h"
#include "core/stringids.h"
#include "core/stringtable.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringEncoder>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

struct Column {
    const char* szName;
    const char* StringRecord::*pText;
};

constexpr Column kColumns[] = {
    {"English", &StringRecord::szEnglish},
    {"Simplified Chinese", &StringRecord::szSimplifiedChinese},
    {"Traditional Chinese", &StringRecord::szTraditionalChinese},
};

std::span<const StringRecord> RowsWithoutTerminator() {
    return GetStringTable().first(static_cast<std::size_t>(CountStringRecords()) - 1);
}

// "%1".."%3" and "#1".."#9" as they occur in a text.
std::set<std::string> PlaceholdersOf(const std::string& strText) {
    std::set<std::string> placeholders;
    for (std::size_t i = 0; i + 1 < strText.size(); ++i) {
        if ((strText[i] == '%' || strText[i] == '#') && strText[i + 1] >= '1' &&
            strText[i + 1] <= '9')
            placeholders.insert(strText.substr(i, 2));
    }
    return placeholders;
}

// The characters marked with a single "&" ("&&" is a literal ampersand).
std::string AcceleratorsOf(const std::string& strText) {
    std::string strKeys;
    for (std::size_t i = 0; i + 1 < strText.size(); ++i) {
        if (strText[i] != '&') continue;
        if (strText[i + 1] != '&') strKeys += strText[i + 1];
        ++i;
    }
    return strKeys;
}

std::vector<std::string> Split(const std::string& strText, char cSeparator) {
    std::vector<std::string> saParts(1);
    for (char c : strText) {
        if (c == cSeparator)
            saParts.emplace_back();
        else
            saParts.back() += c;
    }
    return saParts;
}

TEST(StringTable, CountsRowsUpToTheTerminator) {
    EXPECT_EQ(305, CountStringRecords());
    const StringRecord& terminator =
        GetStringTable()[static_cast<std::size_t>(CountStringRecords()) - 1];
    EXPECT_EQ(0u, terminator.nId);
    for (const char* szText : {terminator.szKey, terminator.szCategory, terminator.szEnglish,
                               terminator.szSimplifiedChinese, terminator.szTraditionalChinese})
        EXPECT_STREQ("", szText);
}

TEST(StringTable, EveryRowHasTextInEveryColumn) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        EXPECT_EQ(0u, record.nReserved);
        for (const Column& column : kColumns)
            EXPECT_STRNE("", record.*column.pText) << column.szName;
    }
}

TEST(StringTable, InfoRowsNameTheirOwnLanguage) {
    struct InfoRow {
        std::uint32_t nId;
        const char* szEnglish;
        const char* szSimplified;
        const char* szTraditional;
    };
    const InfoRow kInfo[] = {
        {Shell_Language, "English", "Chinese, Simplified (简体中文)",
         "Chinese, Traditional (繁體中文)"},
        {Shell_LCID, "0x0409", "0x0804", "0x0404"},
    };
    for (const InfoRow& row : kInfo) {
        SCOPED_TRACE(row.nId);
        EXPECT_EQ(row.szEnglish, GetLocalizedText(row.nId, {}, {}, {}, kColumnEnglish));
        EXPECT_EQ(row.szSimplified,
                  GetLocalizedText(row.nId, {}, {}, {}, kColumnSimplifiedChinese));
        EXPECT_EQ(row.szTraditional,
                  GetLocalizedText(row.nId, {}, {}, {}, kColumnTraditionalChinese));
    }
    // The translator credit reads the same in every column.
    const std::string strCredit = GetLocalizedText(Shell_Translator, {}, {}, {}, kColumnEnglish);
    EXPECT_EQ(strCredit, GetLocalizedText(Shell_Translator, {}, {}, {}, kColumnSimplifiedChinese));
    EXPECT_EQ(strCredit, GetLocalizedText(Shell_Translator, {}, {}, {}, kColumnTraditionalChinese));
}

TEST(StringTable, PlaceholdersAgreeAcrossColumns) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        const std::set<std::string> english = PlaceholdersOf(record.szEnglish);
        EXPECT_EQ(english, PlaceholdersOf(record.szSimplifiedChinese));
        EXPECT_EQ(english, PlaceholdersOf(record.szTraditionalChinese));
    }
}

// The lookup fills %2 only after %1 and %3 only after %2; a text that skipped one could
// never be completed.
TEST(StringTable, ArgumentsCanReachEveryPlaceholder) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        const std::set<std::string> placeholders = PlaceholdersOf(record.szEnglish);
        EXPECT_TRUE(!placeholders.count("%3") || placeholders.count("%2"));
        EXPECT_TRUE(!placeholders.count("%2") || placeholders.count("%1"));
    }
}

// Only the texts whose callers fill "#n" after the lookup use them, each with the values its
// caller supplies.
TEST(StringTable, NumberedPlaceholdersBelongToTheirCallers) {
    const std::vector<std::pair<std::vector<std::uint32_t>, std::set<std::string>>> kUses = {
        {{IDS_DIALOG_MAIN_PROMPT_OVERWRITE_FILE}, {"#1"}},         // file to overwrite
        {{IDS_ERROR_FILE_PATH_IS_A_DIRECTORY_NOT_A_FILE}, {"#1"}}, // path is a folder
        {{IDS_ERROR_FILE_READONLY}, {"#1"}},                       // file is read-only
        {{IDS_DIALOG_MAIN_RULE_TRAINING1, IDS_DIALOG_MAIN_RULE_TRAINING2},
         {"#1", "#2", "#3", "#4", "#5"}}, // training rules, both parts
        {{IDS_DIALOG_MAIN_RULE_TRAINING_GAME},
         {"#1", "#2", "#3", "#4", "#5", "#6"}}, // training game rules
        {{IDS_DIALOG_MAIN_RULE_WORLD_CUP1, IDS_DIALOG_MAIN_RULE_WORLD_CUP2},
         {"#1", "#2", "#3", "#4", "#5"}}, // World Cup rules, both parts
        {{IDS_DIALOG_MAIN_REPORT_WORLD_CUP}, {"#1", "#2", "#3", "#4", "#5"}}, // World Cup report
        {{IDS_DIALOG_MAIN_REPORT_TRAINING_GAME},
         {"#1", "#2", "#3", "#4", "#5"}}, // training game report
    };
    std::set<std::uint32_t> expectedIds;
    for (const auto& [naIds, expected] : kUses) {
        std::set<std::string> found;
        for (std::uint32_t nId : naIds) {
            expectedIds.insert(nId);
            for (const std::string& strPlaceholder :
                 PlaceholdersOf(GetLocalizedText(nId, {}, {}, {}, kColumnEnglish))) {
                if (strPlaceholder[0] == '#') found.insert(strPlaceholder);
            }
        }
        SCOPED_TRACE(naIds.front());
        EXPECT_EQ(expected, found);
    }
    for (const StringRecord& record : RowsWithoutTerminator()) {
        if (expectedIds.count(record.nId)) continue;
        SCOPED_TRACE(record.szKey);
        for (const std::string& strPlaceholder : PlaceholdersOf(record.szEnglish))
            EXPECT_NE('#', strPlaceholder[0]);
    }
}

// A label marked "&X" in English carries "(&X)" in both Chinese columns, so the same key
// works whatever the language; unmarked texts stay unmarked.
TEST(StringTable, AcceleratorsMatchAcrossColumns) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        const std::string strEnglish = AcceleratorsOf(record.szEnglish);
        ASSERT_LE(strEnglish.size(), 1u);
        for (const char* szChinese : {record.szSimplifiedChinese, record.szTraditionalChinese}) {
            if (strEnglish.empty()) {
                EXPECT_EQ("", AcceleratorsOf(szChinese)) << szChinese;
                continue;
            }
            const char cKey =
                static_cast<char>(std::toupper(static_cast<unsigned char>(strEnglish[0])));
            EXPECT_EQ(std::string(1, cKey), AcceleratorsOf(szChinese)) << szChinese;
            EXPECT_NE(std::string::npos,
                      std::string(szChinese).find(std::string("(&") + cKey + ")"))
                << szChinese;
        }
    }
}

// Menu items show their shortcut after a tab; the shortcut is the same key in every language.
TEST(StringTable, MenuShortcutsMatchAcrossColumns) {
    int nMenusWithShortcut = 0;
    for (const StringRecord& record : RowsWithoutTerminator()) {
        const std::string strEnglish = record.szEnglish;
        const std::size_t nTab = strEnglish.find('\t');
        if (std::string(record.szCategory) != "Menu" || nTab == std::string::npos) continue;
        SCOPED_TRACE(record.szKey);
        ++nMenusWithShortcut;
        const std::string strShortcut = strEnglish.substr(nTab);
        for (const std::string strChinese :
             {record.szSimplifiedChinese, record.szTraditionalChinese}) {
            ASSERT_GE(strChinese.size(), strShortcut.size());
            EXPECT_EQ(strShortcut, strChinese.substr(strChinese.size() - strShortcut.size()));
        }
    }
    EXPECT_EQ(5, nMenusWithShortcut);
}

// File-dialog filters are description|pattern pairs ending in "||"; only the descriptions are
// translated.
TEST(StringTable, FileFiltersKeepTheirPatterns) {
    int nFilters = 0;
    for (const StringRecord& record : RowsWithoutTerminator()) {
        const std::string strEnglish = record.szEnglish;
        if (strEnglish.find('|') == std::string::npos) continue;
        SCOPED_TRACE(record.szKey);
        ++nFilters;
        EXPECT_EQ("||", strEnglish.substr(strEnglish.size() - 2));
        const std::vector<std::string> saEnglish = Split(strEnglish, '|');
        for (const char* szChinese : {record.szSimplifiedChinese, record.szTraditionalChinese}) {
            const std::vector<std::string> saChinese = Split(szChinese, '|');
            ASSERT_EQ(saEnglish.size(), saChinese.size()) << szChinese;
            for (std::size_t i = 1; i < saEnglish.size(); i += 2)
                EXPECT_EQ(saEnglish[i], saChinese[i]);
        }
    }
    EXPECT_EQ(5, nFilters);
}

TEST(StringTable, EnglishIsAsciiAndLineBreaksAreCrLf) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        for (unsigned char c : std::string(record.szEnglish))
            EXPECT_LT(c, 0x80) << record.szEnglish;
        for (const Column& column : kColumns) {
            const std::string strText = record.*column.pText;
            for (std::size_t i = 0; i < strText.size(); ++i) {
                if (strText[i] == '\r') {
                    EXPECT_EQ('\n', strText[i + 1]) << column.szName;
                }
                if (strText[i] == '\n') {
                    EXPECT_TRUE(i > 0 && strText[i - 1] == '\r') << column.szName;
                }
            }
        }
    }
}

// Generated pages and the other instance's title check use GB2312 and Big5, so every Chinese
// text must be expressible in its column's encoding.
TEST(StringTable, ChineseColumnsFitTheirEncodings) {
    for (const StringRecord& record : RowsWithoutTerminator()) {
        SCOPED_TRACE(record.szKey);
        QStringEncoder gb2312("GB2312");
        QStringEncoder big5("Big5");
        ASSERT_TRUE(gb2312.isValid() && big5.isValid());
        (void)gb2312.encode(QString::fromUtf8(record.szSimplifiedChinese));
        EXPECT_FALSE(gb2312.hasError()) << record.szSimplifiedChinese;
        (void)big5.encode(QString::fromUtf8(record.szTraditionalChinese));
        EXPECT_FALSE(big5.hasError()) << record.szTraditionalChinese;
    }
}

// A starting copy refuses to run while another one's title shows a World Cup; that title is
// built from the World Cup tooltip text and recognised by these words.
TEST(StringTable, WorldCupTitleWordsAreRecognisable) {
    EXPECT_NE(std::string::npos,
              GetLocalizedText(IDS_TIP_WORLD_CUP, {}, {}, {}, kColumnEnglish).find("World Cup"));
    EXPECT_NE(
        std::string::npos,
        GetLocalizedText(IDS_TIP_WORLD_CUP, {}, {}, {}, kColumnSimplifiedChinese).find("世界杯"));
    EXPECT_NE(
        std::string::npos,
        GetLocalizedText(IDS_TIP_WORLD_CUP, {}, {}, {}, kColumnTraditionalChinese).find("世界盃"));
}

// Each Chinese column speaks its own variety: a term of the other one (or one the two columns
// settled against) reads as a conversion slip to a native reader.
TEST(StringTable, ChineseColumnsUseTheirOwnTerms) {
    struct Case {
        const char* StringRecord::*pText;
        const char* szForeignTerm;
    };
    const Case kCases[] = {
        {&StringRecord::szSimplifiedChinese, "世界盃"},
        {&StringRecord::szTraditionalChinese, "世界杯"},
        {&StringRecord::szSimplifiedChinese, "图像"}, // pictures are 图片, as 圖片 beside it
        {&StringRecord::szTraditionalChinese, "高級規則"}, // 高級 is a difficulty level
        {&StringRecord::szSimplifiedChinese, "一般背景音乐"},
        {&StringRecord::szTraditionalChinese, "一般背景音樂"},
        {&StringRecord::szSimplifiedChinese, "算法"}, // solutions are 解法
        {&StringRecord::szTraditionalChinese, "算法"},
        {&StringRecord::szSimplifiedChinese, "Windows"},
        {&StringRecord::szTraditionalChinese, "Windows"},
        {&StringRecord::szEnglish, "Windows"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szForeignTerm);
        for (const StringRecord& record : RowsWithoutTerminator()) {
            EXPECT_EQ(std::string::npos, std::string(record.*c.pText).find(c.szForeignTerm))
                << record.szKey << ": " << record.*c.pText;
        }
    }
}

TEST(GetLocalizedText, ChoosesTheColumn) {
    struct Case {
        std::uint32_t nCurrentLanguage;
        int nColumn;
        const char* szExpected;
    };
    const Case kCases[] = {
        {kLanguageEnglish, kColumnCurrentLanguage, "Korvane Studio"},
        {kLanguageSimplifiedChinese, kColumnCurrentLanguage, "Korvane 工作室"},
        {kLanguageTraditionalChinese, kColumnCurrentLanguage, "Korvane 工作室"},
        {kLanguageSimplifiedChinese, kColumnEnglish, "Korvane Studio"},
        {kLanguageEnglish, kColumnSimplifiedChinese, "Korvane 工作室"},
        {kLanguageEnglish, kColumnTraditionalChinese, "Korvane 工作室"},
        {kLanguageEnglish, 7, "Korvane 工作室"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nCurrentLanguage << " column " << c.nColumn);
        SetLanguageId(c.nCurrentLanguage);
        EXPECT_EQ(c.szExpected, GetLocalizedText(IDS_KVT_COMPANY, {}, {}, {}, c.nColumn));
    }
    SetLanguageId(kLanguageSimplifiedChinese);
    EXPECT_EQ("无", GetLocalizedText(IDS_KVT_NONE));
    SetLanguageId(kLanguageTraditionalChinese);
    EXPECT_EQ("無", GetLocalizedText(IDS_KVT_NONE));
    SetLanguageId(kLanguageEnglish);
}

TEST(GetLocalizedText, UnknownIdGivesEmptyText) {
    for (std::uint32_t nId : {99999u, 0u, 4u, 140025u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(nId);
        EXPECT_EQ("", GetLocalizedText(nId, "a", "b", "c"));
        EXPECT_EQ("", GetLocalizedText(nId, {}, {}, {}, kColumnSimplifiedChinese));
    }
}

TEST(GetLocalizedText, FillsEveryOccurrence) {
    EXPECT_EQ("You selected 50 questions to be used in your training, but there are only 40 "
              "available. So 40 questions will be used in the training.",
              GetLocalizedText(IDS_DIALOG_MAIN_PROMPT_INSUFFICIENT_QUESTIONS, "50", "training",
                               "40", kColumnEnglish));
    EXPECT_EQ("您选择在训练中使用 50 道题目，但只有 40 道题目可用，因此训练将使用 40 道题目。",
              GetLocalizedText(IDS_DIALOG_MAIN_PROMPT_INSUFFICIENT_QUESTIONS, "50", "训练", "40",
                               kColumnSimplifiedChinese));
    EXPECT_EQ("Exit Training Game (Esc)",
              GetLocalizedText(IDS_TIP_EXIT_X, "Training Game", {}, {}, kColumnEnglish));
}

TEST(SubstitutePlaceholders, StopsAtTheFirstMissingPlaceholder) {
    struct Case {
        const char* szText;
        const char* szExpected;
    };
    const Case kCases[] = {
        {"%2 and %3", "%2 and %3"}, // no %1: nothing is filled
        {"%1, %3", "A, %3"},        // no %2: %3 stays
        {"%3 %2 %1", "C B A"},      // order in the text does not matter
        {"%1%1 %2", "AA B"},        // every occurrence
        {"no placeholder", "no placeholder"},
        {"", ""},
        {"%%1 %", "%A %"},
        {"#1 %1", "#1 A"}, // second-stage placeholders are left alone
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szText);
        EXPECT_EQ(c.szExpected, SubstitutePlaceholders(c.szText, "A", "B", "C"));
    }
}

TEST(SubstitutePlaceholders, ArgumentsAreFilledInOnTheGrowingText) {
    // A %2 that the first argument brings in is filled by the second step.
    EXPECT_EQ("x B y B", SubstitutePlaceholders("x %1 y %2", "%2", "B", "C"));
    // Arguments that contain their own placeholder do not loop and are kept as given.
    EXPECT_EQ("[%1][%1]", SubstitutePlaceholders("[%1][%1]", "%1", "B", "C"));
    EXPECT_EQ("xx x", SubstitutePlaceholders("%1 %2", "%2%2", "x", "unused"));
    EXPECT_EQ(" - ", SubstitutePlaceholders("%1 - %2", "", "", "C"));
}

TEST(ReplaceNumberedPlaceholders, FillsAReport) {
    const std::string strReport = ReplaceNumberedPlaceholders(
        GetLocalizedText(IDS_DIALOG_MAIN_REPORT_TRAINING_GAME, {}, {}, {}, kColumnEnglish),
        {"Hero", "Standard Rule (Addition, Subtraction, Multiplication and Division)", "1-13",
         "7/10", "1 min 15 sec"});
    EXPECT_EQ("Training Game Score Report - Hero Level\r\n\r\nRule: Standard Rule (Addition, "
              "Subtraction, Multiplication and Division)\r\nValue Range: 1-13\r\nScores: "
              "7/10\r\nTime: 1 min 15 sec",
              strReport);
    EXPECT_EQ("#1 #2", ReplaceNumberedPlaceholders("#1 #2", {}));
    EXPECT_EQ("b b", ReplaceNumberedPlaceholders("#1 #2", {"#2", "b"}));
}

} // namespace
