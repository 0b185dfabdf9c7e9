#include "core/stringtable.h"

#include "core/language.h"

std::string GetLocalizedText(std::uint32_t nId, const std::string& strParam1,
                             const std::string& strParam2, const std::string& strParam3,
                             int nColumn) {
    if (nColumn == kColumnCurrentLanguage) nColumn = GetColumnForLanguage(GetLanguageId());
    return GetTextInColumn(nId, nColumn, strParam1, strParam2, strParam3);
}
