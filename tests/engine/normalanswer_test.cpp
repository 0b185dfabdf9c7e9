#include "answertrees.h"

#include "engine/canonicalmap.h"
#include "engine/enginestate.h"
#include "engine/evaluation.h"
#include "engine/expression.h"
#include "engine/kvutilities.h"
#include "engine/model.h"
#include "engine/normalanswer.h"
#include "engine/question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

namespace {

struct KeyCase {
    const char* szAnswer;
    const char* szStrict;
    const char* szNormal;
};

const KeyCase kKeyCases[] = {
    // Same: one strict normal answer.
    {"(4*(1+2+3))", "4*(1+2+3)", "4*(1+2+3)"},
    {"4*(3+2+1)", "4*(1+2+3)", "4*(1+2+3)"},
    {"(1+2+3)*4", "4*(1+2+3)", "4*(1+2+3)"},
    {" ( 3 + 2 + 1 ) * 4 ", "4*(1+2+3)", "4*(1+2+3)"},
    {"(3+5)*(1+2)", "(1+2)*(3+5)", "(1+2)*(3+5)"}, // pairs swapped, not dropped
    {"(2+1)*(5+3)", "(1+2)*(3+5)", "(1+2)*(3+5)"},
    {"(3-1)*(4+8)", "(4+8)*(3-1)", "(4+8)*(3-1)"},
    {"8/(3-8/3)", "8/(3-8/3)", "8/(3-8/3)"},
    {"(10*10-4)/4", "(10*10-4)/4", "(10*10-4)/4"},
    {"13-(2-3)*11", "13+11*(3-2)", "13+11*(3-2)"},
    // Similar: the tricks with 1.
    {"2*3*4/1", "2*3*4/1", "1*2*3*4"},
    {"2*3*4*1", "1*2*3*4", "1*2*3*4"},
    {"4*(8-1)-4", "4*(8-1)-4", "4*(8-1)-4"},
    {"8+1*4*4", "8+1*4*4", "1*(8+4*4)"},
    {"8+4*4/1", "8+4*4/1", "1*(8+4*4)"},
    {"1*8+4*4", "1*8+4*4", "1*(8+4*4)"},
    {"4*4+8/1", "4*4+8/1", "1*(8+4*4)"},
    {"1*(8+4*4)", "1*(8+4*4)", "1*(8+4*4)"},
    {"(8+4*4)/1", "(8+4*4)/1", "1*(8+4*4)"},
    {"(11+13)*1*1", "1*1*(11+13)", "1*1*(11+13)"},
    {"3*8/(2-1)", "3*8/(2-1)", "3*8*(2-1)"},
    {"3*8^(2-1)", "3*8^(2-1)", "3*8*(2-1)"},
    {"3^(2-1)*8", "8*3^(2-1)", "3*8*(2-1)"},
    {"3*8^^(2-1)", "3*8^^(2-1)", "3*8*(2-1)"},
    {"1^^3*8*3", "3*8*1^^3", "3*8*1^3"},
    {"12*2^^1", "", ""}, // three numbers: 12, 2, 1 and nothing else
    // Similar: a negative group squared.
    {"8+(1-5)^2", "8+(1-5)^2", "8+(5-1)^2"},
    {"8+(5-1)^2", "8+(5-1)^2", "8+(5-1)^2"},
    {"(1-5)^2+8", "8+(1-5)^2", "8+(5-1)^2"},
    {"(2-4)^2*6", "6*(2-4)^2", "6*(4-2)^2"},
    {"(3-5)^4+8", "8+(3-5)^4", "8+(5-3)^4"},
    // Not readable.
    {"4*(1+2+x)", "", ""},
    {"1+2+3", "", ""},
    {"1+2+3+4+5", "", ""},
    {"", "", ""},
};

TEST(GetNormalAnswer, StrictAndNormalAnswers) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.szAnswer);
        std::vector<unsigned> uaQ = {9, 9, 9, 9};
        std::string strSubNA;
        EXPECT_EQ(CKVUtilities::GetNormalAnswer(uaQ, strSubNA, c.szAnswer), c.szNormal);
        EXPECT_EQ(strSubNA, c.szStrict);
        if (!*c.szNormal) {
            EXPECT_EQ(uaQ, (std::vector<unsigned>{9, 9, 9, 9}));
            continue;
        }
        // The values in the order of the returned text.
        std::vector<unsigned> uaShown;
        ASSERT_TRUE(ParseQuestionText(OperatorsToSpaces(c.szNormal), uaShown));
        EXPECT_EQ(uaQ, uaShown);
    }
}

