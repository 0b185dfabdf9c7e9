// The interface language of the running program: its language identifier, the font character
// set and code page that go with it, the product and company names in it, and the three
// languages the Tools menu offers. The application object owns this state; it lives here so
// that every string-table lookup can read it without reaching for the application.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class CRegistryStore;

constexpr std::uint32_t kLanguageEnglish = 1033;            // 0x0409
constexpr std::uint32_t kLanguageSimplifiedChinese = 2052;  // 0x0804
constexpr std::uint32_t kLanguageTraditionalChinese = 1028; // 0x0404

// Font character sets.
constexpr int kCharsetAnsi = 0;
constexpr int kCharsetGB2312 = 134;
constexpr int kCharsetBig5 = 136;

struct LanguageCodePage {
    std::uint32_t nLanguageId;
    unsigned nCodePage;
    int nCharset;
};

// The code page and font character set of a language identifier; identifiers the table does
// not know get the Western code page and the ANSI character set.
LanguageCodePage GetLanguageCodePage(std::uint32_t nLanguageId);

std::uint32_t GetLanguageId();
int GetFontCharset();
const std::string& GetProductName(); // IDS_KVT_PRODUCT in the current language
const std::string& GetCompanyName(); // IDS_KVT_COMPANY in the current language

// Makes a language current. 2052 and 1028 are taken over, any other value becomes English
// (1033), so a stored identifier of an unsupported language starts the program in English.
// Also sets the font character set, the engine's interface character set and the product and
// company names. Stores nothing.
void SetLanguageId(std::uint32_t nLanguageId);

// The languages of the Tools menu, index 0 English, 1 Simplified and 2 Traditional Chinese:
// the names that the menu commands pass to SelectLanguage and their identifiers as
// hexadecimal text.
const std::array<std::string, 3>& GetLanguageNames();
const std::array<std::string, 3>& GetLanguageIdentifiers();

// Results of SelectLanguage.
constexpr int kLanguageUnknown = -1;  // the name is not in the list; nothing changed
constexpr int kLanguageUnchanged = 0; // already the current language
constexpr int kLanguageSwitched = 1;  // switched and stored

// Switches to the language of that name (exact, case-sensitive) and stores the choice at once
// under "Shell"/"LCID" (pStore may be null: nothing is stored). The window is relabelled by
// the caller after kLanguageUnchanged as well as after kLanguageSwitched. Built with the
// registry store into the program, not into the plain library the command line shares.
int SelectLanguage(const std::string& strName, CRegistryStore* pStore);
