#include "textlines.h"

namespace {
bool IsTrimmed(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

bool ReplaceAll(std::string& strText, const std::string& strFrom, const std::string& strTo) {
    size_t nPos = strText.find(strFrom);
    if (strFrom.empty() || nPos == std::string::npos) return false;
    while (nPos != std::string::npos) {
        strText.replace(nPos, strFrom.size(), strTo);
        nPos = strText.find(strFrom, nPos + strTo.size());
    }
    return true;
}

bool TrimText(std::string& strText) {
    size_t nBegin = 0;
    while (nBegin < strText.size() && IsTrimmed(strText[nBegin]))
        ++nBegin;
    size_t nEnd = strText.size();
    while (nEnd > nBegin && IsTrimmed(strText[nEnd - 1]))
        --nEnd;
    if (nBegin == 0 && nEnd == strText.size()) return false;
    strText = strText.substr(nBegin, nEnd - nBegin);
    return true;
}

int GetSAFromMLString(std::vector<std::string>& saLines, const std::string& strText) {
    saLines.clear();
    size_t nStart = 0;
    while (nStart < strText.size()) {
        const size_t nBreak = strText.find("\r\n", nStart);
        if (nBreak == std::string::npos) {
            saLines.push_back(strText.substr(nStart));
            break;
        }
        saLines.push_back(strText.substr(nStart, nBreak - nStart));
        nStart = nBreak + 2;
    }
    return static_cast<int>(saLines.size());
}
