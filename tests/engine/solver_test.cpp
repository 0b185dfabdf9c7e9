#include "engine/enginestate.h"
#include "engine/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

bool Contains(const Strings& sa, const std::string& str) {
    return std::find(sa.begin(), sa.end(), str) != sa.end();
}

struct OrderingsCase {
    std::vector<unsigned> uaSorted;
    std::vector<std::vector<unsigned>> expected; // all of them, or the first few when longer
    int nCount;
};

const OrderingsCase kOrderingsCases[] = {
    {{1, 2, 3, 4}, {{1, 2, 3, 4}, {1, 2, 4, 3}, {1, 3, 2, 4}, {1, 3, 4, 2}, {1, 4, 2, 3}}, 24},
    {{1, 1, 2, 3}, {{1, 1, 2, 3}, {1, 1, 3, 2}, {1, 2, 1, 3}, {1, 2, 3, 1}, {1, 3, 1, 2}}, 12},
    {{1, 1, 2, 2},
     {{1, 1, 2, 2}, {1, 2, 1, 2}, {1, 2, 2, 1}, {2, 1, 1, 2}, {2, 1, 2, 1}, {2, 2, 1, 1}},
     6},
    {{1, 1, 1, 2}, {{1, 1, 1, 2}, {1, 1, 2, 1}, {1, 2, 1, 1}, {2, 1, 1, 1}}, 4},
    {{2, 2, 2, 2}, {{2, 2, 2, 2}}, 1},
};

TEST(BuildOrderings, DistinctArrangementsInPositionOrder) {
    for (const OrderingsCase& c : kOrderingsCases) {
        SCOPED_TRACE(testing::PrintToString(c.uaSorted));
        ValueOrderings orderings;
        BuildOrderings(c.uaSorted.data(), orderings);
        ASSERT_EQ(orderings.nCount, c.nCount);
        for (size_t k = 0; k < c.expected.size(); ++k)
            EXPECT_EQ(std::vector<unsigned>(orderings.uaTuples[k], orderings.uaTuples[k] + 4),
                      c.expected[k]);
    }
    ValueOrderings orderings;
    const unsigned uaSorted[4] = {1, 2, 3, 4};
    BuildOrderings(uaSorted, orderings);
    EXPECT_EQ(std::vector<unsigned>(orderings.uaTuples[23], orderings.uaTuples[23] + 4),
              (std::vector<unsigned>{4, 3, 2, 1}));
}

struct SolveCase {
    std::vector<unsigned> uaQ;
    bool bStandard;
    Strings candidates; // before the post-filter; checked when not empty
    Strings solutions;
};

const SolveCase kSolveCases[] = {
    {{1, 1, 1, 1}, true, {}, {}},
    {{1, 1, 1, 1}, false, {}, {}},
    {{1, 2, 3, 4},
     true,
     {"4*(1+2+3)", "(1+3)*(2+4)", "1*2*3*4", "2*3*4/1"},
     {"4*(1+2+3)", "(1+3)*(2+4)", "1*2*3*4"}},
    {{4, 3, 2, 1}, true, {}, {"4*(1+2+3)", "(1+3)*(2+4)", "1*2*3*4"}},
    {{1, 4, 4, 8},
     true,
     {"4*(8-1)-4", "8+1*4*4", "8+4*4/1", "1*8+4*4", "4*4+8/1", "1*(8+4*4)", "(8+4*4)/1"},
     {"4*(8-1)-4", "1*(8+4*4)"}},
    {{8, 3, 8, 3}, true, {"8/(3-8/3)"}, {"8/(3-8/3)"}},
    {{3, 3, 8, 8}, false, {}, {"8/(3-8/3)"}},
    {{6, 6, 6, 6}, true, {"6+6+6+6", "6*6-6-6"}, {"6+6+6+6", "6*6-6-6"}},
};

TEST(FindAllSolutions, ListsOfTheExamples) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    for (const SolveCase& c : kSolveCases) {
        for (SolverPath path : {SolverPath::Compiled, SolverPath::Text}) {
            SCOPED_TRACE(testing::PrintToString(c.uaQ) + (c.bStandard ? " standard" : " advanced") +
                         (path == SolverPath::Text ? " text" : " compiled"));
            Strings saList = {"stale"};
            EXPECT_TRUE(FindAllSolutions(c.uaQ, saList, c.bStandard, path));
            EXPECT_EQ(saList, c.solutions);
            if (!c.candidates.empty()) {
                EXPECT_TRUE(FindCandidateSolutions(c.uaQ, saList, c.bStandard, path));
                EXPECT_EQ(saList, c.candidates);
            }
        }
    }
}

struct MembershipCase {
    std::vector<unsigned> uaQ;
    bool bStandard;
    Strings kept;
    Strings removed; // by the post-filter: candidates, but not solutions
};

const MembershipCase kMembershipCases[] = {
    {{1, 2, 12, 12}, true, {"(12+12)*(2-1)"}, {"12+12*(2-1)"}},
    {{1, 2, 5, 8}, false, {"8+(5-1)^2"}, {"8+(1-5)^2"}},
    {{1, 2, 3, 8}, false, {}, {"3*8^(2-1)", "3*8^^(2-1)", "3*8/(2-1)"}},
    {{6, 6, 6, 6}, false, {"6+6+6+6", "6*6-6-6"}, {}},
};

