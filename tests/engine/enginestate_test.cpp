#include "engine/enginestate.h"
#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Settings {
    bool bStandard;
    unsigned nMaxValue;
    InterfaceCharset charset;
    bool operator==(const Settings&) const = default;
};

Settings Current() {
    return {IsStandardRule(), GetMaxValue(), GetInterfaceCharset()};
}

void Apply(const Settings& settings) {
    SetStandardRule(settings.bStandard);
    SetMaxValue(settings.nMaxValue);
    SetInterfaceCharset(settings.charset);
}

// Left early, as a failed assertion leaves a test.
bool ChangeAndLeaveEarly(const Settings& changed) {
    const CEngineSettingsScope scope;
    Apply(changed);
    if (Current() == changed) return false;
    ADD_FAILURE() << "the settings were not applied";
    return true;
}

TEST(CEngineSettingsScope, PutsEverySettingBackHoweverTheScopeIsLeft) {
    const CEngineSettingsScope outer;
    const Settings cases[][2] = {
        {{true, 10, InterfaceCharset::None}, {false, 13, InterfaceCharset::Big5}},
        {{false, 13, InterfaceCharset::GB2312}, {true, 10, InterfaceCharset::None}},
    };
    for (const auto& c : cases) {
        Apply(c[0]);
        EXPECT_FALSE(ChangeAndLeaveEarly(c[1]));
        EXPECT_EQ(Current(), c[0]);
        {
            const CEngineSettingsScope scope;
            Apply(c[1]);
            {
                const CEngineSettingsScope inner;
                Apply(c[0]);
            }
            EXPECT_EQ(Current(), c[1]);
        }
        EXPECT_EQ(Current(), c[0]);
    }
}

// A whole range solved under the other rule in the middle of a question, as a complete
// list does, leaves the answer judged by the rule of the question on screen.
TEST(CEngineSettingsScope, SolvingUnderTheOtherRuleLeavesTheJudgedRuleAlone) {
    const CEngineSettingsScope outer;
    SetMaxValue(10);
    const std::vector<unsigned> uaQ = {1, 2, 3, 3};
    const std::string strPower = "2^3*3*1";
    for (bool bStandard : {true, false}) {
        std::vector<std::string> saSolutions;
        ASSERT_TRUE(FindAllSolutions(uaQ, saSolutions, bStandard));
        {
            const CEngineSettingsScope scope;
            SetMaxValue(13);
            ForEachQuestion(4, [&](const std::vector<unsigned>& uaOther) {
                std::vector<std::string> saOther;
                FindAllSolutions(uaOther, saOther, !bStandard);
            });
            EXPECT_EQ(IsStandardRule(), !bStandard);
        }
        EXPECT_EQ(IsStandardRule(), bStandard);
        EXPECT_EQ(GetMaxValue(), 10u);
        EXPECT_EQ(CKVUtilities::CheckValidSolution(uaQ, strPower), !bStandard);
    }
}

} // namespace
