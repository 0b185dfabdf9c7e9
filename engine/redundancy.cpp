#include "redundancy.h"

#include "evaluation.h"
#include "kvutilities.h"
#include "parentheses.h"

#include <string_view>
#include <vector>

namespace {

constexpr size_t npos = std::string::npos;

bool StartsWith(const std::string& s, std::string_view strPrefix) {
    return s.compare(0, strPrefix.size(), strPrefix) == 0;
}

bool Contains(const std::string& s, std::string_view strPart) {
    return s.find(strPart) != npos;
}

// The first strPattern, whose last character is a 1, is an operation by the number 1 unless
// that 1 begins one of 10..13.
bool OperatesByOne(const std::string& s, std::string_view strPattern) {
    const size_t p = s.find(strPattern);
    if (p == npos || p == 0) return false;
    const size_t nOne = p + strPattern.size() - 1;
    if (nOne + 1 == s.size()) return true;
    const char cNext = s[nOne + 1];
    return cNext < '0' || cNext > '3';
}

// The group opening at the "(" that ends the first strPattern equals exactly 1.
bool GroupAfterIsOne(const std::string& s, std::string_view strPattern) {
    const size_t p = s.find(strPattern);
    if (p == npos) return false;
    const size_t nOpen = p + strPattern.size() - 1;
    if (s.size() - nOpen < 3) return false;
    const size_t nClose = FindClosingParenthesis(s, nOpen);
    return nClose != npos && EqualsOne(s.substr(nOpen, nClose - nOpen + 1));
}

// The group closing at the ")" that begins the first strPattern is negative.
bool GroupBeforeIsNegative(const std::string& s, std::string_view strPattern) {
    const size_t nClose = s.find(strPattern);
    if (nClose == npos) return false;
    const size_t nOpen = FindOpeningParenthesis(s, nClose);
    return nOpen != npos && IsNegative(s.substr(nOpen, nClose - nOpen + 1));
}

// A multiplication by the number 1 is the same answer as 1 times all the rest; the only
// placement kept is the one the canonicaliser itself produces.
bool MultipliesByOneElsewhere(const std::string& s) {
    const size_t p = s.find("1*");
    if (p == npos || (p > 0 && s[p - 1] == '1')) return false;
    const std::string strAllTimesOne = "1*(" + s.substr(0, p) + s.substr(p + 2) + ")";
    std::vector<unsigned> uaValues;
    std::string strStrictNormal;
    const std::string strNormal =
        CKVUtilities::GetNormalAnswer(uaValues, strStrictNormal, strAllTimesOne);
    return !strNormal.empty() && strNormal != s;
}

// 11+13*(..)/.. and its kin: the 24 comes from 11+13 or 12+12 with a factor that is 1.
bool SumWithFactorOne(const std::string& s) {
    if (StartsWith(s, "11+13*") || StartsWith(s, "12+12*") || StartsWith(s, "13+11*")) return true;
    return (StartsWith(s, "11+") && Contains(s, "*13/")) ||
           (StartsWith(s, "12+") && Contains(s, "*12/")) ||
           (StartsWith(s, "13+") && Contains(s, "*11/"));
}

} // namespace

bool IsRedundantSolution(const std::string& strSolution) {
    const std::string& s = strSolution;
    if (OperatesByOne(s, "/1") || OperatesByOne(s, "^1") || OperatesByOne(s, "^^1")) return true;
    if (GroupAfterIsOne(s, "/(") || GroupAfterIsOne(s, "^(") || GroupAfterIsOne(s, "^^("))
        return true;
    if (MultipliesByOneElsewhere(s) || SumWithFactorOne(s)) return true;
    if (Contains(s, "1^^")) return true;
    return GroupBeforeIsNegative(s, ")^2") || GroupBeforeIsNegative(s, ")^4");
}
