#include "model.h"

#include "parentheses.h"

#include <cstring>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text between the outer pair never closes a parenthesis it did not open.
bool OuterPairEnclosesAll(const std::string& strModel) {
    if (strModel.size() < 2 || strModel.front() != '(' || strModel.back() != ')') return false;
    int nDepth = 0;
    for (size_t i = 1; i + 1 < strModel.size(); ++i) {
        if (strModel[i] == '(')
            ++nDepth;
        else if (strModel[i] == ')' && --nDepth < 0)
            return false;
    }
    return true;
}

} // namespace

std::string GetModel(const std::string& strText, unsigned uaValues[4]) {
    std::string strModel;
    strModel.reserve(strText.size() + 4);
    int nNumbers = 0;
    for (size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (!IsDigit(c)) {
            if (c == '\0' || !std::strchr("()*+-/^", c)) return {};
            strModel += c;
            continue;
        }
        if (nNumbers == 4) return {};
        unsigned nValue = static_cast<unsigned>(c - '0');
        if (i + 1 < strText.size() && strText[i + 1] >= '0' && strText[i + 1] <= '3')
            nValue = nValue * 10 + static_cast<unsigned>(strText[++i] - '0');
        uaValues[nNumbers++] = nValue;
        strModel += 'n';
        strModel += static_cast<char>('0' + nNumbers);
    }
    return nNumbers == 4 ? strModel : std::string();
}

std::string GetModel(const std::string& strText) {
    unsigned uaValues[4];
    return GetModel(strText, uaValues);
}

std::string RemoveRedundantParentheses(std::string strModel) {
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (const char* szGroup : {"(n1)", "(n2)", "(n3)", "(n4)"}) {
            for (size_t nPos; (nPos = strModel.find(szGroup)) != std::string::npos;) {
                strModel.replace(nPos, 4, szGroup + 1, 2);
                bChanged = true;
            }
        }
    }
    while (OuterPairEnclosesAll(strModel))
        strModel = strModel.substr(1, strModel.size() - 2);
    // Only a pair whose content is exactly one inner group is doubled: "((a)*(b))" keeps
    // its outer pair, which may be what makes it a divisor.
    for (size_t nFrom = 0, nPos; (nPos = strModel.find("((", nFrom)) != std::string::npos;) {
        const size_t nClose = FindClosingParenthesis(strModel, nPos);
        if (nClose != std::string::npos &&
            FindClosingParenthesis(strModel, nPos + 1) + 1 == nClose) {
            strModel.erase(nClose, 1);
            strModel.erase(nPos, 1);
            nFrom = nPos;
        } else {
            nFrom = nPos + 1;
        }
    }
    return strModel;
}
