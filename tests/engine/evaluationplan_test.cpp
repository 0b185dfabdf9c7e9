#include "engine/evaluation.h"
#include "engine/evaluationplan.h"
#include "engine/expression.h"
#include "engine/question.h"
#include "engine/templates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the text path computes for one instance: roots rewritten, parsed, evaluated.
double EvaluateAsText(const std::string& strTemplate, const unsigned uaTuple[4], int& nStatus) {
    std::string strText = InstantiateTemplate(strTemplate, uaTuple);
    nStatus = -1;
    if (ExpandRoots(strText, true) != 1) return 0.0;
    CExpression expression;
    if (expression.Parse(strText) >= 0) return 0.0;
    return expression.Evaluate(nStatus);
}

bool SameBits(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<std::string> AllCanonicalTemplates() {
    std::vector<std::string> saTemplates;
    for (const CanonicalTemplate& t : kSolverTemplates)
        saTemplates.push_back(t.szTemplate);
    for (const CanonicalTemplate& t : kFurtherCanonicalTemplates)
        saTemplates.push_back(t.szTemplate);
    // Forms the solver does not try, for the corners of the root rewriting.
    for (const char* sz : {"n1^^n2^^n3^^n4", "(n1+n2)^^(n3-n4)", "n1^^(n2-n3)*n4", "n1^^n2+n3^^n4",
                           "((n1^^n2)^^n3)^^n4", "n1/(n2-n3)/n4"})
        saTemplates.push_back(sz);
    return saTemplates;
}

// Every step must be the parser's own, bit for bit, including NaN, infinity, the value a
// division by zero leaves behind and a root with index 1 (dropped only at the very end).
TEST(CEvaluationPlan, ComputesExactlyWhatTheParserComputes) {
    const unsigned kValues[] = {1, 2, 3, 5, 8, 10, 13};
    for (const std::string& strTemplate : AllCanonicalTemplates()) {
        SCOPED_TRACE(strTemplate);
        CEvaluationPlan plan;
        ASSERT_TRUE(plan.Compile(strTemplate));
        int nMismatches = 0;
        for (unsigned a : kValues)
            for (unsigned b : kValues)
                for (unsigned c : kValues)
                    for (unsigned d : kValues) {
                        const unsigned uaTuple[4] = {a, b, c, d};
                        int nTextStatus = 0, nPlanStatus = 0;
                        const double dText = EvaluateAsText(strTemplate, uaTuple, nTextStatus);
                        const double dPlan = plan.Evaluate(uaTuple, nPlanStatus);
                        if (nTextStatus != nPlanStatus || !SameBits(dText, dPlan)) {
                            if (++nMismatches <= 3)
                                ADD_FAILURE() << InstantiateTemplate(strTemplate, uaTuple)
                                              << ": text " << dText << " (" << nTextStatus
                                              << "), plan " << dPlan << " (" << nPlanStatus << ")";
                        }
                    }
        EXPECT_EQ(nMismatches, 0);
    }
}

TEST(CEvaluationPlan, FindsTheLanesThatMakeTwentyFour) {
    CEvaluationPlan plan;
    ASSERT_TRUE(plan.Compile("n1/(n2-n3/n4)"));
    const unsigned uaTuples[4][4] = {{8, 3, 8, 3}, {3, 8, 3, 8}, {8, 3, 3, 8}, {3, 3, 8, 8}};
    CEvaluationPlan::Lanes lanes;
    CEvaluationPlan::FillLanes(uaTuples, 4, lanes);
    EXPECT_EQ(plan.FindTwentyFour(lanes), 0b0001u);

    // A division by zero rejects the lane even though the product would be 0 + 24.
    ASSERT_TRUE(plan.Compile("n1/(n2-n3)*n4"));
    const unsigned uaZero[2][4] = {{4, 2, 2, 0}, {24, 2, 1, 1}};
    CEvaluationPlan::FillLanes(uaZero, 2, lanes);
    EXPECT_EQ(plan.FindTwentyFour(lanes), 0b10u);

    // Twenty-four lanes, all of them 24.
    unsigned uaMany[24][4];
    for (auto& uaTuple : uaMany) {
        const unsigned ua[4] = {6, 6, 6, 6};
        std::copy(ua, ua + 4, uaTuple);
    }
    ASSERT_TRUE(plan.Compile("n1+n2+n3+n4"));
    CEvaluationPlan::FillLanes(uaMany, 24, lanes);
    EXPECT_EQ(plan.FindTwentyFour(lanes), 0xFFFFFFu);
    CEvaluationPlan::FillLanes(uaMany, 99, lanes);
    EXPECT_EQ(lanes.nCount, 24);
}

TEST(CEvaluationPlan, RefusesWhatIsNotATemplate) {
    const char* const kNotTemplates[] = {
        "",
        "n1",
        "n1+n2+n3",
        "n1+n1+n2+n3",
        "n1+n2+n3+n4+n1",
        "(n1+n2+n3+n4",
        "n1+n2)+n3+n4",
        "n1+n2+n3+n5",
        "n1 + n2+n3+n4",
        "n1+n2+n3+4",
        "n1+-n2+n3+n4",
        "n1^^^n2+n3+n4",
        "()+n1+n2+n3+n4",
        "n1n2+n3+n4",
    };
    for (const char* sz : kNotTemplates) {
        CEvaluationPlan plan;
        EXPECT_FALSE(plan.Compile(sz)) << sz;
        CEvaluationPlan::Lanes lanes;
        const unsigned uaTuple[1][4] = {{6, 6, 6, 6}};
        CEvaluationPlan::FillLanes(uaTuple, 1, lanes);
        EXPECT_EQ(plan.FindTwentyFour(lanes), 0u) << sz;
    }
    // Nesting deeper than the plan's registers is refused, not overflowed.
    CEvaluationPlan plan;
    EXPECT_FALSE(plan.Compile(std::string(40, '(') + "n1+n2+n3+n4" + std::string(40, ')')));
}

} // namespace
