// Reading the answer box text from a stream without holding more than the verdict can use.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

enum class AnswerTextRead {
    Complete, // the whole stream was read
    Enough,   // stopped after nMaxLines answer lines: what follows cannot change the verdict
    TooLong,  // more than nMaxBytes came before the stream ended or nMaxLines lines were seen
};

// Reads pIn into strText. Answer lines are those the answer box judges (blank ones do not
// count); with Enough, strText ends after the last counted line.
AnswerTextRead ReadAnswerText(std::FILE* pIn, std::string& strText, size_t nMaxLines,
                              size_t nMaxBytes);
