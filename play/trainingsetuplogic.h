// The training setup dialog without its widgets: the plan its controls show, which controls
// are enabled, the ranges of the eight value lists, and which edits survive a Cancel.
#pragma once

#include "play/trainingplan.h"

#include <array>
#include <cstdint>
#include <string>

struct SetupEnabling {
    bool bCollections = false; // Trouble Maker, My Favorite
    bool bBoundBoxes = false;  // Start, End
    bool bStartLists = false;
    bool bEndLists = false;
    bool bOrder = false;        // Ascending, Descending
    bool bTimeLimitBox = false; // only in a training game
    bool bMinutes = false;
};

// Lowest and highest value a list offers.
struct ListRange {
    int nLow = 1;
    int nHigh = 10;
};

class CTrainingSetupLogic {
public:
    // plan: as loaded for the mode (a training's time limit is off).
    CTrainingSetupLogic(PlayMode mode, const TrainingPlan& plan);

    PlayMode GetMode() const { return m_mode; }
    // What the controls show.
    const TrainingPlan& GetControls() const { return m_controls; }
    SetupEnabling GetEnabling() const;
    // Start 1..4, then End 1..4.
    std::array<ListRange, 8> GetListRanges() const;

    // The player's edits. Changes of J/Q/K, the range radios, a bound box or a list
    // normalise the range.
    void SetStandard(bool bStandard) { m_controls.m_bStandard = bStandard; }
    void SetJQK(bool bJQK);
    void SetFullSet(bool bFullSet);
    // At least one collection stays ticked: unticking the last ticks the other.
    void SetTroubleMaker(bool bTicked);
    void SetMyFavorite(bool bTicked);
    // Likewise for the two solution boxes.
    void SetHaveSolution(bool bTicked);
    void SetNoSolution(bool bTicked);
    void SetFullRange(bool bFullRange);
    void SetStartOn(bool bOn);
    void SetEndOn(bool bOn);
    // nList 0..3 Start 1..4, 4..7 End 1..4.
    void SetListValue(int nList, int nValue);
    void SetRandom(bool bRandom);
    void SetAscending(bool bAscending) { m_controls.m_bAscending = bAscending; }
    void SetTimeLimit(bool bOn);
    void SetDifficulty(int nLevel) { m_controls.m_nDifficulty = nLevel; }
    void SetQuestionCount(int nCount) { m_controls.m_nQuestionCount = nCount; }
    void SetMinutes(int nMinutes) { m_controls.m_nMinutes = nMinutes; }

    // OK: the plan as the controls show it, counts clamped into the spin ranges.
    TrainingPlan Accept();
    // What is stored when the dialog closes: after OK every control; after Cancel the values
    // as last read from the controls (a change of the source, range, bound, order or time
    // limit reads them all; J/Q/K and the range are taken at once).
    const TrainingPlan& GetPlanToSave() const { return m_plan; }

    // Dialog caption and the notes button's message.
    std::string GetCaption(int nColumn) const;
    static std::string GetNotesText(int nColumn);

private:
    void ReadAll() { m_plan = m_controls; }
    void CaptureRange();
    void KeepOneTicked(bool& bChanged, bool& bOther, bool bTicked);

    PlayMode m_mode;
    TrainingPlan m_controls;
    TrainingPlan m_plan;
};
