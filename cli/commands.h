// The commands of tetralyx-cli. Each returns the process exit code: 0 done, 1 nothing found
// (solve: no solution; verdict: a loss), 2 bad input, 3 abnormal input (verdict).
#pragma once

#include "options.h"

constexpr int kExitOk = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitLoss = 1;
constexpr int kExitUsage = 2;
constexpr int kExitAbnormal = 3;

int RunCheck(const CliOptions& options);
int RunIsTwentyFour(const CliOptions& options);
int RunJudge(const CliOptions& options);
int RunList(const CliOptions& options);
int RunNormal(const CliOptions& options);
int RunPage(const CliOptions& options);
int RunSolve(const CliOptions& options);
int RunVerdict(const CliOptions& options);

extern const char kPageUsage[];
extern const char kPageDetails[];
