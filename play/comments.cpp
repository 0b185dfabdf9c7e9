#include "play/comments.h"

#include "engine/enginestate.h"

#include "core/stringids.h"
#include "core/stringtable.h"
#include "engine/kvutilities.h"
#include "engine/relatedanswers.h"
#include "engine/solver.h"
#include "engine/userinput.h"

namespace {

const std::string kNewLine = "\r\n";
const std::string kParagraph = "\r\n\r\n";

void RemoveTrailingNewLine(std::string& strText) {
    if (strText.size() >= kNewLine.size() &&
        strText.compare(strText.size() - kNewLine.size(), kNewLine.size(), kNewLine) == 0)
        strText.resize(strText.size() - kNewLine.size());
}

} // namespace

std::string CComments::Text(std::uint32_t nId, const std::string& strParam1,
                            const std::string& strParam2) const {
    return GetLocalizedText(nId, strParam1, strParam2, {}, m_context.nColumn);
}

std::string CComments::InvalidQuestionText() const {
    return Text(IDS_DIALOG_MAIN_PROMPT_INVALID_QUESTION,
                std::to_string(m_context.rule.GetMaxValue()));
}

std::string CComments::GetAnswerPrompt(const MainInput& input) const {
    const CRuleState& rule = m_context.rule;
    CEngineSettingsScope scope(rule.GetMaxValue(), m_context.charset);
    std::vector<unsigned> uaQ;
    if (rule.m_nDifficulty >= 4 || !CQuestionInput::CheckValidInput(
                                       input.saValues, rule.GetMaxValue(), m_context.charset, uaQ))
        return {};
    std::vector<std::string> saSolutions;
    FindAllSolutions(uaQ, saSolutions, rule.m_bStandard);
    const int nRequired =
        GetSolutionCount(rule.m_nDifficulty, static_cast<int>(saSolutions.size()));
    return nRequired > 1 ? Text(IDS_DIALOG_MAIN_PROMPT_X_ANSWERS, std::to_string(nRequired))
                         : std::string();
}

std::string CComments::GetSolutionListText(const MainInput& input) const {
    const CRuleState& rule = m_context.rule;
    CEngineSettingsScope scope(rule.GetMaxValue(), m_context.charset);
    std::vector<unsigned> uaQ;
    if (!CQuestionInput::CheckValidInput(input.saValues, rule.GetMaxValue(), m_context.charset,
                                         uaQ))
        return InvalidQuestionText();
    std::vector<std::string> saSolutions;
    FindAllSolutions(uaQ, saSolutions, rule.m_bStandard);
    if (saSolutions.empty()) return Text(IDS_KVT_NO_SOLUTION);
    const std::string strA = Text(IDS_KVT_A);
    std::string strList;
    for (size_t i = 0; i < saSolutions.size(); ++i)
        strList += strA + std::to_string(i + 1) + "  " + saSolutions[i] + kNewLine;
    RemoveTrailingNewLine(strList);
    return strList;
}

Verdict CComments::Judge(const MainInput& input) const {
    const CRuleState& rule = m_context.rule;
    CEngineSettingsScope scope(rule.GetMaxValue(), m_context.charset);
    Verdict verdict;
    std::vector<unsigned> uaQ;
    if (!CQuestionInput::CheckValidInput(input.saValues, rule.GetMaxValue(), m_context.charset,
                                         uaQ)) {
        verdict.strText = InvalidQuestionText();
        verdict.nClass = kVerdictAbnormal;
        return verdict;
    }
    std::vector<std::string> saSolutions;
    FindAllSolutions(uaQ, saSolutions, rule.m_bStandard);
    const int nSolutions = static_cast<int>(saSolutions.size());
    // Lines past the limit are only counted, so a huge paste costs no memory.
    std::vector<std::string> saLines;
    const size_t nLines =
        input.bNoSolution ? 0 : PrepareSubmittedLines(input.strAnswer, saLines, kMaxAnswers + 1);
    const std::string strRuleName = Text(rule.GetRuleNameId());

    if (saLines.empty()) {
        if (nSolutions == 0) {
            verdict = {Text(IDS_DIALOG_MAIN_BINGO_NO_SOLUTION), kVerdictCorrect, kStatusCorrect};
        } else {
            const std::uint32_t nId = IsStrictMode(m_context.mode)
                                          ? IDS_DIALOG_MAIN_YOU_LOST_WITH_ANSWER_COUNT
                                          : IDS_DIALOG_MAIN_YOU_LOST_CAN_CLICK;
            verdict = {Text(nId, std::to_string(nSolutions), strRuleName), kVerdictWrong,
                       kStatusIncorrect};
        }
        return verdict;
    }
    if (nSolutions == 0)
        return {Text(IDS_DIALOG_MAIN_YOU_LOST_WITH_NO_ANSWER, strRuleName), kVerdictWrong,
                kStatusIncorrect};
    if (nLines > kMaxAnswers)
        return {Text(IDS_DIALOG_MAIN_TOO_MANY_ANSWERS), kVerdictAbnormal, kStatusNotAnswered};
    return JudgeAnswers(uaQ, saLines, nSolutions);
}

