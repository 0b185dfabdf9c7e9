#include "core/registrystore.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSettings>

#include <climits>
#include <random>

namespace {

const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strStore = QDir(m_folders.Home()).filePath("registry.ini");
        m_store.SetBaseKey(m_strStore, kBaseKey);
    }

    CTestFolders m_folders;
    QString m_strStore;
    CRegistryStore m_store;
};

TEST_F(RegistryStoreTest, NumbersRoundTripOverTheWhole32BitRange) {
    const int naValues[] = {0, 1, -1, 2052, 0x00FFFFFF, INT_MAX, INT_MIN};
    for (const int nValue : naValues) {
        SCOPED_TRACE(nValue);
        ASSERT_TRUE(m_store.WriteNumber("Game", "Standard", nValue));
        EXPECT_EQ(m_store.ReadNumber("Game", "Standard", 77), nValue);
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
        ASSERT_TRUE(m_store.WriteText("File", "Last Saved Path - My Favorite", strValue));
        EXPECT_EQ(m_store.ReadText("File", "Last Saved Path - My Favorite", "default"), strValue);
    }
}

TEST_F(RegistryStoreTest, MissingValuesAndValuesOfTheOtherKindReadAsTheDefault) {
    ASSERT_TRUE(m_store.WriteNumber("Shell", "LCID", 2052));
    ASSERT_TRUE(m_store.WriteText("Rank", "Last Name", "12"));
    EXPECT_EQ(m_store.ReadText("Shell", "LCID", "none"), "none");
    EXPECT_EQ(m_store.ReadNumber("Rank", "Last Name", -5), -5);
    EXPECT_EQ(m_store.ReadNumber("Shell", "Missing", 9), 9);
    EXPECT_EQ(m_store.ReadNumber("Missing", "LCID", 9), 9);
    EXPECT_EQ(m_store.ReadText("Shell", "Missing", "x"), "x");
    // A value rewritten with the other kind takes that kind.
    ASSERT_TRUE(m_store.WriteText("Shell", "LCID", "text now"));
    EXPECT_EQ(m_store.ReadNumber("Shell", "LCID", 1033), 1033);
}

TEST_F(RegistryStoreTest, AddressesAreTrimmedLikeRegistryPaths) {
    ASSERT_TRUE(m_store.WriteNumber(" \\Rank\\Standard\\\t", "  Score1 \r\n", 40));
    EXPECT_EQ(m_store.ReadNumber("Rank\\Standard", "Score1", 0), 40);
    EXPECT_EQ(m_store.ReadNumber("Rank", "Score1", 0), 0);
    // The value name keeps inner blanks and is not trimmed of backslashes.
    ASSERT_TRUE(m_store.WriteNumber("Training Game", "Data Range Start", 3));
    EXPECT_EQ(m_store.ReadNumber("Training Game", " Data Range Start ", 0), 3);
    EXPECT_EQ(m_store.ReadNumber("Training Game", "Data  Range Start", 0), 0);
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
        ASSERT_TRUE(m_store.WriteNumber(c.szSubKey, c.szName, c.nValue));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szSubKey) + " | " + c.szName);
        EXPECT_EQ(m_store.ReadNumber(c.szSubKey, c.szName, 0), c.nValue);
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
        EXPECT_FALSE(m_store.WriteNumber(c.szSubKey, c.szName, 1));
        EXPECT_FALSE(m_store.WriteText(c.szSubKey, c.szName, "x"));
        EXPECT_EQ(m_store.ReadNumber(c.szSubKey, c.szName, 5), 5);
    }
    // Without a store nothing is written.
    m_store.SetBaseKey(QString(), kBaseKey);
    EXPECT_FALSE(m_store.WriteNumber("Game", "JQK", 1));
    EXPECT_EQ(m_store.ReadNumber("Game", "JQK", 0), 0);
}

TEST_F(RegistryStoreTest, WriteTextKeepsTheFirst511Characters) {
    const QString strLong(600, QChar(u'x'));
    ASSERT_TRUE(m_store.WriteText("AutoDetect", "Last Try", strLong));
    EXPECT_EQ(m_store.ReadText("AutoDetect", "Last Try", ""), strLong.left(511));

    // A character outside the basic plane counts once and is never cut in half.
    const QString strEmoji = QString::fromUtf8("\xF0\x9F\x83\x8F"); // a playing card
    const QString strMixed = QString(510, QChar(u'y')) + strEmoji + strEmoji;
    ASSERT_TRUE(m_store.WriteText("AutoDetect", "Last Try", strMixed));
    EXPECT_EQ(m_store.ReadText("AutoDetect", "Last Try", ""), QString(510, QChar(u'y')) + strEmoji);
}