TEST(GetNormalAnswer, WritesTheStrictAnswerOnlyIntoAnEmptyString) {
    std::vector<unsigned> uaQ;
    std::string strSubNA = "kept";
    EXPECT_EQ(CKVUtilities::GetNormalAnswer(uaQ, strSubNA, "2*3*4/1"), "1*2*3*4");
    EXPECT_EQ(strSubNA, "kept");
}

// A squared group made negative by a unary minus: exchanging values that do not form it
// changed nothing (or only flipped the text back and forth) and used to recurse without
// end, or gave a key of another value.
TEST(GetNormalAnswer, NegativeGroupsOfAUnaryMinusEndAndKeepTheirValue) {
    const CEngineSettingsScope settings;
    const KeyCase kCases[] = {
        {"8+(2*-2)^2", "8+(2*-2)^2", "8+(2*-2)^2"}, {"8+(1*-4)^2", "8+(1*-4)^2", "1*(8+(-4)^2)"},
        {"8+(4*-1)^2", "8+(4*-1)^2", "8+(4*-1)^2"}, {"6*(2/-1)^2", "6*(2/-1)^2", "6*(2/-1)^2"},
        {"(4/-1)^2+8", "(4/-1)^2+8", "(4/-1)^2+8"}, {"8--4*(5-1)", "8+4*(5-1)", "8+4*(5-1)"},
    };
    SetStandardRule(false);
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(c.szAnswer);
        std::vector<unsigned> uaQ;
        std::string strSubNA;
        int nPasses = 0;
        EXPECT_EQ(GetNormalAnswerCountingPasses(uaQ, strSubNA, c.szAnswer, nPasses), c.szNormal);
        EXPECT_EQ(strSubNA, c.szStrict);
        EXPECT_LT(nPasses, 4);
        EXPECT_TRUE(IsTwentyFour(c.szNormal));
    }
}

TEST(GetNormalAnswer, SameSimilarAndDifferent) {
    struct Pair {
        const char* szFirst;
        const char* szSecond;
        const char* szRelation;
    };
    const Pair kPairs[] = {
        {"2*3*4/1", "1*2*3*4", "similar"},     {"4*(1+2+3)", "(3+2+1)*4", "same"},
        {"8+(1-5)^2", "8+(5-1)^2", "similar"}, {"4*(1+2+3)", "(1+3)*(2+4)", "different"},
        {"8/(3-8/3)", "8/(3-(8/3))", "same"},  {"(8+4*4)/1", "8+1*4*4", "similar"},
    };
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(std::string(p.szFirst) + " " + p.szSecond);
        std::vector<unsigned> uaQ;
        std::string strStrict1, strStrict2;
        const std::string strNormal1 = CKVUtilities::GetNormalAnswer(uaQ, strStrict1, p.szFirst);
        const std::string strNormal2 = CKVUtilities::GetNormalAnswer(uaQ, strStrict2, p.szSecond);
        const char* szRelation = strNormal1 != strNormal2   ? "different"
                                 : strStrict1 == strStrict2 ? "same"
                                                            : "similar";
        EXPECT_STREQ(szRelation, p.szRelation);
    }
}

bool EvaluateAnswer(const std::string& strAnswer, double& dValue) {
    return EvaluateText(strAnswer, true, dValue) == TextValue::Defined;
}

