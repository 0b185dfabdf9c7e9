// The built-in table of every text the program shows, in English, Simplified Chinese and
// Traditional Chinese, and the lookup of a text by id in the current interface language.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One row of the table. Code looks texts up by id, named by the row's key in core/stringids.h.
// Texts are UTF-8; line breaks inside them are "\r\n".
struct StringRecord {
    std::uint32_t nId;
    std::uint32_t nReserved; // always 0
    const char* szKey;
    const char* szCategory; // Info, KVT, Dialog, Error, Menu or Tip
    const char* szEnglish;
    const char* szSimplifiedChinese;
    const char* szTraditionalChinese;
};

// The column argument of GetLocalizedText.
constexpr int kColumnCurrentLanguage = 0;
constexpr int kColumnEnglish = 1;
constexpr int kColumnSimplifiedChinese = 2;
constexpr int kColumnTraditionalChinese = 3; // also any value not listed here

// The table as compiled in, terminator row included.
std::span<const StringRecord> GetStringTable();

// Rows from the first up to and including the terminator (the first id 0), or all rows when
// there is none. Lookups never look past this count.
int CountStringRecords();

// The column a language identifier reads: 1033 English, 2052 Simplified Chinese, 1028
// Traditional Chinese; any other identifier gives kColumnCurrentLanguage, which a lookup
// treats like Traditional Chinese.
int GetColumnForLanguage(std::uint32_t nLanguageId);

// The text of the column chosen by nColumn (kColumnCurrentLanguage: the column of the current
// interface language) of the first row with id nId, with %1..%3 filled as
// SubstitutePlaceholders does; "" when no row has that id. "#1".."#6" are left to the caller.
std::string GetLocalizedText(std::uint32_t nId, const std::string& strParam1 = {},
                             const std::string& strParam2 = {}, const std::string& strParam3 = {},
                             int nColumn = kColumnCurrentLanguage);

// The text of column nColumn (English, Simplified or Traditional Chinese; any other value
// reads Traditional Chinese) of the first row with id nId, %1..%3 filled; "" when no row has
// that id. Needs no current language.
std::string GetTextInColumn(std::uint32_t nId, int nColumn, const std::string& strParam1 = {},
                            const std::string& strParam2 = {}, const std::string& strParam3 = {});

// Replaces every "%1" by strParam1, then every "%2" by strParam2, then every "%3" by
// strParam3, stopping before the first placeholder the text does not contain. Each step works
// on the result of the one before, so a "%2" that strParam1 brought in is filled in step two.
std::string SubstitutePlaceholders(std::string strText, const std::string& strParam1,
                                   const std::string& strParam2, const std::string& strParam3);

// The second stage for texts with more than three values: replaces every "#1" by saValues[0],
// then every "#2" by saValues[1], and so on up to "#9"; further values are ignored.
std::string ReplaceNumberedPlaceholders(std::string strText,
                                        const std::vector<std::string>& saValues);
