#include "engine/model.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct ModelCase {
    const char* szText;
    const char* szModel; // "" when unreadable
    std::array<unsigned, 4> values;
};

const ModelCase kModelCases[] = {
    {"4*(1+2+3)", "n1*(n2+n3+n4)", {4, 1, 2, 3}},
    {"(10+13)*(12-11)", "(n1+n2)*(n3-n4)", {10, 13, 12, 11}},
    {"8/(3-8/3)", "n1/(n2-n3/n4)", {8, 3, 8, 3}},
    {"12^^2*8^1", "n1^^n2*n3^n4", {12, 2, 8, 1}},
    {"3^^1+21", "", {}},   // 21 reads as one number: three in all
    {"1+2+3+4+5", "", {}}, // a fifth number
    {"1+2+3", "", {}},
    {"1+2+3+4 ", "", {}}, // spaces are removed before, not here
    {"1+2+3+x4", "", {}},
    {"1+2+3.4", "", {}},
    {"", "", {}},
    {"14+2+3", "n1n2+n3+n4", {1, 4, 2, 3}}, // 4 does not extend a number
    {"1+2+3+13", "n1+n2+n3+n4", {1, 2, 3, 13}},
    {"-1+5*5*1", "-n1+n2*n3*n4", {1, 5, 5, 1}},
};

TEST(GetModel, ReadsNumbersAsAnAnswerHoldsThem) {
    for (const ModelCase& c : kModelCases) {
        SCOPED_TRACE(c.szText);
        std::array<unsigned, 4> values = {};
        EXPECT_EQ(GetModel(c.szText, values.data()), c.szModel);
        EXPECT_EQ(GetModel(c.szText), c.szModel);
        if (*c.szModel) {
            EXPECT_EQ(values, c.values);
        }
    }
}

struct CleanUpCase {
    const char* szModel;
    const char* szClean;
};

const CleanUpCase kCleanUpCases[] = {
    {"((n1)+(n2))*(((n3))-n4)", "(n1+n2)*(n3-n4)"},
    {"((n1*(n2+n3+n4)))", "n1*(n2+n3+n4)"},
    {"(n1+n2)*(n3+n4)", "(n1+n2)*(n3+n4)"}, // the outer two are not one pair
    {"n1/((n2+n3)*n4)", "n1/((n2+n3)*n4)"}, // needed
    {"n1*((n2-n3))/n4", "n1*(n2-n3)/n4"},
    {"n1*(((n2-n3)))/n4", "n1*(n2-n3)/n4"},
    {"((n1*n2)-n3)/n4", "((n1*n2)-n3)/n4"}, // redundant, but not doubled: the mapping's job
    // Doubled only when the outer pair holds exactly one group: dropping it here would
    // turn a divisor into a factor.
    {"n1/((n2*-n3)*(-n4))", "n1/((n2*-n3)*(-n4))"},
    {"(n1+n2", "(n1+n2"},
    {")n1+n2(", ")n1+n2("},
    {"((", "(("},
    {"((n1+n2)", "(n1+n2"},
    {"(((n1)+n2))", "n1+n2"},
    {"((n1+n2)*n3)+(n4)", "((n1+n2)*n3)+n4"},
    {"(n1+n2))*((n3+n4)", "(n1+n2))*((n3+n4)"},
    {"(((n1+n2)-(n3)))/n4", "((n1+n2)-n3)/n4"},
    {"((((n1+n2)))*(n3))", "(n1+n2)*n3"},
};

TEST(RemoveRedundantParentheses, OnlyParenthesesThatChangeNothing) {
    for (const CleanUpCase& c : kCleanUpCases) {
        SCOPED_TRACE(c.szModel);
        EXPECT_EQ(RemoveRedundantParentheses(c.szModel), c.szClean);
    }
}

} // namespace
