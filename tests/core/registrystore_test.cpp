#include "core/registrystore.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <climits>

namespace {

const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strStore = QDir(m_folders.Home()).filePath("registry.ini");
        CRegistryStore::SetBaseKey(m_strStore, kBaseKey);
    }
    void TearDown() override { CRegistryStore::SetBaseKey(QString(), QString()); }

    CTestFolders m_folders;
    QString m_strStore;
};

TEST_F(RegistryStoreTest, NumbersRoundTripOverTheWhole32BitRange) {
    const int naValues[] = {0, 1, -1, 2052, 0x00FFFFFF, INT_MAX, INT_MIN};
    for (const int nValue : naValues) {
        SCOPED_TRACE(nValue);
        ASSERT_TRUE(CRegistryStore::WriteNumber("Game", "Standard", nValue));
        EXPECT_EQ(CRegistryStore::ReadNumber("Game", "Standard", 77), nValue);
    }
}

TEST_F(RegistryStoreTest, TextsRoundTripWithCharactersTheFileFormatTreatsSpecially) {
    const QString saValues[] = {
        "",
        "plain",
        "  blanks kept at both ends  ",
        "a, b, c",
        "\"quoted\"",
        "@Variant(not a variant)",
        "line one\r\nline two\nthree",
        "C:\\path\\with\\backslashes",
        "semi;colon = equals [brackets]",
        QString::fromUtf8("世界杯 繁體中文"),
    };
    for (const QString& strValue : saValues) {
        SCOPED_TRACE(strValue.toStdString());
        ASSERT_TRUE(CRegistryStore::WriteText("File", "Last Saved Path - My Favorite", strValue));
        EXPECT_EQ(CRegistryStore::ReadText("File", "Last Saved Path - My Favorite", "default"),
                  strValue);
    }
}

TEST_F(RegistryStoreTest, MissingValuesAndValuesOfTheOtherKindReadAsTheDefault) {
    ASSERT_TRUE(CRegistryStore::WriteNumber("Shell", "LCID", 2052));
    ASSERT_TRUE(CRegistryStore::WriteText("Rank", "Last Name", "12"));
    EXPECT_EQ(CRegistryStore::ReadText("Shell", "LCID", "none"), "none");
    EXPECT_EQ(CRegistryStore::ReadNumber("Rank", "Last Name", -5), -5);
    EXPECT_EQ(CRegistryStore::ReadNumber("Shell", "Missing", 9), 9);
    EXPECT_EQ(CRegistryStore::ReadNumber("Missing", "LCID", 9), 9);
    EXPECT_EQ(CRegistryStore::ReadText("Shell", "Missing", "x"), "x");
    // A value rewritten with the other kind takes that kind.
    ASSERT_TRUE(CRegistryStore::WriteText("Shell", "LCID", "text now"));
    EXPECT_EQ(CRegistryStore::ReadNumber("Shell", "LCID", 1033), 1033);
}

TEST_F(RegistryStoreTest, AddressesAreTrimmedLikeRegistryPaths) {
    ASSERT_TRUE(CRegistryStore::WriteNumber(" \\Rank\\Standard\\\t", "  Score1 \r\n", 40));
    EXPECT_EQ(CRegistryStore::ReadNumber("Rank\\Standard", "Score1", 0), 40);
    EXPECT_EQ(CRegistryStore::ReadNumber("Rank", "Score1", 0), 0);
    // The value name keeps inner blanks and is not trimmed of backslashes.
    ASSERT_TRUE(CRegistryStore::WriteNumber("Training Game", "Data Range Start", 3));
    EXPECT_EQ(CRegistryStore::ReadNumber("Training Game", " Data Range Start ", 0), 3);
    EXPECT_EQ(CRegistryStore::ReadNumber("Training Game", "Data  Range Start", 0), 0);
}

TEST_F(RegistryStoreTest, SlashesAndPercentSignsInNamesDoNotCreateOtherAddresses) {
    struct Case {
        const char* szSubKey;
        const char* szName;
        int nValue;
    };
    const Case cases[] = {
        {"Rank", "a/b", 1},
        {"Rank\\a", "b", 2},
        {"Rank", "a\\b", 3},
        {"Rank", "a%2Fb", 4},
        {"Rank", "a%5Cb", 5},
        {"Rank/a", "b", 6},
        {"File", "Last Saved Title - 50% off", 7},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(CRegistryStore::WriteNumber(c.szSubKey, c.szName, c.nValue));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szSubKey) + " | " + c.szName);
        EXPECT_EQ(CRegistryStore::ReadNumber(c.szSubKey, c.szName, 0), c.nValue);
    }
}

