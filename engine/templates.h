// The canonical expression templates. The solver walks kSolverTemplates in this order, so
// the order is part of every solution list.
#pragma once

#include <string>

struct CanonicalTemplate {
    const char* szTemplate;
    int nSortType; // 0: no two slots may be exchanged
};

constexpr int kSolverTemplateCount = 148;
// Templates 1..46 (indices 0..45) serve both rules; the rest only the advanced rule.
constexpr int kStandardTemplateCount = 46;
// The all-product check runs just before this template (the 45th).
constexpr int kAllProductCheckBefore = 44;

extern const CanonicalTemplate kSolverTemplates[kSolverTemplateCount];

// Canonical too, though no template step of the solver produces them.
constexpr int kFurtherCanonicalCount = 3;
extern const CanonicalTemplate kFurtherCanonicalTemplates[kFurtherCanonicalCount];

// The sort type of a canonical template; 0 for any other model.
int GetCanonicalSortType(const std::string& strModel);
