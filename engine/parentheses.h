// Matching parentheses in answer and model texts.
#pragma once

#include <string>

// The ")" that closes the "(" at nOpen, or npos.
size_t FindClosingParenthesis(const std::string& strText, size_t nOpen);
// The "(" that opens the group closing at the ")" at nClose, or npos.
size_t FindOpeningParenthesis(const std::string& strText, size_t nClose);
