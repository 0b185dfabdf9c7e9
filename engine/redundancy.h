// The solver's post-filter: textual forms that only dress up another solution of the same
// question (a division, power or root by 1, a multiplication by 1 standing elsewhere than
// the canonicaliser puts it, a squared negative group, ...).
#pragma once

#include <string>

// True when one of the twelve redundancy rules fires on the first occurrence of its pattern.
bool IsRedundantSolution(const std::string& strSolution);
