// The engine's stateless entry points for judging a player's answer.
#pragma once

#include <string>
#include <vector>

class CKVUtilities {
public:
    // True when strLine (an answer line already normalised as an answer) uses each value
    // of uaQ exactly once and makes 24 under the rule of the last solver call. No unary
    // minus at the start or after "(".
    static bool CheckValidSolution(const std::vector<unsigned>& uaQ, const std::string& strLine);

    // Reduces an accepted answer to its keys. Returns the normal answer, in which answers
    // that differ only by tricks with the number 1 or a squared negative group agree, and
    // writes the strict normal answer (the answer on its canonical template, its values in
    // the template's normal ordering) into strSubNA when strSubNA is empty on entry. uaQ
    // receives the answer's four values in the slot order of the returned text. An answer
    // that cannot be read returns an empty string and leaves both untouched.
    static std::string GetNormalAnswer(std::vector<unsigned>& uaQ, std::string& strSubNA,
                                       const std::string& strAnswer);
};
