// The expression parser and evaluator behind every 24 test.
//
//   expression := term { (+|-) term }        left to right
//   term       := power { (*|/) power }      left to right
//   power      := operand { ^ operand }      left to right: 2^3^2 is 64
//   operand    := - expression | ( expression ) | number
//
// A unary minus negates the whole additive expression after it (2*-3+1 is -8), as the
// answers players type have always been read.
#pragma once

#include "infixgrammar.h"

#include <string>
#include <string_view>
#include <vector>

class CExpression : public CInfixGrammar<CExpression> {
public:
    static constexpr int kStatusOk = 0;
    static constexpr int kStatusDivisionByZero = 1;
    // Deeper nesting of parentheses and unary minus is refused rather than risking the stack.
    static constexpr int kMaxNesting = 256;

    // -1 when the whole text is an expression; otherwise the position where parsing stopped.
    int Parse(std::string_view strText);

    // The value of the last parsed text. nStatus becomes kStatusDivisionByZero when any
    // division anywhere in the tree had a zero divisor (that node then yields dividend * -1000).
    double Evaluate(int& nStatus) const;

private:
    friend class CInfixGrammar<CExpression>;
    struct Node {
        int nLeft;
        int nRight;
        char cOperator; // '+', '-', '*', '/', '^', or 0 for a constant
        double dValue;
    };

    char Peek() const { return m_nPos < m_strText.size() ? m_strText[m_nPos] : '\0'; }
    char Take() { return m_strText[m_nPos++]; }
    int Combine(char cOperator, int nLeft, int nRight) { return AddNode(cOperator, nLeft, nRight); }
    void SkipSpaces();
    int AddNode(char cOperator, int nLeft, int nRight, double dValue = 0.0);
    int ParsePower();
    int ParseOperand();
    int ParseNumber();

    std::string_view m_strText;
    size_t m_nPos = 0;
    int m_nDepth = 0;
    int m_nRoot = -1;
    // Children always precede their parent, so evaluation is one pass in order.
    std::vector<Node> m_nodes;
};
