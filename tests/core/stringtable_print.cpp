// stringtable-print: shows rows of the string table in all three languages, one below the
// other, so that the translations can be read side by side. Line breaks and tabs inside a
// text are shown as \r\n and \t.
//
//   stringtable-print 40097            the row with this id
//   stringtable-print IDS_TIP_         every row whose key begins with this text
//   stringtable-print --all            the whole table
#include "core/stringtable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Visible(const char* szText) {
    std::string strOut;
    for (const char* p = szText; *p; ++p) {
        if (*p == '\r')
            strOut += "\\r";
        else if (*p == '\n')
            strOut += "\\n";
        else if (*p == '\t')
            strOut += "\\t";
        else
            strOut += *p;
    }
    return strOut;
}

void PrintRow(const StringRecord& record) {
    std::printf("%u  %s  (%s)\n", static_cast<unsigned>(record.nId), record.szKey,
                record.szCategory);
    std::printf("  en     %s\n", Visible(record.szEnglish).c_str());
    std::printf("  zh-CN  %s\n", Visible(record.szSimplifiedChinese).c_str());
    std::printf("  zh-TW  %s\n\n", Visible(record.szTraditionalChinese).c_str());
}

bool IsNumber(const char* szText) {
    if (!*szText) return false;
    for (const char* p = szText; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
    }
    return std::strlen(szText) <= 10;
}

// Prints the rows the argument names; false when there is none.
bool PrintMatching(const char* szArgument) {
    const std::span<const StringRecord> rows =
        GetStringTable().first(static_cast<std::size_t>(CountStringRecords()) - 1);
    const bool bAll = std::strcmp(szArgument, "--all") == 0;
    const bool bId = IsNumber(szArgument);
    const unsigned long nId = bId ? std::strtoul(szArgument, nullptr, 10) : 0;
    bool bFound = false;
    for (const StringRecord& record : rows) {
        const bool bMatch =
            bAll || (bId ? record.nId == nId
                         : std::strncmp(record.szKey, szArgument, std::strlen(szArgument)) == 0);
        if (!bMatch) continue;
        PrintRow(record);
        bFound = true;
    }
    return bFound;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::fputs("usage: stringtable-print ID|KEY-PREFIX|--all ...\n",
                   argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    int nExit = 0;
    for (int i = 1; i < argc; ++i) {
        if (!PrintMatching(argv[i])) {
            std::fprintf(stderr, "stringtable-print: no row matches '%s'\n", argv[i]);
            nExit = 2;
        }
    }
    return nExit;
}
