#include "tests/play/playlogictesting.h"

#include "core/registrystore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

using PM = PlayMode;

TEST(CheckValidInput, AcceptsOnlyPlainDecimalCardValues) {
    struct Case {
        std::array<std::string, 4> saValues;
        bool bJQK;
        std::uint32_t nLanguage;
        bool bValid;
        const char* szKey;
    };
    const Case kCases[] = {
        {{" 8", "3\t", "\r\n8", "3 "}, true, kEn, true, "3 3 8 8"},
        {{"13", "1", "12", "11"}, true, kEn, true, "1 11 12 13"},
        {{"13", "1", "12", "11"}, false, kEn, false, ""},
        {{"10", "1", "2", "3"}, false, kEn, true, "1 2 3 10"},
        {{"08", "3", "8", "3"}, true, kEn, false, ""},
        {{"+8", "3", "8", "3"}, true, kEn, false, ""},
        {{"0", "3", "8", "3"}, true, kEn, false, ""},
        {{"8.0", "3", "8", "3"}, true, kEn, false, ""},
        {{"", "3", "8", "3"}, true, kEn, false, ""},
        {{"99999999999999999999", "3", "8", "3"}, true, kEn, false, ""},
        {{"１２", "3", "8", "3"}, true, kZhCN, true, "3 3 8 12"},
        {{"１２", "3", "8", "3"}, true, kEn, false, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.saValues[0]);
        CMainLogic logic;
        logic.SetLanguage(c.nLanguage);
        logic.Rule().m_bJQK = c.bJQK;
        logic.SetInput({c.saValues, "", false});
        std::vector<unsigned> uaQ;
        EXPECT_EQ(logic.CheckValidInput(uaQ), c.bValid);
        EXPECT_EQ(logic.GetQuestionKey(), c.szKey);
    }
}

TEST(CanCheckResult, NeedsMoreThanSixCharactersOrTheNoSolutionClaim) {
    struct Case {
        const char* szAnswer;
        bool bNoSolution;
        bool bCan;
    };
    const Case kCases[] = {
        {"3*8*1*1", false, true},
        {"  3*8*1 \r\n", false, false},
        {"", true, true},
        {"\n\n24\n\n\n\n\n", false, false},
        // Characters count, not bytes: six characters in 16 bytes are too few.
        {"４×（１＋２", false, false},
        {"４×（１＋２）＋３", false, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szAnswer);
        const CMainLogic logic = MakeLogic({PM::Normal, 1, "1 2 3 4", c.szAnswer, c.bNoSolution});
        EXPECT_EQ(logic.CanCheckResult(), c.bCan);
    }
}

TEST(OnMainSubmit, NormalModeAsksForTheEffectOfTheVerdictAndStoresNothing) {
    struct Case {
        const char* szAnswer;
        SoundEffect effect;
    };
    const std::string strTooMany = Lines(31, "3*8*1*1");
    const Case kCases[] = {
        {"8/(3-8/3)", SoundEffect::Correct},
        {"8*3-8/3", SoundEffect::Incorrect},
        {strTooMany.c_str(), SoundEffect::Abnormal},
    };
    for (const Case& c : kCases) {
        CMainLogic logic = MakeLogic({PM::Normal, 1, "3 3 8 8", c.szAnswer});
        const SubmitOutcome outcome = logic.OnMainSubmit();
        EXPECT_TRUE(outcome.bSubmitted);
        EXPECT_EQ(outcome.effect, c.effect);
        EXPECT_FALSE(outcome.bLockQuestion);
        EXPECT_FALSE(logic.Run().IsActive());
    }
    CMainLogic logic = MakeLogic({PM::Normal, 1, "3 3 8 8", "8/3"});
    EXPECT_FALSE(logic.OnMainSubmit().bSubmitted);
    EXPECT_STREQ(GetSoundEffectName(SoundEffect::Abnormal), "Abnormal");
    EXPECT_STREQ(GetSoundEffectName(SoundEffect::GoNext), "Go Next");
}

