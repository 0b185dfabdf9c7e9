#include "evaluationplan.h"

#include "evaluation.h"

#include <cmath>

namespace {

constexpr unsigned kTableSize = 14; // card values 0..13

// std::pow behind volatile operands, so that the tables hold what the library computes at
// run time (as the text path does) and never a value the compiler folded by other means.
double RuntimePow(double dBase, double dExponent) {
    volatile double dVolatileBase = dBase;
    volatile double dVolatileExponent = dExponent;
    return std::pow(dVolatileBase, dVolatileExponent);
}

// Powers and roots of two card values, the commonest power steps of the templates.
struct PowerTables {
    double daPower[kTableSize][kTableSize];
    double daRoot[kTableSize][kTableSize];
    PowerTables() {
        for (unsigned b = 0; b < kTableSize; ++b) {
            for (unsigned e = 0; e < kTableSize; ++e) {
                daPower[b][e] = RuntimePow(b, e);
                // As the parser reads a^(1/e): a division node, then the power.
                daRoot[b][e] = e == 0 ? RuntimePow(b, 1.0 * -1000.0) : RuntimePow(b, 1.0 / e);
            }
        }
    }
};

const PowerTables& GetPowerTables() {
    static const PowerTables tables;
    return tables;
}

double PowerOf(unsigned nBase, unsigned nExponent) {
    if (nBase < kTableSize && nExponent < kTableSize)
        return GetPowerTables().daPower[nBase][nExponent];
    return std::pow(static_cast<double>(nBase), static_cast<double>(nExponent));
}

double RootOf(unsigned nBase, unsigned nIndex) {
    if (nBase < kTableSize && nIndex < kTableSize) return GetPowerTables().daRoot[nBase][nIndex];
    return std::pow(static_cast<double>(nBase), 1.0 / nIndex);
}

} // namespace

bool CEvaluationPlan::Compile(std::string_view strTemplate) {
    m_steps.clear();
    m_strText = strTemplate;
    m_nPos = 0;
    m_nDepth = 0;
    const int nRoot = ParseExpression();
    const size_t nPos = m_nPos;
    m_strText = {};
    bool bSlotsOnce = true;
    for (char cSlot = '1'; cSlot <= '4'; ++cSlot) {
        const char szSlot[] = {'n', cSlot, '\0'};
        const size_t nFirst = strTemplate.find(szSlot);
        bSlotsOnce = bSlotsOnce && nFirst != std::string_view::npos &&
                     strTemplate.find(szSlot, nFirst + 1) == std::string_view::npos;
    }
    // The result is the last register; a bare slot would need no step at all.
    if (nRoot == kFailed || nPos != strTemplate.size() || !bSlotsOnce || m_steps.empty() ||
        nRoot != 3 + static_cast<int>(m_steps.size())) {
        m_steps.clear();
        return false;
    }
    return true;
}

int CEvaluationPlan::AddStep(Op op, int nLeft, int nRight, bool bIndexEndsText) {
    if (4 + static_cast<int>(m_steps.size()) >= kMaxRegisters) return kFailed;
    m_steps.push_back(Step{op, static_cast<unsigned char>(nLeft),
                           static_cast<unsigned char>(nRight), bIndexEndsText});
    return 3 + static_cast<int>(m_steps.size());
}

int CEvaluationPlan::Combine(char cOperator, int nLeft, int nRight) {
    static constexpr struct {
        char c;
        Op op;
    } kOps[] = {{'+', Op::Add}, {'-', Op::Sub}, {'*', Op::Mul}, {'/', Op::Div}};
    for (const auto& entry : kOps)
        if (entry.c == cOperator) return AddStep(entry.op, nLeft, nRight);
    return kFailed;
}

int CEvaluationPlan::ParsePower() {
    int nLeft = ParseOperand();
    while (nLeft != kFailed && Peek() == '^') {
        const bool bRoot = Peek(1) == '^';
        m_nPos += bRoot ? 2 : 1;
        const int nRight = ParseOperand();
        if (nRight == kFailed) return kFailed;
        const bool bLeftSlot = nLeft < 4;
        const bool bRightSlot = nRight < 4;
        Op op;
        if (!bRoot)
            op = bLeftSlot && bRightSlot ? Op::PowOfSlots : Op::Pow;
        else if (!bRightSlot)
            op = Op::Root;
        else
            op = bLeftSlot ? Op::RootOfSlots : Op::RootBySlot;
        nLeft = AddStep(op, nLeft, nRight, bRoot && bRightSlot && m_nPos == m_strText.size());
    }
    return nLeft;
}

int CEvaluationPlan::ParseOperand() {
    if (Peek() == 'n' && Peek(1) >= '1' && Peek(1) <= '4') {
        m_nPos += 2;
        return m_strText[m_nPos - 1] - '1';
    }
    if (Peek() != '(' || m_nDepth >= kMaxRegisters) return kFailed;
    ++m_nPos;
    ++m_nDepth;
    const int nInner = ParseExpression();
    --m_nDepth;
    if (nInner == kFailed || Peek() != ')') return kFailed;
    ++m_nPos;
    return nInner;
}