Verdict CComments::JudgeAnswers(const std::vector<unsigned>& uaQ,
                                const std::vector<std::string>& saLines, int nSolutions) const {
    const bool bStrict = IsStrictMode(m_context.mode);
    const int nRequired = GetSolutionCount(m_context.rule.m_nDifficulty, nSolutions);
    const int nGiven = static_cast<int>(saLines.size());
    const bool bJudgeAll = !bStrict || m_context.rule.m_nDifficulty >= 4;
    const int nJudged = bJudgeAll ? nGiven : nRequired;

    if (nGiven < nJudged)
        return {Text(IDS_DIALOG_MAIN_NO_SCORE) + kParagraph +
                    Text(IDS_DIALOG_MAIN_PROMPT_INSUFFICIENT_ANSWERS),
                kVerdictWrong, kStatusIncorrect};
    const std::vector<std::string> saKept(saLines.begin(), saLines.begin() + nJudged);

    Verdict verdict;
    if (nJudged == 1 && nRequired <= 1) {
        if (CKVUtilities::CheckValidSolution(uaQ, saKept[0]))
            verdict = {Text(IDS_DIALOG_MAIN_BINGO_WITH_SOLUTION), kVerdictCorrect, kStatusCorrect};
        else
            verdict = {Text(IDS_DIALOG_MAIN_YOU_LOST), kVerdictWrong, kStatusIncorrect};
        if (nGiven > 1) verdict.strText += kParagraph + Text(IDS_DIALOG_MAIN_PROMPT_MORE_ANSWERS);
        return verdict;
    }

    // Only a note when answers were really left unjudged: at Ultimate every answer is.
    std::string strNote;
    if (bStrict && nJudged < nGiven)
        strNote = kParagraph + Text(IDS_DIALOG_MAIN_PROMPT_CHECK_FIRST_X_ANSWERS,
                                    std::to_string(nGiven), std::to_string(nRequired));

    const SubmittedAnswers answers = ClassifySubmittedLines(uaQ, saKept);
    const int nWin = answers.CountNew();
    const bool bWin = answers.CountIncorrect() == 0;
    if (bWin && nWin >= nRequired)
        return {Text(IDS_DIALOG_MAIN_BINGO_ALL) + strNote, kVerdictCorrect, kStatusCorrect};
    if (nWin == nSolutions) {
        verdict = {Text(IDS_DIALOG_MAIN_PROMPT_FOUND_ALL), kVerdictCorrect, kStatusCorrect};
    } else if (nWin < nRequired) {
        const std::uint32_t nId = bStrict ? IDS_DIALOG_MAIN_NO_SCORE
                                  : bWin  ? IDS_DIALOG_MAIN_PROMPT_INSUFFICIENT_ANSWERS
                                          : IDS_DIALOG_MAIN_PROMPT_NEED_MORE_EXERCISES;
        verdict = {Text(nId), kVerdictWrong, kStatusIncorrect};
    } else {
        verdict = {Text(IDS_DIALOG_MAIN_PROMPT_GOOD), kVerdictCorrect, kStatusCorrect};
    }

    // The detail block: correct, incorrect and repetitive answers, each by its position.
    std::string strDetail;
    const auto appendGroup = [&](auto isMember, std::uint32_t nOneId, std::uint32_t nManyId) {
        std::string strLines;
        int nCount = 0;
        for (size_t i = 0; i < saKept.size(); ++i) {
            const unsigned nStatus = answers.uaAStatus[i];
            if (!isMember(nStatus)) continue;
            ++nCount;
            std::string strShown = saKept[i];
            if (nStatus != kAnswerStatusNew && nStatus != kAnswerStatusIncorrect)
                strShown =
                    Text(answers.saRelation[i] == "same" ? IDS_DIALOG_MAIN_PROMPT_WCM_SAME_AS
                                                         : IDS_DIALOG_MAIN_PROMPT_WCM_SIMILAR_TO,
                         saKept[i], std::to_string(nStatus + 1));
            strLines +=
                kNewLine + "    " + Text(IDS_KVT_FORMAT_LABEL, std::to_string(i + 1)) + strShown;
        }
        if (nCount > 0) strDetail += Text(nCount == 1 ? nOneId : nManyId) + strLines + kNewLine;
    };
    appendGroup([](unsigned n) { return n == kAnswerStatusNew; },
                IDS_DIALOG_MAIN_PROMPT_WCM_IS_CORRECT, IDS_DIALOG_MAIN_PROMPT_WCM_ARE_CORRECT);
    appendGroup([](unsigned n) { return n == kAnswerStatusIncorrect; },
                IDS_DIALOG_MAIN_PROMPT_WCM_IS_INCORRECT, IDS_DIALOG_MAIN_PROMPT_WCM_ARE_INCORRECT);
    appendGroup([](unsigned n) { return n != kAnswerStatusNew && n != kAnswerStatusIncorrect; },
                IDS_DIALOG_MAIN_PROMPT_WCM_IS_REPETITIVE,
                IDS_DIALOG_MAIN_PROMPT_WCM_ARE_REPETITIVE);
    verdict.strText += strNote + kParagraph + strDetail;
    RemoveTrailingNewLine(verdict.strText);
    return verdict;
}