// A run of three questions with the second current.
CMainLogic MakeRun(PM mode, const char* szAnswer, bool bNoSolution = false) {
    CMainLogic logic = MakeLogic({mode, 1, "3 3 8 8", szAnswer, bNoSolution});
    logic.Run().Start({"1 1 1 1", "3 3 8 8", "1 2 3 4"}, 2400, {});
    logic.Run().SetCurrent(1);
    return logic;
}

TEST(OnMainSubmit, ATrainingRecordsEverySubmissionButCountsTheQuestionOnce) {
    CMainLogic logic = MakeRun(PM::Training, "8*3-8/3");
    SubmitOutcome outcome = logic.OnMainSubmit();
    EXPECT_EQ(outcome.effect, SoundEffect::Incorrect);
    EXPECT_FALSE(outcome.bLockQuestion);
    EXPECT_EQ(logic.Run().m_uaAStatus[1], kStatusIncorrect);
    EXPECT_EQ(logic.Run().m_saAnswers[1], "8*3-8/3");
    EXPECT_EQ(logic.Run().m_uaTyped[1], 1u);

    logic.SetInput({{"3", "3", "8", "8"}, "", true});
    outcome = logic.OnMainSubmit();
    EXPECT_EQ(outcome.effect, SoundEffect::Incorrect);
    EXPECT_EQ(logic.Run().m_uaTyped[1], 0u);
    logic.SetInput({{"3", "3", "8", "8"}, "8/(3-8/3)", false});
    outcome = logic.OnMainSubmit();
    EXPECT_EQ(outcome.strComments, "Bingo!");
    EXPECT_EQ(outcome.effect, SoundEffect::Correct);
    EXPECT_EQ(logic.Run().m_uaAStatus[1], kStatusCorrect);
    EXPECT_EQ(logic.Run().m_nAnsweredCount, 1);
}

TEST(OnMainSubmit, AStrictRunLocksTheQuestionAndAsksToFinishWhenAllAreAnswered) {
    CMainLogic logic = MakeRun(PM::TrainingGame, "8/(3-8/3)");
    SubmitOutcome outcome = logic.OnMainSubmit();
    EXPECT_TRUE(outcome.bLockQuestion);
    EXPECT_FALSE(outcome.bAskToFinish);
    EXPECT_FALSE(logic.OnMainSubmit().bSubmitted);
    EXPECT_EQ(logic.Run().m_nAnsweredCount, 1);

    logic.Run().SetCurrent(0);
    logic.SetInput({{"1", "1", "1", "1"}, "", true});
    EXPECT_FALSE(logic.OnMainSubmit().bAskToFinish);
    logic.Run().SetCurrent(2);
    logic.SetInput({{"4", "3", "2", "1"}, "1+2+3+4", false});
    outcome = logic.OnMainSubmit();
    EXPECT_TRUE(outcome.bAskToFinish);
    EXPECT_EQ(logic.Run().m_uaAStatus, (std::vector<unsigned>{1, 1, 2}));
}

// Too many answers judge nothing, so the question must stay open and uncounted.
TEST(OnMainSubmit, AnAbnormalSubmissionInARunLeavesTheQuestionOpen) {
    const std::string strAnswer = Lines(31, "8/(3-8/3)\r");
    CMainLogic logic = MakeRun(PM::WorldCup, strAnswer.c_str());
    const SubmitOutcome outcome = logic.OnMainSubmit();
    EXPECT_TRUE(outcome.bSubmitted);
    EXPECT_EQ(outcome.effect, SoundEffect::Abnormal);
    EXPECT_FALSE(outcome.bLockQuestion);
    EXPECT_EQ(logic.Run().m_nAnsweredCount, 0);
    EXPECT_EQ(logic.Run().m_saAnswers[1], "");
    EXPECT_TRUE(logic.CanSubmit());
}

