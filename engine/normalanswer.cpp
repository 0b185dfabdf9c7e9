#include "normalanswer.h"

#include "canonicalmap.h"
#include "evaluation.h"
#include "kvutilities.h"
#include "model.h"
#include "ordering.h"
#include "parentheses.h"
#include "question.h"
#include "templates.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool ReplaceFirst(std::string& strText, const std::string& strFrom, const std::string& strTo) {
    const size_t nPos = strText.find(strFrom);
    if (nPos == std::string::npos) return false;
    strText.replace(nPos, strFrom.size(), strTo);
    return true;
}

// The answer being reduced: its model and the values of the slots.
struct CAnswerForm {
    std::string strModel;
    unsigned uaValues[4] = {};

    std::string Real() const { return InstantiateTemplate(strModel, uaValues); }
};

// Every similarity reduction goes through here: it is taken only when it changes the
// answer and provably keeps its value, so no reduction can yield a key of another value
// or leave the answer as it was while calling it similar. An answer without a value (one
// the checker never accepts) is not reduced at all.
bool TakeIfSameValue(CAnswerForm& form, const CAnswerForm& reduced) {
    if (reduced.strModel.empty()) return false;
    const std::string strBefore = form.Real();
    const std::string strAfter = reduced.Real();
    if (strAfter == strBefore || !SameAnswerValue(strBefore, strAfter)) return false;
    form = reduced;
    return true;
}

// A division, power or root by the number 1 becomes a multiplication.
bool ReduceByOne(CAnswerForm& form) {
    bool bReduced = false;
    for (int k = 1; k < 4; ++k) {
        const std::string strSlot = {'n', static_cast<char>('1' + k)};
        if (form.uaValues[k] != 1) continue;
        if (form.strModel.find("/" + strSlot) == std::string::npos &&
            form.strModel.find("^" + strSlot) == std::string::npos)
            continue;
        CAnswerForm reduced = form;
        ReplaceFirst(reduced.strModel, "/" + strSlot, "*" + strSlot);
        ReplaceFirst(reduced.strModel, "^^" + strSlot, "*" + strSlot);
        ReplaceFirst(reduced.strModel, "^" + strSlot, "*" + strSlot);
        bReduced = TakeIfSameValue(form, reduced) || bReduced;
    }
    return bReduced;
}

// A division, root or power by a group that equals 1 becomes a multiplication.
// strOperator is "/", "^^" or "^"; the first one followed by "(" is examined.
bool ReduceByGroupOfOne(CAnswerForm& form, const std::string& strOperator) {
    const std::string strReal = form.Real();
    const size_t nPos = strReal.find(strOperator + "(");
    if (nPos == std::string::npos) return false;
    const size_t nOpen = nPos + strOperator.size();
    if (strReal.size() - nOpen < 3) return false;
    const size_t nClose = FindClosingParenthesis(strReal, nOpen);
    if (nClose == std::string::npos || !EqualsOne(strReal.substr(nOpen, nClose - nOpen + 1)))
        return false;
    // After the second number, or on the first.
    const size_t nSecondNumber = form.uaValues[0] >= 10 ? 4 : 3;
    CAnswerForm reduced = form;
    if (nPos >= nSecondNumber) {
        ReplaceFirst(reduced.strModel, "n2" + strOperator, "n2*");
        ReplaceFirst(reduced.strModel, "n2)" + strOperator, "n2)*");
    } else {
        ReplaceFirst(reduced.strModel, "n1" + strOperator, "n1*");
    }
    return TakeIfSameValue(form, reduced);
}

// A "1*" that multiplies by the number 1 rather than ending a number such as 11.
bool IsLoneOne(const std::string& strReal, size_t nPos) {
    return nPos == 0 || strReal[nPos - 1] < '0' || strReal[nPos - 1] > '9';
}

// The first lone "1*" from nFrom on, among the first nExamined occurrences.
size_t FindLoneOne(const std::string& strReal, size_t nFrom, int nExamined) {
    for (size_t nPos = strReal.find("1*", nFrom); nPos != std::string::npos && nExamined-- > 0;
         nPos = strReal.find("1*", nPos + 1))
        if (IsLoneOne(strReal, nPos)) return nPos;
    return std::string::npos;
}

// "8+1*4*4" becomes "1*(8+4*4)".
bool MoveOneToFront(CAnswerForm& form, const std::string& strReal, size_t nPos) {
    CAnswerForm moved;
    const std::string strMoved = "1*(" + strReal.substr(0, nPos) + strReal.substr(nPos + 2) + ")";
    moved.strModel = GetModel(strMoved, moved.uaValues);
    return TakeIfSameValue(form, moved);
}

