#include "parentheses.h"

size_t FindClosingParenthesis(const std::string& strText, size_t nOpen) {
    int nDepth = 0;
    for (size_t i = nOpen; i < strText.size(); ++i) {
        if (strText[i] == '(')
            ++nDepth;
        else if (strText[i] == ')' && --nDepth == 0)
            return i;
    }
    return std::string::npos;
}

size_t FindOpeningParenthesis(const std::string& strText, size_t nClose) {
    int nDepth = 0;
    for (size_t i = nClose + 1; i-- > 0;) {
        if (strText[i] == ')')
            ++nDepth;
        else if (strText[i] == '(' && --nDepth == 0)
            return i;
    }
    return std::string::npos;
}
