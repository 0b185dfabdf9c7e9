// A template compiled once into a short list of floating-point steps, run on all orderings
// of a question at once. The steps are exactly the operations the parser would build from
// the instantiated text after its roots are rewritten as powers (a^^b as a^(1/b), a root
// with index 1 at the very end dropped), in the same order, so every borderline value is
// judged as the text path judges it.
#pragma once

#include "infixgrammar.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CEvaluationPlan : public CInfixGrammar<CEvaluationPlan> {
public:
    static constexpr int kMaxLanes = 24;

    // The tuples of one question laid out once for all its templates: lane k is tuple k.
    struct Lanes {
        double daSlot[4][kMaxLanes];
        unsigned uaSlot[4][kMaxLanes];
        int nCount = 0;
    };
    // nCount is clamped to 0..kMaxLanes.
    static void FillLanes(const unsigned (*uaTuples)[4], int nCount, Lanes& lanes);

    // False when the text is not a template over n1..n4 with + - * / ^ ^^ and parentheses.
    bool Compile(std::string_view strTemplate);

    // Bit k is set when lane k makes 24 (no division by zero, value within the tolerance).
    uint32_t FindTwentyFour(const Lanes& lanes) const;

    // The value of one instance; nStatus becomes 1 when a divisor was zero, as for CExpression.
    double Evaluate(const unsigned uaTuple[4], int& nStatus) const;

private:
    enum class Op : unsigned char {
        Add,
        Sub,
        Mul,
        Div,
        Pow,
        PowOfSlots,  // both operands are card values: from a table
        Root,        // index is a group: x^(1/g)
        RootBySlot,  // index is a card value: x^(1/v)
        RootOfSlots, // base and index are card values: from a table
    };
    struct Step {
        Op op;
        unsigned char nLeft; // register: 0..3 are the slots n1..n4, then one per step
        unsigned char nRight;
        bool bIndexEndsText; // a root with index 1 there is dropped, not taken as ^1
    };
    static constexpr int kMaxRegisters = 16;

    friend class CInfixGrammar<CEvaluationPlan>;
    char Peek(size_t nAhead = 0) const {
        return m_nPos + nAhead < m_strText.size() ? m_strText[m_nPos + nAhead] : '\0';
    }
    char Take() { return m_strText[m_nPos++]; }
    int Combine(char cOperator, int nLeft, int nRight);
    int ParsePower();
    int ParseOperand();
    int AddStep(Op op, int nLeft, int nRight, bool bIndexEndsText = false);

    // Runs every step on all lanes; pbDivided[k] tells whether lane k divided by zero.
    void Run(const Lanes& lanes, double* pdResult, bool* pbDivided) const;

    std::vector<Step> m_steps;
    // The template being compiled; empty outside Compile.
    std::string_view m_strText;
    size_t m_nPos = 0;
    int m_nDepth = 0;
};