// A negative group squared: its difference turned round, when that makes it positive.
bool TurnSquaredGroupRound(CAnswerForm& form) {
    if (!HasNegativeSquaredGroup(form.Real())) return false;
    CAnswerForm turned = form;
    if (form.strModel.find("(n1-n2)^n3") != std::string::npos)
        std::swap(turned.uaValues[0], turned.uaValues[1]);
    else
        std::swap(turned.uaValues[1], turned.uaValues[2]);
    // Exchanging values that do not form the negative group would leave it negative, and
    // the next pass would exchange them back.
    if (HasNegativeSquaredGroup(turned.Real())) return false;
    return TakeIfSameValue(form, turned);
}

// One round: clean-up, mapping and ordering give the strict normal answer, then the similarity
// reductions. True when a reduction made the answer similar, so that its result must be normalised
// again.
bool NormalizePass(CAnswerForm& form, std::string& strSubNA) {
    bool bSimilar = false;
    bool bMovedOne = false;
    for (;;) {
        form.strModel =
            MapToCanonicalModel(RemoveRedundantParentheses(form.strModel), form.uaValues);
        if (const int nSortType = GetCanonicalSortType(form.strModel); nSortType >= 1)
            NormalizeOrdering(nSortType, form.uaValues, OrderingMode::Swap);
        if (strSubNA.empty()) strSubNA = form.Real();

        bSimilar = ReduceByOne(form) || bSimilar;
        bSimilar = ReduceByGroupOfOne(form, "/") || bSimilar;
        bSimilar = ReduceByGroupOfOne(form, "^^") || bSimilar;
        bSimilar = ReduceByGroupOfOne(form, "^") || bSimilar;

        const std::string strReal = form.Real();
        if (strReal.compare(0, 3, "1*(") == 0 && strReal.back() == ')') {
            const size_t nPos = FindLoneOne(strReal, 3, 2);
            if (nPos != std::string::npos)
                bSimilar = MoveOneToFront(form, strReal, nPos) || bSimilar;
            else
                bSimilar = bSimilar || bMovedOne;
        } else if (strReal.compare(0, 2, "1*") == 0) {
            // Once per call: the product is put in parentheses and normalised afresh.
            if (!bMovedOne && MoveOneToFront(form, strReal, 0)) {
                bMovedOne = true;
                continue;
            }
        } else {
            const size_t nPos = FindLoneOne(strReal, 0, 3);
            if (nPos != std::string::npos)
                bSimilar = MoveOneToFront(form, strReal, nPos) || bSimilar;
        }

        for (int k = 0; k < 3; ++k) {
            if (form.uaValues[k] != 1) continue;
            const std::string strSlot = {'n', static_cast<char>('1' + k)};
            CAnswerForm reduced = form;
            if (ReplaceFirst(reduced.strModel, strSlot + "^^", strSlot + "^"))
                bSimilar = TakeIfSameValue(form, reduced) || bSimilar;
        }
        bSimilar = TurnSquaredGroupRound(form) || bSimilar;
        return bSimilar;
    }
}

} // namespace

bool SameAnswerValue(const std::string& strLeft, const std::string& strRight) {
    double dLeft = 0.0, dRight = 0.0;
    const bool bLeft = EvaluateText(strLeft, true, dLeft) == TextValue::Defined;
    const bool bRight = EvaluateText(strRight, true, dRight) == TextValue::Defined;
    if (!bLeft || !bRight) return false;
    return std::fabs(dLeft - dRight) <= 1e-9 * std::max({1.0, std::fabs(dLeft), std::fabs(dRight)});
}

bool HasNegativeSquaredGroup(const std::string& strReal) {
    for (const char* szPower : {")^2", ")^4"}) {
        const size_t nClose = strReal.find(szPower);
        if (nClose == std::string::npos) continue;
        const size_t nOpen = FindOpeningParenthesis(strReal, nClose);
        if (nOpen != std::string::npos && IsNegative(strReal.substr(nOpen, nClose - nOpen + 1)))
            return true;
    }
    return false;
}

std::string GetNormalAnswerCountingPasses(std::vector<unsigned>& uaQ, std::string& strSubNA,
                                          const std::string& strAnswer, int& nPasses) {
    nPasses = 0;
    std::string strText;
    strText.reserve(strAnswer.size());
    for (char c : strAnswer)
        if (c != ' ') strText += c;
    CAnswerForm form;
    form.strModel = GetModel(strText, form.uaValues);
    if (form.strModel.empty()) return {};

    // A similar answer is normalised again from its reduced text, until nothing changes.
    for (nPasses = 1; NormalizePass(form, strSubNA) && nPasses < kMaxNormalAnswerPasses; ++nPasses)
        form.strModel = GetModel(form.Real(), form.uaValues);
    uaQ.assign(form.uaValues, form.uaValues + 4);
    return form.Real();
}

std::string CKVUtilities::GetNormalAnswer(std::vector<unsigned>& uaQ, std::string& strSubNA,
                                          const std::string& strAnswer) {
    int nPasses = 0;
    return GetNormalAnswerCountingPasses(uaQ, strSubNA, strAnswer, nPasses);
}
