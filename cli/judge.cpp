#include "commands.h"

#include "engine/question.h"
#include "engine/relatedanswers.h"
#include "engine/solver.h"

#include <cstdio>
#include <string>

namespace {

std::string ReadAll(FILE* pIn) {
    std::string strText;
    char szBuffer[4096];
    size_t nRead;
    while ((nRead = std::fread(szBuffer, 1, sizeof szBuffer, pIn)) > 0)
        strText.append(szBuffer, nRead);
    return strText;
}

} // namespace

int RunJudge(const CliOptions& options) {
    ApplyEngineOptions(options);
    std::vector<unsigned> uaQ;
    std::vector<std::string> saSolutions;
    if (!ParseQuestionText(options.saArguments[0], uaQ) ||
        !FindAllSolutions(uaQ, saSolutions, !options.bAdvanced)) {
        std::fprintf(stderr, "tetralyx-cli: not a question of four values 1..%u: %s\n",
                     options.nMax, options.saArguments[0].c_str());
        return kExitUsage;
    }
    const SubmittedAnswers answers = JudgeSubmittedText(uaQ, ReadAll(stdin));
    for (size_t i = 0; i < answers.CountLines(); ++i) {
        const unsigned nStatus = answers.GetStatus(i);
        if (nStatus == kAnswerStatusNew)
            std::puts("new");
        else if (nStatus == kAnswerStatusIncorrect)
            std::puts("incorrect");
        else
            std::printf("%s %u\n", answers.saRelation[i] == "same" ? "same as" : "similar to",
                        nStatus + 1);
    }
    const int nSolutions = static_cast<int>(saSolutions.size());
    std::printf("required %d of %d solutions\n", GetSolutionCount(options.nLevel, nSolutions),
                nSolutions);
    return kExitOk;
}
