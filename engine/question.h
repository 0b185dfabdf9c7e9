// Questions (four card values) and the text forms built from them.
#pragma once

#include <string>
#include <vector>

// Reads "A B C D" (any run of spaces, tabs, commas or semicolons between the values) into
// uaValues in written order. Fails on anything else, or a value outside 1..GetMaxValue();
// uaValues is left alone then.
bool ParseQuestionText(const std::string& strText, std::vector<unsigned>& uaValues);

// Calls fn(uaQ) for every question over 1..nMaxValue, each once with its values ascending,
// in the order a <= b <= c <= d counts up: 1 1 1 1, 1 1 1 2, ..., 1 1 1 nMaxValue, 1 1 2 2.
template <class Fn> void ForEachQuestion(unsigned nMaxValue, Fn&& fn) {
    std::vector<unsigned> uaQ(4);
    for (uaQ[0] = 1; uaQ[0] <= nMaxValue; ++uaQ[0])
        for (uaQ[1] = uaQ[0]; uaQ[1] <= nMaxValue; ++uaQ[1])
            for (uaQ[2] = uaQ[1]; uaQ[2] <= nMaxValue; ++uaQ[2])
                for (uaQ[3] = uaQ[2]; uaQ[3] <= nMaxValue; ++uaQ[3])
                    fn(static_cast<const std::vector<unsigned>&>(uaQ));
}

// Exactly four values, each 1..GetMaxValue().
bool IsValidQuestion(const std::vector<unsigned>& uaQ);

// "%d %d %d %d" of the values in the order given (callers pass a sorted question for its key).
std::string FormatQuestionText(const std::vector<unsigned>& uaQ);
std::string FormatQuestionText(const unsigned uaValues[4]);

// Question keys compare as text with 10..13 read as "A".."D", so 9 sorts before 10.
std::string GetQuestionSortKey(const std::string& strKey);
bool QuestionKeyLess(const std::string& strLeft, const std::string& strRight);

// Replaces n1..n4 of a template by the decimal texts of the values, in one pass.
std::string InstantiateTemplate(const std::string& strTemplate, const unsigned uaValues[4]);

// Every + - * / ( ) ^^ ^ becomes one space; reading the result as a question gives the
// answer's numbers in written order.
std::string OperatorsToSpaces(const std::string& strAnswer);
