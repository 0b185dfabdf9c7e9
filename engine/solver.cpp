#include "solver.h"

#include "enginestate.h"
#include "evaluation.h"
#include "evaluationplan.h"
#include "expression.h"
#include "ordering.h"
#include "question.h"
#include "redundancy.h"
#include "templates.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace {

// The plans cover card values up to 13; a root index beyond that would be read by the root
// rewriting digit by digit, which only the text path reproduces.
constexpr unsigned kLargestCompiledValue = 13;

struct CompiledTemplates {
    std::array<CEvaluationPlan, kSolverTemplateCount> plans;
    std::array<bool, kSolverTemplateCount> baCompiled{};
    CompiledTemplates() {
        for (int i = 0; i < kSolverTemplateCount; ++i)
            baCompiled[i] = plans[i].Compile(kSolverTemplates[i].szTemplate);
    }
};

const CompiledTemplates& GetCompiledTemplates() {
    static const CompiledTemplates compiled;
    return compiled;
}

// One template's contribution from its text: instances written out and judged one by one,
// the representatives of each family chosen from the texts.
void AddTemplateByText(std::vector<std::string>& saSolutions, const CanonicalTemplate& canonical,
                       const ValueOrderings& orderings, bool bStandard) {
    std::vector<std::string> saFound;
    if (EvaluateTemplate(saFound, canonical.szTemplate, orderings, bStandard) <= 0) return;
    if (canonical.nSortType == 0)
        saSolutions.insert(saSolutions.end(), saFound.begin(), saFound.end());
    else
        KeepOneOrdering(saFound, saSolutions, canonical.szTemplate, canonical.nSortType,
                        OrderingMode::Drop);
}

// The same contribution from the compiled plan: the tuples that make 24 are normalised as
// KeepOneOrdering normalises the values it reads back from their texts, and only the texts
// that are kept are written.
void AddTemplateCompiled(std::vector<std::string>& saSolutions, int nTemplate,
                         const ValueOrderings& orderings, const CEvaluationPlan::Lanes& lanes,
                         bool bStandard) {
    const CanonicalTemplate& canonical = kSolverTemplates[nTemplate];
    const CompiledTemplates& compiled = GetCompiledTemplates();
    if (!compiled.baCompiled[nTemplate]) {
        AddTemplateByText(saSolutions, canonical, orderings, bStandard);
        return;
    }
    // The standard rule refuses any power, root or not.
    if (bStandard && std::strchr(canonical.szTemplate, '^')) return;
    const uint32_t nMatches = compiled.plans[nTemplate].FindTwentyFour(lanes);
    if (nMatches == 0) return;
    unsigned uaKept[24][4];
    int nKept = 0;
    for (int k = 0; k < orderings.nCount; ++k) {
        if (!(nMatches & (uint32_t{1} << k))) continue;
        unsigned uaTuple[4] = {orderings.uaTuples[k][0], orderings.uaTuples[k][1],
                               orderings.uaTuples[k][2], orderings.uaTuples[k][3]};
        if (canonical.nSortType != 0) {
            if (!NormalizeOrdering(canonical.nSortType, uaTuple, OrderingMode::Drop)) continue;
            const auto isSame = [&](const unsigned* pKept) {
                return std::equal(uaTuple, uaTuple + 4, pKept);
            };
            if (std::any_of(uaKept, uaKept + nKept, isSame)) continue;
        }
        std::copy(uaTuple, uaTuple + 4, uaKept[nKept++]);
    }
    for (int i = 0; i < nKept; ++i)
        saSolutions.push_back(InstantiateTemplate(canonical.szTemplate, uaKept[i]));
}

std::string FormatFour(const char* szFormat, const unsigned uaValues[4]) {
    char szText[80];
    std::snprintf(szText, sizeof szText, szFormat, uaValues[0], uaValues[1], uaValues[2],
                  uaValues[3]);
    return szText;
}

} // namespace