TEST_F(RegistryStoreTest, UnusableAddressesNeitherWriteNorRead) {
    struct Case {
        const char* szSubKey;
        const char* szName;
    };
    const Case cases[] = {{"Game", ""}, {"Game", " \t "}, {"Rank\\\\Standard", "Name1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szSubKey) + " | " + c.szName);
        EXPECT_FALSE(CRegistryStore::WriteNumber(c.szSubKey, c.szName, 1));
        EXPECT_FALSE(CRegistryStore::WriteText(c.szSubKey, c.szName, "x"));
        EXPECT_EQ(CRegistryStore::ReadNumber(c.szSubKey, c.szName, 5), 5);
    }
    // Without a store nothing is written.
    CRegistryStore::SetBaseKey(QString(), kBaseKey);
    EXPECT_FALSE(CRegistryStore::WriteNumber("Game", "JQK", 1));
    EXPECT_EQ(CRegistryStore::ReadNumber("Game", "JQK", 0), 0);
}

TEST_F(RegistryStoreTest, WriteTextKeepsTheFirst511Characters) {
    const QString strLong(600, QChar(u'x'));
    ASSERT_TRUE(CRegistryStore::WriteText("AutoDetect", "Last Try", strLong));
    EXPECT_EQ(CRegistryStore::ReadText("AutoDetect", "Last Try", ""), strLong.left(511));

    // A character outside the basic plane counts once and is never cut in half.
    const QString strEmoji = QString::fromUtf8("\xF0\x9F\x83\x8F"); // a playing card
    const QString strMixed = QString(510, QChar(u'y')) + strEmoji + strEmoji;
    ASSERT_TRUE(CRegistryStore::WriteText("AutoDetect", "Last Try", strMixed));
    EXPECT_EQ(CRegistryStore::ReadText("AutoDetect", "Last Try", ""),
              QString(510, QChar(u'y')) + strEmoji);
}

TEST_F(RegistryStoreTest, ValuesPersistInTheStoreFileUnderTheBaseKey) {
    ASSERT_TRUE(CRegistryStore::WriteNumber("UI", "Enlarged", 1));
    ASSERT_TRUE(CRegistryStore::WriteText("BackGround", "FileName", "back.bmp"));
    const QByteArray content = CTestFolders::ReadFile(m_strStore);
    EXPECT_TRUE(content.contains("Korvane")) << content.constData();
    EXPECT_TRUE(content.contains("Enlarged")) << content.constData();

    // Another base key is another program: it sees nothing of ours.
    CRegistryStore::SetBaseKey(m_strStore, "software\\Korvane\\Tetralyx\\1.4");
    EXPECT_EQ(CRegistryStore::ReadNumber("UI", "Enlarged", 0), 0);
    CRegistryStore::SetBaseKey(m_strStore, kBaseKey);
    EXPECT_EQ(CRegistryStore::ReadNumber("UI", "Enlarged", 0), 1);
    EXPECT_EQ(CRegistryStore::ReadText("BackGround", "FileName", ""), "back.bmp");
}

TEST_F(RegistryStoreTest, DamagedEntriesInTheFileReadAsTheDefault) {
    {
        QSettings settings(m_strStore, QSettings::IniFormat);
        const QString strPrefix = "software/Korvane/Tetralyx/1.3/Damaged/";
        settings.setValue(strPrefix + "untagged", "5");
        settings.setValue(strPrefix + "notHex", "dword:12z4");
        settings.setValue(strPrefix + "tooLong", "dword:123456789");
        settings.setValue(strPrefix + "empty", "dword:");
        settings.setValue(strPrefix + "signed", "dword:-1");
        settings.setValue(strPrefix + "list", QStringList{"dword:1", "dword:2"});
        settings.setValue(strPrefix + "good", "dword:0000000A");
    }
    const char* szaNames[] = {"untagged", "notHex", "tooLong", "empty", "signed", "list"};
    for (const char* szName : szaNames) {
        SCOPED_TRACE(szName);
        EXPECT_EQ(CRegistryStore::ReadNumber("Damaged", szName, 42), 42);
        EXPECT_EQ(CRegistryStore::ReadText("Damaged", szName, "d"), "d");
    }
    EXPECT_EQ(CRegistryStore::ReadNumber("Damaged", "good", 42), 10);
}

TEST_F(RegistryStoreTest, AStoreThatCannotBeWrittenReportsFailure) {
    // A file where the store's folder should be: nothing can be created beneath it.
    const QString strBlocker = QDir(m_folders.Home()).filePath("blocker");
    ASSERT_TRUE(CTestFolders::WriteFile(strBlocker, "x"));
    CRegistryStore::SetBaseKey(strBlocker + "/registry.ini", kBaseKey);
    EXPECT_FALSE(CRegistryStore::WriteNumber("Game", "JQK", 1));
    EXPECT_FALSE(CRegistryStore::WriteText("Rank", "Last Name", "Ann"));
    EXPECT_EQ(CRegistryStore::ReadNumber("Game", "JQK", 0), 0);
}

} // namespace
