#include "commands.h"

#include "answertext.h"

#include "play/mainlogic.h"

#include "core/stringids.h"
#include "core/stringtable.h"

#include <chrono>
#include <cstdio>
#include <sstream>

namespace {

// Far beyond any answer box a player fills, and small enough to judge at once.
constexpr size_t kMaxAnswerBytes = size_t{1} << 20;

// "A B C D" into the four value boxes; anything but four pieces leaves them empty, which is
// an invalid question.
std::array<std::string, 4> SplitQuestion(const std::string& strQuestion) {
    std::array<std::string, 4> saValues;
    std::istringstream stream(strQuestion);
    std::string strPiece;
    size_t nCount = 0;
    while (stream >> strPiece) {
        if (nCount == saValues.size()) return {};
        saValues[nCount++] = strPiece;
    }
    return nCount == saValues.size() ? saValues : std::array<std::string, 4>{};
}

// The main window's logic with its rule, language and value boxes as the options set them.
void SetUp(const CliOptions& options, CMainLogic& logic) {
    logic.SetLanguage(options.nLanguageId);
    if (options.bCharsetGiven) logic.SetInputCharset(options.charset);
    logic.Rule().m_bStandard = !options.bAdvanced;
    logic.Rule().m_bJQK = options.nMax == 13;
    logic.Rule().SetDifficulty(options.nLevel);
    MainInput input;
    input.saValues = SplitQuestion(options.saArguments[0]);
    input.bNoSolution = options.bNoSolution;
    logic.SetInput(input);
}

void PrintText(const std::string& strText) {
    std::fwrite(strText.data(), 1, strText.size(), stdout);
    std::fputc('\n', stdout);
}

int CheckSolution(const CMainLogic& logic) {
    const std::string strText = logic.GetSolutionListText();
    PrintText(strText);
    if (logic.GetQuestionKey().empty()) return kExitAbnormal;
    const int nColumn = GetColumnForLanguage(logic.GetLanguage());
    return strText == GetLocalizedText(IDS_KVT_NO_SOLUTION, {}, {}, {}, nColumn) ? kExitNotFound
                                                                                 : kExitOk;
}

} // namespace

int RunVerdict(const CliOptions& options) {
    CMainLogic logic;
    SetUp(options, logic);
    if (options.bCheckSolution) return CheckSolution(logic);
    const std::string strQuestion = logic.GetQuestionKey();
    if (strQuestion.empty()) {
        // Submit is off in the window then; this is the text its checks give.
        PrintText(logic.GetSolutionListText());
        return kExitAbnormal;
    }
    if (!options.bNoSolution) {
        MainInput input = logic.GetInput();
        if (ReadAnswerText(stdin, input.strAnswer, CComments::kMaxAnswers + 1, kMaxAnswerBytes) ==
            AnswerTextRead::TooLong) {
            std::fprintf(stderr,
                         "tetralyx-cli verdict: more than %zu bytes of answer text before answer "
                         "line %zu: not judged\n",
                         kMaxAnswerBytes, CComments::kMaxAnswers + 1);
            return kExitAbnormal;
        }
        logic.SetInput(input);
    }
    if (IsRunMode(options.mode)) {
        // A run of that mode with this question current and not yet answered.
        logic.SetMode(options.mode);
        logic.Run().Start({strQuestion}, -1, std::chrono::system_clock::now());
        logic.Run().SetCurrent(0);
    }
    const SubmitOutcome outcome = logic.OnMainSubmit();
    if (!outcome.bSubmitted) {
        std::fprintf(stderr,
                     "tetralyx-cli verdict: nothing to submit: type more than %zu "
                     "characters of answers, or give --no-solution\n",
                     CQuestionInput::kMinAnswerCharacters);
        return kExitAbnormal;
    }
    PrintText(outcome.strComments);
    switch (logic.GetLastVerdictClass()) {
    case kVerdictCorrect:
        return kExitOk;
    case kVerdictWrong:
        return kExitLoss;
    default:
        return kExitAbnormal;
    }
}
