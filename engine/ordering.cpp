#include "ordering.h"

#include "question.h"

#include <algorithm>
#include <utility>

namespace {

void SortUp(unsigned& a, unsigned& b) {
    if (a > b) std::swap(a, b);
}

bool PairSwap(unsigned uaTuple[4], OrderingMode mode) {
    if (mode == OrderingMode::Drop) return false;
    std::swap(uaTuple[0], uaTuple[2]);
    std::swap(uaTuple[1], uaTuple[3]);
    return true;
}

} // namespace

bool NormalizeOrdering(int nSortType, unsigned uaTuple[4], OrderingMode mode) {
    unsigned& n1 = uaTuple[0];
    unsigned& n2 = uaTuple[1];
    unsigned& n3 = uaTuple[2];
    unsigned& n4 = uaTuple[3];
    switch (nSortType) {
    case 1:
        std::sort(uaTuple, uaTuple + 3);
        return true;
    case 2:
        std::sort(uaTuple + 1, uaTuple + 4);
        return true;
    case 3:
        SortUp(n1, n2);
        return true;
    case 4:
        SortUp(n2, n3);
        return true;
    case 5:
        SortUp(n3, n4);
        return true;
    case 6:
        SortUp(n1, n2);
        SortUp(n3, n4);
        return true;
    case 7:
        SortUp(n1, n2);
        SortUp(n3, n4);
        return n1 + n2 < n3 + n4 || PairSwap(uaTuple, mode);
    case 8:
        SortUp(n1, n2);
        SortUp(n3, n4);
        return n1 * n2 < n3 * n4 || (n1 * n2 == n3 * n4 && n1 <= n3) || PairSwap(uaTuple, mode);
    case 9:
        // (n1-n2)*(n3-n4) is 24 only with both differences of one sign; make them positive.
        SortUp(n2, n1);
        SortUp(n4, n3);
        return n1 - n2 < n3 - n4 || PairSwap(uaTuple, mode);
    case 10:
        return (n1 ^ n2) < (n3 ^ n4) || PairSwap(uaTuple, mode);
    case 11:
        std::sort(uaTuple, uaTuple + 4);
        return true;
    default:
        return false;
    }
}

int KeepOneOrdering(const std::vector<std::string>& saFound, std::vector<std::string>& saOutput,
                    const std::string& strTemplate, int nSortType, OrderingMode mode) {
    std::vector<std::string> saKept; // "%d %d %d %d" of each kept tuple
    std::vector<std::string> saTexts;
    for (const std::string& strInstance : saFound) {
        std::vector<unsigned> uaValues;
        if (!ParseQuestionText(OperatorsToSpaces(strInstance), uaValues)) continue;
        unsigned uaTuple[4] = {uaValues[0], uaValues[1], uaValues[2], uaValues[3]};
        if (!NormalizeOrdering(nSortType, uaTuple, mode)) continue;
        std::string strKey = FormatQuestionText(uaTuple);
        if (std::find(saKept.begin(), saKept.end(), strKey) != saKept.end()) continue;
        saKept.push_back(std::move(strKey));
        saTexts.push_back(InstantiateTemplate(strTemplate, uaTuple));
    }
    saOutput.insert(saOutput.end(), saTexts.begin(), saTexts.end());
    return static_cast<int>(saTexts.size());
}
