#include "engine/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ValueCase {
    const char* szText;
    double dValue;
};

const ValueCase kExpressionValueCases[] = {
    {"1+2*3", 7},    {"(1+2)*3", 9},     {"8-3-2", 3},
    {"24/2/3", 4},   {"2^3^2", 64},      {"2*3^2", 18},
    {"(1-5)^2", 16}, {"2*-3+1", -8},     {"2--3+1", 6},
    {"6/-2*3", -1},  {"2^-1*2", 0.25},   {"-(1+2)", -3},
    {"1.5*2", 3},    {"1.5.7*2", 3},     {"007", 7},
    {" 1+ 2", 3},    {"((((24))))", 24}, {"8/(3-8/3)", 8.0 / (3.0 - 8.0 / 3.0)},
};

TEST(Expression, EvaluatesAsTheGrammarReads) {
    for (const ValueCase& c : kExpressionValueCases) {
        CExpression expression;
        ASSERT_LT(expression.Parse(c.szText), 0) << c.szText;
        int nStatus = -1;
        EXPECT_DOUBLE_EQ(expression.Evaluate(nStatus), c.dValue) << c.szText;
        EXPECT_EQ(nStatus, CExpression::kStatusOk);
    }
}

TEST(Expression, RefusesWhatIsNotAnExpression) {
    for (const char* szText : {"", "1+", "+1", "(1+2", "1+2)", "1 2", "2**3", "2^^3", "()", "1+a",
                               ".5", "1+2 ", "3,5", "x"}) {
        CExpression expression;
        EXPECT_GE(expression.Parse(szText), 0) << '"' << szText << '"';
    }
}

TEST(Expression, ReportsWhereParsingStopped) {
    CExpression expression;
    EXPECT_EQ(expression.Parse("1+2)"), 3);
    EXPECT_EQ(expression.Parse("(1+2"), 4);
}

TEST(Expression, DivisionByZeroAnywhereSetsTheStatus) {
    for (const char* szText : {"1/0", "4/(2-2)*0+24", "24+0*(1/(3-3))", "(1/0)^0"}) {
        CExpression expression;
        ASSERT_LT(expression.Parse(szText), 0) << szText;
        int nStatus = 0;
        expression.Evaluate(nStatus);
        EXPECT_EQ(nStatus, CExpression::kStatusDivisionByZero) << szText;
    }
    CExpression expression;
    ASSERT_LT(expression.Parse("5/0"), 0);
    int nStatus = 0;
    EXPECT_EQ(expression.Evaluate(nStatus), -5000.0);
}

TEST(Expression, PowerEdgesGiveNanOrInfinityWithoutStatus) {
    CExpression expression;
    int nStatus = -1;
    ASSERT_LT(expression.Parse("(1-5)^(1/2)"), 0);
    EXPECT_TRUE(std::isnan(expression.Evaluate(nStatus)));
    EXPECT_EQ(nStatus, CExpression::kStatusOk);
    ASSERT_LT(expression.Parse("(2-2)^-1"), 0);
    EXPECT_TRUE(std::isinf(expression.Evaluate(nStatus)));
    EXPECT_EQ(nStatus, CExpression::kStatusOk);
}

TEST(Expression, HostileInputIsRefusedOrEvaluatedSafely) {
    CExpression expression;
    int nStatus = 0;
    // Nesting beyond the bound is refused instead of recursing without limit.
    const int nDeep = CExpression::kMaxNesting + 1;
    EXPECT_GE(expression.Parse(std::string(nDeep, '(') + "1" + std::string(nDeep, ')')), 0);
    EXPECT_GE(expression.Parse(std::string(100000, '(') + "1" + std::string(100000, ')')), 0);
    EXPECT_GE(expression.Parse("2*" + std::string(100000, '-') + "3"), 0);
    const int nOk = CExpression::kMaxNesting;
    ASSERT_LT(expression.Parse(std::string(nOk, '(') + "24" + std::string(nOk, ')')), 0);
    EXPECT_EQ(expression.Evaluate(nStatus), 24.0);

    // Long flat chains build deep trees; evaluation must not recurse on them.
    std::string strChain = "1";
    for (int i = 0; i < 200000; ++i)
        strChain += "+1";
    ASSERT_LT(expression.Parse(strChain), 0);
    EXPECT_EQ(expression.Evaluate(nStatus), 200001.0);

    ASSERT_LT(expression.Parse(std::string(400, '9')), 0);
    EXPECT_TRUE(std::isinf(expression.Evaluate(nStatus)));
    ASSERT_LT(expression.Parse("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(expression.Evaluate(nStatus), 0.0);

    EXPECT_GE(expression.Parse(std::string("1+2\0+3", 6)), 0);
    EXPECT_GE(expression.Parse("1+\xff"), 0);
}

} // namespace
