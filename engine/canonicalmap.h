// One target template per calculation: the many spellings of an answer (operands
// exchanged, groups moved, a-(b-c) for a-b+c, a/(b*c) for a/b/c, roots for powers) are
// mapped onto the one target that computes the same value for every value of the slots.
#pragma once

#include <string>

// The 151 canonical templates (the solver's, then the three further canonical ones),
// followed by 36 further forms that some spellings compute but no canonical template does.
constexpr int kCanonicalTargetCount = 151;
constexpr int kMappingTargetCount = kCanonicalTargetCount + 36;
const char* GetMappingTarget(int nTarget);

struct CanonicalMatch {
    int nTarget = -1;
    // Slot j of the target takes the value of slot uaSlots[j] of the model (0-based).
    unsigned char uaSlots[4] = {0, 1, 2, 3};
    // How many different targets compute the model's calculation; never more than one.
    int nTargetsFitting = 0;
};

// Finds the target that equals the model as a function of its slots, up to a renaming of
// the slots. Where several renamings fit, the one whose slot list is lexicographically
// smallest wins; the sort type of the target then settles the order of the values.
bool FindCanonicalMatch(const std::string& strModel, CanonicalMatch& match);

// The matching target with uaTuple permuted so that the target with the new tuple computes
// what the model computed with the old one; the model itself, and the tuple untouched,
// when no target computes the same.
std::string MapToCanonicalModel(const std::string& strModel, unsigned uaTuple[4]);
