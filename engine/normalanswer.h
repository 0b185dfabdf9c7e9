// The steps behind CKVUtilities::GetNormalAnswer, open to tests.
#pragma once

#include <string>
#include <vector>

// Both answer texts have a value as the evaluator reads them (roots allowed; no zero
// divisor, finite) and the values agree within a relative 1e-9.
bool SameAnswerValue(const std::string& strLeft, const std::string& strRight);

// The real expression has a group squared (")^2") or raised to the fourth (")^4") that is
// negative; the first of each is examined.
bool HasNegativeSquaredGroup(const std::string& strReal);

// A pass of the normal answer can repeat at most this often; a well-formed answer needs
// far fewer, so reaching it means the reductions went round in a circle.
constexpr int kMaxNormalAnswerPasses = 32;

// CKVUtilities::GetNormalAnswer, also telling how many passes it took: 1 when the answer
// was not similar to another, kMaxNormalAnswerPasses when the circle was cut.
std::string GetNormalAnswerCountingPasses(std::vector<unsigned>& uaQ, std::string& strSubNA,
                                          const std::string& strAnswer, int& nPasses);
