#include "commands.h"

#include "engine/evaluation.h"

#include <cstdio>

int RunIsTwentyFour(const CliOptions& options) {
    ApplyEngineOptions(options);
    std::puts(IsTwentyFour(options.saArguments[0]) ? "yes" : "no");
    return kExitOk;
}
