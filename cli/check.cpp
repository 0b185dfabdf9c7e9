#include "commands.h"

#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/textlines.h"
#include "engine/userinput.h"

#include <cstdio>

int RunCheck(const CliOptions& options) {
    ApplyEngineOptions(options);
    std::vector<unsigned> uaQ;
    if (!ParseQuestionText(options.saArguments[0], uaQ)) {
        std::fprintf(stderr, "tetralyx-cli: not a question of four values 1..%u: %s\n",
                     options.nMax, options.saArguments[0].c_str());
        return kExitUsage;
    }
    for (size_t i = 1; i < options.saArguments.size(); ++i) {
        std::string strLine = options.saArguments[i];
        TrimText(strLine);
        strLine = GetNormalizedUserInput(strLine, kNormalizeAnswer);
        const bool bCorrect = !strLine.empty() && CKVUtilities::CheckValidSolution(uaQ, strLine);
        std::puts(bCorrect ? "correct" : "incorrect");
    }
    return kExitOk;
}
