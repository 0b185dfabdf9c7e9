// A model (an answer with its numbers replaced by n1..n4) read as a function of its four
// slots. It is read exactly as the evaluator reads the answer itself (roots as powers with
// the reciprocal index, a unary minus negating all that follows), so that two models that
// agree as functions give answers of equal value.
#pragma once

#include "infixgrammar.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

using SlotPoint = std::array<double, 4>;

class CSlotExpression : public CInfixGrammar<CSlotExpression> {
public:
    // Deeper nesting is refused rather than risking the stack on hostile text.
    static constexpr int kMaxNesting = 256;

    // True when the text is one well-formed expression in which each of n1..n4 stands
    // exactly once.
    bool Parse(std::string_view strModel);

    // The value with point[k] in slot n(k+1); NaN where the expression is undefined there
    // (a zero divisor, a negative base under a fractional exponent, an overflow).
    double Evaluate(const SlotPoint& point) const;
    // The same at nCount points at once, into daValues[0..nCount).
    void EvaluateAll(const SlotPoint* pPoints, size_t nCount, double* daValues) const;

private:
    friend class CInfixGrammar<CSlotExpression>;
    struct Node {
        char cOperator; // '+', '-', '*', '/', '^', 'r' (root), '~' (negation), 'n' (slot)
        int nLeft;
        int nRight;
    };

    char Peek(size_t nAhead = 0) const {
        return m_nPos + nAhead < m_strText.size() ? m_strText[m_nPos + nAhead] : '\0';
    }
    char Take() { return m_strText[m_nPos++]; }
    int AddNode(char cOperator, int nLeft, int nRight);
    int Combine(char cOperator, int nLeft, int nRight) { return AddNode(cOperator, nLeft, nRight); }
    int ParsePower();
    int ParseOperand();
    int ParseSlot();
    int ParseGroup();

    std::string_view m_strText;
    size_t m_nPos = 0;
    int m_nDepth = 0;
    int m_nRoot = -1;
    unsigned m_nSlotsSeen = 0;
    bool m_bRepeatedSlot = false;
    // Children always precede their parent, so evaluation is one pass in order.
    std::vector<Node> m_nodes;
};
