// When two answers count as one: the same, similar or different answers of a player, and
// how many different answers a difficulty level demands.
#pragma once

#include <string>
#include <vector>

// The number of different answers the level (1 Beginner, 2 Intermediate, 3 Advanced,
// 4 Ultimate) demands of a question with nSolutions irrelevant solutions.
int GetSolutionCount(int nLevel, int nSolutions);

// The two canonical keys of an accepted answer.
struct AnswerKeys {
    std::string strNormal;       // after the similarity reductions
    std::string strStrictNormal; // the answer on its canonical template, values in normal order
};

// Keys of an answer that CKVUtilities::CheckValidSolution accepted.
AnswerKeys GetAnswerKeys(const std::string& strAnswer);

enum class AnswerRelation {
    Different, // irrelevant to each other: both count
    Similar,   // the same normal answer reached by another trick with 1 or a squared sign
    Same,      // the same strict normal answer
};

AnswerRelation GetAnswerRelation(const AnswerKeys& first, const AnswerKeys& second);

constexpr unsigned kAnswerStatusNew = 1000;
constexpr unsigned kAnswerStatusIncorrect = 999;
// A repeat is marked with the index of the line it repeats, so only lines 0..998 can be told
// apart from the two verdicts; lines beyond are refused as incorrect.
constexpr size_t kMaxJudgedLines = 999;

// The verdict on each submitted line, as the main window keeps it.
struct SubmittedAnswers {
    // kAnswerStatusNew, kAnswerStatusIncorrect, or the index of the earlier new line repeated.
    std::vector<unsigned> uaAStatus;
    std::vector<std::string> saNA;       // normal answer; empty for an incorrect line
    std::vector<std::string> saSubNA;    // strict normal answer; empty for an incorrect line
    std::vector<std::string> saRelation; // "same" or "similar" for a repeat, empty otherwise
    // Lines after the first kMaxJudgedLines that JudgeSubmittedText counted but did not
    // keep: all incorrect, and in none of the lists above.
    size_t nUnjudgedLines = 0;

    size_t CountLines() const { return uaAStatus.size() + nUnjudgedLines; }
    // The status of line nLine, kept or not.
    unsigned GetStatus(size_t nLine) const {
        return nLine < uaAStatus.size() ? uaAStatus[nLine] : kAnswerStatusIncorrect;
    }

    int CountNew() const;
    int CountRepeated() const;
    int CountIncorrect() const;
};

// Judges the prepared answer lines in order under the rule of the last solver call: a line
// the checker refuses is incorrect; an accepted one repeats the first earlier new line with
// the same normal answer, or is new.
SubmittedAnswers ClassifySubmittedLines(const std::vector<unsigned>& uaQ,
                                        const std::vector<std::string>& saLines);

// The whole text of the answer box: prepared as PrepareSubmittedLines does and judged as
// ClassifySubmittedLines does, but lines past kMaxJudgedLines are only counted, so a huge
// paste costs little more memory than its own text.
SubmittedAnswers JudgeSubmittedText(const std::vector<unsigned>& uaQ, const std::string& strText);
