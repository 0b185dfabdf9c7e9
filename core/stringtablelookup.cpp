// The table-only half of the string table: no current language, so tools without the
// application can read it too.
#include "core/stringtable.h"

#include "core/language.h"
#include "engine/textlines.h"

namespace {

const char* SelectColumn(const StringRecord& record, int nColumn) {
    switch (nColumn) {
    case kColumnEnglish:
        return record.szEnglish;
    case kColumnSimplifiedChinese:
        return record.szSimplifiedChinese;
    default:
        return record.szTraditionalChinese;
    }
}

} // namespace

int CountStringRecords() {
    int nCount = 0;
    for (const StringRecord& record : GetStringTable()) {
        ++nCount;
        if (record.nId == 0) break;
    }
    return nCount;
}

int GetColumnForLanguage(std::uint32_t nLanguageId) {
    switch (nLanguageId) {
    case kLanguageEnglish:
        return kColumnEnglish;
    case kLanguageSimplifiedChinese:
        return kColumnSimplifiedChinese;
    case kLanguageTraditionalChinese:
        return kColumnTraditionalChinese;
    default:
        return kColumnCurrentLanguage;
    }
}

std::string GetTextInColumn(std::uint32_t nId, int nColumn, const std::string& strParam1,
                            const std::string& strParam2, const std::string& strParam3) {
    static const int nRowCount = CountStringRecords();
    const std::span<const StringRecord> table = GetStringTable();
    for (int i = 0; i < nRowCount; ++i) {
        if (table[i].nId == nId)
            return SubstitutePlaceholders(SelectColumn(table[i], nColumn), strParam1, strParam2,
                                          strParam3);
    }
    return {};
}

std::string SubstitutePlaceholders(std::string strText, const std::string& strParam1,
                                   const std::string& strParam2, const std::string& strParam3) {
    if (ReplaceAll(strText, "%1", strParam1) && ReplaceAll(strText, "%2", strParam2))
        ReplaceAll(strText, "%3", strParam3);
    return strText;
}

std::string ReplaceNumberedPlaceholders(std::string strText,
                                        const std::vector<std::string>& saValues) {
    // "#10" would be caught by "#1", so only nine values can have a placeholder.
    for (std::size_t i = 0; i < saValues.size() && i < 9; ++i)
        ReplaceAll(strText, std::string{'#', static_cast<char>('1' + i)}, saValues[i]);
    return strText;
}
