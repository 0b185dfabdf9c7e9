#include "tests/play/playlogictesting.h"

#include "engine/enginestate.h"

#include <gtest/gtest.h>

namespace {

using PM = PlayMode;

struct JudgeCase {
    const char* szName;
    LogicSetup setup;
    const char* szExpected;
    int nClass;
    unsigned nStatus; // what a run records for its question; Normal mode records nothing
};

const char* const kFourAnswers = "4*(1+2+3)\n(1+3)*(2+4)\n1*2*3*4\n1+2+3+4";
const char* const kFirstAnswersNote =
    "\r\n\r\nYou have provided 4 answers, only first 2 were checked. Other answer(s) are "
    "neglected.";

const JudgeCase kJudgeCases[] = {
    {"NoSolutionClaimedRightly",
     {PM::Normal, 1, "1 1 1 1", "", true},
     "Bingo! There is really no solution for this question!",
     1,
     0},
    {"NoSolutionClaimedWrongly",
     {PM::Normal, 1, "3 3 8 8", "", true},
     "You lost! The question has 1 answer(s) under Standard Rule.\r\n\r\nYou can view all valid "
     "solution(s) by clicking the button below.",
     2,
     0},
    {"NoSolutionClaimedWronglyZh",
     {PM::Normal, 1, "3 3 8 8", "", true, kZhCN},
     "您输了！在标准规则下，这道题目有 1 个答案。\r\n\r\n单击下面的按钮可以查看全部有效解法。",
     2,
     0},
    {"NoSolutionClaimedWronglyInStrictRun",
     {PM::WorldCup, 2, "1 2 3 4", "", true},
     "You lost! The question has 3 answer(s) under Standard Rule.",
     2,
     2},
    {"AnswersToAQuestionWithoutSolution",
     {PM::Training, 1, "1 1 1 1", "1+1+1*1"},
     "You lost! The question has NO answer under Standard Rule.",
     2,
     2},
    {"AnswersToAQuestionWithoutSolutionZh",
     {PM::Normal, 1, "1 1 1 1", "1+1+1*1", false, kZhCN, false},
     "您输了！在高级规则下，这道题目无解。",
     2,
     0},
    {"SingleAnswerRight", {PM::Normal, 1, "3 3 8 8", "8/(3-8/3)"}, "Bingo!", 1, 0},
    {"SingleAnswerWrong", {PM::Training, 1, "3 3 8 8", "8*3-8/3"}, "You lost!", 2, 2},
    {"FullWidthAnswerUnderChinese",
     {PM::Normal, 1, "1 2 3 4", "４×（１＋２＋３）", false, kZhCN},
     "答对了！",
     1,
     0},
    {"FullWidthAnswerUnderEnglish",
     {PM::Normal, 1, "1 2 3 4", "４×（１＋２＋３）"},
     "You lost!",
     2,
     0},
    {"StrictBeginnerJudgesOnlyTheFirstAnswer",
     {PM::TrainingGame, 1, "1 2 3 4", "4*(1+2+3)\n1+2+3+4"},
     "Bingo!\r\n\r\nNote: No need to provide more than 1 answer if you are not required to do "
     "so. Additional answers will be neglected.",
     1,
     1},
    {"NormalJudgesEveryAnswer",
     {PM::Normal, 1, "1 2 3 4", "4*(1+2+3)\n(1+3)*(2+4)"},
     "All your answers are correct!",
     1,
     0},
    {"FoundAllDespiteAWrongOne",
     {PM::Normal, 1, "3 3 8 8", "8/(3-8/3)\n3*8+3-8"},
     "Good! You have found all solutions.\r\n\r\nFollowing answer is correct:\r\n    1: "
     "8/(3-8/3)\r\nFollowing answer is incorrect:\r\n    2: 3*8+3-8",
     1,
     0},
    {"InsufficientWithARepeat",
     {PM::Training, 2, "1 2 3 4", "4*(1+2+3)\n(3+2+1)*4"},
     "You haven't provided enough solutions as required.\r\n\r\nFollowing answer is "
     "correct:\r\n    1: 4*(1+2+3)\r\nFollowing answer is repetitive:\r\n    2: (3+2+1)*4 (same "
     "as 1)",
     2,
     2},
    {"NeedMoreExercises",
     {PM::Training, 2, "1 2 3 4", "2*3*4/1\n1*2*3*4\n1+2+3+4"},
     "You need more exercises.\r\n\r\nFollowing answer is correct:\r\n    1: "
     "2*3*4/1\r\nFollowing answer is incorrect:\r\n    3: 1+2+3+4\r\nFollowing answer is "
     "repetitive:\r\n    2: 1*2*3*4 (similar to 1)",
     2,
     2},
    {"NeedMoreExercisesZh",
     {PM::Training, 2, "1 2 3 4", "2*3*4/1\n1*2*3*4\n1+2+3+4", false, kZhCN},
     "您还需要多加练习。\r\n\r\n以下答案正确：\r\n    1：2*3*4/1\r\n以下答案错误：\r\n    3："
     "1+2+3+4\r\n以下答案重复：\r\n    2：1*2*3*4（与第 1 个相似）",
     2,
     2},
    {"GoodWithAWrongOne",
     {PM::Normal, 1, "1 2 3 4", "4*(1+2+3)\n1+2+3+4"},
     "Good!\r\n\r\nFollowing answer is correct:\r\n    1: 4*(1+2+3)\r\nFollowing answer is "
     "incorrect:\r\n    2: 1+2+3+4",
     1,
     0},
    {"GroupsOfSeveral",
     {PM::Normal, 1, "2 3 4 6",
      "3*(4+6-2)\n 6 + 3 x (2+4) \n\n2+3+4+6\n(4+6-2)*3\n2*3+4+6\n(6-2+4)*3"},
     "Good!\r\n\r\nFollowing answers are correct:\r\n    1: 3*(4+6-2)\r\n    2: 6 + 3 * "
     "(2+4)\r\nFollowing answers are incorrect:\r\n    3: 2+3+4+6\r\n    5: "
     "2*3+4+6\r\nFollowing answers are repetitive:\r\n    4: (4+6-2)*3 (same as 1)\r\n    6: "
     "(6-2+4)*3 (same as 1)",
     1,
     0},
    {"StrictRunChecksTheFirstAnswersOnly",
     {PM::TrainingGame, 2, "1 2 3 4", kFourAnswers},
     "All your answers are correct!\r\n\r\nYou have provided 4 answers, only first 2 were "
     "checked. Other answer(s) are neglected.",
     1,
     1},
    {"StrictRunWithTooFewAnswers",
     {PM::TrainingGame, 2, "1 2 3 4", "4*(1+2+3)"},
     "You lost!\r\n\r\nYou haven't provided enough solutions as required.",
     2,
     2},
    {"StrictRunWithTooFewAnswersZh",
     {PM::WorldCup, 3, "1 2 3 4", "4*(1+2+3)", false, kZhCN},
     "您输了！\r\n\r\n您提供的解法数量未达到要求。",
     2,
     2},
    {"StrictRunLostWithNoteAndDetails",
     {PM::WorldCup, 2, "1 2 3 4", "4*(1+2+3)\n(3+2+1)*4\n1+2+3+4\n1*2*3*4"},
     "You lost!\r\n\r\nYou have provided 4 answers, only first 2 were checked. Other answer(s) "
     "are neglected.\r\n\r\nFollowing answer is correct:\r\n    1: 4*(1+2+3)\r\nFollowing answer "
     "is repetitive:\r\n    2: (3+2+1)*4 (same as 1)",
     2,
     2},
    {"StrictRunLostWithNoteAndDetailsZh",
     {PM::WorldCup, 2, "1 2 3 4", "4*(1+2+3)\n(3+2+1)*4\n1+2+3+4\n1*2*3*4", false, kZhCN},
     "您输了！\r\n\r\n您提供了 4 个答案，只检查了前 2 "
     "个，其余答案被忽略。\r\n\r\n以下答案正确：\r\n "
     "   1：4*(1+2+3)\r\n以下答案重复：\r\n    2：(3+2+1)*4（与第 1 个相同）",
     2,
     2},
    // At Ultimate every answer is judged, so no answer was neglected and no note says so.
    {"StrictUltimateJudgesEveryAnswer",
     {PM::TrainingGame, 4, "1 2 3 4", kFourAnswers},
     "Good! You have found all solutions.\r\n\r\nFollowing answers are correct:\r\n    1: "
     "4*(1+2+3)\r\n    2: (1+3)*(2+4)\r\n    3: 1*2*3*4\r\nFollowing answer is incorrect:\r\n    "
     "4: 1+2+3+4",
     1,
     1},
};

void PrintTo(const JudgeCase& c, std::ostream* pStream) {
    *pStream << c.szName;
}

class GetCommentsTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(GetCommentsTest, ComposesTheVerdictAndRecordsItOnlyWhenAsked) {
    const JudgeCase& c = GetParam();
    CMainLogic logic = MakeLogic(c.setup);
    EXPECT_EQ(logic.GetComments(false), c.szExpected);
    EXPECT_EQ(logic.Run().CountNotAnswered(), logic.Run().m_nQuestionCount > 0 ? 1 : 0);
    EXPECT_EQ(logic.GetComments(true), c.szExpected);
    EXPECT_EQ(logic.GetLastVerdictClass(), c.nClass);
    if (IsRunMode(c.setup.mode)) {
        EXPECT_EQ(logic.Run().m_uaAStatus.at(0), c.nStatus);
    }
}

INSTANTIATE_TEST_SUITE_P(Verdicts, GetCommentsTest, ::testing::ValuesIn(kJudgeCases),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST(GetComments, MoreThanThirtyAnswersAreAbnormalAndNeverRecorded) {
    const std::string strThirty = Lines(30, "4*(1+2+3)");
    const std::string strThirtyOne = Lines(31, "4*(1+2+3)");
    CMainLogic logic = MakeLogic({PM::Training, 1, "1 2 3 4", strThirtyOne.c_str()});
    EXPECT_EQ(logic.GetComments(true),
              "Too many answers, please just fill in answers irrelevant to each other.");
    EXPECT_EQ(logic.GetLastVerdictClass(), kVerdictAbnormal);
    EXPECT_EQ(logic.Run().m_uaAStatus.at(0), kStatusNotAnswered);

    logic = MakeLogic({PM::Normal, 1, "1 2 3 4", strThirty.c_str(), false, kZhCN});
    EXPECT_EQ(logic.GetComments(true), "您的答案全部正确！"); // 30 are judged
    logic = MakeLogic({PM::Normal, 1, "1 2 3 4", strThirtyOne.c_str(), false, kZhCN});
    EXPECT_EQ(logic.GetComments(true), "答案太多了，请只填写互不相关的答案。");
}

TEST(GetComments, IsEmptyWhenSubmitIsNotPossible) {
    const LogicSetup saSetups[] = {
        {PM::Normal, 1, "3 3 8 14", "8/(3-8/3)"}, // invalid question
        {PM::Normal, 1, "3 3 8 8", " 3*8\n "},    // six characters of answer
        {PM::Normal, 1, "3 3 8 8", ""},
    };
    for (const LogicSetup& setup : saSetups) {
        SCOPED_TRACE(setup.szQuestion);
        CMainLogic logic = MakeLogic(setup);
        EXPECT_EQ(logic.GetComments(true), "");
        EXPECT_EQ(logic.GetLastVerdictClass(), kVerdictNone);
    }
}

TEST(GetComments, AStrictRunJudgesAQuestionOnce) {
    CMainLogic logic = MakeLogic({PM::WorldCup, 2, "1 2 3 4", "4*(1+2+3)\n1+2+3+4"});
    EXPECT_EQ(logic.GetComments(true), "You lost!\r\n\r\nFollowing answer is correct:\r\n    1: "
                                       "4*(1+2+3)\r\nFollowing answer is incorrect:\r\n    2: "
                                       "1+2+3+4");
    MainInput input = logic.GetInput();
    input.strAnswer = "4*(1+2+3)\n(1+3)*(2+4)";
    logic.SetInput(input);
    EXPECT_FALSE(logic.CanSubmit());
    EXPECT_EQ(logic.GetComments(true), "");
    EXPECT_EQ(logic.Run().m_uaAStatus.at(0), kStatusIncorrect);
    // Recomputing for the display (a language switch) still judges.
    EXPECT_EQ(logic.GetComments(false), "All your answers are correct!");
}

TEST(Judge, AnInvalidQuestionIsAbnormal) {
    for (const std::uint32_t nLanguage : {kEn, kZhTW}) {
        CMainLogic logic = MakeLogic({PM::Normal, 1, "3 3 8 14", "8/(3-8/3)", false, nLanguage});
        CommentContext context;
        context.nColumn = nLanguage == kEn ? 1 : 3;
        const Verdict verdict = CComments(context).Judge(logic.GetInput());
        EXPECT_EQ(verdict.nClass, kVerdictAbnormal);
        EXPECT_EQ(verdict.strText, nLanguage == kEn
                                       ? "The question is not valid! A valid question is "
                                         "comprised of 4 positive integers ranging between 1-13."
                                       : "題目無效！有效的題目由 4 個介於 1-13 之間的正整數組成。");
        EXPECT_EQ(verdict.strText, logic.GetSolutionListText());
    }
}

TEST(Judge, LeavesTheEngineSettingsAsItFoundThem) {
    SetStandardRule(true);
    SetMaxValue(10);
    SetInterfaceCharset(InterfaceCharset::None);
    CMainLogic logic = MakeLogic({PM::Normal, 1, "1 2 3 13", "13*2-3+1*0", false, kZhCN, false});
    logic.GetComments(true);
    EXPECT_TRUE(IsStandardRule());
    EXPECT_EQ(GetMaxValue(), 10u);
    EXPECT_EQ(GetInterfaceCharset(), InterfaceCharset::None);
}

struct ListCase {
    LogicSetup setup;
    const char* szSolutions;
    const char* szPrompt;
};

const ListCase kListCases[] = {
    {{PM::Normal, 1, "8 3 8 3"}, "A1  8/(3-8/3)", ""},
    {{PM::Normal, 1, "3 3 8 8", "", false, kZhCN}, "解1  8/(3-8/3)", ""},
    {{PM::Normal, 1, "1 1 1 1"}, "There is no solution.", ""},
    {{PM::Training, 2, "4 3 2 1"},
     "A1  4*(1+2+3)\r\nA2  (1+3)*(2+4)\r\nA3  1*2*3*4",
     "Please submit 2 different solutions, each in a separate line."},
    {{PM::Training, 3, "2 3 4 6", "", false, kZhCN},
     "解1  3*(4+6-2)\r\n解2  6+3*(2+4)\r\n解3  2+4+3*6\r\n解4  2*4*(6-3)\r\n解5  "
     "4*6*(3-2)\r\n解6  2*6+3*4\r\n解7  3*(6+4/2)\r\n解8  4*(3+6/2)\r\n解9  3*(2*6-4)",
     "请提交 4 种不同的解法，每行一种。"},
    {{PM::TrainingGame, 4, "1 2 3 4"}, "A1  4*(1+2+3)\r\nA2  (1+3)*(2+4)\r\nA3  1*2*3*4", ""},
    {{PM::Training, 2, "3 3 8 8"}, "A1  8/(3-8/3)", ""},
    {{PM::Training, 2, "1 1 1 1"}, "There is no solution.", ""},
    {{PM::Training, 2, "1 1 1 x"},
     "The question is not valid! A valid question is comprised of 4 positive integers ranging "
     "between 1-13.",
     ""},
};

TEST(CheckSolution, ListsTheSolutionsAndPromptsForTheRequiredCount) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(c.setup.szQuestion);
        const CMainLogic logic = MakeLogic(c.setup);
        EXPECT_EQ(logic.GetSolutionListText(), c.szSolutions);
        EXPECT_EQ(logic.GetAnswerPrompt(), c.szPrompt);
    }
}

} // namespace
