// Typed text to the expression alphabet: spaces, 'x' for times and the full-width or
// look-alike characters that Chinese input methods produce.
#pragma once

#include <string>
#include <vector>

enum NormalizeMode {
    kNormalizeRemoveSpaces = 0, // the four question entry fields
    kNormalizeQuestion = 1,     // question texts
    kNormalizeAnswer = 2,       // answer lines
};

// Works on UTF-8 text; bytes that are not valid UTF-8 pass through untouched.
// The character tables used depend on GetInterfaceCharset().
std::string GetNormalizedUserInput(const std::string& strText, int nMode);

// The answer lines of a multi-line edit text, as the main window judges them: split at
// line breaks (CR LF or a lone LF), trimmed, blank lines dropped, normalised as answers.
std::vector<std::string> PrepareSubmittedLines(const std::string& strText);
// The same, keeping only the first nMaxKept lines in saKept (emptied first); returns how
// many answer lines the text holds. Lines past the limit cost nothing but their count.
size_t PrepareSubmittedLines(const std::string& strText, std::vector<std::string>& saKept,
                             size_t nMaxKept);
