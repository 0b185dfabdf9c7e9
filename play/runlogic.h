// Runs of the play modes without the window: starting one from a plan (its question set, the
// notes shown before it begins), moving through its questions, the one-second clock with its
// time limit, and the end with its score report. The window mirrors the main logic's input
// and shows what comes back; messages go through the presenter it hands in.
#pragma once

#include "play/mainlogic.h"
#include "play/trainingplan.h"

#include <QDateTime>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

class IClock;
class IClockTimer;
class IMessagePresenter;

// The two collections as lists of question texts.
struct RunCollections {
    std::vector<std::string> saTroubleMaker;
    std::vector<std::string> saMyFavorite;
};

struct RunEnd {
    bool bEnded = false;               // false: no run was active
    std::vector<std::string> saValues; // #1..#5 of the report
    bool bWorldCupReport = false;      // the World Cup's own report is due with saValues
    int nCorrect = 0;                  // the score of #4
    int nReportSeconds = 0;            // the time of #5, in seconds
};

// What one second of the run clock did.
struct ClockTick {
    std::string strClockText; // the menu bar's clock item; "" removes it
    // Time is up: the clock stopped; the effect plays before the run ends with its report.
    bool bTimeUp = false;
    SoundEffect effect = SoundEffect::None;
};

class CRunLogic {
public:
    CRunLogic(CMainLogic& logic, IClock& clock, IMessagePresenter& messages);
    ~CRunLogic();
    CRunLogic(const CRunLogic&) = delete;
    CRunLogic& operator=(const CRunLogic&) = delete;

    // Starts a training or training game under an accepted plan: takes its rule, J/Q/K and
    // difficulty, draws the questions, shows the insufficient-questions notice, the rule note
    // and the Ultimate prompt as they apply, starts the clock and shows the first question.
    void StartRun(PlayMode mode, const TrainingPlan& plan, const RunCollections& collections);
    // The World Cup: 40 questions drawn from every question of the main logic's rule and
    // J/Q/K, 40 minutes.
    void StartWorldCup();

    // Makes question nIndex current and puts it into the input; false when there is no such
    // question or it is not valid for the run's range (then only the index moves).
    bool ShowQuestion(int nIndex);
    // What the comment box shows for the current question.
    std::string GetQuestionComments() const { return m_logic.GetAnswerPrompt(); }
    // Previous / Next: the effect to play; None when nothing moved.
    SoundEffect Previous();
    SoundEffect Next();

    // F1 inside a run: the rule note of the active mode. False outside a run.
    bool ShowRuleNote();
    std::string GetRuleNoteText() const;

    // Submit inside or outside a run; a fully answered strict run asks whether to finish and
    // ends with its report on Yes.
    SubmitOutcome Submit();
    // The question after a strict run's last answer, asked once the verdict shows: Yes ends
    // the run with its report. Not ended when the run was over already (time ran out while
    // the question was open) or the player keeps reviewing.
    RunEnd OfferToFinish();
    // Done: ends the run with its report.
    RunEnd Done() { return EndRun(true); }
    // Ends the active run, with the report of a training game (or the World Cup's values).
    RunEnd EndRun(bool bReport);
    // Clears the run record, the input and the difficulty.
    void ResetRun();

    // One second of the clock, without ending the run when time is up.
    ClockTick OnClockTick();
    // The window's part of a tick: fnTicked shows the clock or plays the time-up effect;
    // fnEnded follows when time was up and the run has ended with its report.
    void SetTickHandlers(std::function<void(const ClockTick&)> fnTicked,
                         std::function<void(const RunEnd&)> fnEnded) {
        m_fnTicked = std::move(fnTicked);
        m_fnEnded = std::move(fnEnded);
    }
    bool IsClockRunning() const { return m_pTimer != nullptr; }
    QDateTime GetStartTime() const { return m_startTime; }

private:
    void OnTimer();
    void Begin(PlayMode mode, const TrainingPlan& plan, const RunCollections& collections);
    std::string Text(std::uint32_t nId, const std::string& strParam1 = {},
                     const std::string& strParam2 = {}, const std::string& strParam3 = {}) const;
    int Column() const;
    std::string ModeLowerName() const;
    void Show(const std::string& strMessage, const std::string& strCaption = {},
              bool bHelpDetails = false, unsigned nIcon = 0);

    CMainLogic& m_logic;
    IClock& m_clock;
    IMessagePresenter& m_messages;
    std::unique_ptr<IClockTimer> m_pTimer;
    std::function<void(const ClockTick&)> m_fnTicked;
    std::function<void(const RunEnd&)> m_fnEnded;
    std::mt19937 m_generator;
    bool m_bSeeded = false;
    QDateTime m_startTime;
    QDateTime m_endTime;
};
