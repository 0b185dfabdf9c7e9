// The play modes and the record of the current run: its questions, what the player last
// submitted for each and how each was judged.
#pragma once

#include <chrono>
#include <string>
#include <vector>

enum class PlayMode { Normal, Training, TrainingGame, WorldCup };

// Any mode but Normal runs through a fixed set of questions.
constexpr bool IsRunMode(PlayMode mode) {
    return mode != PlayMode::Normal;
}
// A training game or World Cup judges every question once and keeps the score.
constexpr bool IsStrictMode(PlayMode mode) {
    return mode == PlayMode::TrainingGame || mode == PlayMode::WorldCup;
}

// Status of a run question.
constexpr unsigned kStatusNotAnswered = 0;
constexpr unsigned kStatusCorrect = 1;
constexpr unsigned kStatusIncorrect = 2;

struct PlayRun {
    using TimePoint = std::chrono::system_clock::time_point;

    std::vector<std::string> m_saQuestions; // "%d %d %d %d", ascending, in the order shown
    std::vector<std::string> m_saAnswers;   // the answer box at the last submission
    std::vector<unsigned> m_uaAStatus;      // kStatus... per question
    std::vector<unsigned> m_uaTyped;        // 1: typed answers, 0: claimed "No solution!"
    int m_nIndex = -1;                      // current question; -1 outside a run
    int m_nQuestionCount = -1;
    int m_nAnsweredCount = -1; // questions answered at least once
    int m_nTimeLimit = -1;     // seconds; -1: none
    TimePoint m_startTime{};
    TimePoint m_endTime{}; // start + limit, only when there is a limit

    // Outside a run: everything empty and every count -1.
    void Reset();
    // A fresh run over saQuestions, none answered yet, no question current.
    void Start(const std::vector<std::string>& saQuestions, int nTimeLimit, TimePoint startTime);

    bool IsActive() const { return m_nQuestionCount >= 0; }
    // A question is current (a run of zero questions has none).
    bool HasCurrent() const;
    // The current question's status; kStatusNotAnswered when there is none.
    unsigned GetCurrentStatus() const;
    // Makes question nIndex current; false (nothing changed) when there is no such question.
    bool SetCurrent(int nIndex);

    int CountCorrect() const;
    int CountIncorrect() const; // every status above 1
    int CountNotAnswered() const;
};
