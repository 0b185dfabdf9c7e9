#include "play/runlogic.h"
#include "play/runreport.h"

#include "core/stringids.h"
#include "core/stringtable.h"
#include "tests/support/fakeservices.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// A main logic, its run logic and the fakes they talk to.
struct RunBench {
    FakeServices services;
    CMainLogic logic;
    CRunLogic runs{logic, services.clock, services.messages};
    std::vector<SoundEffect> effects;
    int nEnded = 0;

    RunBench() {
        logic.SetLanguage(1033);
        runs.SetTickHandlers(
            [this](const ClockTick& tick) {
                if (tick.effect != SoundEffect::None) effects.push_back(tick.effect);
            },
            [this](const RunEnd&) { ++nEnded; });
    }
    QStringList Messages() const {
        QStringList saMessages;
        for (const MessageRequest& request : services.messages.m_requests)
            saMessages.push_back(request.strMessage);
        return saMessages;
    }
    void Answer(const char* szAnswer, bool bNoSolution = false) {
        MainInput input = logic.GetInput();
        input.strAnswer = szAnswer;
        input.bNoSolution = bNoSolution;
        logic.SetInput(input);
        runs.Submit();
    }
};

// Five collection questions, in question order, with their answers.
const Strings kFive = {"1 1 1 1", "1 2 3 4", "2 2 2 3", "3 3 8 8", "4 4 4 4"};

TrainingPlan CollectionPlan(int nCount, bool bRandom) {
    TrainingPlan plan = TrainingPlan::Defaults(PlayMode::TrainingGame);
    plan.m_bFullSet = false;
    plan.m_bRandom = bRandom;
    plan.m_nQuestionCount = nCount;
    plan.m_nMinutes = 5;
    return plan;
}

