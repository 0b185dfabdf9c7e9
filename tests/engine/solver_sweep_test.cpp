// The solver over whole value ranges: the known counts of solvable questions, the
// compiled path against the text path, the soundness of every entry, and the signature of
// the four complete lists.
#include "engine/enginestate.h"
#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/relatedanswers.h"
#include "engine/solver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

std::vector<std::vector<unsigned>> AllQuestions(unsigned nMax) {
    std::vector<std::vector<unsigned>> uaaQuestions;
    for (unsigned a = 1; a <= nMax; ++a)
        for (unsigned b = a; b <= nMax; ++b)
            for (unsigned c = b; c <= nMax; ++c)
                for (unsigned d = c; d <= nMax; ++d)
                    uaaQuestions.push_back({a, b, c, d});
    return uaaQuestions;
}

// FNV-1a, 64 bits.
void AddToDigest(uint64_t& nDigest, const std::string& strText) {
    for (unsigned char c : strText) {
        nDigest ^= c;
        nDigest *= 0x100000001b3ull;
    }
}

struct RangeCase {
    bool bStandard;
    unsigned nMax;
    size_t nQuestions;
    size_t nSolved;
    size_t nSolutions;
    uint64_t nDigest; // of the lines "A B C D: S1 S2 ..." as tetralyx-cli list prints them
};

// Any change of the solver's output, however small, changes these figures; explain it.
const RangeCase kRangeCases[] = {
    {true, 10, 715, 566, 1403, 0x76dc76499a68bbd8ull},
    {true, 13, 1820, 1362, 3160, 0x432feca92d581178ull},
    {false, 10, 715, 595, 2027, 0x273265c1e0e06e87ull},
    {false, 13, 1820, 1430, 4294, 0xc513a6106fc6179cull},
};

TEST(SolverSweep, CountsAndSignatureOfTheCompleteLists) {
    for (const RangeCase& c : kRangeCases) {
        SCOPED_TRACE(std::string(c.bStandard ? "standard" : "advanced") + " 1.." +
                     std::to_string(c.nMax));
        SetMaxValue(c.nMax);
        const auto uaaQuestions = AllQuestions(c.nMax);
        size_t nSolved = 0, nSolutions = 0;
        uint64_t nDigest = 0xcbf29ce484222325ull;
        Strings saSolutions;
        for (const std::vector<unsigned>& uaQ : uaaQuestions) {
            ASSERT_TRUE(FindAllSolutions(uaQ, saSolutions, c.bStandard));
            nSolved += saSolutions.empty() ? 0 : 1;
            nSolutions += saSolutions.size();
            std::string strLine = FormatQuestionText(uaQ) + ": ";
            for (size_t i = 0; i < saSolutions.size(); ++i) {
                if (i) strLine += ' ';
                strLine += saSolutions[i];
            }
            strLine += '\n';
            AddToDigest(nDigest, strLine);
        }
        EXPECT_EQ(uaaQuestions.size(), c.nQuestions);
        EXPECT_EQ(nSolved, c.nSolved);
        EXPECT_EQ(nSolutions, c.nSolutions);
        EXPECT_EQ(nDigest, c.nDigest) << std::hex << nDigest;
    }
    SetStandardRule(true);
}

// Every entry is a correct answer to its question and its own strict normal answer, so no
// two entries of a list are the same answer.
TEST(SolverSweep, EveryEntryIsACorrectAndSeparateAnswer) {
    SetMaxValue(13);
    for (bool bStandard : {true, false}) {
        for (const std::vector<unsigned>& uaQ : AllQuestions(13)) {
            Strings saSolutions;
            ASSERT_TRUE(FindAllSolutions(uaQ, saSolutions, bStandard));
            Strings saStrict;
            for (const std::string& strSolution : saSolutions) {
                EXPECT_TRUE(CKVUtilities::CheckValidSolution(uaQ, strSolution))
                    << FormatQuestionText(uaQ) << ": " << strSolution;
                saStrict.push_back(GetAnswerKeys(strSolution).strStrictNormal);
                EXPECT_EQ(saStrict.back(), strSolution) << FormatQuestionText(uaQ);
            }
            for (size_t i = 0; i < saStrict.size(); ++i)
                for (size_t j = 0; j < i; ++j)
                    EXPECT_NE(saStrict[i], saStrict[j])
                        << FormatQuestionText(uaQ) << ": " << saSolutions[j] << " and "
                        << saSolutions[i];
        }
    }
    SetStandardRule(true);
}

#ifdef TETRALYX_SANITIZED_BUILD
// The text path parses 3552 texts per question; under the sanitizers every fifth question
// is compared, the optimised build compares them all.
constexpr size_t kComparedEvery = 5;
#else
constexpr size_t kComparedEvery = 1;
#endif

// The lists are compared before the post-filter, which both paths share.
TEST(SolverSweep, CompiledPathListsExactlyWhatTheTextPathLists) {
    SetMaxValue(13);
    const auto uaaQuestions = AllQuestions(13);
    for (bool bStandard : {true, false}) {
        for (size_t i = 0; i < uaaQuestions.size(); i += kComparedEvery) {
            const std::vector<unsigned>& uaQ = uaaQuestions[i];
            Strings saCompiled, saText;
            ASSERT_TRUE(FindCandidateSolutions(uaQ, saCompiled, bStandard, SolverPath::Compiled));
            ASSERT_TRUE(FindCandidateSolutions(uaQ, saText, bStandard, SolverPath::Text));
            ASSERT_EQ(saCompiled, saText)
                << FormatQuestionText(uaQ) << (bStandard ? " standard" : " advanced");
        }
    }
    SetStandardRule(true);
}

} // namespace
