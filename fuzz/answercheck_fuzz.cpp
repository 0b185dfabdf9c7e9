// The answer box as the main window judges it: a question line, then whatever the player
// pasted, under every character set, rule and value range.
#include "fuzzcheck.h"
#include "fuzzsettings.h"

#include "engine/evaluation.h"
#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/relatedanswers.h"
#include "engine/userinput.h"

#include <algorithm>

namespace {

// What an accepted line must be: the question's four values, each once, making 24.
void CheckAccepted(const std::vector<unsigned>& uaQ, const std::string& strLine) {
    std::string strBare;
    for (char c : strLine)
        if (c != ' ' && c != '\t') strBare += c;
    FUZZ_CHECK(!strBare.empty() && strBare.front() != '-');
    FUZZ_CHECK(strBare.find("(-") == std::string::npos);
    std::vector<unsigned> uaUsed;
    FUZZ_CHECK(ParseQuestionText(OperatorsToSpaces(strBare), uaUsed));
    std::vector<unsigned> uaSorted = uaQ;
    std::sort(uaUsed.begin(), uaUsed.end());
    std::sort(uaSorted.begin(), uaSorted.end());
    FUZZ_CHECK(uaUsed == uaSorted);
    FUZZ_CHECK(IsTwentyFour(strBare));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const FuzzInput input = SplitFuzzInput(pData, nSize);
    const CFuzzEngineSettings settings(input.nSettings);
    const size_t nBreak = input.strText.find('\n');
    const std::string strQuestion = input.strText.substr(0, nBreak);
    const std::string strBox =
        nBreak == std::string::npos ? std::string() : input.strText.substr(nBreak + 1);
    for (int nMode : {kNormalizeRemoveSpaces, kNormalizeQuestion, kNormalizeAnswer})
        GetNormalizedUserInput(strBox, nMode);

    std::vector<unsigned> uaQ;
    if (!ParseQuestionText(strQuestion, uaQ)) return 0;
    const std::vector<std::string> saLines = PrepareSubmittedLines(strBox);
    std::vector<bool> baAccepted;
    for (const std::string& strLine : saLines) {
        baAccepted.push_back(CKVUtilities::CheckValidSolution(uaQ, strLine));
        if (baAccepted.back()) CheckAccepted(uaQ, strLine);
    }

    // The main window's verdicts agree with the checker line by line.
    const SubmittedAnswers answers = JudgeSubmittedText(uaQ, strBox);
    FUZZ_CHECK(answers.CountLines() == saLines.size());
    for (size_t n = 0; n < saLines.size(); ++n) {
        const unsigned nStatus = answers.GetStatus(n);
        if (n >= kMaxJudgedLines || !baAccepted[n]) {
            FUZZ_CHECK(nStatus == kAnswerStatusIncorrect);
        } else {
            FUZZ_CHECK(nStatus != kAnswerStatusIncorrect);
            FUZZ_CHECK(!answers.saNA[n].empty() && !answers.saSubNA[n].empty());
            // A repeat names an earlier new line with the same normal answer.
            if (nStatus != kAnswerStatusNew) {
                FUZZ_CHECK(nStatus < n && answers.uaAStatus[nStatus] == kAnswerStatusNew);
                FUZZ_CHECK(answers.saNA[nStatus] == answers.saNA[n]);
            }
        }
    }
    return 0;
}
