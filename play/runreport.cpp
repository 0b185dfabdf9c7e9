#include "play/runreport.h"

#include "core/stringids.h"
#include "core/stringtable.h"

#include <algorithm>
#include <cstdio>

int GetElapsedSeconds(const QDateTime& start, const QDateTime& now) {
    return static_cast<int>(std::clamp<qint64>(start.msecsTo(now) / 1000, 0, 0x7FFFFFFF));
}

std::string FormatClockText(int nSeconds) {
    const int nClamped = std::max(nSeconds, 0);
    char szText[32];
    std::snprintf(szText, sizeof szText, "%02d:%02d:%02d", nClamped / 3600, nClamped % 3600 / 60,
                  nClamped % 60);
    return szText;
}

std::string FormatReportTime(int nSeconds, int nColumn) {
    const int nClamped = std::max(nSeconds, 0);
    const int h = nClamped / 3600;
    const std::string strM = std::to_string(nClamped % 3600 / 60);
    const std::string strS = std::to_string(nClamped % 60);
    if (h < 1) return GetLocalizedText(IDS_DIALOG_RANK_NORMAL_TIME, strM, strS, {}, nColumn);
    return GetLocalizedText(IDS_DIALOG_MAIN_H_M_S, std::to_string(h), strM, strS, nColumn);
}

int GetReportSeconds(const PlayRun& run, const QDateTime& start, const QDateTime& now) {
    const int nElapsed = GetElapsedSeconds(start, now);
    return run.m_nTimeLimit > 0 ? std::min(nElapsed, run.m_nTimeLimit) : nElapsed;
}

std::vector<std::string> GetReportValues(const PlayRun& run, const CRuleState& rule,
                                         const QDateTime& start, const QDateTime& now,
                                         int nColumn) {
    const std::string strScore = std::to_string(run.CountCorrect()) + "/" +
                                 std::to_string(std::max(run.m_nQuestionCount, 0));
    return {
        GetLocalizedText(rule.GetLevelNameId(), {}, {}, {}, nColumn),
        GetLocalizedText(rule.GetRuleTipId(), {}, {}, {}, nColumn),
        rule.m_bJQK ? "1-13" : "1-10",
        strScore,
        FormatReportTime(GetReportSeconds(run, start, now), nColumn),
    };
}

std::string GetTrainingGameReport(const std::vector<std::string>& saValues, int nColumn) {
    return ReplaceNumberedPlaceholders(
        GetLocalizedText(IDS_DIALOG_MAIN_REPORT_TRAINING_GAME, {}, {}, {}, nColumn), saValues);
}
