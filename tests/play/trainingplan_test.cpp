#include "play/playrun.h"
#include "play/trainingplan.h"

#include "core/registrystore.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include <map>

// The program's registry store fits the plan as it is.
template void TrainingPlan::Load<CRegistryStore>(const CRegistryStore&, PlayMode);
template bool TrainingPlan::Save<CRegistryStore>(CRegistryStore&, PlayMode) const;

namespace {

// Numbers by "subkey\name"; a missing value reads as the default.
struct MapStore {
    std::map<QString, int> m_values;
    int ReadNumber(const QString& strSubKey, const QString& strName, int nDefault) const {
        const auto it = m_values.find(strSubKey + "\\" + strName);
        return it == m_values.end() ? nDefault : it->second;
    }
    bool WriteNumber(const QString& strSubKey, const QString& strName, int nValue) {
        m_values[strSubKey + "\\" + strName] = nValue;
        return true;
    }
};

TrainingPlan Loaded(const MapStore& store, PlayMode mode) {
    TrainingPlan plan;
    plan.Load(store, mode);
    return plan;
}

TEST(TrainingPlan, FirstUseOfEachModeStartsFromTheDefaults) {
    const MapStore empty;
    for (const PlayMode mode : {PlayMode::Training, PlayMode::TrainingGame}) {
        const TrainingPlan plan = Loaded(empty, mode);
        EXPECT_TRUE(plan.m_bStandard);
        EXPECT_FALSE(plan.m_bJQK);
        EXPECT_EQ(plan.m_nDifficulty, 1);
        EXPECT_TRUE(plan.m_bFullSet && plan.m_bFullRange && plan.m_bRandom && plan.m_bAscending);
        EXPECT_EQ(plan.m_naStart, (Quadruple{1, 1, 1, 1}));
        EXPECT_EQ(plan.m_naEnd, (Quadruple{10, 10, 10, 10}));
        EXPECT_EQ(plan.m_nQuestionCount, 40);
        EXPECT_EQ(plan.m_nMinutes, 40);
        EXPECT_EQ(plan.m_bTimeLimit, mode == PlayMode::TrainingGame);
    }
}

TEST(TrainingPlan, StoredValuesOutOfRangeFallBack) {
    struct Case {
        const char* szName;
        int nStored;
        int nCount;   // expected question count
        int nMinutes; // expected minutes
        int nDifficulty;
    };
    const Case kCases[] = {
        {"Question Count", 600, 40, 40, 1},
        {"Question Count", 0, 40, 40, 1},
        {"Question Count", -7, 40, 40, 1},
        {"Question Count", 3, 40, 40, 1},
        {"Question Count", 500, 500, 500, 1},
        {"Minutes", 3, 40, 40, 1},
        {"Minutes", 4, 40, 4, 1},
        {"Minutes", 0, 40, 40, 1},
        {"Minutes", 901, 40, 40, 1},
        {"Minutes", 900, 40, 900, 1},
        {"Difficulty Level", 0, 40, 40, 1},
        {"Difficulty Level", 5, 40, 40, 1},
        {"Difficulty Level", 4, 40, 40, 4},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.szName) + " " + std::to_string(c.nStored));
        MapStore store;
        store.WriteNumber("Training Game", c.szName, c.nStored);
        const TrainingPlan plan = Loaded(store, PlayMode::TrainingGame);
        EXPECT_EQ(plan.m_nQuestionCount, c.nCount);
        EXPECT_EQ(plan.m_nMinutes, c.nMinutes);
        EXPECT_EQ(plan.m_nDifficulty, c.nDifficulty);
    }
}

TEST(TrainingPlan, ValuesOfTheWrongKindInTheRegistryStoreReadAsDefaults) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CRegistryStore store(folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3");
    ASSERT_TRUE(store.WriteText("Training Game", "Question Count", "12"));
    ASSERT_TRUE(store.WriteNumber("Training Game", "Minutes", 7));
    ASSERT_TRUE(store.WriteText("Training Game", "End 4", "junk"));
    TrainingPlan plan;
    plan.Load(store, PlayMode::TrainingGame);
    EXPECT_EQ(plan.m_nQuestionCount, 40);
    EXPECT_EQ(plan.m_nMinutes, 7);
    EXPECT_EQ(plan.m_naEnd[3], 10);
    ASSERT_TRUE(plan.Save(store, PlayMode::TrainingGame));
    EXPECT_EQ(store.ReadNumber("Training Game", "Question Count", 0), 40);
}

