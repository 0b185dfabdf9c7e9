#include "commands.h"

#include "engine/question.h"
#include "engine/solver.h"

#include <cstdio>

int RunSolve(const CliOptions& options) {
    ApplyEngineOptions(options);
    std::string strQuestion;
    for (const std::string& strArgument : options.saArguments)
        strQuestion += (strQuestion.empty() ? "" : " ") + strArgument;
    std::vector<unsigned> uaQ;
    std::vector<std::string> saSolutions;
    if (!ParseQuestionText(strQuestion, uaQ) ||
        !FindAllSolutions(uaQ, saSolutions, !options.bAdvanced)) {
        std::fprintf(stderr, "tetralyx-cli: not a question of four values 1..%u: %s\n",
                     options.nMax, strQuestion.c_str());
        return kExitUsage;
    }
    for (const std::string& strSolution : saSolutions)
        std::puts(strSolution.c_str());
    // Like grep finding nothing, so a script can tell an unsolvable question by the status.
    return saSolutions.empty() ? kExitNotFound : kExitOk;
}
