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
};
