// The run clock's arithmetic and texts: elapsed and remaining seconds, the clock item of the
// menu bar, the report's time and score, and the training game's score report.
#pragma once

#include "play/playrun.h"
#include "play/rulestate.h"

#include <QDateTime>

#include <string>
#include <vector>

// Whole seconds from start to now, never below 0.
int GetElapsedSeconds(const QDateTime& start, const QDateTime& now);

// "%H:%M:%S" of nSeconds (below 0 reads as 0).
std::string FormatClockText(int nSeconds);

// "%1 min %2 sec" below an hour, otherwise "%1 hour(s) %2 minutes %3 seconds".
std::string FormatReportTime(int nSeconds, int nColumn);

// The report's time: the elapsed seconds at the end, at most the run's limit when it has one.
int GetReportSeconds(const PlayRun& run, const QDateTime& start, const QDateTime& now);

// #1..#5: the level name, the rule text, the value range, "correct/count" and the time text.
std::vector<std::string> GetReportValues(const PlayRun& run, const CRuleState& rule,
                                         const QDateTime& start, const QDateTime& now, int nColumn);

// The training game's score report with the values filled in.
std::string GetTrainingGameReport(const std::vector<std::string>& saValues, int nColumn);
