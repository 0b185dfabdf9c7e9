#include "engine/enginestate.h"
#include "engine/kvutilities.h"
#include "engine/userinput.h"

#include <gtest/gtest.h>

namespace {

struct CheckCase {
    std::vector<unsigned> uaQ;
    const char* szLine;
    bool bStandard;
    bool bCorrect;
};

const CheckCase kCheckValidSolutionCases[] = {
    {{1, 2, 3, 4}, "(1+2+3)*4", true, true},    {{4, 3, 2, 1}, "4 * (1 + 2 + 3)", true, true},
    {{1, 2, 3, 4}, "4\t*(1+2+3)", true, true},  {{3, 3, 8, 8}, "8/(3-8/3)", true, true},
    {{1, 1, 5, 5}, "-1+5*5*1", true, false},    {{1, 1, 5, 5}, "5*5+(-1*1)", true, false},
    {{1, 1, 5, 5}, "5*5+-1*1", true, true},  // a minus after an operator passes
    {{1, 1, 5, 5}, "5*5--1*1", true, false}, // and negates all that follows: 26
    {{1, 2, 3, 8}, "3*8", true, false},         {{1, 2, 3, 4}, "2*3*4*4", true, false},
    {{1, 2, 3, 4}, "1*2*3*4*1", true, false},   {{1, 2, 3, 3}, "2^3*3*1", true, false},
    {{1, 2, 3, 3}, "2^3*3*1", false, true},     {{1, 2, 3, 8}, "3*8^^1*2", true, false},
    {{1, 2, 3, 8}, "3*8^^1", false, false}, // three numbers
    {{1, 2, 3, 4}, "1 2+3*4", true, false}, // reads as 12, 3, 4
    {{1, 2, 3, 4}, "4*(1+2+3.0)", true, false}, {{1, 2, 3, 4}, "4*(1+2+03)", true, false},
    {{1, 2, 3, 4}, "4*(1+2+3),", true, false},  {{1, 2, 3, 4}, "4*(1+2+3)a", true, false},
    {{1, 2, 3, 4}, "4*(1+2+3", true, false},    {{1, 2, 3, 4}, "", true, false},
    {{2, 3, 4, 13}, "2*(13-3)+4", true, true},  {{10, 10, 4, 4}, "(10*10-4)/4", true, true},
    {{1, 2, 5, 8}, "8+(1-5)^2", false, true},   {{1, 2, 3, 4}, "(1+2+3)*4", false, true},
    {{1, 2, 3}, "(1+2+3)*4", true, false},
};

TEST(CheckValidSolution, JudgesTheLine) {
    const CEngineSettingsScope settings;
    for (const CheckCase& c : kCheckValidSolutionCases) {
        SetMaxValue(13);
        SetInterfaceCharset(InterfaceCharset::None);
        SetStandardRule(c.bStandard);
        const std::vector<unsigned> uaBefore = c.uaQ;
        EXPECT_EQ(CKVUtilities::CheckValidSolution(c.uaQ, c.szLine), c.bCorrect) << c.szLine;
        EXPECT_EQ(c.uaQ, uaBefore);
        SetStandardRule(true);
    }
}

TEST(CheckValidSolution, ValueRangeLimitsTheNumbers) {
    const CEngineSettingsScope settings;
    SetStandardRule(true);
    SetMaxValue(10);
    EXPECT_FALSE(CKVUtilities::CheckValidSolution({1, 2, 11, 11}, "(11+11)+2*1"));
    SetMaxValue(13);
    EXPECT_TRUE(CKVUtilities::CheckValidSolution({1, 2, 11, 11}, "(11+11)+2*1"));
}

TEST(CheckValidSolution, FullWidthAnswerUnderSimplifiedChinese) {
    const CEngineSettingsScope settings;
    SetStandardRule(true);
    SetMaxValue(13);
    SetInterfaceCharset(InterfaceCharset::GB2312);
    const auto saLines =
        PrepareSubmittedLines("\xEF\xBC\x94\xC3\x97\xEF\xBC\x88\xEF\xBC\x91\xEF\xBC\x8B\xEF\xBC\x92"
                              "\xEF\xBC\x8B\xEF\xBC\x93\xEF\xBC\x89");
    ASSERT_EQ(saLines.size(), 1u);
    EXPECT_TRUE(CKVUtilities::CheckValidSolution({1, 2, 3, 4}, saLines[0]));
}

TEST(CheckValidSolution, HostileLinesAreSimplyIncorrect) {
    const CEngineSettingsScope settings;
    SetStandardRule(false);
    SetMaxValue(13);
    const std::vector<unsigned> uaQ = {1, 2, 3, 4};
    const std::string saLines[] = {
        std::string(5000, '(') + "1+2+3)*4" + std::string(4999, ')'),
        "4*" + std::string(300, '-') + "(1+2+3)",
        std::string("4*(1+2+3)\0", 10),
        "4*(1+2+3)\xFF",
        std::string(300, '9') + "*(1+2+3)",
        "4*(1+2+3)^^" + std::string(100000, '('),
        "\xEF\xBC\x94\xEF\xBC\x8A(1+2+3)",
    };
    for (const std::string& strLine : saLines)
        EXPECT_FALSE(CKVUtilities::CheckValidSolution(uaQ, strLine)) << strLine.substr(0, 40);
    EXPECT_TRUE(CKVUtilities::CheckValidSolution(uaQ, "4*(1+2+3)" + std::string(100000, ' ')));
}

} // namespace
