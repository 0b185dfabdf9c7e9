#include "engine/enginestate.h"
#include "engine/evaluation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Root rewriting step by step, each time on the whole text, to check the one-pass version.
int ExpandRootsStepByStep(std::string& strText, bool bAdvanced) {
    std::string s;
    for (char c : strText)
        if (c != ' ') s += c;
    strText = s;
    if (!bAdvanced) return s.find('^') == std::string::npos ? 1 : -1;
    for (;;) {
        const size_t p = s.find("^^");
        if (p == std::string::npos) break;
        if (p == 0 || p + 2 >= s.size()) return -1;
        const std::string L = s.substr(0, p);
        const char c = s[p + 2];
        if (c == '(') {
            if (s.size() - (p + 2) < 3) return -1;
            int nDepth = 1;
            size_t q = p + 3;
            for (; q < s.size(); ++q) {
                if (s[q] == '(')
                    ++nDepth;
                else if (s[q] == ')' && --nDepth == 0)
                    break;
            }
            if (q >= s.size()) return -1;
            s = L + "^(1/" + s.substr(p + 2, q - p - 1) + ")" + s.substr(q + 1);
        } else if (c >= '2' && c <= '9') {
            s = L + "^(1/" + c + ")" + s.substr(p + 3);
        } else if (c == '1' && p + 3 == s.size()) {
            strText = L;
            return 1;
        } else if (c == '1' && s[p + 3] >= '0' && s[p + 3] <= '3') {
            s = L + "^(1/" + s.substr(p + 2, 2) + ")" + s.substr(p + 4);
        } else if (c == '1') {
            s = L + "^1" + s.substr(p + 3);
        } else {
            return -1;
        }
        strText = s;
    }
    strText = s;
    return 1;
}

struct RootCase {
    const char* szText;
    bool bAdvanced;
    int nStatus;
    const char* szExpanded; // checked when nStatus is 1
};

const RootCase kExpandRootsCases[] = {
    {"9^^(1+1)", true, 1, "9^(1/(1+1))"},
    {"3^^1", true, 1, "3"},
    {"3^^1+21", true, 1, "3^1+21"},
    {"2^^12", true, 1, "2^(1/12)"},
    {"2^^13*4", true, 1, "2^(1/13)*4"},
    {"8*9^^(4^^2)", true, 1, "8*9^(1/(4^(1/2)))"},
    {"(4^^2)^^2+1", true, 1, "(4^(1/2))^(1/2)+1"},
    {"2 ^^ 3 * 4", true, 1, "2^(1/3)*4"},
    {"2^3*3", true, 1, "2^3*3"},
    {"1+2", false, 1, "1+2"},
    {"2^3*3", false, -1, ""},
    {"2^^3", false, -1, ""},
    {"^^2", true, -1, ""},
    {"2^^", true, -1, ""},
    {"2^^0", true, -1, ""},
    {"2^^+3", true, -1, ""},
    {"2^^()", true, -1, ""},
    {"2^^()+1", true, 1, "2^(1/())+1"},
    {"2^^(", true, -1, ""},
    {"2^^(1", true, -1, ""},
    {"2^^(1+2", true, -1, ""},
    {"2^^^3", true, -1, ""},
};

TEST(ExpandRoots, RewritesRootsAsPowers) {
    for (const RootCase& c : kExpandRootsCases) {
        std::string strText = c.szText;
        EXPECT_EQ(ExpandRoots(strText, c.bAdvanced), c.nStatus) << c.szText;
        if (c.nStatus == 1) {
            EXPECT_EQ(strText, c.szExpanded) << c.szText;
        }
    }
}

TEST(ExpandRoots, OnePassAgreesWithStepByStepRewriting) {
    std::mt19937 random(24);
    const char kAlphabet[] = "^^^^((())1123+0";
    for (int n = 0; n < 200000; ++n) {
        std::string strText;
        const int nLength = 1 + static_cast<int>(random() % 14);
        for (int i = 0; i < nLength; ++i)
            strText += kAlphabet[random() % (sizeof kAlphabet - 1)];
        std::string strOnePass = strText, strReference = strText;
        const int nStatus = ExpandRoots(strOnePass, true);
        ASSERT_EQ(nStatus, ExpandRootsStepByStep(strReference, true)) << strText;
        if (nStatus == 1) {
            ASSERT_EQ(strOnePass, strReference) << strText;
        }
    }
}

TEST(ExpandRoots, ManyRootsStayLinear) {
    std::string strText = "2";
    for (int i = 0; i < 100000; ++i)
        strText += "^^(2";
    strText += std::string(100000, ')');
    EXPECT_EQ(ExpandRoots(strText, true), 1);
    EXPECT_EQ(strText.size(), 1 + 100000 * 8u);
}

struct TwentyFourCase {
    const char* szText;
    bool bStandard;
    bool bIs24;
};

const TwentyFourCase kIsTwentyFourCases[] = {
    {"8/(3-8/3)", true, true},
    {"4*(1+2+3)", true, true},
    {"24", true, true},
    {"24.00005", true, true},
    {"24.0002", true, false},
    {"23.99995", true, true},
    {"23.9998", true, false},
    {"20", true, false},
    {"2^3*3", true, false},
    {"2^3*3", false, true},
    {"3*8^^1", true, false},
    {"3*8^^1", false, true},
    {"8*9^^2", false, true},
    {"4*36^^(1+1)", false, true},
    {"4/(2-2)*0+24", true, false},
    {"(1-5)^(1/2)+24", false, false},
    {"8+(1-5)^2", false, true},
    {"-24*-1", true, true},
    {"", true, false},
    {"24+", true, false},
    {"2^^^3", false, false},
};

TEST(IsTwentyFour, FollowsTheRuleAndTolerance) {
    const CEngineSettingsScope settings;
    for (const TwentyFourCase& c : kIsTwentyFourCases) {
        SetStandardRule(c.bStandard);
        EXPECT_EQ(IsTwentyFour(c.szText), c.bIs24) << c.szText;
        EXPECT_EQ(IsTwentyFourUnderRule(c.szText, c.bStandard), c.bIs24) << c.szText;
        SetStandardRule(true);
    }
}

TEST(IsTwentyFour, ValueBounds) {
    EXPECT_TRUE(IsTwentyFourValue(24.0));
    EXPECT_TRUE(IsTwentyFourValue(24.00009));
    EXPECT_FALSE(IsTwentyFourValue(24.00011));
    EXPECT_FALSE(IsTwentyFourValue(20.0));
    EXPECT_FALSE(IsTwentyFourValue(-24.0));
    EXPECT_FALSE(IsTwentyFourValue(std::nan("")));
    EXPECT_FALSE(IsTwentyFourValue(HUGE_VAL));
}

TEST(GroupTests, EqualsOneAndIsNegativeReadGroupsExactly) {
    EXPECT_TRUE(EqualsOne("(2-1)"));
    EXPECT_TRUE(EqualsOne("(12/12)"));
    EXPECT_FALSE(EqualsOne("(3/3*1.0000001)"));
    EXPECT_FALSE(EqualsOne("(3-2)/(1-1)")); // division by zero
    EXPECT_FALSE(EqualsOne("(3^^1)"));      // roots are not rewritten here
    EXPECT_FALSE(EqualsOne("(1"));
    EXPECT_TRUE(IsNegative("(1-5)"));
    EXPECT_FALSE(IsNegative("(5-1)"));
    EXPECT_FALSE(IsNegative("(0-0)"));
    EXPECT_FALSE(IsNegative("(1-5)/0"));
    EXPECT_FALSE(IsNegative("(1-"));
}

} // namespace
