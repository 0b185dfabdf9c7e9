#include "answertext.h"

#include "engine/userinput.h"

#include <vector>

AnswerTextRead ReadAnswerText(std::FILE* pIn, std::string& strText, size_t nMaxLines,
                              size_t nMaxBytes) {
    strText.clear();
    std::vector<std::string> saUnused;
    size_t nLineStart = 0;
    size_t nLines = 0;
    char szBuffer[65536];
    for (;;) {
        const size_t nRead = std::fread(szBuffer, 1, sizeof szBuffer, pIn);
        if (nRead == 0) return AnswerTextRead::Complete;
        const size_t nOldSize = strText.size();
        strText.append(szBuffer, nRead);
        for (size_t nEnd = strText.find('\n', nOldSize); nEnd != std::string::npos;
             nEnd = strText.find('\n', nEnd + 1)) {
            // Counts as the answer box does, keeping nothing.
            nLines +=
                PrepareSubmittedLines(strText.substr(nLineStart, nEnd - nLineStart), saUnused, 0);
            nLineStart = nEnd + 1;
            if (nLines >= nMaxLines) {
                strText.resize(nLineStart);
                return AnswerTextRead::Enough;
            }
        }
        if (strText.size() > nMaxBytes) return AnswerTextRead::TooLong;
    }
}