TEST(OnMainSubmit, AQuestionOfThePlayersOwnInATrainingIsNotRecorded) {
    CMainLogic logic = MakeRun(PM::Training, "4*(1+2+3)");
    logic.SetInput({{"1", "2", "3", "4"}, "4*(1+2+3)", false});
    const SubmitOutcome outcome = logic.OnMainSubmit();
    EXPECT_EQ(outcome.strComments, "Bingo!");
    EXPECT_EQ(outcome.effect, SoundEffect::Correct);
    EXPECT_EQ(logic.Run().CountNotAnswered(), 3);
    EXPECT_EQ(logic.Run().m_nAnsweredCount, 0);
    EXPECT_EQ(logic.GetControlState({}).picture, VerdictPicture::Hidden);
}

TEST(GetCaption, NamesTheModeLevelPositionAndCounts) {
    struct Case {
        PM mode;
        bool bStandard;
        bool bJQK;
        std::uint32_t nLanguage;
        const char* szTitle;
        const char* szStatus;
    };
    const Case kCases[] = {
        {PM::Normal, true, true, kEn, "Tetralyx", ""},
        {PM::Training, true, true, kEn, "Tetralyx - Training (Hero Level - Intermediate) 2/3",
         "Correct:1  Incorrect:1  Not Answered:1"},
        {PM::TrainingGame, false, false, kEn,
         "Tetralyx - Training Game (Wizard Level - Intermediate) 2/3",
         "Correct:1  Incorrect:1  Not Answered:1"},
        {PM::WorldCup, false, true, kZhCN, "Tetralyx - 世界杯（圣战级）2/3",
         "正确：1  错误：1  未答：1"},
        {PM::Training, false, false, kZhTW, "Tetralyx - 訓練（魔法師級 - 中級）2/3",
         "正確：1  錯誤：1  未答：1"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szTitle);
        CMainLogic logic = MakeRun(c.mode, "");
        if (c.mode == PM::Normal) logic.Run().Reset();
        logic.SetLanguage(c.nLanguage);
        logic.Rule().m_bStandard = c.bStandard;
        logic.Rule().m_bJQK = c.bJQK;
        logic.Rule().SetDifficulty(2);
        logic.Run().m_uaAStatus = {kStatusCorrect, kStatusNotAnswered, kStatusIncorrect};
        const CaptionText caption = logic.GetCaption();
        EXPECT_EQ(caption.strTitle, c.szTitle);
        EXPECT_EQ(caption.strStatus, c.szStatus);
    }
}

TEST(GetControlState, FollowsTheModeAndTheCurrentQuestion) {
    struct Case {
        const char* szName;
        PM mode;
        unsigned nStatus;
        bool bNoSolution;
        // answer read-only, no-solution box, values read-only, submit, check solution,
        // rule commands, done visible
        bool b[7];
        bool bModes[3]; // Training, Training Game, World Cup enabled
        VerdictPicture picture;
    };
    const Case kCases[] = {
        {"Normal", PM::Normal, 0, false, {0, 1, 0, 1, 1, 1, 0}, {1, 1, 1}, VerdictPicture::Hidden},
        {"NormalClaim",
         PM::Normal,
         0,
         true,
         {1, 1, 0, 1, 1, 1, 0},
         {1, 1, 1},
         VerdictPicture::Hidden},
        {"Training",
         PM::Training,
         0,
         false,
         {0, 1, 0, 1, 1, 1, 0},
         {1, 0, 0},
         VerdictPicture::Hidden},
        {"TrainingAnswered",
         PM::Training,
         2,
         false,
         {0, 1, 0, 1, 1, 1, 0},
         {1, 0, 0},
         VerdictPicture::Incorrect},
        {"Game",
         PM::TrainingGame,
         0,
         false,
         {0, 1, 1, 1, 0, 0, 1},
         {0, 1, 0},
         VerdictPicture::Hidden},
        {"WorldCupAnswered",
         PM::WorldCup,
         1,
         false,
         {1, 0, 1, 0, 0, 0, 1},
         {0, 0, 1},
         VerdictPicture::Correct},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szName);
        CMainLogic logic = MakeRun(c.mode, c.bNoSolution ? "" : "8/(3-8/3)", c.bNoSolution);
        if (c.mode == PM::Normal)
            logic.Run().Reset();
        else
            logic.Run().m_uaAStatus[1] = c.nStatus;
        const ControlState state = logic.GetControlState({true, false});
        EXPECT_EQ(state.bAnswerReadOnly, c.b[0]);
        EXPECT_EQ(state.bNoSolutionEnabled, c.b[1]);
        EXPECT_EQ(state.bValuesReadOnly, c.b[2]);
        EXPECT_EQ(state.bSubmitEnabled, c.b[3]);
        EXPECT_EQ(state.bCheckSolutionEnabled, c.b[4]);
        EXPECT_EQ(state.bRuleCommandsEnabled, c.b[5]);
        EXPECT_EQ(state.bToolsEnabled, c.b[5]);
        EXPECT_EQ(state.bDoneVisible, c.b[6]);
        EXPECT_EQ(state.bPreviousVisible, c.mode != PM::Normal);
        EXPECT_EQ(state.bNextVisible, c.mode != PM::Normal);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(state.modeCommands[i].bEnabled, c.bModes[i]) << i;
        EXPECT_EQ(state.picture, c.picture);
        EXPECT_FALSE(state.bSaveTroubleMakerEnabled);
        EXPECT_TRUE(state.bSaveMyFavoriteEnabled);
    }
}

