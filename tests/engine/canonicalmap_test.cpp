#include "answertrees.h"

#include "engine/canonicalmap.h"
#include "engine/enginestate.h"
#include "engine/evaluation.h"
#include "engine/expression.h"
#include "engine/model.h"
#include "engine/question.h"
#include "engine/templates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace {

struct MappingRow {
    const char* szModel;
    const char* szTarget;
    const char* szSlots; // the new tuple as old slot numbers; nullptr where any will do
};

// The rows the table is known by, and spellings that equal a target only through an
// identity beyond the usual ones.
const MappingRow kMappingRows[] = {
    {"((n1*n2)-n3)/n4", "(n1*n2-n3)/n4", "1234"},
    {"(n1-n2)*(n3+n4)", "(n1+n2)*(n3-n4)", "3412"},
    {"((n1+n2)/n3)-n4", "(n1+n2)/n3-n4", "1234"},
    {"((n1+n2)/n3)/n4", "(n1+n2)/n3/n4", "1234"},
    {"(n1+n2)/(n3*n4)", "(n1+n2)/n3/n4", "1234"},
    {"(n1+(n2*n3))/n4", "(n1+n2*n3)/n4", "1234"},
    {"(n1*n2+n3)/n4", "(n1+n2*n3)/n4", "3124"},
    {"((n1*n2)+n3)/n4", "(n1+n2*n3)/n4", "3124"},
    {"((n1+n2)+n3)/n4", "(n1+n2+n3)/n4", "1234"},
    {"(n1+(n2+n3))/n4", "(n1+n2+n3)/n4", "1234"},
    {"((n1-n2)+n3)/n4", "(n1+n2-n3)/n4", "1324"},
    {"(n1-n2+n3)/n4", "(n1+n2-n3)/n4", "1324"},
    {"(n1*(n2+n3))-n4", "n1*(n2+n3)-n4", "1234"},
    {"((n1+n2)*n3)-n4", "n1*(n2+n3)-n4", "3124"},
    {"(n1+n2)*n3-n4", "n1*(n2+n3)-n4", "3124"},
    {"(n1^n2)/(n3+n4)", "n1^n2/(n3+n4)", "1234"},
    {"(n1^n2/n3)/n4", "n1^n2/n3/n4", "1234"},
    {"n1^n2/(n3*n4)", "n1^n2/n3/n4", "1234"},
    {"(n1^n2)/n3/n4", "n1^n2/n3/n4", "1234"},
    {"n1^n2/(n3^n4)", "n1^n2/n3^n4", "1234"},
    {"(n1^n2)/n3^n4", "n1^n2/n3^n4", "1234"},
    {"((n1*n2)-n3)*n4", "n1*(n2*n3-n4)", nullptr},
    {"(n1*n2-n3)*n4", "n1*(n2*n3-n4)", nullptr},
    {"n1*((n2*n3)-n4)", "n1*(n2*n3-n4)", nullptr},
    {"(n1+n2)*n3/n4", "n1*(n2+n3)/n4", nullptr},
    {"(n1+n2)/(n3/n4)", "n1*(n2+n3)/n4", nullptr},
    {"n1/(n2/(n3+n4))", "n1*(n2+n3)/n4", nullptr},
    {"(n1/n2)*(n3+n4)", "n1*(n2+n3)/n4", nullptr},
    {"(n1+n2*n3)*n4", "n1*(n2+n3*n4)", nullptr},
    {"(n1+n2+n3)*n4", "n1*(n2+n3+n4)", nullptr},
    {"(n1+n2/n3)/n4", "(n1+n2/n3)/n4", "1234"},
    {"n1-(n2-n3)*n4", "n1+n2*(n3-n4)", "1432"}, // a sign moved through a product
    {"n1/(n2/n3)^n4", "n1*(n2/n3)^n4", "1324"}, // a reciprocal power
    {"n1^^n2^n3-n4", "n1^(n2/n3)-n4", "1324"},  // a power of a root
    {"(n1^n2)^n3/n4", "n1^(n2*n3)/n4", "1234"}, // a power of a power
    {"n1*n2*n3*n4", "n1*n2*n3*n4", "1234"},
};

TEST(MapToCanonicalModel, KnownRows) {
    for (const MappingRow& row : kMappingRows) {
        SCOPED_TRACE(row.szModel);
        CanonicalMatch match;
        const bool bFound = FindCanonicalMatch(row.szModel, match);
        if (!bFound) {
            EXPECT_STREQ(row.szTarget, "");
            continue;
        }
        EXPECT_EQ(GetMappingTarget(match.nTarget), std::string(row.szTarget));
        EXPECT_EQ(match.nTargetsFitting, 1);
        if (row.szSlots) {
            std::string strSlots;
            for (unsigned char nSlot : match.uaSlots)
                strSlots += static_cast<char>('1' + nSlot);
            EXPECT_EQ(strSlots, row.szSlots);
        }
    }
}

