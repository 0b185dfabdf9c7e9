// Texts far larger or deeper than any typed answer: each is handled in time and memory in
// proportion to its length. The budgets are CPU time and address space of a child process,
// never a clock: the CPU budget is tens of times what the linear work needs in an optimised
// build, while the quadratic work these tests guard against took minutes.
#include "tests/support/plain/boundedrun.h"

#include "engine/enginestate.h"
#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/relatedanswers.h"
#include "engine/solver.h"
#include "engine/textlines.h"
#include "engine/userinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCpuSeconds = 10;

std::string Repeated(const std::string& strPiece, size_t nTimes) {
    std::string strText;
    strText.reserve(strPiece.size() * nTimes);
    for (size_t i = 0; i < nTimes; ++i)
        strText += strPiece;
    return strText;
}

struct ReplaceCase {
    const char* szText;
    const char* szFrom;
    const char* szTo;
    const char* szResult;
    bool bReplaced;
};

TEST(ReplaceAll, LeftToRightResumingAfterEachReplacement) {
    const ReplaceCase cases[] = {
        {"a<b<<c", "<", "<<", "a<<b<<<<c", true},
        {"<<<<<", "<<", "<", "<<<", true},
        {"n1+n2", "n1", "10", "10+n2", true},
        {"aaa", "a", "aa", "aaaaaa", true}, // the new text is not searched again
        {"abc", "x", "y", "abc", false},
        {"abc", "", "y", "abc", false},
        {"", "a", "b", "", false},
        {"1^^2^3", "^^", " ", "1 2^3", true},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.szText);
        std::string strText = c.szText;
        EXPECT_EQ(ReplaceAll(strText, c.szFrom, c.szTo), c.bReplaced);
        EXPECT_EQ(strText, c.szResult);
    }
}

// A megabyte-long line of roots reaches OperatorsToSpaces through the checker.
TEST(HostileInput, LongLinesOfOperatorsAreCheckedInLinearTime) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    SetStandardRule(false);
    const std::string strRoots = Repeated("1^^", 1048575);
    EXPECT_TRUE(FinishesWithin(kCpuSeconds, 0, [&] {
        return !CKVUtilities::CheckValidSolution({1, 2, 3, 4}, strRoots) &&
               OperatorsToSpaces(strRoots).size() == 1048575 * 2;
    }));
}

// Deep parentheses around one number, around two, and around the whole answer.
TEST(HostileInput, DeepParenthesesAreCanonicalisedInLinearTime) {
    const std::string strOpen(100000, '('), strClose(100000, ')');
    const struct {
        std::string strAnswer;
        std::string strNormal; // "" when nothing is asserted beyond finishing
    } cases[] = {
        {strOpen + "1" + strClose + "+2+3+4", "1+2+3+4"},
        {strOpen + "1+2" + strClose + "+3+4", "1+2+3+4"},
        {strOpen + "4*(1+2+3)" + strClose, "4*(1+2+3)"},
        {strOpen + "1+2+3+4", ""},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(FinishesWithin(kCpuSeconds, 0, [&] {
            std::vector<unsigned> uaQ;
            std::string strSubNA;
            const std::string strNormal = CKVUtilities::GetNormalAnswer(uaQ, strSubNA, c.strAnswer);
            return c.strNormal.empty() || strNormal == c.strNormal;
        })) << c.strAnswer.substr(100000, 20);
    }
}

// 10 MB of short lines, or of blank ones, judged within a few times the text's size.
TEST(HostileInput, ManyShortLinesAreJudgedInLittleMemory) {
    if (!kAddressSpaceLimitWorks) GTEST_SKIP() << "the sanitizer reserves the address space";
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    ASSERT_TRUE(FindAllSolutions({1, 2, 3, 4}, saSolutions, true));
    constexpr size_t kSize = 10 << 20;
    for (const char* szLine : {"1\n", "\n", " \r\n"}) {
        const std::string strText = Repeated(szLine, kSize / std::string(szLine).size());
        const size_t nLines = *szLine == '1' ? strText.size() / 2 : 0;
        EXPECT_TRUE(FinishesWithin(kCpuSeconds, 3 * kSize, [&] {
            const SubmittedAnswers answers = JudgeSubmittedText({1, 2, 3, 4}, strText);
            return answers.CountLines() == nLines &&
                   answers.CountIncorrect() == static_cast<int>(nLines);
        })) << szLine;
    }
}

// Lines past the judged limit are counted as incorrect but not kept.
TEST(JudgeSubmittedText, JudgesAsTheLinesWouldBeJudgedAndCountsTheRest) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    SetStandardRule(true);
    std::string strText = "4 x (1+2+3)\r\n\r\n  \n(3+2+1)*4\n1*2*3*4\n";
    for (size_t i = 0; i < kMaxJudgedLines; ++i)
        strText += "(1+3)*(2+4)\n";
    const SubmittedAnswers answers = JudgeSubmittedText({1, 2, 3, 4}, strText);
    const SubmittedAnswers expected =
        ClassifySubmittedLines({1, 2, 3, 4}, PrepareSubmittedLines(strText));
    ASSERT_EQ(expected.uaAStatus.size(), kMaxJudgedLines + 3);
    EXPECT_EQ(answers.CountLines(), kMaxJudgedLines + 3);
    EXPECT_EQ(answers.uaAStatus.size(), kMaxJudgedLines);
    EXPECT_EQ(answers.nUnjudgedLines, 3u);
    for (size_t i = 0; i < answers.CountLines(); ++i)
        EXPECT_EQ(answers.GetStatus(i), expected.uaAStatus[i]) << i;
    EXPECT_EQ(answers.CountNew(), expected.CountNew());
    EXPECT_EQ(answers.CountRepeated(), expected.CountRepeated());
    EXPECT_EQ(answers.CountIncorrect(), expected.CountIncorrect());
}

} // namespace
