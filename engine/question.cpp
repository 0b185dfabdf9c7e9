#include "question.h"

#include "enginestate.h"
#include "textlines.h"
#include "userinput.h"

#include <algorithm>
#include <cstdio>

namespace {

// The leading digits of a field as a number; anything else gives 0. Saturates instead of
// overflowing, so a field of a hundred digits is simply too large.
unsigned LeadingNumber(const std::string& strField) {
    unsigned long long nValue = 0;
    for (char c : strField) {
        if (c < '0' || c > '9') break;
        nValue = std::min<unsigned long long>(nValue * 10 + static_cast<unsigned>(c - '0'),
                                              0xFFFFFFFFull);
    }
    return static_cast<unsigned>(nValue);
}

} // namespace

bool ParseQuestionText(const std::string& strText, std::vector<unsigned>& uaValues) {
    std::string strQ = GetNormalizedUserInput(strText, kNormalizeQuestion);
    std::string strSingle;
    strSingle.reserve(strQ.size());
    for (char c : strQ)
        if (c != ' ' || strSingle.empty() || strSingle.back() != ' ') strSingle += c;
    const size_t nBegin = strSingle.find_first_not_of(' ');
    if (nBegin == std::string::npos) return false;
    strSingle = strSingle.substr(nBegin, strSingle.find_last_not_of(' ') - nBegin + 1);

    size_t naSpace[3];
    size_t nFrom = 0;
    for (size_t& nSpace : naSpace) {
        nSpace = strSingle.find(' ', nFrom);
        if (nSpace == std::string::npos) return false;
        nFrom = nSpace + 1;
    }
    unsigned uaParsed[4] = {
        LeadingNumber(strSingle.substr(0, naSpace[0])),
        LeadingNumber(strSingle.substr(naSpace[0] + 1, naSpace[1] - naSpace[0] - 1)),
        LeadingNumber(strSingle.substr(naSpace[1] + 1, naSpace[2] - naSpace[1] - 1)),
        LeadingNumber(strSingle.substr(naSpace[2] + 1)),
    };
    for (unsigned nValue : uaParsed)
        if (nValue < 1 || nValue > GetMaxValue()) return false;
    // Leading zeros, signs, letters and a fifth field all show up as a difference here.
    if (FormatQuestionText(uaParsed) != strSingle) return false;
    uaValues.assign(uaParsed, uaParsed + 4);
    return true;
}

bool IsValidQuestion(const std::vector<unsigned>& uaQ) {
    if (uaQ.size() != 4) return false;
    return std::all_of(uaQ.begin(), uaQ.end(),
                       [](unsigned n) { return n >= 1 && n <= GetMaxValue(); });
}

std::string FormatQuestionText(const unsigned uaValues[4]) {
    char szText[64];
    std::snprintf(szText, sizeof szText, "%u %u %u %u", uaValues[0], uaValues[1], uaValues[2],
                  uaValues[3]);
    return szText;
}

std::string FormatQuestionText(const std::vector<unsigned>& uaQ) {
    unsigned uaValues[4] = {};
    std::copy_n(uaQ.begin(), std::min<size_t>(uaQ.size(), 4), uaValues);
    return FormatQuestionText(uaValues);
}

std::string GetQuestionSortKey(const std::string& strKey) {
    std::string strSortKey = strKey;
    ReplaceAll(strSortKey, "10", "A");
    ReplaceAll(strSortKey, "11", "B");
    ReplaceAll(strSortKey, "12", "C");
    ReplaceAll(strSortKey, "13", "D");
    return strSortKey;
}

bool QuestionKeyLess(const std::string& strLeft, const std::string& strRight) {
    return GetQuestionSortKey(strLeft) < GetQuestionSortKey(strRight);
}

std::string InstantiateTemplate(const std::string& strTemplate, const unsigned uaValues[4]) {
    std::string strAnswer;
    strAnswer.reserve(strTemplate.size() + 4);
    for (size_t i = 0; i < strTemplate.size(); ++i) {
        const char c = strTemplate[i];
        const char cNext = i + 1 < strTemplate.size() ? strTemplate[i + 1] : '\0';
        if (c != 'n' || cNext < '1' || cNext > '4') {
            strAnswer += c;
            continue;
        }
        unsigned nValue = uaValues[cNext - '1'];
        char szDigits[12];
        size_t nDigits = 0;
        do {
            szDigits[nDigits++] = static_cast<char>('0' + nValue % 10);
            nValue /= 10;
        } while (nValue > 0);
        while (nDigits > 0)
            strAnswer += szDigits[--nDigits];
        ++i;
    }
    return strAnswer;
}

std::string OperatorsToSpaces(const std::string& strAnswer) {
    std::string strText = strAnswer;
    for (const char* szOperator : {"+", "-", "*", "/", "(", ")", "^^", "^"})
        ReplaceAll(strText, szOperator, " ");
    return strText;
}
