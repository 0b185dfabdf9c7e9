#include "play/worldcuplogic.h"

#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"
#include "play/rulestate.h"

namespace {

constexpr const char* kChoiceKey = "WC";

std::uint32_t LevelNameId(bool bStandard, bool bJQK) {
    CRuleState rule;
    rule.m_bStandard = bStandard;
    rule.m_bJQK = bJQK;
    return rule.GetLevelNameId();
}

} // namespace

WorldCupChoice LoadWorldCupChoice(const CRegistryStore& store) {
    WorldCupChoice choice;
    choice.bStandard = store.ReadNumber(kChoiceKey, "Standard", 1) == 1;
    choice.bJQK = store.ReadNumber(kChoiceKey, "JQK", 0) == 1;
    return choice;
}

int GetWorldCupDifficulty(const WorldCupChoice& choice) {
    return !choice.bStandard && choice.bJQK ? 3 : 2;
}

std::string GetWorldCupLevelName(const WorldCupChoice& choice, int nColumn) {
    return GetLocalizedText(LevelNameId(choice.bStandard, choice.bJQK), {}, {}, {}, nColumn);
}

std::string GetWorldCupRulesText(int nColumn) {
    return GetLocalizedText(IDS_DIALOG_WC_RULE1, {}, {}, {}, nColumn) + "\r\n\r\n" +
           GetLocalizedText(IDS_DIALOG_WC_RULE2, {}, {}, {}, nColumn);
}

std::string GetCloseOthersPrompt(int nInstances, const std::string& strProductName, int nColumn) {
    if (nInstances <= 1) return {};
    return GetLocalizedText(IDS_DIALOG_MAIN_PROMPT_EXIT_OTHER_TETRALYX, strProductName, {}, {},
                            nColumn);
}

std::string GetWorldCupReport(const std::vector<std::string>& saValues, int nColumn) {
    return ReplaceNumberedPlaceholders(
        GetLocalizedText(IDS_DIALOG_MAIN_REPORT_WORLD_CUP, {}, {}, {}, nColumn), saValues);
}

std::optional<RankKind> GetRankKindForScore(int nCorrect) {
    if (nCorrect >= 40) return RankKind::Professional;
    if (nCorrect >= 24) return RankKind::Amateur;
    return std::nullopt;
}

int GetRankValue(RankKind kind, int nCorrect, int nSeconds) {
    return kind == RankKind::Amateur ? nCorrect : nSeconds;
}

std::string GetRankingName(RankKind kind, int nColumn) {
    return GetLocalizedText(kind == RankKind::Amateur ? IDS_DIALOG_WC_A_RANK : IDS_DIALOG_WC_P_RANK,
                            {}, {}, {}, nColumn);
}

std::string GetRankingCaption(const CRankTable& table, int nColumn) {
    const std::string strLevel =
        GetLocalizedText(LevelNameId(table.IsStandard(), table.IsJQK()), {}, {}, {}, nColumn);
    return GetLocalizedText(table.GetKind() == RankKind::Amateur ? IDS_DIALOG_WC_A_RANK_WITH_LEVEL
                                                                 : IDS_DIALOG_WC_P_RANK_WITH_LEVEL,
                            strLevel, {}, {}, nColumn);
}

std::string GetEnterNamePrompt(RankKind kind, int nColumn) {
    return GetLocalizedText(IDS_DIALOG_RANK_PROMPT_ENTER_NAME, GetRankingName(kind, nColumn), {},
                            {}, nColumn);
}