void CEvaluationPlan::FillLanes(const unsigned (*uaTuples)[4], int nCount, Lanes& lanes) {
    lanes.nCount = nCount < 0 ? 0 : (nCount > kMaxLanes ? kMaxLanes : nCount);
    for (int k = 0; k < lanes.nCount; ++k) {
        for (int j = 0; j < 4; ++j) {
            lanes.uaSlot[j][k] = uaTuples[k][j];
            lanes.daSlot[j][k] = static_cast<double>(uaTuples[k][j]);
        }
    }
}

void CEvaluationPlan::Run(const Lanes& lanes, double* pdResult, bool* pbDivided) const {
    const int nCount = lanes.nCount;
    double daStep[kMaxRegisters - 4][kMaxLanes];
    const double* paRegister[kMaxRegisters];
    for (int j = 0; j < 4; ++j)
        paRegister[j] = lanes.daSlot[j];
    for (int k = 0; k < nCount; ++k)
        pbDivided[k] = false;
    int nTarget = 4;
    for (const Step& step : m_steps) {
        const double* a = paRegister[step.nLeft];
        const double* b = paRegister[step.nRight];
        const unsigned* uLeft = lanes.uaSlot[step.nLeft < 4 ? step.nLeft : 0];
        const unsigned* uRight = lanes.uaSlot[step.nRight < 4 ? step.nRight : 0];
        double* r = daStep[nTarget - 4];
        paRegister[nTarget++] = r;
        switch (step.op) {
        case Op::Add:
            for (int k = 0; k < nCount; ++k)
                r[k] = a[k] + b[k];
            break;
        case Op::Sub:
            for (int k = 0; k < nCount; ++k)
                r[k] = a[k] - b[k];
            break;
        case Op::Mul:
            for (int k = 0; k < nCount; ++k)
                r[k] = a[k] * b[k];
            break;
        case Op::Div:
            // The parser's node yields dividend * -1000 then; any caller rejects it anyway.
            for (int k = 0; k < nCount; ++k) {
                const bool bZero = b[k] == 0.0;
                pbDivided[k] = pbDivided[k] || bZero;
                r[k] = bZero ? a[k] * -1000.0 : a[k] / b[k];
            }
            break;
        case Op::Pow:
            for (int k = 0; k < nCount; ++k)
                r[k] = std::pow(a[k], b[k]);
            break;
        case Op::PowOfSlots:
            for (int k = 0; k < nCount; ++k)
                r[k] = PowerOf(uLeft[k], uRight[k]);
            break;
        case Op::Root:
            for (int k = 0; k < nCount; ++k) {
                const bool bZero = b[k] == 0.0;
                pbDivided[k] = pbDivided[k] || bZero;
                r[k] = std::pow(a[k], bZero ? 1.0 * -1000.0 : 1.0 / b[k]);
            }
            break;
        case Op::RootBySlot:
            for (int k = 0; k < nCount; ++k) {
                if (step.bIndexEndsText && uRight[k] == 1)
                    r[k] = a[k];
                else if (uRight[k] == 0) {
                    pbDivided[k] = true;
                    r[k] = std::pow(a[k], 1.0 * -1000.0);
                } else
                    r[k] = std::pow(a[k], 1.0 / b[k]);
            }
            break;
        case Op::RootOfSlots:
            for (int k = 0; k < nCount; ++k) {
                pbDivided[k] = pbDivided[k] || uRight[k] == 0;
                r[k] = step.bIndexEndsText && uRight[k] == 1 ? a[k] : RootOf(uLeft[k], uRight[k]);
            }
            break;
        }
    }
    for (int k = 0; k < nCount; ++k)
        pdResult[k] = paRegister[nTarget - 1][k];
}

uint32_t CEvaluationPlan::FindTwentyFour(const Lanes& lanes) const {
    if (m_steps.empty()) return 0;
    double daResult[kMaxLanes];
    bool baDivided[kMaxLanes];
    Run(lanes, daResult, baDivided);
    uint32_t nMatches = 0;
    for (int k = 0; k < lanes.nCount; ++k) {
        // A cheap necessary condition first; the 24 test itself decides.
        const double x = daResult[k];
        if (x > 20.0 && x < 25.0 && !baDivided[k] && IsTwentyFourValue(x))
            nMatches |= uint32_t{1} << k;
    }
    return nMatches;
}

double CEvaluationPlan::Evaluate(const unsigned uaTuple[4], int& nStatus) const {
    nStatus = 0;
    if (m_steps.empty()) return std::nan("");
    const unsigned uaTuples[1][4] = {{uaTuple[0], uaTuple[1], uaTuple[2], uaTuple[3]}};
    Lanes lanes;
    FillLanes(uaTuples, 1, lanes);
    double dResult = 0.0;
    bool bDivided = false;
    Run(lanes, &dResult, &bDivided);
    nStatus = bDivided ? 1 : 0;
    return dResult;
}
