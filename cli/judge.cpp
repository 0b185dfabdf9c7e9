#include "commands.h"

int RunJudge(const CliOptions&) {
    return kExitUsage;
}
