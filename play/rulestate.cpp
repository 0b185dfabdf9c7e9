#include "play/rulestate.h"

#include "core/stringids.h"

#include <algorithm>

void CRuleState::SetDifficulty(int nLevel) {
    m_nDifficulty = std::clamp(nLevel, 1, 4);
}

std::uint32_t CRuleState::GetRuleNameId() const {
    return m_bStandard ? IDS_KVT_STANDARD_RULE : IDS_KVT_ADVANCED_RULE;
}

std::uint32_t CRuleState::GetRuleTipId() const {
    return m_bStandard ? IDS_TIP_STANDARD : IDS_TIP_ADVANCED;
}

std::uint32_t CRuleState::GetLevelNameId() const {
    if (m_bStandard) return m_bJQK ? IDS_KVT_HERO : IDS_KVT_STANDARD;
    return m_bJQK ? IDS_KVT_HOLY_WAR : IDS_KVT_WIZARD;
}