TEST(FindAllSolutions, PostFilterRemovesTheRedundantForms) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    for (const MembershipCase& c : kMembershipCases) {
        SCOPED_TRACE(testing::PrintToString(c.uaQ) + (c.bStandard ? " standard" : " advanced"));
        Strings saCandidates, saSolutions;
        ASSERT_TRUE(FindCandidateSolutions(c.uaQ, saCandidates, c.bStandard));
        ASSERT_TRUE(FindAllSolutions(c.uaQ, saSolutions, c.bStandard));
        EXPECT_GT(saSolutions.size(), 1u);
        for (const std::string& str : c.kept) {
            EXPECT_TRUE(Contains(saSolutions, str)) << str;
        }
        for (const std::string& str : c.removed) {
            EXPECT_TRUE(Contains(saCandidates, str)) << str;
            EXPECT_FALSE(Contains(saSolutions, str)) << str;
        }
    }
}

TEST(RemoveRedundantSolutions, ALoneSolutionIsNeverFiltered) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    Strings saList = {"2*3*4/1"};
    RemoveRedundantSolutions(saList);
    EXPECT_EQ(saList, Strings{"2*3*4/1"});
    // With company, every redundant entry goes, neighbours included, however few remain.
    saList = {"8+1*4*4", "8+4*4/1", "1*(8+4*4)", "(8+4*4)/1"};
    RemoveRedundantSolutions(saList);
    EXPECT_EQ(saList, Strings{"1*(8+4*4)"});
    saList = {"2*3*4/1", "(8+4*4)/1"};
    RemoveRedundantSolutions(saList);
    EXPECT_TRUE(saList.empty());
    RemoveRedundantSolutions(saList);
    EXPECT_TRUE(saList.empty());
}

TEST(FindAllSolutions, StandardTemplatesComeFirstUnderTheAdvancedRule) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    Strings saStandard, saAdvanced;
    ASSERT_TRUE(FindAllSolutions({2, 2, 3, 3}, saStandard, true));
    ASSERT_TRUE(FindAllSolutions({2, 2, 3, 3}, saAdvanced, false));
    EXPECT_EQ(saStandard, (Strings{"(2+2)*(3+3)", "2*2*(3+3)", "3*(2+2*3)"}));
    EXPECT_EQ(saAdvanced,
              (Strings{"(2+2)*(3+3)", "2*2*(3+3)", "3*(2+2*3)", "(3+3)*2^2", "2*(3+3^2)"}));
}

TEST(FindAllSolutions, InvalidQuestionLeavesTheListAlone) {
    const CEngineSettingsScope settings;
    const std::vector<std::vector<unsigned>> uaaInvalid = {
        {}, {1, 2, 3}, {1, 2, 3, 4, 5}, {0, 1, 2, 3}, {1, 2, 3, 14}, {1, 2, 3, 4000000000u}};
    SetMaxValue(13);
    for (const std::vector<unsigned>& uaQ : uaaInvalid) {
        SCOPED_TRACE(testing::PrintToString(uaQ));
        Strings saList = {"untouched"};
        EXPECT_FALSE(FindAllSolutions(uaQ, saList, true));
        EXPECT_FALSE(FindAllSolutions(uaQ, saList, false, SolverPath::Text));
        EXPECT_EQ(saList, Strings{"untouched"});
    }
    SetMaxValue(10);
    Strings saList = {"untouched"};
    EXPECT_FALSE(FindAllSolutions({1, 2, 11, 11}, saList, true));
    EXPECT_EQ(saList, Strings{"untouched"});
    SetMaxValue(13);
    EXPECT_TRUE(FindAllSolutions({1, 2, 11, 11}, saList, true));
    EXPECT_FALSE(saList.empty());
}

TEST(FindAllSolutions, StoresTheRuleForTheChecker) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    Strings saList;
    ASSERT_TRUE(FindAllSolutions({1, 1, 1, 1}, saList, false));
    EXPECT_FALSE(IsStandardRule());
    ASSERT_TRUE(FindAllSolutions({1, 1, 1, 1}, saList, true));
    EXPECT_TRUE(IsStandardRule());
    // An invalid question is refused before the rule is touched.
    EXPECT_FALSE(FindAllSolutions({0, 1, 1, 1}, saList, false));
    EXPECT_TRUE(IsStandardRule());
}

TEST(EvaluateTemplate, AppendsTheInstancesThatMakeTwentyFour) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    ValueOrderings orderings;
    const unsigned uaSorted[4] = {3, 3, 8, 8};
    BuildOrderings(uaSorted, orderings);
    Strings saFound = {"earlier"};
    EXPECT_EQ(EvaluateTemplate(saFound, "n1/(n2-n3/n4)", orderings, true), 1);
    EXPECT_EQ(saFound, (Strings{"earlier", "8/(3-8/3)"}));
    // Both orderings of the factors are found; choosing one is KeepOneOrdering's business.
    saFound.clear();
    const unsigned uaSmall[4] = {1, 2, 3, 4};
    BuildOrderings(uaSmall, orderings);
    EXPECT_EQ(EvaluateTemplate(saFound, "(n1+n2)*(n3+n4)", orderings, true), 8);
    EXPECT_EQ(saFound.front(), "(1+3)*(2+4)");
    // A power under the standard rule, or a misplaced root, is malformed: nothing is kept.
    saFound.clear();
    EXPECT_EQ(EvaluateTemplate(saFound, "n1*n2^n3*n4", orderings, true), -1);
    EXPECT_EQ(EvaluateTemplate(saFound, "n1*n2^^+n3*n4", orderings, false), -1);
    EXPECT_TRUE(saFound.empty());
    EXPECT_EQ(EvaluateTemplate(saFound, "n1*n2*n3/(n4-n4)", orderings, true), 0);
}

} // namespace
