#include "expression.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

int CExpression::Parse(std::string_view strText) {
    m_strText = strText;
    m_nPos = 0;
    m_nDepth = 0;
    m_nodes.clear();
    m_nRoot = ParseExpression();
    if (m_nRoot != kFailed && m_nPos == m_strText.size()) return -1;
    m_nRoot = kFailed;
    return static_cast<int>(m_nPos);
}

void CExpression::SkipSpaces() {
    while (Peek() == ' ')
        ++m_nPos;
}

int CExpression::AddNode(char cOperator, int nLeft, int nRight, double dValue) {
    m_nodes.push_back(Node{nLeft, nRight, cOperator, dValue});
    return static_cast<int>(m_nodes.size()) - 1;
}

int CExpression::ParsePower() {
    int nLeft = ParseOperand();
    while (nLeft != kFailed && Peek() == '^') {
        ++m_nPos;
        const int nRight = ParseOperand();
        if (nRight == kFailed) return kFailed;
        nLeft = AddNode('^', nLeft, nRight);
    }
    return nLeft;
}

int CExpression::ParseOperand() {
    SkipSpaces();
    const char c = Peek();
    if (IsDigit(c)) return ParseNumber();
    if (c != '-' && c != '(') return kFailed;
    if (m_nDepth >= kMaxNesting) return kFailed;
    ++m_nPos;
    ++m_nDepth;
    int nResult;
    if (c == '-') {
        const int nMinusOne = AddNode(0, kFailed, kFailed, -1.0);
        const int nOperand = ParseExpression();
        nResult = nOperand == kFailed ? kFailed : AddNode('*', nMinusOne, nOperand);
    } else {
        nResult = ParseExpression();
        if (nResult != kFailed && Peek() == ')')
            ++m_nPos;
        else
            nResult = kFailed;
    }
    --m_nDepth;
    return nResult;
}

int CExpression::ParseNumber() {
    const size_t nStart = m_nPos;
    while (IsDigit(Peek()) || Peek() == '.')
        ++m_nPos;
    const char* pBegin = m_strText.data() + nStart;
    const char* pEnd = m_strText.data() + m_nPos;
    double dValue = 0.0;
    const auto result = std::from_chars(pBegin, pEnd, dValue, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Only a huge integer part can overflow; a long run of zeros after the point underflows.
        bool bLarge = false;
        for (const char* p = pBegin; p < pEnd && *p != '.'; ++p)
            bLarge = bLarge || *p != '0';
        dValue = bLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return AddNode(0, kFailed, kFailed, dValue);
}

double CExpression::Evaluate(int& nStatus) const {
    nStatus = kStatusOk;
    if (m_nRoot == kFailed) return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> daValues(m_nodes.size());
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        const Node& node = m_nodes[i];
        if (node.cOperator == 0) {
            daValues[i] = node.dValue;
            continue;
        }
        const double a = daValues[node.nLeft];
        const double b = daValues[node.nRight];
        switch (node.cOperator) {
        case '+':
            daValues[i] = a + b;
            break;
        case '-':
            daValues[i] = a - b;
            break;
        case '*':
            daValues[i] = a * b;
            break;
        case '/':
            if (b == 0.0) {
                nStatus = kStatusDivisionByZero;
                daValues[i] = a * -1000.0;
            } else {
                daValues[i] = a / b;
            }
            break;
        default:
            daValues[i] = std::pow(a, b);
            break;
        }
    }
    return daValues[m_nRoot];
}
