// The plan of a training or training game as the setup dialog edits it: rule, value range,
// where the questions come from, which part of the question space, order, count, time limit
// and difficulty. Each mode keeps its own plan in the registry store.
#pragma once

#include <array>

enum class PlayMode;

using Quadruple = std::array<int, 4>;

struct TrainingPlan {
    bool m_bStandard = true;
    bool m_bJQK = false;
    int m_nDifficulty = 1;  // 1 Beginner .. 4 Ultimate
    bool m_bFullSet = true; // false: from the collections
    bool m_bTroubleMaker = true;
    bool m_bMyFavorite = true;
    bool m_bHaveSolution = true; // kept with the plan; the question selection ignores both
    bool m_bNoSolution = true;
    bool m_bFullRange = true; // false: within the start and end below
    bool m_bStartOn = false;
    bool m_bEndOn = false;
    Quadruple m_naStart{1, 1, 1, 1};
    Quadruple m_naEnd{10, 10, 10, 10};
    bool m_bRandom = true;
    bool m_bAscending = true; // order of a sequential selection
    bool m_bTimeLimit = true; // never set for a training
    int m_nQuestionCount = 40;
    int m_nMinutes = 40;

    int GetMaxValue() const { return m_bJQK ? 13 : 10; }
    // The plan a mode starts with when nothing is stored.
    static TrainingPlan Defaults(PlayMode mode);

    // Stored values out of range fall back to their defaults; the start and end are made
    // consistent with each other and the range choice, so every loaded plan can run.
    void FixLoadedValues();
    // Range normalisation: Full Range means every question; a selection keeps its start
    // non-decreasing, its end not below the start in question order, and the bounds that are
    // not ticked at the extremes. Values outside 1..maximum reset the selection to everything.
    void NormalizeRange();
    // Count and minutes outside what the dialog's spin boxes allow are clamped into them.
    void ClampCounts();
    // What any plan needs before a run: counts and difficulty in range, a collection chosen,
    // a normalised range. Unlike FixLoadedValues it keeps minutes the player chose.
    void MakeRunnable();

    static constexpr int kMinQuestions = 5;
    static constexpr int kMaxQuestions = 500;
    static constexpr int kMinMinutes = 1;
    static constexpr int kMaxMinutes = 900;

    // "Training" or "Training Game": the mode's subkey of the registry store. Any mode but
    // Training Game uses the training's plan.
    static const char* GetSubKey(PlayMode mode);

    // The twenty-four stored values in the order of kValueNames.
    static constexpr int kValueCount = 24;
    static const char* const kValueNames[kValueCount];
    std::array<int, kValueCount> ToValues() const;
    // Values as stored; FixLoadedValues makes them usable.
    void FromValues(const std::array<int, kValueCount>& naValues);

    // Store: anything with ReadNumber(subkey, name, default) and WriteNumber(subkey, name,
    // value), as the program's registry store has.
    template <class Store> void Load(const Store& store, PlayMode mode) {
        const char* szSubKey = GetSubKey(mode);
        TrainingPlan defaults = Defaults(mode);
        // The end defaults to the maximum of the stored J/Q/K setting.
        defaults.m_bJQK = store.ReadNumber(szSubKey, kValueNames[kJQKValue], 0) == 1;
        defaults.m_naEnd.fill(defaults.GetMaxValue());
        const std::array<int, kValueCount> naDefaults = defaults.ToValues();
        std::array<int, kValueCount> naValues{};
        for (int i = 0; i < kValueCount; ++i)
            naValues[i] = store.ReadNumber(szSubKey, kValueNames[i], naDefaults[i]);
        FromValues(naValues);
        FixLoadedValues();
        if (!IsTrainingGame(mode)) m_bTimeLimit = false;
    }
    // All twenty-four values; a training always stores its time-limit flag as 0.
    template <class Store> bool Save(Store& store, PlayMode mode) const {
        const char* szSubKey = GetSubKey(mode);
        std::array<int, kValueCount> naValues = ToValues();
        if (!IsTrainingGame(mode)) naValues[kTimeValue] = 0;
        bool bAll = true;
        for (int i = 0; i < kValueCount; ++i)
            bAll = store.WriteNumber(szSubKey, kValueNames[i], naValues[i]) && bAll;
        return bAll;
    }

private:
    static bool IsTrainingGame(PlayMode mode);
    static constexpr int kJQKValue = 1;
    static constexpr int kTimeValue = 21;
};
