#include "play/playrun.h"
#include "play/trainingsetuplogic.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Edit = std::function<void(CTrainingSetupLogic&)>;

TEST(TrainingSetupLogic, OnlyEditsFollowedByAFullReadSurviveACancel) {
    struct Case {
        const char* szWhat;
        Edit edit;
        std::function<bool(const TrainingPlan&)> survived;
        bool bSurvives;
    };
    const auto advanced = [](CTrainingSetupLogic& s) { s.SetStandard(false); };
    const auto isAdvanced = [](const TrainingPlan& p) { return !p.m_bStandard; };
    const Case kCases[] = {
        {"rule alone", advanced, isAdvanced, false},
        {"rule then source", [&](auto& s) { advanced(s), s.SetFullSet(false); }, isAdvanced, true},
        {"rule then order", [&](auto& s) { advanced(s), s.SetRandom(false); }, isAdvanced, true},
        {"rule then time limit", [&](auto& s) { advanced(s), s.SetTimeLimit(false); }, isAdvanced,
         true},
        {"rule then J/Q/K", [&](auto& s) { advanced(s), s.SetJQK(true); }, isAdvanced, false},
        {"J/Q/K", [](auto& s) { s.SetJQK(true); },
         [](const TrainingPlan& p) { return p.m_bJQK && p.m_naEnd[3] == 13; }, true},
        {"count", [](auto& s) { s.SetQuestionCount(7); },
         [](const TrainingPlan& p) { return p.m_nQuestionCount == 7; }, false},
        {"count then range", [](auto& s) { s.SetQuestionCount(7), s.SetFullRange(false); },
         [](const TrainingPlan& p) { return p.m_nQuestionCount == 7 && !p.m_bFullRange; }, true},
        {"list value",
         [](auto& s) { s.SetFullRange(false), s.SetStartOn(true), s.SetListValue(0, 4); },
         [](const TrainingPlan& p) { return p.m_naStart[0] == 4; }, false},
        {"list value then end box",
         [](auto& s) {
             s.SetFullRange(false), s.SetStartOn(true), s.SetListValue(0, 4), s.SetEndOn(true);
         },
         [](const TrainingPlan& p) {
             return p.m_naStart == Quadruple{4, 4, 4, 4};
         },
         true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szWhat);
        CTrainingSetupLogic setup(PlayMode::TrainingGame,
                                  TrainingPlan::Defaults(PlayMode::TrainingGame));
        c.edit(setup);
        EXPECT_TRUE(c.survived(setup.GetControls()));
        EXPECT_EQ(c.survived(setup.GetPlanToSave()), c.bSurvives);
        EXPECT_TRUE(c.survived(setup.Accept()));
        EXPECT_TRUE(c.survived(setup.GetPlanToSave()));
    }
}

TEST(TrainingSetupLogic, AtLeastOneBoxOfEachPairStaysTicked) {
    CTrainingSetupLogic setup(PlayMode::Training, TrainingPlan::Defaults(PlayMode::Training));
    setup.SetMyFavorite(false);
    setup.SetTroubleMaker(false);
    EXPECT_FALSE(setup.GetControls().m_bTroubleMaker);
    EXPECT_TRUE(setup.GetControls().m_bMyFavorite);
    setup.SetNoSolution(false);
    setup.SetHaveSolution(false);
    EXPECT_FALSE(setup.GetControls().m_bHaveSolution);
    EXPECT_TRUE(setup.GetControls().m_bNoSolution);
}

TEST(TrainingSetupLogic, EnablingAndListRangesFollowTheChoices) {
    TrainingPlan plan = TrainingPlan::Defaults(PlayMode::TrainingGame);
    plan.m_bJQK = true;
    plan.m_bFullRange = false;
    plan.m_bStartOn = plan.m_bEndOn = true;
    plan.m_naStart = {2, 3, 5, 5};
    plan.m_naEnd = {6, 7, 12, 13};
    CTrainingSetupLogic game(PlayMode::TrainingGame, plan);
    SetupEnabling enabling = game.GetEnabling();
    EXPECT_FALSE(enabling.bCollections || enabling.bOrder);
    EXPECT_TRUE(enabling.bBoundBoxes && enabling.bStartLists && enabling.bEndLists);
    EXPECT_TRUE(enabling.bTimeLimitBox && enabling.bMinutes);
    const std::array<ListRange, 8> ranges = game.GetListRanges();
    const int naLows[] = {1, 2, 3, 5, 2, 6, 7, 12};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(ranges[i].nLow, naLows[i]) << i;
        EXPECT_EQ(ranges[i].nHigh, 13) << i;
    }
    // J/Q/K off with End 4 at 13 resets the selection.
    game.SetJQK(false);
    EXPECT_EQ(game.GetControls().m_naStart, (Quadruple{1, 1, 1, 1}));
    EXPECT_EQ(game.GetControls().m_naEnd, (Quadruple{10, 10, 10, 10}));
    game.SetEndOn(false);
    game.SetFullSet(false);
    game.SetRandom(false);
    game.SetTimeLimit(false);
    enabling = game.GetEnabling();
    EXPECT_TRUE(enabling.bCollections && enabling.bOrder && enabling.bStartLists);
    EXPECT_FALSE(enabling.bEndLists || enabling.bMinutes);

    CTrainingSetupLogic training(PlayMode::Training, plan);
    EXPECT_FALSE(training.GetEnabling().bTimeLimitBox || training.GetControls().m_bTimeLimit);
    training.SetTimeLimit(true);
    EXPECT_FALSE(training.Accept().m_bTimeLimit);
}

TEST(TrainingSetupLogic, CountsOutsideTheSpinRangesAreClampedOnOk) {
    CTrainingSetupLogic setup(PlayMode::TrainingGame,
                              TrainingPlan::Defaults(PlayMode::TrainingGame));
    setup.SetQuestionCount(1000);
    setup.SetMinutes(0);
    TrainingPlan plan = setup.Accept();
    EXPECT_EQ(plan.m_nQuestionCount, 500);
    EXPECT_EQ(plan.m_nMinutes, 1);
    setup.SetQuestionCount(2);
    setup.SetMinutes(5000);
    plan = setup.Accept();
    EXPECT_EQ(plan.m_nQuestionCount, 5);
    EXPECT_EQ(plan.m_nMinutes, 900);
}

} // namespace
