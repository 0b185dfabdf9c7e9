#include "play/questionset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Strings = std::vector<std::string>;

TEST(FullSetCandidates, CoverTheRangeInQuestionOrder) {
    struct Case {
        Quadruple naStart, naEnd;
        int nMax;
        size_t nCount;
        const char* szFirst;
        const char* szLast;
    };
    const Case kCases[] = {
        {{1, 1, 1, 1}, {10, 10, 10, 10}, 10, 715, "1 1 1 1", "10 10 10 10"},
        {{1, 1, 1, 1}, {13, 13, 13, 13}, 13, 1820, "1 1 1 1", "13 13 13 13"},
        {{9, 9, 9, 9}, {13, 13, 13, 13}, 13, 70, "9 9 9 9", "13 13 13 13"},
        {{2, 9, 9, 9}, {3, 1, 1, 1}, 10, 4, "2 9 9 9", "2 10 10 10"},
        {{3, 4, 5, 6}, {3, 4, 5, 6}, 10, 1, "3 4 5 6", "3 4 5 6"},
    };
    for (const Case& c : kCases) {
        const Strings saCandidates = BuildFullSetCandidates(c.naStart, c.naEnd, c.nMax);
        ASSERT_EQ(saCandidates.size(), c.nCount);
        EXPECT_EQ(saCandidates.front(), c.szFirst);
        EXPECT_EQ(saCandidates.back(), c.szLast);
        // Question order puts 9 before 10: the lexicographic order of the values.
        EXPECT_TRUE(std::is_sorted(saCandidates.begin(), saCandidates.end(),
                                   [](const std::string& a, const std::string& b) {
                                       Quadruple qa{}, qb{};
                                       ParseRunQuestion(a, 13, qa);
                                       ParseRunQuestion(b, 13, qb);
                                       return qa < qb;
                                   }));
    }
}

TEST(SelectQuestions, SequentialTakesTheFirstOrLastInTheirOrder) {
    std::mt19937 generator(1);
    const Strings saAll = BuildFullSetCandidates({1, 1, 1, 1}, {10, 10, 10, 10}, 10);
    const QuestionSelection descending = SelectQuestions(saAll, 5, false, false, false, generator);
    EXPECT_EQ(descending.saQuestions,
              (Strings{"10 10 10 10", "9 10 10 10", "9 9 10 10", "9 9 9 10", "9 9 9 9"}));
    EXPECT_FALSE(descending.bInsufficient);
    const QuestionSelection ascending = SelectQuestions(saAll, 3, false, true, false, generator);
    EXPECT_EQ(ascending.saQuestions, (Strings{"1 1 1 1", "1 1 1 2", "1 1 1 3"}));
}

TEST(SelectQuestions, RandomDrawsDistinctCandidates) {
    std::mt19937 generator(7);
    const Strings saAll = BuildFullSetCandidates({1, 1, 1, 1}, {13, 13, 13, 13}, 13);
    const QuestionSelection selection = SelectQuestions(saAll, 40, true, true, true, generator);
    ASSERT_EQ(selection.saQuestions.size(), 40u);
    const std::set<std::string> distinct(selection.saQuestions.begin(),
                                         selection.saQuestions.end());
    EXPECT_EQ(distinct.size(), 40u);
    for (const std::string& strQ : selection.saQuestions)
        EXPECT_NE(std::find(saAll.begin(), saAll.end(), strQ), saAll.end());
    // Not simply the first 40 in order.
    EXPECT_NE(selection.saQuestions, Strings(saAll.begin(), saAll.begin() + 40));
}

TEST(CollectionCandidates, KeepValidInRangeQuestionsOnceInQuestionOrder) {
    TrainingPlan plan;
    plan.m_bFullSet = false;
    const Strings saTroubleMaker = {"3 3 8 8",  "1 2 3 11", "10 10 10 10", "1 2 3",
                                    "01 2 3 4", "a b c d",  "4 3 2 1",     "1 1 1 1"};
    const Strings saMyFavorite = {"3 3 8 8", " 2  4 6 9 ", "1 1 1 1", "1 2 3 4 5"};
    EXPECT_EQ(BuildCollectionCandidates(saTroubleMaker, saMyFavorite, plan),
              (Strings{"1 1 1 1", "1 2 3 4", "2 4 6 9", "3 3 8 8", "10 10 10 10"}));

    plan.m_bTroubleMaker = false;
    EXPECT_EQ(BuildCollectionCandidates(saTroubleMaker, saMyFavorite, plan),
              (Strings{"1 1 1 1", "2 4 6 9", "3 3 8 8"}));

    plan.m_bTroubleMaker = true;
    plan.m_bJQK = true;
    plan.m_bFullRange = false;
    plan.m_bStartOn = plan.m_bEndOn = true;
    plan.m_naStart = {1, 2, 3, 4};
    plan.m_naEnd = {3, 3, 8, 8};
    EXPECT_EQ(BuildCollectionCandidates(saTroubleMaker, saMyFavorite, plan),
              (Strings{"1 2 3 4", "1 2 3 11", "2 4 6 9", "3 3 8 8"}));
}

TEST(SelectQuestions, FewerCandidatesThanRequestedUsesThemAllAndSaysSo) {
    Strings saTwelve;
    for (int i = 1; i <= 12; ++i)
        saTwelve.push_back("1 1 1 " + std::to_string(i));
    std::mt19937 generator(3);
    const QuestionSelection random = SelectQuestions(saTwelve, 40, true, true, false, generator);
    EXPECT_TRUE(random.bInsufficient);
    EXPECT_EQ(random.nAvailable, 12);
    EXPECT_TRUE(std::is_permutation(random.saQuestions.begin(), random.saQuestions.end(),
                                    saTwelve.begin(), saTwelve.end()));
    EXPECT_NE(random.saQuestions, saTwelve);

    const QuestionSelection exact = SelectQuestions(saTwelve, 12, false, false, false, generator);
    EXPECT_FALSE(exact.bInsufficient);
    EXPECT_EQ(exact.saQuestions.front(), "1 1 1 12");
    EXPECT_TRUE(SelectQuestions({}, 40, true, true, false, generator).saQuestions.empty());
}

} // namespace
