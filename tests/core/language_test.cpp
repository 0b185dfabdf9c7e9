// The current language decides the text column, the font character set, the character set
// the engine accepts in typed answers and the product and company names; switching it from
// the Tools menu stores the choice at once.
#include "core/language.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"
#include "engine/enginestate.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class Language : public testing::Test {
protected:
    void SetUp() override { SetLanguageId(kLanguageEnglish); }
    void TearDown() override { SetLanguageId(kLanguageEnglish); }
    int Stored() const { return m_store.ReadNumber("Shell", "LCID", 0); }

    QTemporaryDir m_folder;
    CRegistryStore m_store{m_folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3"};
};

TEST_F(Language, SetLanguageIdKeepsOnlyTheThreeLanguages) {
    struct Case {
        std::uint32_t nRequested;
        std::uint32_t nExpected;
        int nCharset;
        InterfaceCharset engineCharset;
        const char* szCompany;
    };
    const Case kCases[] = {
        {2052, 2052, 134, InterfaceCharset::GB2312, "Korvane 工作室"},
        {1028, 1028, 136, InterfaceCharset::Big5, "Korvane 工作室"},
        {1033, 1033, 0, InterfaceCharset::None, "Korvane Studio"},
        {1041, 1033, 0, InterfaceCharset::None, "Korvane Studio"}, // Japanese starts in English
        {3076, 1033, 0, InterfaceCharset::None, "Korvane Studio"},
        {0, 1033, 0, InterfaceCharset::None, "Korvane Studio"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.nRequested);
        SetLanguageId(kLanguageTraditionalChinese); // start from something else
        SetLanguageId(c.nRequested);
        EXPECT_EQ(c.nExpected, GetLanguageId());
        EXPECT_EQ(c.nCharset, GetFontCharset());
        EXPECT_EQ(c.engineCharset, GetInterfaceCharset());
        EXPECT_EQ(c.szCompany, GetCompanyName());
        EXPECT_EQ("Tetralyx", GetProductName());
    }
}

TEST_F(Language, CodePagesOfTheLanguages) {
    struct Case {
        std::uint32_t nLanguageId;
        unsigned nCodePage;
        int nCharset;
    };
    const Case kCases[] = {{1033, 1252, 0}, {2052, 936, 134}, {1028, 950, 136}, {1041, 1252, 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.nLanguageId);
        const LanguageCodePage entry = GetLanguageCodePage(c.nLanguageId);
        EXPECT_EQ(c.nCodePage, entry.nCodePage);
        EXPECT_EQ(c.nCharset, entry.nCharset);
    }
}

// The three Tools menu commands pass these names.
TEST_F(Language, SelectLanguageSwitchesAndStoresAtOnce) {
    struct Case {
        const char* szName;
        std::uint32_t nLanguageId;
        const char* szNone; // IDS_KVT_NONE in the new language
    };
    const Case kCases[] = {
        {"Chinese,Simplified (简体中文)", 2052, "无"},
        {"Chinese,Traditional (繁體中文)", 1028, "無"},
        {"English", 1033, "None"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(kLanguageSwitched, SelectLanguage(c.szName, &m_store));
        EXPECT_EQ(c.nLanguageId, GetLanguageId());
        EXPECT_EQ(c.szNone, GetLocalizedText(IDS_KVT_NONE));
        EXPECT_EQ(static_cast<int>(c.nLanguageId), Stored());
    }
}

TEST_F(Language, SelectingTheCurrentOrAnUnknownLanguageStoresNothing) {
    ASSERT_TRUE(m_store.WriteNumber("Shell", "LCID", 7));
    EXPECT_EQ(kLanguageUnchanged, SelectLanguage("English", &m_store));
    EXPECT_EQ(7, Stored());
    EXPECT_EQ(kLanguageSwitched, SelectLanguage("Chinese,Traditional (繁體中文)", &m_store));
    ASSERT_TRUE(m_store.WriteNumber("Shell", "LCID", 7));
    EXPECT_EQ(kLanguageUnchanged, SelectLanguage("Chinese,Traditional (繁體中文)", &m_store));
    EXPECT_EQ(7, Stored());
    EXPECT_EQ(kLanguageTraditionalChinese, GetLanguageId());

    SetLanguageId(kLanguageSimplifiedChinese);
    for (const char* szName : {"english", "English ", "Chinese, Simplified (简体中文)", "0409",
                               "Chinese,Traditional", "", "Japanese"}) {
        SCOPED_TRACE(szName);
        EXPECT_EQ(kLanguageUnknown, SelectLanguage(szName, &m_store));
        EXPECT_EQ(kLanguageSimplifiedChinese, GetLanguageId());
        EXPECT_EQ(kCharsetGB2312, GetFontCharset());
    }
    EXPECT_EQ(7, Stored());
}

TEST_F(Language, SwitchingWorksWithoutAStore) {
    EXPECT_EQ(kLanguageSwitched, SelectLanguage("Chinese,Simplified (简体中文)", nullptr));
    EXPECT_EQ(kLanguageSimplifiedChinese, GetLanguageId());
}

} // namespace