TEST_F(RegistryStoreTest, ValuesPersistInTheStoreFileUnderTheBaseKey) {
    ASSERT_TRUE(m_store.WriteNumber("UI", "Enlarged", 1));
    ASSERT_TRUE(m_store.WriteText("BackGround", "FileName", "back.bmp"));
    const QByteArray content = CTestFolders::ReadFile(m_strStore);
    EXPECT_TRUE(content.contains("Korvane")) << content.constData();
    EXPECT_TRUE(content.contains("Enlarged")) << content.constData();

    // Another base key is another program: it sees nothing of ours.
    m_store.SetBaseKey(m_strStore, "software\\Korvane\\Tetralyx\\1.4");
    EXPECT_EQ(m_store.ReadNumber("UI", "Enlarged", 0), 0);
    m_store.SetBaseKey(m_strStore, kBaseKey);
    EXPECT_EQ(m_store.ReadNumber("UI", "Enlarged", 0), 1);
    EXPECT_EQ(m_store.ReadText("BackGround", "FileName", ""), "back.bmp");
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
        EXPECT_EQ(m_store.ReadNumber("Damaged", szName, 42), 42);
        EXPECT_EQ(m_store.ReadText("Damaged", szName, "d"), "d");
    }
    EXPECT_EQ(m_store.ReadNumber("Damaged", "good", 42), 10);
}

TEST_F(RegistryStoreTest, AStoreThatCannotBeWrittenReportsFailure) {
    // A file where the store's folder should be: nothing can be created beneath it.
    const QString strBlocker = QDir(m_folders.Home()).filePath("blocker");
    ASSERT_TRUE(CTestFolders::WriteFile(strBlocker, "x"));
    m_store.SetBaseKey(strBlocker + "/registry.ini", kBaseKey);
    EXPECT_FALSE(m_store.WriteNumber("Game", "JQK", 1));
    EXPECT_FALSE(m_store.WriteText("Rank", "Last Name", "Ann"));
    EXPECT_EQ(m_store.ReadNumber("Game", "JQK", 0), 0);
}

// A writer killed while taking the store's lock leaves a lock file that names no process, or
// one that is gone; the next write takes it over instead of failing or waiting half a minute.
TEST_F(RegistryStoreTest, ALockLeftByAKilledWriterIsTakenOver) {
    const QString strLock = m_strStore + ".lock";
    const struct {
        const char* szWhat;
        QByteArray baLock;
    } cases[] = {
        {"an empty lock", QByteArray()},
        {"a lock of a process that is gone", "999999999\ntetralyx\nnohost\n"},
        {"a lock of garbage", "\xff\xfe\x01"},
    };
    int nValue = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szWhat);
        ASSERT_TRUE(CTestFolders::WriteFile(strLock, c.baLock));
        // Two seconds old: older than any real write takes, far younger than half a minute.
        QFile lock(strLock);
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-2),
                                     QFileDevice::FileModificationTime));
        lock.close();
        EXPECT_TRUE(m_store.WriteNumber("Game", "Count", ++nValue));
        EXPECT_EQ(m_store.ReadNumber("Game", "Count", 0), nValue);
        EXPECT_FALSE(QFile::exists(strLock));
    }
}

// A writer killed in the middle leaves its scratch files; the next write clears them and
// nothing else beside the store.
TEST_F(RegistryStoreTest, AWriteClearsTheScratchFilesOfAKilledWriter) {
    const char* const szaLeft[] = {"registry.ini.scratch-a1B2c3",
                                   "registry.ini.scratch-a1B2c3.lock"};
    const char* const szaKept[] = {"registry.ini.bad", "registry.ini.backup",
                                   "registry.ini.scratch-1", "other.ini.scratch-a1B2c3"};
    const QDir folder(m_folders.Home());
    for (const char* szName : szaLeft)
        ASSERT_TRUE(CTestFolders::WriteFile(folder.filePath(szName), "left"));
    for (const char* szName : szaKept)
        ASSERT_TRUE(CTestFolders::WriteFile(folder.filePath(szName), "kept"));
    EXPECT_TRUE(m_store.WriteNumber("Game", "Count", 1));
    QStringList saExpected = {"registry.ini"};
    for (const char* szName : szaKept)
        saExpected.append(szName);
    saExpected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), saExpected);
}

