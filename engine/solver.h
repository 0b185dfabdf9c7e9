// Every essentially different solution of a question: the canonical templates tried in
// their fixed order over the distinct orderings of the sorted values, one ordering kept per
// family of equivalent ones, then the redundant forms filtered out. The order of the list
// is part of the program's behaviour.
#pragma once

#include <string>
#include <vector>

// The distinct arrangements of a sorted question, in lexicographic order of positions.
struct ValueOrderings {
    unsigned uaTuples[24][4];
    int nCount = 0;
};

void BuildOrderings(const unsigned uaSorted[4], ValueOrderings& orderings);

enum class SolverPath {
    Compiled, // each template compiled once, text made only for the instances that make 24
    Text,     // every instance written out and parsed: the reference the compiled path matches
};

// Fills saSolutions (emptied first) with the solutions of uaQ under the rule and stores the
// rule engine-wide for the answer checker. False, with saSolutions untouched, when uaQ is
// not four values in 1..GetMaxValue(); true otherwise, also when there is no solution.
bool FindAllSolutions(const std::vector<unsigned>& uaQ, std::vector<std::string>& saSolutions,
                      bool bStandard, SolverPath path = SolverPath::Compiled);

// The list before the post-filter: the all-sum check, the templates in order with one
// ordering per family, the all-product check before template 45. Same validity and rule
// handling as FindAllSolutions.
bool FindCandidateSolutions(const std::vector<unsigned>& uaQ,
                            std::vector<std::string>& saCandidates, bool bStandard,
                            SolverPath path = SolverPath::Compiled);

// The post-filter: drops every entry IsRedundantSolution finds redundant, but only when the
// list holds more than one entry; a lone solution stays whatever it looks like.
void RemoveRedundantSolutions(std::vector<std::string>& saSolutions);

// Instantiates strTemplate with each ordering in order and appends every instance that makes
// 24 under the rule to saFound. Returns the number appended, or -1 (nothing appended) when
// the root rewriting finds an instance malformed.
int EvaluateTemplate(std::vector<std::string>& saFound, const std::string& strTemplate,
                     const ValueOrderings& orderings, bool bStandard);