TEST(RunTimeTexts, ReportTimeAndClockItem) {
    struct Case {
        int nSeconds;
        const char* szReport;
        const char* szClock;
    };
    const Case kCases[] = {
        {75, "1 min 15 sec", "00:01:15"},
        {0, "0 min 0 sec", "00:00:00"},
        {3599, "59 min 59 sec", "00:59:59"},
        {3600, "1 hour(s) 0 minutes 0 seconds", "01:00:00"},
        {54000, "15 hour(s) 0 minutes 0 seconds", "15:00:00"},
        {-5, "0 min 0 sec", "00:00:00"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(FormatReportTime(c.nSeconds, kColumnEnglish), c.szReport);
        EXPECT_EQ(FormatClockText(c.nSeconds), c.szClock);
    }
    EXPECT_EQ(
        FormatReportTime(75, kColumnSimplifiedChinese),
        GetLocalizedText(IDS_DIALOG_RANK_NORMAL_TIME, "1", "15", {}, kColumnSimplifiedChinese));
}

TEST(StartRun, TakesThePlanAndTellsThePlayerWhatApplies) {
    struct Case {
        PlayMode mode;
        int nCount;
        int nDifficulty;
        QStringList saExpected; // the messages, in order
        bool bDetails;          // the rule note has a Details button
    };
    const QString strShortage =
        "You selected 40 questions to be used in your training game, but there are only 5 "
        "available. So 5 questions will be used in the training game.";
    const Case kCases[] = {
        {PlayMode::TrainingGame, 40, 1, {strShortage, "Training Game Rules"}, false},
        {PlayMode::TrainingGame, 5, 4, {"Training Game Rules", "You selected the Ultimate"}, true},
        {PlayMode::Training, 5, 2, {"Training Rules"}, true},
    };
    for (const Case& c : kCases) {
        RunBench bench;
        TrainingPlan plan = CollectionPlan(c.nCount, false);
        plan.m_nDifficulty = c.nDifficulty;
        plan.m_bStandard = false;
        bench.runs.StartRun(c.mode, plan, {kFive, {}});
        const QStringList saMessages = bench.Messages();
        ASSERT_EQ(saMessages.size(), c.saExpected.size());
        for (qsizetype i = 0; i < saMessages.size(); ++i)
            EXPECT_TRUE(saMessages[i].contains(c.saExpected[i])) << saMessages[i].toStdString();
        const MessageRequest& note = bench.services.messages.m_requests.at(
            static_cast<size_t>(saMessages.size() - (c.nDifficulty == 4 ? 2 : 1)));
        const QString strNote = note.strMessage;
        EXPECT_TRUE(strNote.startsWith("\t\t\t"));
        EXPECT_FALSE(strNote.contains('#')) << strNote.toStdString();
        EXPECT_TRUE(strNote.contains("Number of Questions: 5\r\n"));
        EXPECT_TRUE(strNote.contains("Value Range: 1-10"));
        EXPECT_TRUE(strNote.contains("Power and Root"));
        EXPECT_EQ(strNote.contains("Time Limit: 5 minutes"), c.mode == PlayMode::TrainingGame);
        EXPECT_EQ(note.bHasDetails, c.bDetails);

        EXPECT_EQ(bench.logic.GetMode(), c.mode);
        EXPECT_FALSE(bench.logic.Rule().m_bStandard);
        EXPECT_EQ(bench.logic.Rule().m_nDifficulty, c.nDifficulty);
        EXPECT_FALSE(bench.logic.Rule().m_bJQK);
        EXPECT_EQ(bench.logic.Run().m_saQuestions, kFive);
        EXPECT_EQ(bench.logic.Run().m_nIndex, 0);
        EXPECT_EQ(bench.logic.GetQuestionKey(), "1 1 1 1");
        EXPECT_EQ(bench.logic.Run().m_nTimeLimit, c.mode == PlayMode::TrainingGame ? 300 : -1);
    }
}

TEST(StartRun, TheWorldCupDrawsFortyOfEveryQuestionForFortyMinutes) {
    RunBench bench;
    bench.logic.Rule().m_bStandard = false;
    bench.logic.Rule().m_bJQK = true;
    bench.runs.StartWorldCup();
    EXPECT_EQ(bench.logic.Run().m_nQuestionCount, 40);
    EXPECT_EQ(bench.logic.Run().m_nTimeLimit, 2400);
    EXPECT_EQ(bench.logic.Rule().m_nDifficulty, 3);
    EXPECT_TRUE(bench.Messages().front().contains("Holy War Level"));
    EXPECT_EQ(bench.runs.EndRun(true).bWorldCupReport, true);
    EXPECT_EQ(bench.Messages().size(), 1); // its report is the World Cup's own
}

TEST(PreviousNext, MoveWithinTheRunAndStopAtItsEnds) {
    RunBench bench;
    EXPECT_EQ(bench.runs.Next(), SoundEffect::None); // no run
    bench.runs.StartRun(PlayMode::Training, CollectionPlan(5, false), {kFive, {}});
    EXPECT_EQ(bench.runs.Previous(), SoundEffect::None);
    EXPECT_EQ(bench.logic.Run().m_nIndex, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bench.runs.Next(), SoundEffect::GoNext);
    EXPECT_EQ(bench.runs.Next(), SoundEffect::None);
    EXPECT_EQ(bench.logic.GetQuestionKey(), "4 4 4 4");
    EXPECT_EQ(bench.runs.Previous(), SoundEffect::GoPrevious);
    EXPECT_EQ(bench.logic.GetQuestionKey(), "3 3 8 8");
}

TEST(TrainingGame, AnsweredQuestionsComeBackAsSubmittedAndDoneReports) {
    RunBench bench;
    bench.runs.StartRun(PlayMode::TrainingGame, CollectionPlan(5, false), {kFive, {}});
    bench.Answer("", true); // 1 1 1 1 has no solution
    bench.runs.Next();
    bench.Answer("(1+2+3)*4");
    bench.runs.Next();
    EXPECT_EQ(bench.logic.GetInput().strAnswer, "");
    bench.runs.Previous();
    EXPECT_EQ(bench.logic.GetInput().strAnswer, "(1+2+3)*4");
    bench.runs.Previous();
    EXPECT_TRUE(bench.logic.GetInput().bNoSolution);
    EXPECT_EQ(bench.logic.Run().CountCorrect(), 2);

    bench.services.clock.Advance(75'000);
    const RunEnd end = bench.runs.Done();
    ASSERT_TRUE(end.bEnded);
    EXPECT_EQ(bench.Messages().back(),
              "Training Game Score Report - Standard Level\r\n\r\nRule: Standard Rule (Addition, "
              "Subtraction, Multiplication and Division)\r\nValue Range: 1-10\r\nScores: 2/5\r\n"
              "Time: 1 min 15 sec");
    EXPECT_EQ(bench.logic.GetMode(), PlayMode::Normal);
    EXPECT_FALSE(bench.logic.Run().IsActive());
    EXPECT_EQ(bench.logic.Rule().m_nDifficulty, 1);
    EXPECT_EQ(bench.logic.GetInput().saValues[0], "");
    EXPECT_FALSE(bench.runs.IsClockRunning());
    EXPECT_FALSE(bench.runs.EndRun(true).bEnded);
}

TEST(TrainingGame, AnsweringTheLastQuestionOffersToFinish) {
    for (const int nAnswer : {KV_IDYES, KV_IDNO}) {
        RunBench bench;
        bench.runs.StartRun(PlayMode::TrainingGame, CollectionPlan(5, false),
                            {{"1 2 3 4"}, {"1 1 1 1"}});
        bench.Answer("1+1+1+1"); // 1 1 1 1 has no solution
        bench.runs.Next();
        bench.services.messages.Script(nAnswer);
        bench.Answer("(1+2+3)*4");
        EXPECT_TRUE(bench.Messages().back().contains(nAnswer == KV_IDYES ? "Scores: 1/2"
                                                                         : "You have answered"));
        EXPECT_EQ(bench.logic.GetMode(),
                  nAnswer == KV_IDYES ? PlayMode::Normal : PlayMode::TrainingGame);
    }
}

TEST(TrainingGame, TheFinishQuestionAsksOnlyWhileTheGameLasts) {
    // The question may still be open when time runs out: its Yes must not end a second time.
    RunBench bench;
    bench.runs.StartRun(PlayMode::TrainingGame, CollectionPlan(5, false), {kFive, {}});
    bench.services.messages.Script(KV_IDNO);
    EXPECT_FALSE(bench.runs.OfferToFinish().bEnded);
    bench.services.clock.Advance(301'000);
    ASSERT_EQ(bench.nEnded, 1);
    const qsizetype nMessages = bench.Messages().size();
    bench.services.messages.Script(KV_IDYES);
    EXPECT_FALSE(bench.runs.OfferToFinish().bEnded);
    EXPECT_EQ(bench.Messages().size(), nMessages);
}

TEST(StartRun, ARunWithoutQuestionsShowsNone) {
    RunBench bench;
    MainInput typed;
    typed.saValues = {"6", "6", "6", "6"};
    typed.strAnswer = "6+6+6+6";
    bench.logic.SetInput(typed);
    bench.runs.StartRun(PlayMode::TrainingGame, CollectionPlan(5, false), {});
    EXPECT_TRUE(bench.Messages().front().contains("there are only 0 available"));
    EXPECT_EQ(bench.logic.Run().m_nQuestionCount, 0);
    EXPECT_EQ(bench.logic.GetQuestionKey(), "");
    EXPECT_FALSE(bench.logic.CanSubmit());
}

TEST(TrainingGame, TheClockCountsDownAndEndsTheGameOnceWhenTimeIsUp) {
    struct Case {
        int nCount;
        int nMinutes; // as the player chose them, even below a tenth of the count
        const char* szTime;
    };
    const Case kCases[] = {
        {5, 40, "Time: 40 min 0 sec"},
        {5, 60, "Time: 1 hour(s) 0 minutes 0 seconds"},
        {40, 3, "Time: 3 min 0 sec"},
    };
    for (const Case& c : kCases) {
        RunBench bench;
        TrainingPlan plan = CollectionPlan(c.nCount, true);
        plan.m_nMinutes = c.nMinutes;
        bench.runs.StartRun(PlayMode::TrainingGame, plan, {kFive, {}});
        const qsizetype nBefore = bench.Messages().size();
        std::vector<std::string> saClock;
        bench.runs.SetTickHandlers(
            [&](const ClockTick& tick) {
                saClock.push_back(tick.strClockText);
                if (tick.effect != SoundEffect::None) bench.effects.push_back(tick.effect);
            },
            [&](const RunEnd&) { ++bench.nEnded; });
        bench.services.clock.Advance(2'500);
        EXPECT_EQ(saClock, (Strings{FormatClockText(c.nMinutes * 60 - 1),
                                    FormatClockText(c.nMinutes * 60 - 2)}));
        // Far past the end: one report, one effect, and no clock any more.
        bench.services.clock.Advance(qint64(c.nMinutes + 30) * 60'000);
        EXPECT_EQ(bench.effects, std::vector<SoundEffect>{SoundEffect::TimeUp});
        EXPECT_EQ(bench.nEnded, 1);
        ASSERT_EQ(bench.Messages().size(), nBefore + 1);
        EXPECT_TRUE(bench.Messages().back().endsWith(c.szTime))
            << bench.Messages().back().toStdString();
        EXPECT_EQ(bench.services.clock.RunningTimers(), 0);
        EXPECT_EQ(saClock[saClock.size() - 2], "00:00:00");
        EXPECT_EQ(bench.logic.GetMode(), PlayMode::Normal);
    }
}

TEST(TrainingGame, WithoutALimitTheClockNeverEndsIt) {
    RunBench bench;
    TrainingPlan plan = CollectionPlan(5, false);
    plan.m_bTimeLimit = false;
    bench.runs.StartRun(PlayMode::TrainingGame, plan, {kFive, {}});
    bench.services.clock.Advance(2 * 3600'000 + 61'000);
    EXPECT_EQ(bench.logic.GetMode(), PlayMode::TrainingGame);
    EXPECT_TRUE(bench.runs.IsClockRunning());
    bench.runs.Done();
    EXPECT_TRUE(bench.Messages().back().endsWith("Time: 2 hour(s) 1 minutes 1 seconds"));
}

} // namespace
