#include "evaluation.h"

#include "enginestate.h"
#include "expression.h"

#include <cmath>
#include <vector>

namespace {

bool IsTwoDigitRootIndex(char c) {
    return c >= '0' && c <= '3';
}

// For every "(" the position of its ")" (npos when unmatched), in one pass.
std::vector<size_t> MatchParentheses(const std::string& strText) {
    std::vector<size_t> naClose(strText.size(), std::string::npos);
    std::vector<size_t> naOpen;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '(') {
            naOpen.push_back(i);
        } else if (strText[i] == ')' && !naOpen.empty()) {
            naClose[naOpen.back()] = i;
            naOpen.pop_back();
        }
    }
    return naClose;
}

bool Evaluate(const std::string& strText, double& dValue) {
    CExpression expression;
    if (expression.Parse(strText) >= 0) return false;
    int nStatus = 0;
    dValue = expression.Evaluate(nStatus);
    return nStatus != CExpression::kStatusDivisionByZero;
}

} // namespace

// Each root is rewritten where it stands and the search goes on from there, so the text is
// built left to right in one pass: a group's closing ")" of "^(1/" is owed until the copy
// reaches the end of the group.
int ExpandRoots(std::string& strText, bool bAdvanced) {
    std::string strSource;
    strSource.reserve(strText.size());
    for (char c : strText)
        if (c != ' ') strSource += c;
    if (!bAdvanced) {
        strText = strSource;
        return strSource.find('^') == std::string::npos ? 1 : -1;
    }

    const size_t n = strSource.size();
    // The rewriting only inserts balanced text, so groups match as in the source.
    const std::vector<size_t> naClose = MatchParentheses(strSource);
    std::vector<unsigned char> owedClose(n, 0);
    std::string strOut;
    strOut.reserve(n + n / 2);
    size_t nCopied = 0;
    const auto copyUpTo = [&](size_t nEnd) {
        for (; nCopied < nEnd; ++nCopied) {
            strOut += strSource[nCopied];
            strOut.append(owedClose[nCopied], ')');
        }
    };

    for (;;) {
        const size_t p = strSource.find("^^", nCopied);
        if (p == std::string::npos) break;
        if (p == 0 || p + 2 == n) return -1;
        const char c = strSource[p + 2];
        if (c == '(') {
            // Characters after the ^^ as the rewritten text has them, owed ones included.
            size_t nFollowing = 0;
            for (size_t k = p + 2; k < n && nFollowing < 3; ++k)
                nFollowing += 1 + owedClose[k];
            if (nFollowing < 3) return -1;
            const size_t nClose = naClose[p + 2];
            if (nClose == std::string::npos) return -1;
            copyUpTo(p);
            strOut += "^(1/";
            ++owedClose[nClose];
            nCopied = p + 2; // the group itself is copied, and searched, from here on
        } else if (c >= '2' && c <= '9') {
            copyUpTo(p);
            strOut += "^(1/";
            strOut += c;
            strOut += ')';
            nCopied = p + 3;
        } else if (c == '1' && p + 3 == n) {
            copyUpTo(p); // a root with index 1 at the very end is dropped
            strText = strOut;
            return 1;
        } else if (c == '1' && IsTwoDigitRootIndex(strSource[p + 3])) {
            copyUpTo(p);
            strOut += "^(1/";
            strOut.append(strSource, p + 2, 2);
            strOut += ')';
            nCopied = p + 4;
        } else if (c == '1') {
            copyUpTo(p);
            strOut += "^1";
            nCopied = p + 3;
        } else {
            return -1;
        }
    }
    copyUpTo(n);
    strText = strOut;
    return 1;
}

bool IsTwentyFourValue(double x) {
    return x > 20.0 && (x - 24.0) * (x - 24.0) < 1e-8;
}

TextValue EvaluateText(const std::string& strText, bool bAdvanced, double& dValue) {
    std::string strExpanded = strText;
    if (ExpandRoots(strExpanded, bAdvanced) != 1) return TextValue::Malformed;
    double dResult = 0.0;
    if (!Evaluate(strExpanded, dResult) || !std::isfinite(dResult)) return TextValue::Undefined;
    dValue = dResult;
    return TextValue::Defined;
}

bool IsTwentyFourUnderRule(const std::string& strText, bool bStandard) {
    double dValue = 0.0;
    return EvaluateText(strText, !bStandard, dValue) == TextValue::Defined &&
           IsTwentyFourValue(dValue);
}

bool IsTwentyFour(const std::string& strText) {
    return IsTwentyFourUnderRule(strText, IsStandardRule());
}

bool EqualsOne(const std::string& strText) {
    double dValue = 0.0;
    return Evaluate(strText, dValue) && dValue == 1.0;
}

bool IsNegative(const std::string& strText) {
    double dValue = 0.0;
    return Evaluate(strText, dValue) && dValue < 0.0;
}
