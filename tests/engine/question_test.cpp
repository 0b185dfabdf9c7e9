#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

struct ParseCase {
    const char* szText;
    unsigned nMax;
    bool bOk;
    std::vector<unsigned> uaValues;
};

const ParseCase kParseQuestionTextCases[] = {
    {"1 2 3 4", 10, true, {1, 2, 3, 4}},
    {"8 3 8 3", 10, true, {8, 3, 8, 3}},
    {"1  2 3 4", 10, true, {1, 2, 3, 4}},
    {"  1 2 3 4  ", 10, true, {1, 2, 3, 4}},
    {"1,2;3\t4", 10, true, {1, 2, 3, 4}},
    {"1 ,2 ; 3 4", 10, true, {1, 2, 3, 4}},
    {"1 2 3", 10, false, {}},
    {"01 2 3 4", 10, false, {}},
    {"1 2 3 4 5", 10, false, {}},
    {"1+2 3 4", 10, false, {}},
    {"1 +2 3 4", 10, false, {}},
    {"1 2 3 11", 10, false, {}},
    {"1 2 3 11", 13, true, {1, 2, 3, 11}},
    {"1 2 3 14", 13, false, {}},
    {"0 2 3 4", 13, false, {}},
    {"-1 2 3 4", 13, false, {}},
    {"1 2 3 4a", 13, false, {}},
    {"1 2 3 4.0", 13, false, {}},
    {"99999999999999999999 2 3 4", 13, false, {}},
    {"4294967297 2 3 4", 13, false, {}},
    {"", 13, false, {}},
    {"   ", 13, false, {}},
};

TEST(ParseQuestionText, ReadsOnlyFourPlainValues) {
    const CEngineSettingsScope settings;
    for (const ParseCase& c : kParseQuestionTextCases) {
        SetMaxValue(c.nMax);
        SetInterfaceCharset(InterfaceCharset::None);
        std::vector<unsigned> uaValues = {99};
        EXPECT_EQ(ParseQuestionText(c.szText, uaValues), c.bOk) << c.szText;
        if (c.bOk) {
            EXPECT_EQ(uaValues, c.uaValues);
        } else {
            EXPECT_EQ(uaValues, std::vector<unsigned>{99}) << "left alone on failure";
        }
    }
}

TEST(ParseQuestionText, FullWidthSeparatorsNeedAChineseInterface) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<unsigned> uaValues;
    const std::string strFullWidth = "\xEF\xBC\x91\xEF\xBC\x8C"
                                     "2\xEF\xBC\x9B"
                                     "3 4"; // １，2；3 4
    SetInterfaceCharset(InterfaceCharset::None);
    EXPECT_FALSE(ParseQuestionText(strFullWidth, uaValues));
    for (InterfaceCharset charset : {InterfaceCharset::GB2312, InterfaceCharset::Big5}) {
        SetInterfaceCharset(charset);
        ASSERT_TRUE(ParseQuestionText(strFullWidth, uaValues));
        EXPECT_EQ(uaValues, (std::vector<unsigned>{1, 2, 3, 4}));
    }
}

TEST(ParseQuestionText, IdeographicSpaceSeparatesOnlyUnderGb2312) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    const std::string strText = "1\xE3\x80\x80"
                                "2 3 4"; // 1<U+3000>2 3 4
    std::vector<unsigned> uaValues;
    SetInterfaceCharset(InterfaceCharset::GB2312);
    ASSERT_TRUE(ParseQuestionText(strText, uaValues));
    EXPECT_EQ(uaValues, (std::vector<unsigned>{1, 2, 3, 4}));
    SetInterfaceCharset(InterfaceCharset::Big5);
    EXPECT_FALSE(ParseQuestionText(strText, uaValues)) << "joined, 12 3 4 is three values";
    ASSERT_TRUE(ParseQuestionText(strText + " 5", uaValues));
    EXPECT_EQ(uaValues, (std::vector<unsigned>{12, 3, 4, 5}));
}

TEST(Question, ValidityFollowsTheValueRange) {
    const CEngineSettingsScope settings;
    SetMaxValue(10);
    EXPECT_TRUE(IsValidQuestion({1, 2, 3, 10}));
    EXPECT_FALSE(IsValidQuestion({1, 2, 3, 11}));
    EXPECT_FALSE(IsValidQuestion({0, 2, 3, 4}));
    EXPECT_FALSE(IsValidQuestion({1, 2, 3}));
    EXPECT_FALSE(IsValidQuestion({1, 2, 3, 4, 5}));
    SetMaxValue(13);
    EXPECT_TRUE(IsValidQuestion({13, 13, 13, 13}));
    EXPECT_FALSE(IsValidQuestion({14, 1, 1, 1}));
}

