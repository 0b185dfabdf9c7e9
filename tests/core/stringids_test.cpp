// Code and tests name texts by the constants of core/stringids.h, so each constant must be the
// key of the row it looks up, and every row with a key must have its constant.
#include "core/stringids.h"
#include "core/stringtable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct IdName {
    std::string strName;
    std::uint32_t nId = 0;
};

// The constants as the header declares them, read from its source so that the names
// themselves can be compared with the keys.
std::vector<IdName> ReadIdHeader() {
    std::ifstream file(TETRALYX_SOURCE_DIR "/core/stringids.h");
    std::stringstream text;
    text << file.rdbuf();
    const std::string strHeader = text.str();
    std::vector<IdName> names;
    // Parsed by hand: GCC 12 warns inside <regex> under the sanitizers.
    const std::string strLead = "inline constexpr std::uint32_t ";
    for (std::size_t n = strHeader.find(strLead); n != std::string::npos;
         n = strHeader.find(strLead, n + 1)) {
        std::istringstream declaration(strHeader.substr(n + strLead.size(), 120));
        std::string strName, strEquals, strValue;
        declaration >> strName >> strEquals >> strValue;
        if (strEquals != "=" || strValue.size() < 2 || strValue.back() != ';') continue;
        strValue.pop_back();
        if (strValue.find_first_not_of("0123456789") != std::string::npos) continue;
        names.push_back({strName, static_cast<std::uint32_t>(std::stoul(strValue))});
    }
    // A constant written any other way would escape the comparison below.
    std::size_t nConstexpr = 0;
    for (std::size_t n = strHeader.find("constexpr"); n != std::string::npos;
         n = strHeader.find("constexpr", n + 1))
        ++nConstexpr;
    EXPECT_EQ(nConstexpr, names.size()) << "a constant in core/stringids.h is not of the form "
                                           "'inline constexpr std::uint32_t KEY = id;'";
    return names;
}

std::span<const StringRecord> RowsWithoutTerminator() {
    return GetStringTable().first(static_cast<std::size_t>(CountStringRecords()) - 1);
}

TEST(StringIds, EveryNameIsTheKeyOfTheRowItLooksUp) {
    const std::vector<IdName> names = ReadIdHeader();
    ASSERT_FALSE(names.empty()) << "core/stringids.h not found or empty";
    std::set<std::string> seen;
    for (const IdName& name : names) {
        SCOPED_TRACE(name.strName);
        EXPECT_TRUE(seen.insert(name.strName).second) << "declared twice";
        // A lookup reads the first row with the id.
        const StringRecord* pRow = nullptr;
        for (const StringRecord& row : RowsWithoutTerminator()) {
            if (row.nId == name.nId) {
                pRow = &row;
                break;
            }
        }
        if (pRow == nullptr)
            ADD_FAILURE() << "no row has the id " << name.nId;
        else
            EXPECT_STREQ(name.strName.c_str(), pRow->szKey);
    }
}

TEST(StringIds, EveryRowHasAnIdOfItsOwnAndAName) {
    std::map<std::string, std::uint32_t> idOfName;
    for (const IdName& name : ReadIdHeader())
        idOfName[name.strName] = name.nId;
    std::set<std::uint32_t> ids;
    for (const StringRecord& row : RowsWithoutTerminator()) {
        SCOPED_TRACE(row.szKey);
        EXPECT_TRUE(ids.insert(row.nId).second) << "a second row with the id " << row.nId;
        const auto it = idOfName.find(row.szKey);
        if (it == idOfName.end())
            ADD_FAILURE() << "no constant in core/stringids.h";
        else
            EXPECT_EQ(row.nId, it->second);
    }
}

// The category is the key's second word; the Info rows are the three Shell_ rows.
TEST(StringIds, CategoriesFollowTheKeysAndAddUp) {
    const std::map<std::string, std::string> categoryOfPrefix = {
        {"Shell_", "Info"},      {"IDS_KVT_", "KVT"},   {"IDS_DIALOG_", "Dialog"},
        {"IDS_ERROR_", "Error"}, {"IDS_MENU_", "Menu"}, {"IDS_TIP_", "Tip"},
    };
    std::map<std::string, int> counts;
    for (const StringRecord& row : RowsWithoutTerminator()) {
        SCOPED_TRACE(row.szKey);
        std::string strExpected;
        for (const auto& [strPrefix, strCategory] : categoryOfPrefix) {
            if (std::strncmp(row.szKey, strPrefix.c_str(), strPrefix.size()) == 0)
                strExpected = strCategory;
        }
        EXPECT_EQ(strExpected, row.szCategory);
        ++counts[row.szCategory];
    }
    const std::map<std::string, int> expected = {{"Info", 3},   {"KVT", 29},  {"Dialog", 191},
                                                 {"Error", 15}, {"Menu", 28}, {"Tip", 38}};
    EXPECT_EQ(expected, counts);
}

} // namespace