TEST(GetControlState, ARunningModeOffersItsExit) {
    CMainLogic logic = MakeRun(PM::TrainingGame, "");
    ControlState state = logic.GetControlState({});
    EXPECT_EQ(state.modeCommands[0].strMenuText, "T&raining...");
    EXPECT_EQ(state.modeCommands[0].strTooltip, "Training");
    EXPECT_FALSE(state.modeCommands[0].bShowsExit);
    EXPECT_EQ(state.modeCommands[1].strMenuText, "Stop Training &Game\tEsc");
    EXPECT_EQ(state.modeCommands[1].strTooltip, "Exit Training Game (Esc)");
    EXPECT_TRUE(state.modeCommands[1].bShowsExit);
    logic.SetLanguage(kZhTW);
    state = logic.GetControlState({});
    EXPECT_EQ(state.modeCommands[1].strTooltip, "結束訓練賽 (Esc)");
}

TEST(ExitPrompts, EscLeavesTheRunAndExitLeavesTheProgram) {
    CMainLogic logic;
    EXPECT_EQ(logic.GetEscapePrompt().strMessage, "Will you exit now?");
    EXPECT_FALSE(logic.GetEscapePrompt().bEndsRun);
    logic = MakeRun(PM::WorldCup, "");
    EXPECT_EQ(logic.GetEscapePrompt().strMessage, "Are you sure to exit World Cup?");
    EXPECT_TRUE(logic.GetEscapePrompt().bEndsRun);
    EXPECT_EQ(logic.GetExitPrompt().strMessage, "Will you exit now?");
    logic.SetLanguage(kZhCN);
    EXPECT_EQ(logic.GetModeExitPrompt(PM::TrainingGame).strMessage, "确定要退出训练赛吗？");
}

TEST(SelectRule, RegeneratesWhatTheCommentBoxShows) {
    // Under the advanced rule 1 2 3 3 has six solutions, under the standard rule one.
    CMainLogic logic = MakeLogic({PM::Normal, 1, "1 2 3 3", "2^3*3*1", false, kEn, false});
    std::string strShown = logic.GetComments(true);
    EXPECT_EQ(strShown, "Bingo!");
    EXPECT_TRUE(logic.SelectRule(true, strShown));
    EXPECT_EQ(strShown, "You lost!");
    EXPECT_EQ(logic.GetLastVerdictClass(), kVerdictWrong);
    EXPECT_FALSE(logic.SelectRule(true, strShown));

    strShown = logic.GetSolutionListText();
    EXPECT_EQ(strShown, "A1  2*3*(1+3)");
    logic.SelectRule(false, strShown);
    EXPECT_EQ(strShown, "A1  2*3*(1+3)\r\nA2  3^3-1-2\r\nA3  1*3*2^3\r\nA4  3*(3^2-1)\r\nA5  "
                        "(1+2)^3-3\r\nA6  3^(1+2)-3");

    // The prompt of a training question follows the new count; other text stays.
    logic = MakeRun(PM::Training, "");
    logic.Rule().SetDifficulty(3);
    logic.SetInput({{"1", "2", "3", "3"}, "", false});
    strShown = logic.GetAnswerPrompt();
    EXPECT_EQ(strShown, "");
    logic.SelectRule(false, strShown);
    EXPECT_EQ(strShown, "Please submit 3 different solutions, each in a separate line.");
    strShown = "Something else";
    logic.SelectRule(true, strShown);
    EXPECT_EQ(strShown, "Something else");
}

