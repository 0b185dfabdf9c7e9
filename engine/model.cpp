#include "model.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "(n1)" to "n1" until none is left. A pair emptied down to one slot is dropped as its ")"
// arrives, so nested pairs collapse in the same pass.
std::string RemoveSlotParentheses(const std::string& strModel) {
    std::string strOut;
    strOut.reserve(strModel.size());
    for (char c : strModel) {
        const size_t n = strOut.size();
        if (c == ')' && n >= 3 && strOut[n - 3] == '(' && strOut[n - 2] == 'n' &&
            strOut[n - 1] >= '1' && strOut[n - 1] <= '4') {
            strOut.erase(n - 3, 1);
            continue;
        }
        strOut += c;
    }
    return strOut;
}

// How many outer pairs enclose all the rest, taken off one after the other: a pair
// qualifies when the text inside it never closes a parenthesis it did not open. The running
// depth is measured once, so deep nesting costs no more than the text is long.
size_t CountEnclosingPairs(const std::string& strModel) {
    const size_t n = strModel.size();
    size_t nCandidates = 0;
    while (2 * nCandidates + 2 <= n && strModel[nCandidates] == '(' &&
           strModel[n - 1 - nCandidates] == ')')
        ++nCandidates;
    if (nCandidates == 0) return 0;
    // naDepth[i]: the depth after the first i characters.
    std::vector<long> naDepth(n + 1, 0);
    for (size_t i = 0; i < n; ++i)
        naDepth[i + 1] = naDepth[i] + (strModel[i] == '(' ? 1 : strModel[i] == ')' ? -1 : 0);
    // naMin[j]: the least depth after any character strictly inside pair j. The inside of
    // pair j is that of pair j + 1 and the two characters around it.
    const size_t nInnermost = nCandidates - 1;
    long nMin = std::numeric_limits<long>::max();
    for (size_t i = nInnermost + 1; i + nInnermost + 2 <= n; ++i)
        nMin = std::min(nMin, naDepth[i + 1]);
    std::vector<long> naMin(nCandidates, nMin);
    for (size_t j = nInnermost; j-- > 0;) {
        nMin = std::min({nMin, naDepth[j + 2], naDepth[n - 1 - j]});
        naMin[j] = nMin;
    }
    size_t nPairs = 0;
    while (nPairs < nCandidates && naMin[nPairs] >= naDepth[nPairs + 1])
        ++nPairs;
    return nPairs;
}

// Drops each pair whose content is exactly one inner group. Whether a pair is doubled does
// not change when another doubled pair loses its outer parentheses, so every pair can be
// judged on the text as it stands.
std::string RemoveDoubledParentheses(const std::string& strModel) {
    const size_t n = strModel.size();
    std::vector<size_t> naClose(n, std::string::npos);
    std::vector<size_t> naOpen;
    for (size_t i = 0; i < n; ++i) {
        if (strModel[i] == '(') {
            naOpen.push_back(i);
        } else if (strModel[i] == ')' && !naOpen.empty()) {
            naClose[naOpen.back()] = i;
            naOpen.pop_back();
        }
    }
    std::vector<bool> baDropped(n, false);
    for (size_t i = 0; i + 1 < n; ++i) {
        if (strModel[i] != '(' || strModel[i + 1] != '(' || naClose[i] == std::string::npos ||
            naClose[i + 1] + 1 != naClose[i])
            continue;
        baDropped[i] = true;
        baDropped[naClose[i]] = true;
    }
    std::string strOut;
    strOut.reserve(n);
    for (size_t i = 0; i < n; ++i)
        if (!baDropped[i]) strOut += strModel[i];
    return strOut;
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
    strModel = RemoveSlotParentheses(strModel);
    const size_t nPairs = CountEnclosingPairs(strModel);
    if (nPairs > 0) strModel = strModel.substr(nPairs, strModel.size() - 2 * nPairs);
    // Only a pair whose content is exactly one inner group is doubled: "((a)*(b))" keeps
    // its outer pair, which may be what makes it a divisor.
    return RemoveDoubledParentheses(strModel);
}
