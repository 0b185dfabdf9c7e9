#include "play/trainingplan.h"

#include "play/playrun.h"

#include <algorithm>

const char* const TrainingPlan::kValueNames[kValueCount] = {
    "Standard",
    "JQK",
    "Difficulty Level",
    "Full Set",
    "Trouble Maker",
    "My Favorite",
    "Have Solution",
    "No Solution",
    "Full Range",
    "Data Range Start",
    "Data Range End",
    "Start 1",
    "Start 2",
    "Start 3",
    "Start 4",
    "End 1",
    "End 2",
    "End 3",
    "End 4",
    "Randomly",
    "Ascending",
    "Time",
    "Question Count",
    "Minutes",
};

namespace {

constexpr int kStartValue = 11;
constexpr int kEndValue = 15;

} // namespace

TrainingPlan TrainingPlan::Defaults(PlayMode mode) {
    TrainingPlan plan;
    plan.m_bTimeLimit = IsTrainingGame(mode);
    return plan;
}

bool TrainingPlan::IsTrainingGame(PlayMode mode) {
    return mode == PlayMode::TrainingGame;
}

const char* TrainingPlan::GetSubKey(PlayMode mode) {
    return IsTrainingGame(mode) ? "Training Game" : "Training";
}

std::array<int, TrainingPlan::kValueCount> TrainingPlan::ToValues() const {
    std::array<int, kValueCount> naValues{};
    const bool baFlags[] = {m_bStandard,     m_bJQK,        false,           m_bFullSet,
                            m_bTroubleMaker, m_bMyFavorite, m_bHaveSolution, m_bNoSolution,
                            m_bFullRange,    m_bStartOn,    m_bEndOn};
    for (int i = 0; i < kStartValue; ++i)
        naValues[i] = baFlags[i] ? 1 : 0;
    naValues[2] = m_nDifficulty;
    for (int i = 0; i < 4; ++i) {
        naValues[kStartValue + i] = m_naStart[i];
        naValues[kEndValue + i] = m_naEnd[i];
    }
    naValues[19] = m_bRandom ? 1 : 0;
    naValues[20] = m_bAscending ? 1 : 0;
    naValues[kTimeValue] = m_bTimeLimit ? 1 : 0;
    naValues[22] = m_nQuestionCount;
    naValues[23] = m_nMinutes;
    return naValues;
}

void TrainingPlan::FromValues(const std::array<int, kValueCount>& naValues) {
    // J/Q/K and the two bound boxes count only when exactly 1; other flags when not 0.
    m_bStandard = naValues[0] != 0;
    m_bJQK = naValues[kJQKValue] == 1;
    m_nDifficulty = naValues[2];
    m_bFullSet = naValues[3] != 0;
    m_bTroubleMaker = naValues[4] != 0;
    m_bMyFavorite = naValues[5] != 0;
    m_bHaveSolution = naValues[6] != 0;
    m_bNoSolution = naValues[7] != 0;
    m_bFullRange = naValues[8] != 0;
    m_bStartOn = naValues[9] == 1;
    m_bEndOn = naValues[10] == 1;
    for (int i = 0; i < 4; ++i) {
        m_naStart[i] = naValues[kStartValue + i];
        m_naEnd[i] = naValues[kEndValue + i];
    }
    m_bRandom = naValues[19] != 0;
    m_bAscending = naValues[20] != 0;
    m_bTimeLimit = naValues[kTimeValue] != 0;
    m_nQuestionCount = naValues[22];
    m_nMinutes = naValues[23];
}

void TrainingPlan::FixLoadedValues() {
    if (m_nDifficulty < 1 || m_nDifficulty > 4) m_nDifficulty = 1;
    // Below the spin box's minimum counts as out of range too, not only 0.
    if (m_nQuestionCount < kMinQuestions || m_nQuestionCount > kMaxQuestions) m_nQuestionCount = 40;
    if (m_nMinutes < kMinMinutes || m_nMinutes < m_nQuestionCount / 10 || m_nMinutes > kMaxMinutes)
        m_nMinutes = m_nQuestionCount;
    const int nMax = GetMaxValue();
    int nLow = 1;
    for (int& nStart : m_naStart) {
        if (nStart < nLow || nStart > nMax) nStart = nLow;
        nLow = nStart;
    }
    const bool bEndBroken = m_naEnd[0] < m_naStart[0] || m_naEnd[3] > nMax ||
                            !std::is_sorted(m_naEnd.begin(), m_naEnd.end());
    if (bEndBroken) m_naEnd.fill(nMax);
    MakeRunnable();
}

void TrainingPlan::MakeRunnable() {
    if (m_nDifficulty < 1 || m_nDifficulty > 4) m_nDifficulty = 1;
    ClampCounts();
    // A collection run needs at least one collection, as the dialog insists.
    if (!m_bTroubleMaker && !m_bMyFavorite) m_bTroubleMaker = m_bMyFavorite = true;
    if (!m_bHaveSolution && !m_bNoSolution) m_bHaveSolution = m_bNoSolution = true;
    NormalizeRange();
}

void TrainingPlan::NormalizeRange() {
    const int nMax = GetMaxValue();
    const auto inRange = [nMax](int nValue) { return nValue >= 1 && nValue <= nMax; };
    const bool bWellFormed = std::all_of(m_naStart.begin(), m_naStart.end(), inRange) &&
                             std::all_of(m_naEnd.begin(), m_naEnd.end(), inRange);
    if (m_bFullRange || !bWellFormed) {
        m_naStart.fill(1);
        m_naEnd.fill(nMax);
        return;
    }
    if (m_bStartOn) {
        for (int i = 1; i < 4; ++i)
            m_naStart[i] = std::max(m_naStart[i], m_naStart[i - 1]);
    } else {
        m_naStart.fill(1);
    }
    if (!m_bEndOn) {
        m_naEnd.fill(nMax);
        return;
    }
    // While the end's leading values equal the start's, the next ones may not fall below the
    // start's either; once the end is ahead it only needs to be non-decreasing.
    m_naEnd[0] = std::max(m_naEnd[0], m_naStart[0]);
    bool bAhead = m_naEnd[0] > m_naStart[0];
    for (int i = 1; i < 4; ++i) {
        m_naEnd[i] = std::max(m_naEnd[i], m_naEnd[i - 1]);
        if (!bAhead) {
            m_naEnd[i] = std::max(m_naEnd[i], m_naStart[i]);
            bAhead = m_naEnd[i] > m_naStart[i];
        }
    }
}

void TrainingPlan::ClampCounts() {
    m_nQuestionCount = std::clamp(m_nQuestionCount, kMinQuestions, kMaxQuestions);
    m_nMinutes = std::clamp(m_nMinutes, kMinMinutes, kMaxMinutes);
}
