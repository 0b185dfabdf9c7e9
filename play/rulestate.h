// The rule the player plays under: standard or advanced operators, whether J, Q and K are
// cards, and the difficulty level. The two flags outlive the session in the registry store.
#pragma once

#include <cstdint>

class CRuleState {
public:
    bool m_bStandard = true;
    bool m_bJQK = true;
    int m_nDifficulty = 1; // 1 Beginner, 2 Intermediate, 3 Advanced, 4 Ultimate

    unsigned GetMaxValue() const { return m_bJQK ? 13u : 10u; }
    // Levels outside 1..4 become the nearest one.
    void SetDifficulty(int nLevel);

    // Rule name for verdicts: "Standard Rule" or "Advanced Rule".
    std::uint32_t GetRuleNameId() const;
    // Rule text of captions and reports: the operators spelt out.
    std::uint32_t GetRuleTipId() const;
    // The level of the rule and J/Q/K: Standard, Hero, Wizard or Holy War.
    std::uint32_t GetLevelNameId() const;

    // Store: anything with ReadNumber(subkey, name, default) and WriteNumber(subkey, name,
    // value), as the program's registry store has. Any non-zero number means true.
    template <class Store> void Load(const Store& store) {
        m_bStandard = store.ReadNumber(kSubKey, kStandardName, 1) != 0;
        m_bJQK = store.ReadNumber(kSubKey, kJQKName, 1) != 0;
    }
    template <class Store> bool Save(Store& store) const {
        const bool bStandard = store.WriteNumber(kSubKey, kStandardName, m_bStandard ? 1 : 0);
        const bool bJQK = store.WriteNumber(kSubKey, kJQKName, m_bJQK ? 1 : 0);
        return bStandard && bJQK;
    }

    static constexpr const char* kSubKey = "Game";
    static constexpr const char* kStandardName = "Standard";
    static constexpr const char* kJQKName = "JQK";
};
