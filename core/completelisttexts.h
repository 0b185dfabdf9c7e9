// The string-table side of the complete list: the texts of the page, the language letter of
// its file name and the folder of its template, for one string-table column. Needs no
// current language, so tetralyx-cli writes the same page as the dialog.
#pragma once

#include "engine/completelist.h"

#include <string>

// IDS_KVT_STANDARD, IDS_KVT_HERO, IDS_KVT_WIZARD or IDS_KVT_HOLY_WAR in that column.
std::string GetCompleteListLevelName(const CompleteListOptions& options, int nColumn);

CompleteListTexts GetCompleteListTexts(const CompleteListOptions& options, int nColumn);

// 'e', 's' or 't'.
char GetCompleteListLanguageLetter(int nColumn);

// "english", "gb2312" or "big5": where the template of the column's language sits below doc/.
const char* GetCompleteListLanguageFolder(int nColumn);
