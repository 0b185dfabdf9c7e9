#include "textlines.h"

#include <utility>

namespace {
bool IsTrimmed(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

bool ReplaceAll(std::string& strText, const std::string& strFrom, const std::string& strTo) {
    size_t nPos = strText.find(strFrom);
    if (strFrom.empty() || nPos == std::string::npos) return false;
    // Built in one pass: replacing in place would move the rest of the text every time.
    std::string strResult;
    strResult.reserve(strText.size());
    size_t nCopied = 0;
    for (; nPos != std::string::npos; nPos = strText.find(strFrom, nCopied)) {
        strResult.append(strText, nCopied, nPos - nCopied);
        strResult += strTo;
        nCopied = nPos + strFrom.size();
    }
    strResult.append(strText, nCopied, std::string::npos);
    strText = std::move(strResult);
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