TEST(TrainingPlan, LoadedBoundsAreMadeConsistent) {
    struct Case {
        bool bJQK;
        Quadruple naStart, naEnd;
        Quadruple naWantStart, naWantEnd;
    };
    const Case kCases[] = {
        {false, {2, 3, 4, 5}, {6, 7, 8, 9}, {2, 3, 4, 5}, {6, 7, 8, 9}},
        {false, {0, 3, 2, 11}, {6, 7, 8, 9}, {1, 3, 3, 3}, {6, 7, 8, 9}},
        {false, {5, 5, 5, 5}, {4, 9, 9, 9}, {5, 5, 5, 5}, {10, 10, 10, 10}},
        {false, {1, 1, 1, 1}, {6, 5, 8, 9}, {1, 1, 1, 1}, {10, 10, 10, 10}},
        {false, {1, 1, 1, 1}, {6, 7, 8, 13}, {1, 1, 1, 1}, {10, 10, 10, 10}},
        {true, {1, 1, 1, 1}, {6, 7, 8, 13}, {1, 1, 1, 1}, {6, 7, 8, 13}},
        // An end below the start in question order is raised to it.
        {false, {3, 5, 5, 5}, {3, 4, 9, 9}, {3, 5, 5, 5}, {3, 5, 9, 9}},
    };
    for (const Case& c : kCases) {
        MapStore store;
        store.WriteNumber("Training", "JQK", c.bJQK ? 1 : 0);
        store.WriteNumber("Training", "Full Range", 0);
        store.WriteNumber("Training", "Data Range Start", 1);
        store.WriteNumber("Training", "Data Range End", 1);
        for (int i = 0; i < 4; ++i) {
            store.WriteNumber("Training", QString("Start %1").arg(i + 1), c.naStart[i]);
            store.WriteNumber("Training", QString("End %1").arg(i + 1), c.naEnd[i]);
        }
        const TrainingPlan plan = Loaded(store, PlayMode::Training);
        EXPECT_EQ(plan.m_naStart, c.naWantStart);
        EXPECT_EQ(plan.m_naEnd, c.naWantEnd);
    }
}

TEST(TrainingPlan, SavesAllValuesPerModeAndReadsThemBack) {
    TrainingPlan plan;
    plan.m_bStandard = false;
    plan.m_bJQK = true;
    plan.m_nDifficulty = 3;
    plan.m_bFullSet = false;
    plan.m_bTroubleMaker = false;
    plan.m_bNoSolution = false;
    plan.m_bFullRange = false;
    plan.m_bStartOn = plan.m_bEndOn = true;
    plan.m_naStart = {2, 2, 3, 4};
    plan.m_naEnd = {9, 11, 12, 13};
    plan.m_bRandom = false;
    plan.m_bAscending = false;
    plan.m_bTimeLimit = true;
    plan.m_nQuestionCount = 25;
    plan.m_nMinutes = 7;
    MapStore store;
    ASSERT_TRUE(plan.Save(store, PlayMode::Training));
    ASSERT_TRUE(plan.Save(store, PlayMode::TrainingGame));
    EXPECT_EQ(store.m_values.size(), 48u);
    EXPECT_EQ(store.m_values.at("Training\\Time"), 0);
    EXPECT_EQ(store.m_values.at("Training Game\\Time"), 1);

    const TrainingPlan game = Loaded(store, PlayMode::TrainingGame);
    EXPECT_EQ(game.ToValues(), plan.ToValues());
    TrainingPlan training = plan;
    training.m_bTimeLimit = false;
    EXPECT_EQ(Loaded(store, PlayMode::Training).ToValues(), training.ToValues());
}

TEST(TrainingPlan, RangeNormalisationKeepsTheSelectionUsable) {
    struct Flags {
        bool bJQK, bFullRange, bStartOn, bEndOn;
    };
    struct Case {
        const char* szWhat;
        Flags flags;
        Quadruple naStart, naEnd, naWantStart, naWantEnd;
    };
    const Flags kBoth{false, false, true, true};
    const Case kCases[] = {
        {"J/Q/K off over 13", kBoth, {1, 2, 3, 4}, {5, 6, 7, 13}, {1, 1, 1, 1}, {10, 10, 10, 10}},
        {"full range",
         {true, true, true, true},
         {2, 3, 4, 5},
         {5, 6, 7, 8},
         {1, 1, 1, 1},
         {13, 13, 13, 13}},
        {"start non-decreasing", kBoth, {4, 2, 6, 1}, {9, 9, 9, 9}, {4, 4, 6, 6}, {9, 9, 9, 9}},
        {"end raised to the start", kBoth, {4, 6, 6, 7}, {2, 5, 5, 5}, {4, 6, 6, 7}, {4, 6, 6, 7}},
        {"end ahead keeps its tail", kBoth, {4, 6, 6, 7}, {4, 7, 1, 1}, {4, 6, 6, 7}, {4, 7, 7, 7}},
        {"start not ticked",
         {false, false, false, true},
         {4, 6, 6, 7},
         {5, 5, 5, 5},
         {1, 1, 1, 1},
         {5, 5, 5, 5}},
        {"end not ticked",
         {false, false, true, false},
         {4, 6, 6, 7},
         {5, 5, 5, 5},
         {4, 6, 6, 7},
         {10, 10, 10, 10}},
        {"value of zero", kBoth, {0, 6, 6, 7}, {8, 8, 8, 8}, {1, 1, 1, 1}, {10, 10, 10, 10}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szWhat);
        TrainingPlan plan;
        plan.m_bJQK = c.flags.bJQK;
        plan.m_bFullRange = c.flags.bFullRange;
        plan.m_bStartOn = c.flags.bStartOn;
        plan.m_bEndOn = c.flags.bEndOn;
        plan.m_naStart = c.naStart;
        plan.m_naEnd = c.naEnd;
        plan.NormalizeRange();
        EXPECT_EQ(plan.m_naStart, c.naWantStart);
        EXPECT_EQ(plan.m_naEnd, c.naWantEnd);
    }
}

} // namespace
