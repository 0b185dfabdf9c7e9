#include "engine/enginestate.h"
#include "engine/redundancy.h"

#include <gtest/gtest.h>

namespace {

struct RedundancyCase {
    const char* szSolution;
    bool bRedundant;
};

const RedundancyCase kRedundancyCases[] = {
    // Not redundant at all.
    {"4*(1+2+3)", false},
    {"(1+3)*(2+4)", false},
    {"8/(3-8/3)", false},
    {"4*(8-1)-4", false},
    // 1: division by the number 1, not by 10..13; only the first "/1" counts.
    {"2*3*4/1", true},
    {"(8+4*4)/1", true},
    {"8/1+4*4", true},
    {"13*12/13+12", false},
    {"12/12+3*4/1", false},
    // 2: power 1; a root with index 1 is caught here too.
    {"2^1*12", true},
    {"3*8^^1", true},
    {"2^12/2^8+8", false},
    // 3: a root with index 1 behind an earlier harmless power.
    {"2^12+3^^1", true},
    {"2^10+3^^11", false},
    // 4-6: division, power or root by a group that is exactly 1; only the first such group.
    {"3*8/(2-1)", true},
    {"3*8/(3-1)", false},
    {"3*(8/(3-1))/(2-1)", false},
    {"3*8^(2-1)", true},
    {"3*8^^(2-1)", true},
    {"2^(5-2)*3", false},
    {"2^(1+2)*3^^(2-1)", true},
    {"2^(1+2)*3^^(3-1)", false},
    // 7: a multiplication by 1 where the canonicaliser would not put it; only the first
    // "1*" that is the number 1 (not the end of 11) is looked at.
    {"8+1*4*4", true},
    {"1*8+4*4", true},
    {"8*(1*5-2)", true},
    {"8*(5-1*2)", true},
    {"1*(8+4*4)", false},
    {"1*2*3*4", false},
    {"11*2+1*2", false},
    // 8, 9: 11+13, 12+12 or 13+11 with a factor that is 1.
    {"12+12*(2-1)", true},
    {"11+13*(2-1)", true},
    {"13+11*(3-2)", true},
    {"12+13*(2-1)", false},
    {"11+2*13/2", true},
    {"12+2*12/2", true},
    {"13+2*11/2", true},
    {"11+2*12/2", false},
    // 10: a root of 1 or of 11.
    {"2*11^^2+1", true},
    {"3*8^^2", false},
    // 11, 12: a squared or fourth power of a negative group; only the first such power.
    {"8+(1-5)^2", true},
    {"8+(5-1)^2", false},
    {"((1-5)*1)^2+8", true},
    {"(5-1)^2+(1-5)^2", false},
    {"8+(1-3)^4", true},
    {"(3-1)^4+8", false},
    // Fragments never read outside the text.
    {"", false},
    {"/1", false},
    {"8/(1", false},
    {"8/(", false},
    {")^2", false},
    {"1-2)^4", false},
    {"^^(", false},
};

TEST(IsRedundantSolution, TheRulesInOrder) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    for (const RedundancyCase& c : kRedundancyCases) {
        EXPECT_EQ(IsRedundantSolution(c.szSolution), c.bRedundant) << c.szSolution;
    }
}

} // namespace
