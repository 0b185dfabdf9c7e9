// The two lower precedence levels shared by every reader of answer texts and templates:
//
//   expression := term { (+|-) term }        left to right
//   term       := power { (*|/) power }      left to right
//
// A reader derives from CInfixGrammar<itself> and supplies Peek() (the current character,
// '\0' at the end), Take() (the current character, moving past it), ParsePower() and
// Combine(cOperator, nLeft, nRight); each returns a node or register number, or kFailed.
// The readers differ in their operands and powers, not here; the calls are resolved at
// compile time, so sharing costs nothing.
#pragma once

template <class TReader> class CInfixGrammar {
public:
    static constexpr int kFailed = -1;

protected:
    int ParseExpression() {
        TReader& reader = static_cast<TReader&>(*this);
        int nLeft = ParseTerm();
        while (nLeft != kFailed && (reader.Peek() == '+' || reader.Peek() == '-')) {
            const char cOperator = reader.Take();
            const int nRight = ParseTerm();
            if (nRight == kFailed) return kFailed;
            nLeft = reader.Combine(cOperator, nLeft, nRight);
        }
        return nLeft;
    }

    int ParseTerm() {
        TReader& reader = static_cast<TReader&>(*this);
        int nLeft = reader.ParsePower();
        while (nLeft != kFailed && (reader.Peek() == '*' || reader.Peek() == '/')) {
            const char cOperator = reader.Take();
            const int nRight = reader.ParsePower();
            if (nRight == kFailed) return kFailed;
            nLeft = reader.Combine(cOperator, nLeft, nRight);
        }
        return nLeft;
    }
};
