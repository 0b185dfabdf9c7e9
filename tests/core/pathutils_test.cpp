#include "core/pathutils.h"

#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PathUtilsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir(m_folder.path()).mkdir("sub"));
        ASSERT_TRUE(WriteWholeFile(PathOf("file.txt"), "x"));
        ASSERT_TRUE(QFile::link(PathOf("nowhere"), PathOf("dangling")));
    }
    QString PathOf(const char* szName) const { return m_folder.filePath(szName); }
    QStringList Entries() const {
        return QDir(m_folder.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_folder;
};

TEST_F(PathUtilsTest, ExistenceAndFolders) {
    const struct {
        QString strPath;
        bool bExists, bFolder, bUsable;
    } cases[] = {
        {"/", true, true, true},
        {PathOf("sub"), true, true, true},
        {PathOf("sub/"), true, true, true},
        {PathOf("sub//"), true, true, true},
        {PathOf("file.txt"), true, false, true},
        {PathOf("file.txt/"), true, false, true},
        {PathOf("new.txt"), false, false, true},
        {PathOf("new.txt/"), false, false, false},
        {PathOf("missing/new.txt"), false, false, false},
        {PathOf("file.txt/new.txt"), false, false, false},
        {PathOf("dangling"), false, false, false},
        {"", false, false, false},
    };
    const QStringList saBefore = Entries();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strPath.toStdString());
        EXPECT_EQ(PathExists(c.strPath), c.bExists);
        EXPECT_EQ(IsFolder(c.strPath), c.bFolder);
        EXPECT_EQ(IsUsablePath(c.strPath), c.bUsable);
    }
    // The probes of IsUsablePath leave nothing behind, and the dangling link stays as it is.
    EXPECT_EQ(Entries(), saBefore);
    EXPECT_FALSE(QFileInfo::exists(PathOf("nowhere")));
    EXPECT_EQ(ReadWholeFile(PathOf("file.txt")), "x");
}

TEST_F(PathUtilsTest, FolderPart) {
    const std::pair<QString, QString> cases[] = {
        {PathOf("sub"), PathOf("sub")},
        {PathOf("sub/"), PathOf("sub/")},
        {PathOf("file.txt"), m_folder.path()},
        {PathOf("sub/not yet.ini"), PathOf("sub")},
        {"/", "/"},
        {"/top.ini", "/"},
        {"name.ini", ""},
        {"", ""},
    };
    for (const auto& [strPath, strFolder] : cases) {
        SCOPED_TRACE(strPath.toStdString());
        EXPECT_EQ(GetFolderPart(strPath), strFolder);
    }
}

TEST(PathUtils, ModulePathNamesThisExecutable) {
    const QString strExecutable = QFileInfo("/proc/self/exe").canonicalFilePath();
    ASSERT_FALSE(strExecutable.isEmpty());
    EXPECT_EQ(GetModulePath(1), strExecutable);
    EXPECT_EQ(GetModulePath(2), QFileInfo(strExecutable).absolutePath());
    EXPECT_TRUE(GetModulePath(2).endsWith("/tests/core"));
    EXPECT_EQ(GetModulePath(0), "");
    EXPECT_EQ(GetModulePath(3), "");
}

TEST(PathUtils, UserFolderFollowsTheEnvironment) {
    const struct {
        const char* szHome;
        const char* szConfig;
        const char* szExpected;
    } cases[] = {
        {"/data/tetralyx/", "/cfg", "/data/tetralyx"},
        {nullptr, "/cfg/", "/cfg/tetralyx"},
        {"", "/", "/tetralyx"},
        {nullptr, "relative/cfg", "/home/player/.config/tetralyx"},
        {nullptr, nullptr, "/home/player/.config/tetralyx"},
    };
    const ScopedEnv home("HOME", "/home/player");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szExpected);
        const ScopedEnv tetralyxHome("TETRALYX_HOME", c.szHome, c.szHome != nullptr);
        const ScopedEnv configHome("XDG_CONFIG_HOME", c.szConfig, c.szConfig != nullptr);
        EXPECT_EQ(GetUserFolder(), c.szExpected);
    }
}

} // namespace
