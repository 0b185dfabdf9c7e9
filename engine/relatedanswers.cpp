#include "relatedanswers.h"

#include "kvutilities.h"
#include "userinput.h"

#include <algorithm>

int GetSolutionCount(int nLevel, int nSolutions) {
    if (nSolutions <= 0) return 0;
    switch (nLevel) {
    case 1:
        return 1;
    case 2:
        return nSolutions == 1 ? 1 : 2;
    case 4:
        return nSolutions;
    default:
        return std::min((nSolutions + 1) / 3 + 1, 6);
    }
}

AnswerKeys GetAnswerKeys(const std::string& strAnswer) {
    AnswerKeys keys;
    std::vector<unsigned> uaValues;
    keys.strNormal = CKVUtilities::GetNormalAnswer(uaValues, keys.strStrictNormal, strAnswer);
    if (keys.strNormal.empty()) {
        // An answer the canonicaliser cannot read is only ever the same as itself.
        std::string strBare;
        for (char c : strAnswer)
            if (c != ' ' && c != '\t') strBare += c;
        keys.strNormal = keys.strStrictNormal = strBare;
    }
    return keys;
}

AnswerRelation GetAnswerRelation(const AnswerKeys& first, const AnswerKeys& second) {
    if (first.strNormal != second.strNormal) return AnswerRelation::Different;
    return first.strStrictNormal == second.strStrictNormal ? AnswerRelation::Same
                                                           : AnswerRelation::Similar;
}

int SubmittedAnswers::CountNew() const {
    return static_cast<int>(std::count(uaAStatus.begin(), uaAStatus.end(), kAnswerStatusNew));
}

int SubmittedAnswers::CountIncorrect() const {
    return static_cast<int>(std::count(uaAStatus.begin(), uaAStatus.end(), kAnswerStatusIncorrect) +
                            nUnjudgedLines);
}

int SubmittedAnswers::CountRepeated() const {
    return static_cast<int>(CountLines()) - CountNew() - CountIncorrect();
}

SubmittedAnswers ClassifySubmittedLines(const std::vector<unsigned>& uaQ,
                                        const std::vector<std::string>& saLines) {
    SubmittedAnswers answers;
    std::vector<size_t> naNewLines; // indices of the lines accepted as new, in order
    std::vector<AnswerKeys> newKeys;
    for (size_t i = 0; i < saLines.size(); ++i) {
        if (i >= kMaxJudgedLines || !CKVUtilities::CheckValidSolution(uaQ, saLines[i])) {
            answers.uaAStatus.push_back(kAnswerStatusIncorrect);
            answers.saNA.emplace_back();
            answers.saSubNA.emplace_back();
            answers.saRelation.emplace_back();
            continue;
        }
        AnswerKeys keys = GetAnswerKeys(saLines[i]);
        unsigned nStatus = kAnswerStatusNew;
        std::string strRelation;
        for (size_t j = 0; j < newKeys.size(); ++j) {
            const AnswerRelation relation = GetAnswerRelation(keys, newKeys[j]);
            if (relation == AnswerRelation::Different) continue;
            nStatus = static_cast<unsigned>(naNewLines[j]);
            strRelation = relation == AnswerRelation::Same ? "same" : "similar";
            break;
        }
        answers.uaAStatus.push_back(nStatus);
        answers.saNA.push_back(keys.strNormal);
        answers.saSubNA.push_back(keys.strStrictNormal);
        answers.saRelation.push_back(strRelation);
        if (nStatus == kAnswerStatusNew) {
            naNewLines.push_back(i);
            newKeys.push_back(std::move(keys));
        }
    }
    return answers;
}

SubmittedAnswers JudgeSubmittedText(const std::vector<unsigned>& uaQ, const std::string& strText) {
    std::vector<std::string> saLines;
    const size_t nLines = PrepareSubmittedLines(strText, saLines, kMaxJudgedLines);
    SubmittedAnswers answers = ClassifySubmittedLines(uaQ, saLines);
    answers.nUnjudgedLines = nLines - saLines.size();
    return answers;
}
