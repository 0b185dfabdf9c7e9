// Saving must never cost the user the file already on disk: these tests make the write
// fail in ways that also fail for root (who ignores permission bits).
#include "core/configfile.h"

#include "core/localizedtext.h"
#include "core/stringids.h"
#include "testenvironment.h"
#include "tests/support/fakeservices.h"
#include "tests/support/plain/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class ConfigSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(m_config.WriteString("S", "k", "new value"));
    }
    // The messages the player saw, and the message for a file that cannot be written.
    QStringList Reported() const {
        QStringList saShown;
        for (const MessageRequest& request : m_messages.m_requests)
            saShown.append(request.strMessage);
        return saShown;
    }
    static QStringList CannotWrite(const QString& strPath) {
        return {LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath)};
    }
    bool Save(const QString& strPath) { return m_config.Save(strPath, &m_messages); }

    QString PathOf(const QString& strName) const { return m_folder.filePath(strName); }
    QStringList FolderEntries(const QString& strFolder) const {
        return QDir(strFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                         QDir::Name);
    }

    QTemporaryDir m_folder;
    CConfigFile m_config;
    FakeMessagePresenter m_messages;
};

TEST_F(ConfigSaveTest, SaveCreatesFoldersAndReplacesTheFileWhole) {
    const QString strPath = PathOf("a/b/c.ini");
    ASSERT_TRUE(Save(strPath));
    EXPECT_EQ(ReadWholeFile(strPath), "[S]\r\nk = new value\r\n");

    // A second save replaces the content and keeps the file's permissions.
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(strPath, permissions));
    ASSERT_TRUE(m_config.WriteString("S", "k", "second"));
    ASSERT_TRUE(Save(strPath));
    EXPECT_EQ(ReadWholeFile(strPath), "[S]\r\nk = second\r\n");
    const auto modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFile::permissions(strPath) & modeBits, permissions);
    EXPECT_EQ(FolderEntries(PathOf("a/b")), QStringList{"c.ini"});
    EXPECT_TRUE(Reported().isEmpty());
}

TEST_F(ConfigSaveTest, FailuresAreReportedOnceAndChangeNothing) {
    ASSERT_TRUE(WriteWholeFile(PathOf("plain.txt"), "keep me"));
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("folder"));
    const struct {
        const char* szWhat;
        QString strPath;
    } cases[] = {
        {"the folder is a file", PathOf("plain.txt/c.ini")},
        {"the path is a folder", PathOf("folder")},
        {"no path", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szWhat);
        m_messages.m_requests.clear();
        const std::vector<std::string> saBefore = m_config.GetLines();
        EXPECT_FALSE(Save(c.strPath));
        EXPECT_EQ(Reported(), CannotWrite(c.strPath));
        EXPECT_EQ(m_config.GetLines(), saBefore);
    }
    EXPECT_EQ(ReadWholeFile(PathOf("plain.txt")), "keep me");
    EXPECT_TRUE(FolderEntries(PathOf("folder")).isEmpty());
    EXPECT_EQ(FolderEntries(m_folder.path()), (QStringList{"folder", "plain.txt"}));
}

TEST_F(ConfigSaveTest, AWriteThatFailsHalfwayKeepsTheOldFile) {
    const QString strPath = PathOf("music.ini");
    const QByteArray baOld = "[S]\r\nk = old value\r\n";
    ASSERT_TRUE(WriteWholeFile(strPath, baOld));
    ASSERT_TRUE(m_config.WriteString("S", "big", QString(100000, QLatin1Char('x'))));
    bool bSaved = true;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.IsActive());
        bSaved = Save(strPath);
    }
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(Reported(), CannotWrite(strPath));
    EXPECT_EQ(ReadWholeFile(strPath), baOld);
    EXPECT_EQ(FolderEntries(m_folder.path()), QStringList{"music.ini"});

    // Once the disk has room again the same document saves.
    m_messages.m_requests.clear();
    EXPECT_TRUE(Save(strPath));
    EXPECT_GT(ReadWholeFile(strPath).size(), 100000);
    EXPECT_TRUE(Reported().isEmpty());
}

TEST_F(ConfigSaveTest, AReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    const QString strPath = PathOf("ro/cmf.ini");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("ro"));
    ASSERT_TRUE(WriteWholeFile(strPath, "old"));
    ASSERT_TRUE(
        QFile::setPermissions(PathOf("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool bSaved = Save(strPath);
    QFile::setPermissions(PathOf("ro"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(Reported(), CannotWrite(strPath));
    EXPECT_EQ(ReadWholeFile(strPath), "old");
}

} // namespace
