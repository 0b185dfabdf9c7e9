#include "play/trainingsetuplogic.h"

#include "play/playrun.h"

#include "core/stringids.h"
#include "core/stringtable.h"

CTrainingSetupLogic::CTrainingSetupLogic(PlayMode mode, const TrainingPlan& plan)
    : m_mode(mode), m_controls(plan), m_plan(plan) {
    if (mode != PlayMode::TrainingGame) m_controls.m_bTimeLimit = m_plan.m_bTimeLimit = false;
}

SetupEnabling CTrainingSetupLogic::GetEnabling() const {
    SetupEnabling enabling;
    const bool bWithin = !m_controls.m_bFullRange;
    enabling.bCollections = !m_controls.m_bFullSet;
    enabling.bBoundBoxes = bWithin;
    enabling.bStartLists = bWithin && m_controls.m_bStartOn;
    enabling.bEndLists = bWithin && m_controls.m_bEndOn;
    enabling.bOrder = !m_controls.m_bRandom;
    enabling.bTimeLimitBox = m_mode == PlayMode::TrainingGame;
    enabling.bMinutes = enabling.bTimeLimitBox && m_controls.m_bTimeLimit;
    return enabling;
}

std::array<ListRange, 8> CTrainingSetupLogic::GetListRanges() const {
    const int nMax = m_controls.GetMaxValue();
    const Quadruple& naStart = m_controls.m_naStart;
    const Quadruple& naEnd = m_controls.m_naEnd;
    return {{
        {1, nMax},
        {naStart[0], nMax},
        {naStart[1], nMax},
        {naStart[2], nMax},
        {naStart[0], nMax},
        {naEnd[0], nMax},
        {naEnd[1], nMax},
        {naEnd[2], nMax},
    }};
}

void CTrainingSetupLogic::CaptureRange() {
    m_controls.NormalizeRange();
    m_plan.m_bJQK = m_controls.m_bJQK;
    m_plan.m_bFullRange = m_controls.m_bFullRange;
    m_plan.m_bStartOn = m_controls.m_bStartOn;
    m_plan.m_bEndOn = m_controls.m_bEndOn;
    m_plan.m_naStart = m_controls.m_naStart;
    m_plan.m_naEnd = m_controls.m_naEnd;
}

void CTrainingSetupLogic::SetJQK(bool bJQK) {
    m_controls.m_bJQK = bJQK;
    CaptureRange();
}

void CTrainingSetupLogic::SetFullSet(bool bFullSet) {
    m_controls.m_bFullSet = bFullSet;
    ReadAll();
}

void CTrainingSetupLogic::KeepOneTicked(bool& bChanged, bool& bOther, bool bTicked) {
    bChanged = bTicked;
    if (!bTicked && !bOther) bOther = true;
}

void CTrainingSetupLogic::SetTroubleMaker(bool bTicked) {
    KeepOneTicked(m_controls.m_bTroubleMaker, m_controls.m_bMyFavorite, bTicked);
}

void CTrainingSetupLogic::SetMyFavorite(bool bTicked) {
    KeepOneTicked(m_controls.m_bMyFavorite, m_controls.m_bTroubleMaker, bTicked);
}

void CTrainingSetupLogic::SetHaveSolution(bool bTicked) {
    KeepOneTicked(m_controls.m_bHaveSolution, m_controls.m_bNoSolution, bTicked);
}

void CTrainingSetupLogic::SetNoSolution(bool bTicked) {
    KeepOneTicked(m_controls.m_bNoSolution, m_controls.m_bHaveSolution, bTicked);
}

void CTrainingSetupLogic::SetFullRange(bool bFullRange) {
    m_controls.m_bFullRange = bFullRange;
    m_controls.NormalizeRange();
    ReadAll();
}

void CTrainingSetupLogic::SetStartOn(bool bOn) {
    m_controls.m_bStartOn = bOn;
    m_controls.NormalizeRange();
    ReadAll();
}

void CTrainingSetupLogic::SetEndOn(bool bOn) {
    m_controls.m_bEndOn = bOn;
    m_controls.NormalizeRange();
    ReadAll();
}

void CTrainingSetupLogic::SetListValue(int nList, int nValue) {
    if (nList < 0 || nList >= 8) return;
    Quadruple& naValues = nList < 4 ? m_controls.m_naStart : m_controls.m_naEnd;
    naValues[static_cast<size_t>(nList % 4)] = nValue;
    m_controls.NormalizeRange();
}

void CTrainingSetupLogic::SetRandom(bool bRandom) {
    m_controls.m_bRandom = bRandom;
    ReadAll();
}

void CTrainingSetupLogic::SetTimeLimit(bool bOn) {
    m_controls.m_bTimeLimit = bOn && m_mode == PlayMode::TrainingGame;
    ReadAll();
}

TrainingPlan CTrainingSetupLogic::Accept() {
    m_controls.MakeRunnable();
    ReadAll();
    return m_plan;
}

std::string CTrainingSetupLogic::GetCaption(int nColumn) const {
    return GetLocalizedText(m_mode == PlayMode::TrainingGame ? IDS_TIP_TRAINING_GAME
                                                             : IDS_DIALOG_TRAINING_CAPTION_TRAINING,
                            {}, {}, {}, nColumn);
}

std::string CTrainingSetupLogic::GetNotesText(int nColumn) {
    return GetLocalizedText(IDS_DIALOG_TRAINING_NOTES1, {}, {}, {}, nColumn) + "\r\n\r\n" +
           GetLocalizedText(IDS_DIALOG_TRAINING_NOTES2, {}, {}, {}, nColumn);
}
