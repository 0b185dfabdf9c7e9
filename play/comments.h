// The texts of the comment box: the answer prompt, the list of all solutions and the verdict
// on submitted answers, composed from the string table in one language.
#pragma once

#include "play/playrun.h"
#include "play/questioninput.h"
#include "play/rulestate.h"

#include "core/stringtable.h"
#include "engine/enginestate.h"

#include <cstdint>
#include <string>

// Everything besides the input that a comment depends on.
struct CommentContext {
    CRuleState rule;
    PlayMode mode = PlayMode::Normal;
    int nColumn = kColumnEnglish;                      // the string-table column of the language
    InterfaceCharset charset = InterfaceCharset::None; // which typed characters are accepted
};

// Verdict classes: what the last judgment was, and which effect follows it.
constexpr int kVerdictNone = 0;
constexpr int kVerdictCorrect = 1;
constexpr int kVerdictWrong = 2;
constexpr int kVerdictAbnormal = 3; // invalid question, too many answers

struct Verdict {
    std::string strText;
    int nClass = kVerdictNone;
    unsigned nStatus = kStatusNotAnswered; // what a run records; 0: nothing
};

class CComments {
public:
    explicit CComments(const CommentContext& context) : m_context(context) {}

    // "Please submit %1 different solutions..." when the level asks for more than one answer
    // to this question; empty otherwise (always at Ultimate).
    std::string GetAnswerPrompt(const MainInput& input) const;

    // What Check Solution shows: the numbered solutions, the no-solution text or the
    // invalid-question text.
    std::string GetSolutionListText(const MainInput& input) const;

    // The verdict on the input as it stands, ignoring whether Submit is enabled: an invalid
    // question and more than kMaxAnswers lines are abnormal.
    Verdict Judge(const MainInput& input) const;

    static constexpr size_t kMaxAnswers = 30;

private:
    std::string Text(std::uint32_t nId, const std::string& strParam1 = {},
                     const std::string& strParam2 = {}) const;
    std::string InvalidQuestionText() const;
    Verdict JudgeAnswers(const std::vector<unsigned>& uaQ, const std::vector<std::string>& saLines,
                         int nSolutions) const;

    CommentContext m_context;
};