TEST(SelectLanguage, RegeneratesGeneratedTextOnly) {
    CMainLogic logic = MakeLogic({PM::Normal, 1, "3 3 8 8", "8/(3-8/3)\n8*3-8/3"});
    std::string strShown = logic.GetComments(true);
    logic.SelectLanguage(kZhCN, strShown);
    EXPECT_EQ(strShown, "很好！您找出了全部解法。\r\n\r\n以下答案正确：\r\n    1："
                        "8/(3-8/3)\r\n以下答案错误：\r\n    2：8*3-8/3");
    strShown = logic.GetSolutionListText();
    logic.SelectLanguage(kZhTW, strShown);
    EXPECT_EQ(strShown, "解1  8/(3-8/3)");
    logic.SelectLanguage(kEn, strShown);
    EXPECT_EQ(strShown, "A1  8/(3-8/3)");
    // A judgment of answers edited since is not what the box shows: it stays.
    strShown = logic.GetComments(true);
    logic.SetInput({{"3", "3", "8", "8"}, "8/(3-8/3)", false});
    logic.SelectLanguage(kZhCN, strShown);
    EXPECT_EQ(strShown.rfind("Good! You have found all solutions.", 0), 0u);
}

TEST(ToggleJQK, CleansTheValueBoxesForTheNewMaximum) {
    struct Case {
        std::array<std::string, 4> saBefore;
        std::array<std::string, 4> saAfter;
    };
    const Case kCases[] = {
        {{"12", "x", "3", " 7"}, {"10", "", "3", " 7"}},
        {{"", "", "", ""}, {"", "", "", ""}},
        {{"", "0", "007", "99999999999"}, {"", "0", "007", "10"}},
        {{"-3", "1.5", "10", "2 2"}, {"", "", "10", "10"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.saBefore[0]);
        CMainLogic logic;
        logic.SetInput({c.saBefore, "", false});
        logic.ToggleJQK();
        EXPECT_FALSE(logic.Rule().m_bJQK);
        EXPECT_EQ(logic.GetInput().saValues, c.saAfter);
        EXPECT_EQ(logic.GetControlState({}).nSpinMaximum, 10u);
    }
}

TEST(RuleState, ReadsAndWritesTheTwoFlagsUnderGame) {
    QTemporaryDir folder;
    CRegistryStore store(QDir(folder.path()).filePath("registry.ini"),
                         "software\\Korvane\\Tetralyx\\1.3");
    CRuleState rule;
    rule.m_bStandard = false;
    rule.m_bJQK = false;
    rule.Load(store);
    EXPECT_TRUE(rule.m_bStandard); // both default to on
    EXPECT_TRUE(rule.m_bJQK);
    store.WriteNumber("Game", "JQK", -7); // any non-zero number is on
    store.WriteNumber("Game", "Standard", 0);
    rule.Load(store);
    EXPECT_FALSE(rule.m_bStandard);
    EXPECT_TRUE(rule.m_bJQK);
    rule.m_bJQK = false;
    ASSERT_TRUE(rule.Save(store));
    EXPECT_EQ(store.ReadNumber("Game", "Standard", 5), 0);
    EXPECT_EQ(store.ReadNumber("Game", "JQK", 5), 0);
    rule.m_bStandard = true;
    ASSERT_TRUE(rule.Save(store));
    EXPECT_EQ(store.ReadNumber("Game", "Standard", 5), 1);
    rule.SetDifficulty(9);
    EXPECT_EQ(rule.m_nDifficulty, 4);
}

} // namespace