void BuildOrderings(const unsigned uaSorted[4], ValueOrderings& orderings) {
    orderings.nCount = 0;
    std::array<int, 4> naPositions = {0, 1, 2, 3};
    do {
        unsigned uaTuple[4];
        for (int j = 0; j < 4; ++j)
            uaTuple[j] = uaSorted[naPositions[j]];
        bool bSeen = false;
        for (int k = 0; k < orderings.nCount && !bSeen; ++k)
            bSeen = std::equal(uaTuple, uaTuple + 4, orderings.uaTuples[k]);
        if (!bSeen) std::copy(uaTuple, uaTuple + 4, orderings.uaTuples[orderings.nCount++]);
    } while (std::next_permutation(naPositions.begin(), naPositions.end()));
}

int EvaluateTemplate(std::vector<std::string>& saFound, const std::string& strTemplate,
                     const ValueOrderings& orderings, bool bStandard) {
    std::vector<std::string> saMatches;
    CExpression expression;
    for (int k = 0; k < orderings.nCount; ++k) {
        std::string strInstance = InstantiateTemplate(strTemplate, orderings.uaTuples[k]);
        std::string strExpanded = strInstance;
        if (ExpandRoots(strExpanded, !bStandard) != 1) return -1;
        if (expression.Parse(strExpanded) >= 0) continue;
        int nStatus = 0;
        const double dValue = expression.Evaluate(nStatus);
        if (nStatus != CExpression::kStatusDivisionByZero && IsTwentyFourValue(dValue))
            saMatches.push_back(std::move(strInstance));
    }
    saFound.insert(saFound.end(), saMatches.begin(), saMatches.end());
    return static_cast<int>(saMatches.size());
}

bool FindCandidateSolutions(const std::vector<unsigned>& uaQ,
                            std::vector<std::string>& saCandidates, bool bStandard,
                            SolverPath path) {
    if (!IsValidQuestion(uaQ)) return false;
    SetStandardRule(bStandard);

    unsigned uaSorted[4] = {uaQ[0], uaQ[1], uaQ[2], uaQ[3]};
    std::sort(uaSorted, uaSorted + 4);
    ValueOrderings orderings;
    BuildOrderings(uaSorted, orderings);
    const bool bCompiled = path == SolverPath::Compiled && uaSorted[3] <= kLargestCompiledValue;
    CEvaluationPlan::Lanes lanes;
    if (bCompiled) CEvaluationPlan::FillLanes(orderings.uaTuples, orderings.nCount, lanes);
    const unsigned long long nSum = 0ull + uaSorted[0] + uaSorted[1] + uaSorted[2] + uaSorted[3];
    const unsigned long long nProduct =
        1ull * uaSorted[0] * uaSorted[1] * uaSorted[2] * uaSorted[3];

    saCandidates.clear();
    if (nSum == 24) saCandidates.push_back(FormatFour("%u+%u+%u+%u", uaSorted));

    const int nTemplates = bStandard ? kStandardTemplateCount : kSolverTemplateCount;
    for (int i = 0; i < nTemplates; ++i) {
        if (i == kAllProductCheckBefore && nProduct == 24)
            saCandidates.push_back(FormatFour("%u*%u*%u*%u", uaSorted));
        if (bCompiled)
            AddTemplateCompiled(saCandidates, i, orderings, lanes, bStandard);
        else
            AddTemplateByText(saCandidates, kSolverTemplates[i], orderings, bStandard);
    }

    return true;
}

bool FindAllSolutions(const std::vector<unsigned>& uaQ, std::vector<std::string>& saSolutions,
                      bool bStandard, SolverPath path) {
    if (!FindCandidateSolutions(uaQ, saSolutions, bStandard, path)) return false;
    RemoveRedundantSolutions(saSolutions);
    return true;
}

void RemoveRedundantSolutions(std::vector<std::string>& saSolutions) {
    // The count is taken once: the walk itself removes every redundant entry, even if that
    // leaves one or none.
    if (saSolutions.size() > 1) std::erase_if(saSolutions, IsRedundantSolution);
}
