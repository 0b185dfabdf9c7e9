// The steps behind CKVUtilities::GetNormalAnswer, open to tests.
#pragma once

#include <string>

// Value equality of two answer texts as the evaluator reads them (roots allowed): equal
// within a relative 1e-9, or both undefined (unreadable, a zero divisor, not finite).
bool SameAnswerValue(const std::string& strLeft, const std::string& strRight);

// The real expression has a group squared (")^2") or raised to the fourth (")^4") that is
// negative; the first of each is examined.
bool HasNegativeSquaredGroup(const std::string& strReal);

// A pass of the normal answer can repeat at most this often; a well-formed answer needs
// far fewer, so reaching it means the reductions went round in a circle.
constexpr int kMaxNormalAnswerPasses = 32;
