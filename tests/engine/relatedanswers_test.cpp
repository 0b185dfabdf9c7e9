#include "engine/enginestate.h"
#include "engine/relatedanswers.h"
#include "engine/solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CountCase {
    int nSolutions;
    int naRequired[4]; // levels 1..4
};

const CountCase kCountCases[] = {
    {0, {0, 0, 0, 0}},   {1, {1, 1, 1, 1}},   {2, {1, 2, 2, 2}},   {3, {1, 2, 2, 3}},
    {4, {1, 2, 2, 4}},   {5, {1, 2, 3, 5}},   {7, {1, 2, 3, 7}},   {8, {1, 2, 4, 8}},
    {10, {1, 2, 4, 10}}, {11, {1, 2, 5, 11}}, {13, {1, 2, 5, 13}}, {14, {1, 2, 6, 14}},
    {16, {1, 2, 6, 16}}, {40, {1, 2, 6, 40}}, {-1, {0, 0, 0, 0}},
};

TEST(GetSolutionCount, EveryLevelAtItsBoundaries) {
    for (const CountCase& c : kCountCases) {
        for (int nLevel = 1; nLevel <= 4; ++nLevel) {
            EXPECT_EQ(GetSolutionCount(nLevel, c.nSolutions), c.naRequired[nLevel - 1])
                << "level " << nLevel << ", " << c.nSolutions << " solutions";
        }
    }
}

struct RelationCase {
    std::vector<unsigned> uaQ;
    bool bStandard;
    const char* szFirst;
    const char* szSecond;
    AnswerRelation relation;
};

const RelationCase kRelationCases[] = {
    {{1, 2, 3, 4}, true, "2*3*4/1", "1*2*3*4", AnswerRelation::Similar},
    {{1, 2, 3, 4}, true, "2*3*4*1", "1*2*3*4", AnswerRelation::Same},
    {{1, 2, 3, 4}, true, "4*(1+2+3)", "(3+2+1)*4", AnswerRelation::Same},
    {{1, 2, 3, 4}, true, "(4*(1+2+3))", "4*(3+2+1)", AnswerRelation::Same},
    {{1, 2, 3, 4}, true, "4*(1+2+3)", "(1+3)*(2+4)", AnswerRelation::Different},
    {{1, 2, 3, 5}, true, "(3+5)*(1+2)", "(2+1)*(5+3)", AnswerRelation::Same},
    {{1, 2, 5, 8}, false, "8+(1-5)^2", "8+(5-1)^2", AnswerRelation::Similar},
};

TEST(AnswerRelation, SameSimilarOrDifferent) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    for (const RelationCase& c : kRelationCases) {
        SCOPED_TRACE(std::string(c.szFirst) + " / " + c.szSecond);
        SetStandardRule(c.bStandard);
        const AnswerKeys first = GetAnswerKeys(c.szFirst);
        const AnswerKeys second = GetAnswerKeys(c.szSecond);
        EXPECT_FALSE(first.strNormal.empty());
        EXPECT_EQ(GetAnswerRelation(first, second), c.relation);
        EXPECT_EQ(GetAnswerRelation(second, first), c.relation);
    }
}

TEST(ClassifySubmittedLines, NewRepeatedAndIncorrectLines) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    SetStandardRule(true);
    const std::vector<std::string> saLines = {
        "2*3*4/1",     "1*2*3*4", "4*(1+2+3)", "(3+2+1)*4", "1+2+3+4",
        "(1+3)*(2+4)", "2*3*4*4", "2*4*3*1",   "4*(2+1+3)",
    };
    const SubmittedAnswers answers = ClassifySubmittedLines({1, 2, 3, 4}, saLines);
    const std::vector<unsigned> uaExpected = {1000, 0, 1000, 2, 999, 1000, 999, 0, 2};
    EXPECT_EQ(answers.uaAStatus, uaExpected);
    const std::vector<std::string> saRelations = {"", "similar", "",        "same", "",
                                                  "", "",        "similar", "same"};
    EXPECT_EQ(answers.saRelation, saRelations);
    EXPECT_EQ(answers.saSubNA[1], "1*2*3*4");
    EXPECT_EQ(answers.saSubNA[3], "4*(1+2+3)");
    EXPECT_EQ(answers.saNA[0], "1*2*3*4");
    EXPECT_TRUE(answers.saNA[4].empty());
    EXPECT_TRUE(answers.saSubNA[6].empty());
    EXPECT_EQ(answers.CountNew(), 3);
    EXPECT_EQ(answers.CountRepeated(), 4);
    EXPECT_EQ(answers.CountIncorrect(), 2);

    const SubmittedAnswers none = ClassifySubmittedLines({1, 2, 3, 4}, {});
    EXPECT_TRUE(none.uaAStatus.empty());
    EXPECT_EQ(none.CountNew(), 0);
}

TEST(ClassifySubmittedLines, TheRuleOfTheLastSolverCallDecides) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    ASSERT_TRUE(FindAllSolutions({1, 2, 5, 8}, saSolutions, false));
    const std::vector<std::string> saLines = {"8+(1-5)^2", "8+(5-1)^2", "8*(1+5)/2"};
    SubmittedAnswers answers = ClassifySubmittedLines({1, 2, 5, 8}, saLines);
    EXPECT_EQ(answers.uaAStatus, (std::vector<unsigned>{1000, 0, 1000}));
    EXPECT_EQ(answers.saRelation[1], "similar");

    ASSERT_TRUE(FindAllSolutions({1, 2, 5, 8}, saSolutions, true));
    answers = ClassifySubmittedLines({1, 2, 5, 8}, saLines);
    EXPECT_EQ(answers.uaAStatus, (std::vector<unsigned>{999, 999, 1000}));
}

TEST(ClassifySubmittedLines, RepeatsBeyondTheStatusCodesAreRefused) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    SetStandardRule(true);
    const std::vector<std::string> saLines(kMaxJudgedLines + 2, "4*(1+2+3)");
    const SubmittedAnswers answers = ClassifySubmittedLines({1, 2, 3, 4}, saLines);
    ASSERT_EQ(answers.uaAStatus.size(), saLines.size());
    EXPECT_EQ(answers.uaAStatus[0], kAnswerStatusNew);
    EXPECT_EQ(answers.uaAStatus[kMaxJudgedLines - 1], 0u);
    EXPECT_EQ(answers.uaAStatus[kMaxJudgedLines], kAnswerStatusIncorrect);
    EXPECT_EQ(answers.uaAStatus[kMaxJudgedLines + 1], kAnswerStatusIncorrect);
    EXPECT_EQ(answers.CountNew(), 1);
}

} // namespace
