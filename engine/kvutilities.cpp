#include "kvutilities.h"

#include "evaluation.h"
#include "question.h"

#include <algorithm>

bool CKVUtilities::CheckValidSolution(const std::vector<unsigned>& uaQ,
                                      const std::string& strLine) {
    std::string strAnswer;
    strAnswer.reserve(strLine.size());
    for (char c : strLine)
        if (c != ' ' && c != '\t') strAnswer += c;
    if (strAnswer.empty() || strAnswer[0] == '-' || strAnswer.find("(-") != std::string::npos)
        return false;

    std::vector<unsigned> uaUsed;
    if (!ParseQuestionText(OperatorsToSpaces(strAnswer), uaUsed) || uaQ.size() != 4) return false;
    std::vector<unsigned> uaSorted = uaQ;
    std::sort(uaUsed.begin(), uaUsed.end());
    std::sort(uaSorted.begin(), uaSorted.end());
    if (uaUsed != uaSorted) return false;
    return IsTwentyFour(strAnswer);
}
