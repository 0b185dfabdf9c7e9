// The one path by which every text is judged: roots rewritten as powers, parse, evaluate,
// compare with 24.
#pragma once

#include <string>

// Removes spaces and rewrites every a^^b (the b-th root of a) as a^(1/b), where b is the
// number or parenthesised group right after the ^^. Returns 1 when the text is usable, -1
// when a root is misplaced or, without bAdvanced, the text holds any ^ at all.
int ExpandRoots(std::string& strText, bool bAdvanced);

enum class TextValue {
    Defined,   // parsed, no zero divisor, finite
    Undefined, // does not parse, divides by zero or overflows
    Malformed, // a root misplaced or, under the standard rule, any ^ at all
};

// The one way from a typed or built text to its value: roots expanded (bAdvanced) or
// refused, parsed, evaluated. dValue is set only when the result is Defined.
TextValue EvaluateText(const std::string& strText, bool bAdvanced, double& dValue);

// x > 20 and (x - 24)^2 < 1e-8: forgiving of the rounding in answers such as 8/(3-8/3).
bool IsTwentyFourValue(double x);

// The 24 test under the given rule; false also on a parse failure or a division by zero.
bool IsTwentyFourUnderRule(const std::string& strText, bool bStandard);
// The same under the rule of the last solver call.
bool IsTwentyFour(const std::string& strText);

// Plain parse and evaluation of a group, no root rewriting; false when the text does not
// parse or divides by zero. EqualsOne wants exactly 1.0.
bool EqualsOne(const std::string& strText);
bool IsNegative(const std::string& strText);