TEST(MapToCanonicalModel, PermutesTheValuesWithTheSlots) {
    unsigned uaTuple[4] = {3, 1, 4, 8};
    EXPECT_EQ(MapToCanonicalModel("(n1-n2)*(n3+n4)", uaTuple), "(n1+n2)*(n3-n4)");
    EXPECT_EQ(std::vector<unsigned>(uaTuple, uaTuple + 4), (std::vector<unsigned>{4, 8, 3, 1}));

    // No target computes these; they stay as written, their values untouched.
    for (const char* szModel :
         {"n1-n2-n3-n4", "n1/n2/n3/n4", "n1^n2^n3^n4", "n1+(n2*-n3)^n4", "n1+n2+n3", "n1+n2+n3+n4+",
          "(n1+n2)*(n3+n4", "", "n1^^-n2+n3+n4"}) {
        SCOPED_TRACE(szModel);
        unsigned uaValues[4] = {5, 6, 7, 8};
        EXPECT_EQ(MapToCanonicalModel(szModel, uaValues), szModel);
        EXPECT_EQ(std::vector<unsigned>(uaValues, uaValues + 4),
                  (std::vector<unsigned>{5, 6, 7, 8}));
    }
}

TEST(MapToCanonicalModel, EveryTargetIsItsOwnTarget) {
    std::set<std::string> targets;
    for (int nTarget = 0; nTarget < kMappingTargetCount; ++nTarget) {
        const std::string strTarget = GetMappingTarget(nTarget);
        SCOPED_TRACE(strTarget);
        targets.insert(strTarget);
        CanonicalMatch match;
        ASSERT_TRUE(FindCanonicalMatch(strTarget, match));
        EXPECT_EQ(match.nTarget, nTarget);
        EXPECT_EQ(match.nTargetsFitting, 1);
        EXPECT_EQ(std::string(match.uaSlots, match.uaSlots + 4), std::string("\0\1\2\3", 4));
    }
    EXPECT_EQ(targets.size(), 187u);
}

bool EvaluateAnswer(const std::string& strAnswer, double& dValue) {
    return EvaluateText(strAnswer, true, dValue) == TextValue::Defined;
}

// The models of every four-number calculation, written with the parentheses it needs and
// with all of them.
TEST(MapToCanonicalModel, AllFourNumberModels) {
    const unsigned uaValues[4] = {1, 2, 3, 4};
    std::set<std::string> models;
    for (const auto& pTree : AllFourNumberTrees(uaValues)) {
        models.insert(RemoveRedundantParentheses(GetModel(WriteMinimal(*pTree))));
        models.insert(RemoveRedundantParentheses(GetModel(WriteFullyParenthesised(*pTree))));
    }
    EXPECT_EQ(models.size(), 1944u);

    std::mt19937 random(24);
    std::uniform_int_distribution<unsigned> card(1, 13);
    int naMapped[2] = {0, 0};
    for (const std::string& strModel : models) {
        SCOPED_TRACE(strModel);
        CanonicalMatch match;
        if (!FindCanonicalMatch(strModel, match)) continue;
        EXPECT_EQ(match.nTargetsFitting, 1);
        const std::string strTarget = GetMappingTarget(match.nTarget);
        const bool bPower = strModel.find('^') != std::string::npos;
        EXPECT_EQ(strTarget.find('^') != std::string::npos, bPower);
        ++naMapped[bPower];
        // Card values, where negative groups meet whole exponents, agree as well.
        for (int nSample = 0; nSample < 40; ++nSample) {
            unsigned uaOld[4], uaNew[4];
            for (unsigned& v : uaOld)
                v = card(random);
            for (int j = 0; j < 4; ++j)
                uaNew[j] = uaOld[match.uaSlots[j]];
            const std::string strAnswer = InstantiateTemplate(strModel, uaOld);
            const std::string strMapped = InstantiateTemplate(strTarget, uaNew);
            double dAnswer = 0.0, dMapped = 0.0;
            if (!EvaluateAnswer(strAnswer, dAnswer)) continue;
            ASSERT_TRUE(EvaluateAnswer(strMapped, dMapped)) << strAnswer << " " << strMapped;
            EXPECT_NEAR(dMapped, dAnswer, 1e-9 * std::max(1.0, std::fabs(dAnswer)))
                << strAnswer << " " << strMapped;
        }
    }
    EXPECT_EQ(naMapped[0], 444);
    EXPECT_EQ(naMapped[1], 611);
}

} // namespace
