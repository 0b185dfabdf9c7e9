#include "slotexpression.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool CSlotExpression::Parse(std::string_view strModel) {
    m_strText = strModel;
    m_nPos = 0;
    m_nDepth = 0;
    m_nSlotsSeen = 0;
    m_bRepeatedSlot = false;
    m_nodes.clear();
    m_nRoot = ParseExpression();
    if (m_nRoot == kFailed || m_nPos != m_strText.size() || m_nSlotsSeen != 0xF ||
        m_bRepeatedSlot) {
        m_nRoot = kFailed;
        return false;
    }
    return true;
}

int CSlotExpression::AddNode(char cOperator, int nLeft, int nRight) {
    m_nodes.push_back(Node{cOperator, nLeft, nRight});
    return static_cast<int>(m_nodes.size()) - 1;
}

// a^^b takes as its index only the slot or parenthesised group right after it, and then
// binds as a power: n1^^n2^n3 is (n1^(1/n2))^n3, as the root rewriting makes it.
int CSlotExpression::ParsePower() {
    int nLeft = ParseOperand();
    while (nLeft != kFailed && Peek() == '^') {
        int nRight;
        char cOperator = '^';
        if (Peek(1) == '^') {
            m_nPos += 2;
            cOperator = 'r';
            nRight = Peek() == 'n' ? ParseSlot() : Peek() == '(' ? ParseGroup() : kFailed;
        } else {
            ++m_nPos;
            nRight = ParseOperand();
        }
        if (nRight == kFailed) return kFailed;
        nLeft = AddNode(cOperator, nLeft, nRight);
    }
    return nLeft;
}

int CSlotExpression::ParseOperand() {
    const char c = Peek();
    if (c == 'n') return ParseSlot();
    if (c == '(') return ParseGroup();
    if (c != '-' || m_nDepth >= kMaxNesting) return kFailed;
    ++m_nPos;
    ++m_nDepth;
    const int nOperand = ParseExpression();
    --m_nDepth;
    return nOperand == kFailed ? kFailed : AddNode('~', nOperand, kFailed);
}

int CSlotExpression::ParseSlot() {
    const char cDigit = Peek(1);
    if (Peek() != 'n' || cDigit < '1' || cDigit > '4') return kFailed;
    m_nPos += 2;
    const unsigned nBit = 1u << (cDigit - '1');
    m_bRepeatedSlot = m_bRepeatedSlot || (m_nSlotsSeen & nBit) != 0;
    m_nSlotsSeen |= nBit;
    return AddNode('n', cDigit - '1', kFailed);
}

int CSlotExpression::ParseGroup() {
    if (Peek() != '(' || m_nDepth >= kMaxNesting) return kFailed;
    ++m_nPos;
    ++m_nDepth;
    int nResult = ParseExpression();
    --m_nDepth;
    if (nResult == kFailed || Peek() != ')') return kFailed;
    ++m_nPos;
    return nResult;
}

double CSlotExpression::Evaluate(const SlotPoint& point) const {
    double dValue = 0.0;
    EvaluateAll(&point, 1, &dValue);
    return dValue;
}

void CSlotExpression::EvaluateAll(const SlotPoint* pPoints, size_t nCount, double* daValues) const {
    constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
    if (m_nRoot == kFailed) {
        std::fill(daValues, daValues + nCount, kUndefined);
        return;
    }
    std::vector<double> daNodes(m_nodes.size());
    for (size_t nPoint = 0; nPoint < nCount; ++nPoint) {
        for (size_t i = 0; i < m_nodes.size(); ++i) {
            const Node& node = m_nodes[i];
            if (node.cOperator == 'n') {
                daNodes[i] = pPoints[nPoint][node.nLeft];
                continue;
            }
            const double a = daNodes[node.nLeft];
            if (node.cOperator == '~') {
                daNodes[i] = -a;
                continue;
            }
            const double b = daNodes[node.nRight];
            double x = kUndefined;
            switch (node.cOperator) {
            case '+':
                x = a + b;
                break;
            case '-':
                x = a - b;
                break;
            case '*':
                x = a * b;
                break;
            case '/':
                if (b != 0.0) x = a / b;
                break;
            case '^':
                x = std::pow(a, b);
                break;
            default: // root
                if (b != 0.0) x = std::pow(a, 1.0 / b);
                break;
            }
            daNodes[i] = std::isfinite(x) ? x : kUndefined;
        }
        daValues[nPoint] = daNodes[m_nRoot];
    }
}