std::multiset<unsigned> NumbersOf(std::string strAnswer) {
    strAnswer.erase(std::remove(strAnswer.begin(), strAnswer.end(), ' '), strAnswer.end());
    unsigned uaValues[4];
    if (GetModel(strAnswer, uaValues).empty()) return {};
    return {uaValues, uaValues + 4};
}

// Many spellings of one calculation get one strict normal answer of the same value. The
// value sets have no two pairs with equal sums, differences or exclusive-ors, so that
// every family of orderings has exactly one normal ordering.
TEST(GetNormalAnswer, SpellingsOfOneCalculationShareTheStrictAnswer) {
    const unsigned kValueSets[][4] = {{1, 2, 4, 8}, {12, 6, 5, 3}, {7, 1, 12, 3}, {9, 2, 3, 2}};
    std::mt19937 random(1944);
    int nCanonical = 0;
    for (const auto& uaValues : kValueSets) {
        for (const auto& pTree : AllFourNumberTrees(uaValues)) {
            const std::string strAnswer = WriteMinimal(*pTree);
            SCOPED_TRACE(strAnswer);
            CanonicalMatch match;
            if (!FindCanonicalMatch(RemoveRedundantParentheses(GetModel(strAnswer)), match))
                continue;
            std::vector<unsigned> uaQ;
            std::string strStrict;
            CKVUtilities::GetNormalAnswer(uaQ, strStrict, strAnswer);
            // A further target keeps the values in the order written.
            const bool bCanonical = match.nTarget < kCanonicalTargetCount;
            nCanonical += bCanonical;
            double dAnswer = 0.0;
            const bool bDefined = EvaluateAnswer(strAnswer, dAnswer) && dAnswer > 0.0;
            for (int nSpelling = 0; nSpelling < 12; ++nSpelling) {
                const std::string strSpelling = WriteRespelled(*pTree, random);
                std::string strSpellingStrict;
                CKVUtilities::GetNormalAnswer(uaQ, strSpellingStrict, strSpelling);
                if (bCanonical)
                    EXPECT_EQ(strSpellingStrict, strStrict) << strSpelling;
                else
                    EXPECT_EQ(GetModel(strSpellingStrict), GetModel(strStrict)) << strSpelling;
                // A product of two differences is put with both differences positive, which
                // keeps the value of every answer that can make 24.
                double dStrict = 0.0;
                if (bDefined) {
                    ASSERT_TRUE(EvaluateAnswer(strSpellingStrict, dStrict)) << strSpelling;
                    EXPECT_NEAR(dStrict, dAnswer, 1e-9 * std::max(1.0, dAnswer)) << strSpelling;
                }
            }
        }
    }
    EXPECT_GT(nCanonical, 1000);
}

void ExpectWellFormedKeys(const std::string& strAnswer) {
    SCOPED_TRACE(strAnswer);
    std::vector<unsigned> uaQ;
    std::string strStrict;
    int nPasses = 0;
    const std::string strNormal = GetNormalAnswerCountingPasses(uaQ, strStrict, strAnswer, nPasses);
    if (strNormal.empty()) {
        EXPECT_TRUE(strStrict.empty());
        return;
    }
    EXPECT_LT(nPasses, kMaxNormalAnswerPasses);
    // A well-formed answer keeps its numbers and stays readable; for other text only the
    // end of the work is promised.
    double dValue = 0.0;
    std::string strExpanded = strAnswer;
    if (ExpandRoots(strExpanded, true) == 1 && CExpression().Parse(strExpanded) < 0) {
        const std::multiset<unsigned> numbers = NumbersOf(strAnswer);
        EXPECT_EQ(NumbersOf(strNormal), numbers);
        EXPECT_EQ(NumbersOf(strStrict), numbers);
        EXPECT_EQ(std::multiset<unsigned>(uaQ.begin(), uaQ.end()), numbers);
        for (const std::string& strKey : {strStrict, strNormal}) {
            std::string strKeyExpanded = strKey;
            EXPECT_EQ(ExpandRoots(strKeyExpanded, true), 1) << strKey;
            EXPECT_LT(CExpression().Parse(strKeyExpanded), 0) << strKey;
        }
    }
    if (EvaluateAnswer(strAnswer, dValue) && IsTwentyFourValue(dValue)) {
        EXPECT_TRUE(EvaluateAnswer(strNormal, dValue) && IsTwentyFourValue(dValue)) << strNormal;
        EXPECT_TRUE(EvaluateAnswer(strStrict, dValue) && IsTwentyFourValue(dValue)) << strStrict;
    }
}

