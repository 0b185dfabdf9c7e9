// The model of an answer: the answer with its numbers replaced, left to right, by n1..n4,
// and the parentheses clean-up that makes spellings differing only in needless
// parentheses share one model.
#pragma once

#include <string>

// Reads the numbers as an answer holds them: a digit followed by a digit 0..3 starts a
// two-digit number (10..13); any other digit is a number by itself. Empty unless the text
// holds only digits and ( ) * + - / ^ and exactly four numbers. uaValues receives the
// numbers in written order.
std::string GetModel(const std::string& strText, unsigned uaValues[4]);
std::string GetModel(const std::string& strText);

// Removes parentheses around a lone slot, around the whole model, and doubled parentheses
// around one inner group, repeatedly.
std::string RemoveRedundantParentheses(std::string strModel);
