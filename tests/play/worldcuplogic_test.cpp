#include "play/worldcuplogic.h"

#include "core/registrystore.h"
#include "core/stringtable.h"
#include "play/runlogic.h"
#include "tests/support/fakeservices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(WorldCupLogic, EachLevelRunsFortyQuestionsAtItsDifficulty) {
    struct Case {
        bool bStandard;
        bool bJQK;
        const char* szLevel;
        int nDifficulty;
        unsigned nMaxValue;
    };
    const Case kCases[] = {
        {true, false, "Standard", 2, 10},
        {true, true, "Hero", 2, 13},
        {false, false, "Wizard", 2, 10},
        {false, true, "Holy War", 3, 13},
    };
    for (const Case& c : kCases) {
        const WorldCupChoice choice{c.bStandard, c.bJQK};
        EXPECT_EQ(GetWorldCupLevelName(choice, kColumnEnglish), c.szLevel);
        EXPECT_EQ(GetWorldCupDifficulty(choice), c.nDifficulty) << c.szLevel;

        FakeServices services;
        CMainLogic logic;
        logic.SetLanguage(1033);
        logic.Rule().m_bStandard = c.bStandard;
        if (logic.Rule().m_bJQK != c.bJQK) logic.ToggleJQK();
        CRunLogic runs(logic, services.clock, services.messages);
        runs.StartWorldCup();
        EXPECT_EQ(logic.GetMode(), PlayMode::WorldCup);
        EXPECT_EQ(logic.Rule().m_nDifficulty, c.nDifficulty) << c.szLevel;
        EXPECT_EQ(logic.Run().m_nTimeLimit, 2400);
        const std::vector<std::string>& saQuestions = logic.Run().m_saQuestions;
        ASSERT_EQ(saQuestions.size(), 40u);
        EXPECT_EQ(std::set<std::string>(saQuestions.begin(), saQuestions.end()).size(), 40u);
        for (const std::string& strQuestion : saQuestions) {
            unsigned a = 0, b = 0, cc = 0, d = 0;
            ASSERT_EQ(std::sscanf(strQuestion.c_str(), "%u %u %u %u", &a, &b, &cc, &d), 4);
            EXPECT_TRUE(1 <= a && a <= b && b <= cc && cc <= d && d <= c.nMaxValue) << strQuestion;
        }
        EXPECT_TRUE(runs.GetRuleNoteText().find(std::string(c.szLevel) + " Level") !=
                    std::string::npos);
    }
}

TEST(WorldCupLogic, TheDialogOpensWithTheStoredChoiceOrTheDefaults) {
    struct Case {
        const char* szWhat;
        std::optional<int> nStandard;
        std::optional<int> nJQK;
        WorldCupChoice expected;
    };
    const Case kCases[] = {
        {"nothing stored", std::nullopt, std::nullopt, {true, false}},
        {"advanced with J/Q/K", 0, 1, {false, true}},
        {"standard, J/Q/K off", 1, 0, {true, false}},
        {"J/Q/K other than 1", std::nullopt, 2, {true, false}},
    };
    for (const Case& c : kCases) {
        QTemporaryDir folder;
        CRegistryStore store(folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3");
        if (c.nStandard) store.WriteNumber("WC", "Standard", *c.nStandard);
        if (c.nJQK) store.WriteNumber("WC", "JQK", *c.nJQK);
        const WorldCupChoice choice = LoadWorldCupChoice(store);
        EXPECT_EQ(choice.bStandard, c.expected.bStandard) << c.szWhat;
        EXPECT_EQ(choice.bJQK, c.expected.bJQK) << c.szWhat;
    }
}

TEST(WorldCupLogic, ResultsCompeteForTheirRanking) {
    struct Case {
        int nCorrect;
        int nSeconds;
        std::optional<RankKind> kind;
        int nValue;
    };
    const Case kCases[] = {
        {0, 2400, std::nullopt, 0},
        {23, 900, std::nullopt, 0},
        {24, 900, RankKind::Amateur, 24},
        {39, 2400, RankKind::Amateur, 39},
        {40, 1499, RankKind::Professional, 1499},
    };
    for (const Case& c : kCases) {
        const std::optional<RankKind> kind = GetRankKindForScore(c.nCorrect);
        EXPECT_EQ(kind, c.kind) << c.nCorrect;
        if (kind) {
            EXPECT_EQ(GetRankValue(*kind, c.nCorrect, c.nSeconds), c.nValue);
        }
    }
}

} // namespace
