#include "canonicalmap.h"

#include "slotexpression.h"
#include "templates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

namespace {

const char* const kFurtherTargets[kMappingTargetCount - kCanonicalTargetCount] = {
    "(n1*n2)^(n3*n4)", "(n1*n2)^(n3/n4)", "(n1*n2*n3)^n4",   "(n1*n2/n3)^n4",   "(n1*n2^n3)^n4",
    "(n1+n2)/n3-n4",   "(n1+n2)/n3/n4",   "(n1+n2)^(n3*n4)", "(n1+n2)^(n3/n4)", "(n1+n2*n3)^n4",
    "(n1+n2+n3)^n4",   "(n1+n2-n3)/n4",   "(n1+n2-n3)^n4",   "(n1+n2/n3)/n4",   "(n1+n2/n3)^n4",
    "(n1+n2^n3)^n4",   "n1+(n2-n3)/n4",   "n1+n2/(n3-n4)",   "n1+n2/n3-n4",     "n1+n2/n3/n4",
    "n1+n2/n3^^n4",    "n1+n2/n3^n4",     "n1+n2^^(n3*n4)",  "n1+n2^^(n3-n4)",  "n1+n2^^(n3^n4)",
    "n1/n2+n3/n4",     "n1/n2+n3^n4",     "n1^n2*n3^n4",     "(n1*(n2+n3))^n4", "(n1*(n2-n3))^n4",
    "(n1*n2-n3)^n4",   "(n1+n2)/n3^^n4",  "(n1+n2)/n3^n4",   "(n1^n2-n3)^n4",   "(n1^n2/n3)^n4",
    "n1-(n2-n3)^n4",
};

// Two functions of the slots are taken as equal when they are defined at the same sample
// points and agree at every one of them. The points are generic (no value near another,
// near 1, or near a sum or difference of others), one for each ordering of the four
// slot values so that every sign of a difference of slots is sampled, and small enough
// that no tower of powers overflows.
constexpr int kPointCount = 24;
constexpr SlotPoint kPoints[kPointCount] = {
    {0.9197, 1.1002, 1.4829, 1.8314}, {0.6371, 0.8823, 1.8153, 1.2349},
    {0.5766, 1.5325, 1.1773, 1.9222}, {0.9382, 1.8001, 1.3509, 1.6105},
    {0.8443, 1.4144, 1.7416, 1.0687}, {0.5801, 1.9131, 1.5811, 1.1694},
    {1.0517, 0.6307, 1.5715, 1.7564}, {0.8534, 0.5908, 1.6594, 1.2021},
    {1.2033, 0.6024, 0.7818, 1.6061}, {1.9453, 0.7651, 0.9152, 1.5570},
    {1.6649, 0.6194, 1.9115, 0.9253}, {1.9390, 0.9415, 1.6528, 1.3821},
    {1.2717, 1.5218, 0.7603, 1.8815}, {1.2884, 1.8823, 0.7384, 1.5246},
    {1.7289, 1.4295, 1.1597, 1.9427}, {1.7618, 0.9072, 0.5662, 1.3384},
    {1.2166, 1.8904, 0.6012, 1.0510}, {1.8010, 1.2925, 0.8580, 1.0677},
    {1.1133, 1.4350, 1.7529, 0.9476}, {0.8624, 1.7979, 1.2982, 0.5962},
    {1.1854, 0.9233, 1.8209, 0.5813}, {1.6714, 0.8899, 1.0736, 0.6834},
    {1.2212, 1.7420, 0.9186, 0.5796}, {1.6049, 1.1484, 0.8190, 0.5849},
};
// Fewer defined points than this prove nothing: such a model stays as written.
constexpr int kMinDefinedPoints = 3;

using Signature = std::array<double, kPointCount>;

bool Agree(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

struct Entry {
    bool bPower;
    uint32_t nMask; // bit k: defined at point k
    double dKey;    // the value at the first defined point
    int nTarget;
    int nPermutation;
};

bool EntryLess(const Entry& a, const Entry& b) {
    return std::tie(a.bPower, a.nMask, a.dKey, a.nTarget, a.nPermutation) <
           std::tie(b.bPower, b.nMask, b.dKey, b.nTarget, b.nPermutation);
}

uint32_t DefinedMask(const Signature& values, int& nDefined) {
    uint32_t nMask = 0;
    nDefined = 0;
    for (int k = 0; k < kPointCount; ++k) {
        if (std::isnan(values[k])) continue;
        nMask |= 1u << k;
        ++nDefined;
    }
    return nMask;
}

double FirstDefined(const Signature& values) {
    for (double d : values)
        if (!std::isnan(d)) return d;
    return 0.0;
}

// Every target under every renaming of its slots, sampled once.
class CTargetTable {
public:
    CTargetTable() {
        std::array<unsigned char, 4> slots = {0, 1, 2, 3};
        do {
            m_permutations.push_back(slots);
        } while (std::next_permutation(slots.begin(), slots.end()));

        m_signatures.resize(static_cast<size_t>(kMappingTargetCount) * m_permutations.size());
        for (int nTarget = 0; nTarget < kMappingTargetCount; ++nTarget) {
            const std::string strTarget = GetMappingTarget(nTarget);
            CSlotExpression target;
            target.Parse(strTarget);
            for (int nPerm = 0; nPerm < static_cast<int>(m_permutations.size()); ++nPerm) {
                // With slot j of the target holding old slot slots[j], the target computes
                // at point p what the model computes at p.
                const auto& perm = m_permutations[nPerm];
                SlotPoint renamed[kPointCount];
                for (int k = 0; k < kPointCount; ++k)
                    for (int j = 0; j < 4; ++j)
                        renamed[k][j] = kPoints[k][perm[j]];
                Signature& values = SignatureOf(nTarget, nPerm);
                target.EvaluateAll(renamed, kPointCount, values.data());
                int nDefined = 0;
                const uint32_t nMask = DefinedMask(values, nDefined);
                m_entries.push_back(Entry{strTarget.find('^') != std::string::npos, nMask,
                                          FirstDefined(values), nTarget, nPerm});
            }
        }
        std::sort(m_entries.begin(), m_entries.end(), EntryLess);
    }

    bool Find(const std::string& strModel, CanonicalMatch& match) const {
        match = CanonicalMatch();
        CSlotExpression model;
        if (!model.Parse(strModel)) return false;
        Signature values;
        model.EvaluateAll(kPoints, kPointCount, values.data());
        int nDefined = 0;
        const uint32_t nMask = DefinedMask(values, nDefined);
        if (nDefined < kMinDefinedPoints) return false;

        const bool bPower = strModel.find('^') != std::string::npos;
        const double dKey = FirstDefined(values);
        const double dTolerance = 1e-9 * std::max(1.0, std::fabs(dKey));
        const Entry probe{bPower, nMask, dKey - 2 * dTolerance, -1, -1};
        int nLastTarget = -1;
        for (auto it = std::lower_bound(m_entries.begin(), m_entries.end(), probe, EntryLess);
             it != m_entries.end() && it->bPower == bPower && it->nMask == nMask &&
             it->dKey <= dKey + 2 * dTolerance;
             ++it) {
            const Signature& candidate = SignatureOf(it->nTarget, it->nPermutation);
            bool bEqual = true;
            for (int k = 0; k < kPointCount && bEqual; ++k)
                bEqual = (nMask >> k & 1u) == 0 || Agree(values[k], candidate[k]);
            if (!bEqual) continue;
            if (it->nTarget != nLastTarget) ++match.nTargetsFitting;
            nLastTarget = it->nTarget;
            // Canonical targets before further ones, then the smallest slot list.
            if (match.nTarget < 0 || it->nTarget < match.nTarget ||
                (it->nTarget == match.nTarget && m_permutations[it->nPermutation] < Slots(match))) {
                match.nTarget = it->nTarget;
                std::copy(m_permutations[it->nPermutation].begin(),
                          m_permutations[it->nPermutation].end(), match.uaSlots);
            }
        }
        return match.nTarget >= 0;
    }

private:
    static std::array<unsigned char, 4> Slots(const CanonicalMatch& match) {
        return {match.uaSlots[0], match.uaSlots[1], match.uaSlots[2], match.uaSlots[3]};
    }
    Signature& SignatureOf(int nTarget, int nPerm) {
        return m_signatures[static_cast<size_t>(nTarget) * m_permutations.size() + nPerm];
    }
    const Signature& SignatureOf(int nTarget, int nPerm) const {
        return m_signatures[static_cast<size_t>(nTarget) * m_permutations.size() + nPerm];
    }

    std::vector<std::array<unsigned char, 4>> m_permutations; // lexicographic order
    std::vector<Signature> m_signatures;
    std::vector<Entry> m_entries;
};

const CTargetTable& TargetTable() {
    static const CTargetTable table;
    return table;
}

} // namespace

static_assert(kCanonicalTargetCount == kSolverTemplateCount + kFurtherCanonicalCount);

const char* GetMappingTarget(int nTarget) {
    if (nTarget < 0 || nTarget >= kMappingTargetCount) return "";
    if (nTarget < kSolverTemplateCount) return kSolverTemplates[nTarget].szTemplate;
    if (nTarget < kCanonicalTargetCount)
        return kFurtherCanonicalTemplates[nTarget - kSolverTemplateCount].szTemplate;
    return kFurtherTargets[nTarget - kCanonicalTargetCount];
}

bool FindCanonicalMatch(const std::string& strModel, CanonicalMatch& match) {
    return TargetTable().Find(strModel, match);
}

std::string MapToCanonicalModel(const std::string& strModel, unsigned uaTuple[4]) {
    CanonicalMatch match;
    if (!FindCanonicalMatch(strModel, match)) return strModel;
    const unsigned uaOld[4] = {uaTuple[0], uaTuple[1], uaTuple[2], uaTuple[3]};
    for (int j = 0; j < 4; ++j)
        uaTuple[j] = uaOld[match.uaSlots[j]];
    return GetMappingTarget(match.nTarget);
}