TEST(Question, KeysSortWithTwoDigitValuesAfterNine) {
    EXPECT_EQ(GetQuestionSortKey("1 10 11 13"), "1 A B D");
    EXPECT_EQ(GetQuestionSortKey("12 12 13 13"), "C C D D");
    EXPECT_TRUE(QuestionKeyLess("1 9 9 9", "1 10 10 10"));
    EXPECT_TRUE(QuestionKeyLess("9 9 9 9", "10 10 10 10"));
    EXPECT_FALSE(QuestionKeyLess("1 10 10 10", "1 9 9 9"));
    EXPECT_TRUE(QuestionKeyLess("1 2 3 4", "1 2 3 5"));

    std::vector<unsigned> uaA = {8, 3, 8, 3}, uaB = {3, 3, 8, 8};
    std::sort(uaA.begin(), uaA.end());
    EXPECT_EQ(FormatQuestionText(uaA), FormatQuestionText(uaB));
    EXPECT_EQ(FormatQuestionText(uaB), "3 3 8 8");
}

TEST(Template, InstantiatesSlotsInOrder) {
    const unsigned ua8383[4] = {8, 3, 8, 3};
    EXPECT_EQ(InstantiateTemplate("n1/(n2-n3/n4)", ua8383), "8/(3-8/3)");
    const unsigned uaBig[4] = {10, 11, 12, 13};
    EXPECT_EQ(InstantiateTemplate("n1*(n2+n3)-n4", uaBig), "10*(11+12)-13");
    EXPECT_EQ(InstantiateTemplate("n1^^n2-n3-n4", uaBig), "10^^11-12-13");
}

TEST(Template, OperatorsToSpacesGivesTheNumbersBack) {
    const CEngineSettingsScope settings;
    EXPECT_EQ(OperatorsToSpaces("8/(3-8/3)"), "8  3 8 3 ");
    EXPECT_EQ(OperatorsToSpaces("10^^2+(11-12)"), "10 2  11 12 ");
    SetMaxValue(13);
    std::vector<unsigned> uaValues;
    ASSERT_TRUE(ParseQuestionText(OperatorsToSpaces("(13-1)^^2*12"), uaValues));
    EXPECT_EQ(uaValues, (std::vector<unsigned>{13, 1, 2, 12}));
    EXPECT_FALSE(ParseQuestionText(OperatorsToSpaces("(13-1)^^2*(12/11)"), uaValues));
}

TEST(Templates, TableIsCompleteAndWellFormed) {
    std::set<std::string> seen;
    for (const CanonicalTemplate& t : kSolverTemplates) {
        const std::string strText = t.szTemplate;
        EXPECT_TRUE(seen.insert(strText).second) << "duplicate " << strText;
        // Each slot once, numbered left to right.
        size_t nPrevious = 0;
        for (const char* szSlot : {"n1", "n2", "n3", "n4"}) {
            const size_t nPos = strText.find(szSlot);
            ASSERT_NE(nPos, std::string::npos) << strText;
            EXPECT_EQ(strText.find(szSlot, nPos + 1), std::string::npos) << strText;
            EXPECT_GE(nPos, nPrevious) << strText;
            nPrevious = nPos;
        }
        EXPECT_GE(t.nSortType, 0);
        EXPECT_LE(t.nSortType, 10);
        EXPECT_EQ(GetCanonicalSortType(strText), t.nSortType);
    }
    for (int i = 0; i < kStandardTemplateCount; ++i)
        EXPECT_EQ(std::string(kSolverTemplates[i].szTemplate).find('^'), std::string::npos);
    for (int i = kStandardTemplateCount; i < kSolverTemplateCount; ++i)
        EXPECT_NE(std::string(kSolverTemplates[i].szTemplate).find('^'), std::string::npos);
    EXPECT_STREQ(kSolverTemplates[kAllProductCheckBefore].szTemplate, "n1*n2*n3/n4");
    EXPECT_STREQ(kSolverTemplates[40].szTemplate, "n1/(n2-n3/n4)");
    EXPECT_STREQ(kSolverTemplates[147].szTemplate, "(n1*n2*n3)^^n4");
    EXPECT_EQ(GetCanonicalSortType("n1+n2+n3+n4"), 11);
    EXPECT_EQ(GetCanonicalSortType("n1*n2*n3*n4"), 11);
    EXPECT_EQ(GetCanonicalSortType("n1^^n2-n3-n4"), 5);
    EXPECT_EQ(GetCanonicalSortType("n1+n2+n3+n4+"), 0);
}

} // namespace
