// The page that lists every question of a value range with all its solutions: the file
// name of an option set, the paragraphs of the list and the filled template. Plain text in,
// plain text out, so the desktop program and tetralyx-cli write the very same page.
#pragma once

#include <functional>
#include <string>

struct CompleteListOptions {
    bool bStandard = true;     // false: the advanced rule with power and root
    bool bJQK = false;         // values 1..13 instead of 1..10
    bool bHaveSolution = true; // questions with solutions are listed
    bool bNoSolution = true;   // questions without solution are listed
};

struct CompleteListCounts {
    unsigned nQuestions = 0;
    unsigned nHaveSolution = 0;
    unsigned nNoSolution = 0;
};

// What the page says around the list, already in the page's language.
struct CompleteListTexts {
    std::string strQ; // "Q" of the headings
    std::string strA; // "A" of the solution lines
    std::string strLevelName;
    std::string strTheStory;
    std::string strRule;
    std::string strJQK;
    std::string strListed;
    std::string strNotListed;
};

// 715 for 10, 1820 for 13: the sets a <= b <= c <= d over 1..nMaxValue.
unsigned CountCompleteListQuestions(unsigned nMaxValue);

// cLanguage ('e', 's' or 't'), then "sd", "j", "hs", "ns" as the options say, then ".htm".
std::string GetCompleteListFileName(char cLanguage, const CompleteListOptions& options);

// fnProgress(nDone, nTotal) runs after every question; returning false stops the list.
using CompleteListProgress = std::function<bool(unsigned nDone, unsigned nTotal)>;

// Solves every question of the options' range under their rule and appends the paragraphs
// of the listed kinds to strParagraphs (emptied first); counts are of all questions, listed
// or not. The engine's settings are as before afterwards. False when fnProgress stopped it.
bool BuildCompleteList(const CompleteListOptions& options, const std::string& strQ,
                       const std::string& strA, std::string& strParagraphs,
                       CompleteListCounts& counts, const CompleteListProgress& fnProgress = {});

// Replaces the placeholders of the template, in their fixed order, by the texts, counts and
// paragraphs.
std::string FillCompleteListTemplate(std::string strTemplate, const CompleteListOptions& options,
                                     const CompleteListTexts& texts,
                                     const CompleteListCounts& counts,
                                     const std::string& strParagraphs);