TEST(GetNormalAnswer, EveryFourNumberModelWithCardValues) {
    std::mt19937 random(13);
    std::uniform_int_distribution<unsigned> card(1, 13);
    const unsigned uaOrder[4] = {1, 2, 3, 4};
    std::set<std::string> models;
    for (const auto& pTree : AllFourNumberTrees(uaOrder)) {
        models.insert(RemoveRedundantParentheses(GetModel(WriteMinimal(*pTree))));
        models.insert(RemoveRedundantParentheses(GetModel(WriteFullyParenthesised(*pTree))));
    }
    for (const std::string& strModel : models) {
        for (int nSample = 0; nSample < 4; ++nSample) {
            unsigned uaValues[4];
            for (unsigned& v : uaValues)
                v = card(random);
            ExpectWellFormedKeys(InstantiateTemplate(strModel, uaValues));
        }
    }
}

// Answers that make 24 are what the function is for: there the keys make 24 too, and a
// key is its own key.
TEST(GetNormalAnswer, KeysOfAnswersThatMakeTwentyFourAreStable) {
    std::mt19937 random(8);
    std::uniform_int_distribution<unsigned> card(1, 13);
    int nAnswers = 0;
    for (int nTry = 0; nTry < 400000 && nAnswers < 1500; ++nTry) {
        unsigned uaValues[4];
        for (unsigned& v : uaValues)
            v = card(random);
        const std::string strAnswer =
            WriteRandomAnswer(uaValues, nTry % 3 == 0, nTry % 5 == 0, random);
        double dValue = 0.0;
        if (!EvaluateAnswer(strAnswer, dValue) || !IsTwentyFourValue(dValue)) continue;
        ++nAnswers;
        SCOPED_TRACE(strAnswer);
        std::vector<unsigned> uaQ;
        std::string strStrict, strStrictOfNormal, strStrictOfStrict;
        const std::string strNormal = CKVUtilities::GetNormalAnswer(uaQ, strStrict, strAnswer);
        ExpectWellFormedKeys(strAnswer);
        EXPECT_EQ(CKVUtilities::GetNormalAnswer(uaQ, strStrictOfNormal, strNormal), strNormal);
        EXPECT_EQ(CKVUtilities::GetNormalAnswer(uaQ, strStrictOfStrict, strStrict), strNormal);
        EXPECT_EQ(strStrictOfStrict, strStrict);
    }
    EXPECT_EQ(nAnswers, 1500);
}

TEST(GetNormalAnswer, ArbitraryTextEndsWithoutHarm) {
    std::mt19937 random(0);
    std::uniform_int_distribution<unsigned> card(1, 13);
    for (int n = 0; n < 3000; ++n) {
        unsigned uaValues[4];
        for (unsigned& v : uaValues)
            v = card(random);
        ExpectWellFormedKeys(WriteRandomAnswer(uaValues, true, n % 2 == 0, random));
    }
    const std::string strAlphabet = "0123456789()()+-*/^^ x.";
    for (int n = 0; n < 3000; ++n) {
        std::string strText;
        for (unsigned nLength = random() % 24; nLength > 0; --nLength)
            strText += strAlphabet[random() % strAlphabet.size()];
        ExpectWellFormedKeys(strText);
    }
    ExpectWellFormedKeys(std::string(5000, '(') + "1+2+3+4" + std::string(5000, ')'));
    ExpectWellFormedKeys("1" + std::string(5000, '^') + "2+3+4");
    ExpectWellFormedKeys("1*" + std::string(3000, '-') + "2+3+4");
}

} // namespace
