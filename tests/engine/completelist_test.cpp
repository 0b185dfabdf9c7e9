#include "engine/completelist.h"

#include "engine/enginestate.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<unsigned> HeadingNumbers(const std::string& strParagraphs) {
    std::vector<unsigned> uaNumbers;
    const std::regex heading("<b>Q([0-9]+): [0-9]+ [0-9]+ [0-9]+ [0-9]+</b>");
    for (auto it = std::sregex_iterator(strParagraphs.begin(), strParagraphs.end(), heading);
         it != std::sregex_iterator(); ++it)
        uaNumbers.push_back(static_cast<unsigned>(std::stoul((*it)[1])));
    return uaNumbers;
}

bool CountsUp(const std::vector<unsigned>& uaNumbers) {
    for (std::size_t i = 0; i < uaNumbers.size(); ++i)
        if (uaNumbers[i] != i + 1) return false;
    return true;
}

} // namespace

TEST(CompleteList, HeadingsAndCountsForEachKindListed) {
    struct Case {
        bool bStandard, bJQK, bHave, bNo;
        unsigned nQuestions;
    };
    const Case cases[] = {
        {true, false, true, true, 715},  {true, false, false, true, 715},
        {true, false, true, false, 715}, {false, false, true, true, 715},
        {true, true, true, true, 1820},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bStandard << c.bJQK << c.bHave << c.bNo);
        const CompleteListOptions options{c.bStandard, c.bJQK, c.bHave, c.bNo};
        std::string strList;
        CompleteListCounts counts;
        ASSERT_TRUE(BuildCompleteList(options, "Q", "A", strList, counts));
        EXPECT_EQ(counts.nQuestions, c.nQuestions);
        EXPECT_EQ(CountCompleteListQuestions(c.bJQK ? 13 : 10), c.nQuestions);
        EXPECT_EQ(counts.nHaveSolution + counts.nNoSolution, counts.nQuestions);
        const std::vector<unsigned> uaNumbers = HeadingNumbers(strList);
        unsigned nListed = (c.bHave ? counts.nHaveSolution : 0) + (c.bNo ? counts.nNoSolution : 0);
        EXPECT_EQ(uaNumbers.size(), nListed);
        EXPECT_TRUE(CountsUp(uaNumbers)); // 1, 2, 3 ... among the listed kind alone too
        EXPECT_EQ(strList.find("<p style=\"word-spacing: 0; line-height: 100%; text-indent: 0; "
                               "margin: 0\" align=\"left\">A1: ") != std::string::npos,
                  c.bHave);
    }
}

TEST(CompleteList, FirstEntriesReadExactly) {
    std::string strList;
    CompleteListCounts counts;
    ASSERT_TRUE(BuildCompleteList({true, false, true, true}, "Q", "A", strList, counts));
    const std::string strLine =
        "<p style=\"word-spacing: 0; line-height: 100%; text-indent: 0; margin: 0\" "
        "align=\"left\">";
    // 1 1 1 1 has no solution; 1 1 1 8 is the first with one.
    const std::string strFirst = strLine + "<font size=\"2\"><b>Q1: 1 1 1 1</b></font></p>\r\n" +
                                 strLine + " &nbsp; </p>\r\n";
    EXPECT_EQ(strList.substr(0, strFirst.size()), strFirst);
    EXPECT_NE(strList.find("<b>Q8: 1 1 1 8</b></font></p>\r\n" + strLine + "A1: 8*(1+1+1)</p>\r\n" +
                           strLine + " &nbsp; </p>\r\n"),
              std::string::npos);
    EXPECT_EQ(counts.nHaveSolution, 566u);
}

TEST(CompleteList, StoppingEndsTheListAndKeepsTheEngineSettings) {
    SetStandardRule(true);
    SetMaxValue(10);
    std::string strList;
    CompleteListCounts counts;
    unsigned nCalls = 0;
    EXPECT_FALSE(BuildCompleteList({false, true, true, true}, "Q", "A", strList, counts,
                                   [&](unsigned nDone, unsigned nTotal) {
                                       ++nCalls;
                                       EXPECT_EQ(nTotal, 1820u);
                                       return nDone < 5;
                                   }));
    EXPECT_EQ(nCalls, 5u);
    EXPECT_EQ(counts.nQuestions, 5u);
    EXPECT_TRUE(IsStandardRule());
    EXPECT_EQ(GetMaxValue(), 10u);
}

TEST(CompleteList, FileNames) {
    const struct {
        char cLanguage;
        CompleteListOptions options;
        const char* szName;
    } cases[] = {
        {'e', {true, false, true, true}, "esdhsns.htm"},
        {'s', {false, true, true, false}, "sjhs.htm"},
        {'t', {true, true, false, true}, "tsdjns.htm"},
        {'e', {false, false, true, true}, "ehsns.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetCompleteListFileName(c.cLanguage, c.options), c.szName);
}

TEST(CompleteList, TemplateFilledInOrder) {
    CompleteListTexts texts;
    texts.strLevelName = "Hero";
    texts.strTheStory = "The Hero Story";
    texts.strRule = "Standard";
    texts.strJQK = "J Q K - Yes";
    texts.strListed = "listed";
    texts.strNotListed = "not listed";
    const CompleteListCounts counts{1820, 1500, 320};
    // A text that brings in a later placeholder has it filled too; the list comes last,
    // so its "100%" stays as it is.
    EXPECT_EQ(FillCompleteListTemplate("%RULENAME%|%THE_STORY%|%RULE_SA%|%RULE_JQK%|%Q_COUNT%|"
                                       "%HS_LS% %HS_COUNT%|%NS_LS% %NS_COUNT%|%GRANDLIST%|%X%",
                                       {true, true, false, true}, texts, counts, "100%Q_COUNT%"),
              "Hero|The Hero Story|Standard|J Q K - Yes|1820|not listed 1500|listed "
              "320|100%Q_COUNT%|%X%");
}