// Random bytes in the store, small and far larger than any real one: what the store
// understands survives, the rest goes on the next write, the damaged file is kept once.
TEST_F(RegistryStoreTest, GarbageIsDroppedOnTheNextWriteAndKeptOnceAside) {
    const QString strText = QString::fromUtf8("玩家 \"one\"; two, 3%");
    for (const qsizetype nGarbage : {qsizetype(4 * 1024), qsizetype(5 * 1024 * 1024)}) {
        SCOPED_TRACE(nGarbage);
        QFile::remove(m_strStore);
        QFile::remove(CRegistryStore::GetDamagedCopyPath(m_strStore));
        {
            CRegistryStore writer(m_strStore, kBaseKey);
            ASSERT_TRUE(writer.WriteNumber("Shell", "LCID", 2052));
            ASSERT_TRUE(writer.WriteText("Rank\\Standard", "Name1", strText));
        }
        std::mt19937 random(static_cast<unsigned>(nGarbage));
        auto garbage = [&] {
            QByteArray baBytes(nGarbage, Qt::Uninitialized);
            for (char& c : baBytes)
                c = static_cast<char>(random() & 0xFF);
            return baBytes;
        };
        const QByteArray baDamaged =
            garbage() + "\r\n" + CTestFolders::ReadFile(m_strStore) + "\r\n" + garbage();
        ASSERT_TRUE(CTestFolders::WriteFile(m_strStore, baDamaged));

        CRegistryStore store(m_strStore, kBaseKey);
        EXPECT_EQ(store.ReadNumber("Shell", "LCID", 0), 2052);
        EXPECT_EQ(store.ReadText("Rank\\Standard", "Name1", ""), strText);
        EXPECT_FALSE(QFileInfo::exists(CRegistryStore::GetDamagedCopyPath(m_strStore)));

        ASSERT_TRUE(store.WriteNumber("Game", "JQK", 1));
        const QByteArray baCleaned = CTestFolders::ReadFile(m_strStore);
        EXPECT_LT(baCleaned.size(), 1024);
        EXPECT_EQ(CTestFolders::ReadFile(CRegistryStore::GetDamagedCopyPath(m_strStore)),
                  baDamaged);
        ASSERT_TRUE(store.WriteNumber("Game", "JQK", 0));
        EXPECT_LE(CTestFolders::ReadFile(m_strStore).size(), baCleaned.size());
        EXPECT_EQ(CTestFolders::ReadFile(CRegistryStore::GetDamagedCopyPath(m_strStore)),
                  baDamaged);

        CRegistryStore again(m_strStore, kBaseKey);
        EXPECT_EQ(again.ReadNumber("Shell", "LCID", 0), 2052);
        EXPECT_EQ(again.ReadText("Rank\\Standard", "Name1", ""), strText);
        EXPECT_EQ(again.ReadNumber("Game", "JQK", 9), 0);
    }
}

// Lines the store could have written stay; anything else is not its own.
TEST_F(RegistryStoreTest, OnlyLinesOfKnownKindAreUnderstood) {
    const QByteArray baFile = "[software]\r\n"
                              "Korvane\\Tetralyx\\1.3\\Game\\A=dword:00000001\r\n"
                              "Korvane\\Tetralyx\\1.3\\Game\\B=5\r\n"
                              "Korvane\\Tetralyx\\1.3\\Game\\C=sz:text\r\n"
                              "; a comment\r\n"
                              "Korvane\\Tetralyx\\1.3\\Game\\D=\"sz:a, b\"\r\n"
                              "[empty]\r\n";
    ASSERT_TRUE(CTestFolders::WriteFile(m_strStore, baFile));
    EXPECT_EQ(m_store.ReadNumber("Game", "A", 0), 1);
    EXPECT_EQ(m_store.ReadText("Game", "C", ""), "text");
    EXPECT_EQ(m_store.ReadText("Game", "D", ""), "a, b");
    ASSERT_TRUE(m_store.WriteNumber("Game", "E", 2));
    const QByteArray baAfter = CTestFolders::ReadFile(m_strStore);
    EXPECT_FALSE(baAfter.contains("B=5")) << baAfter.constData();
    EXPECT_FALSE(baAfter.contains("comment")) << baAfter.constData();
    EXPECT_FALSE(baAfter.contains("[empty]")) << baAfter.constData();
    EXPECT_EQ(m_store.ReadText("Game", "D", ""), "a, b");
    EXPECT_EQ(CTestFolders::ReadFile(CRegistryStore::GetDamagedCopyPath(m_strStore)), baFile);
}

} // namespace
