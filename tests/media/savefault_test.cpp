// Every writer of the program against the faults a player's disk can have: the save fails,
// the player reads which file it was, and the file already there stays as it was. The faults
// are ones that bind root too: a full disk (a file-size limit) and a folder that is a file.
#include "core/collection.h"
#include "core/collectionexport.h"
#include "core/configfile.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"
#include "core/textfilewriter.h"
#include "media/musicsettings.h"
#include "tests/support/fakeservices.h"
#include "tests/support/plain/filesizelimit.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include <functional>

namespace {

const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");
const QString kLong(100000, QLatin1Char('x'));

struct Writer {
    const char* szName;
    const char* szFile;
    // Puts a real file of the writer's kind at strPath, as an earlier save would have.
    std::function<void(const QString& strPath)> prepare;
    // Saves far more than the old file holds; true when the writer reports success.
    std::function<bool(const QString& strPath, IMessagePresenter& messages)> save;
    // What the player is told when strPath cannot be written: the disk is full, or a file
    // stands where its folder should be.
    std::function<QStringList(const QString& strPath)> message;
    std::function<QStringList(const QString& strPath)> blocked;
};

QStringList CannotWrite(const QString& strPath) {
    return {LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath)};
}

Collection ListWithNote(const QString& strNote) {
    Collection list;
    list.m_items.push_back({QStringLiteral("1 2 3 4"), strNote});
    return list;
}

CMusicPaths MusicPaths(const QString& strPath) {
    return {QStringLiteral("/nonexistent/app"), strPath, QString()};
}

const Writer kaWriters[] = {
    {"settings file", "any.ini",
     [](const QString& strPath) {
         CConfigFile file;
         file.WriteString("S", "k", "old");
         file.Save(strPath);
     },
     [](const QString& strPath, IMessagePresenter& messages) {
         CConfigFile file;
         file.WriteString("S", "k", kLong);
         return file.Save(strPath, &messages);
     },
     CannotWrite, CannotWrite},
    {"collection", "ctm.ini",
     [](const QString& strPath) {
         Collection list = ListWithNote("old");
         SaveCollection(list, strPath, false, nullptr);
     },
     [](const QString& strPath, IMessagePresenter& messages) {
         Collection list = ListWithNote(kLong);
         return SaveCollection(list, strPath, false, &messages);
     },
     CannotWrite, CannotWrite},
    {"music.ini", "music.ini",
     [](const QString& strPath) { SaveMusicSettings(CMusicSettings(), MusicPaths(strPath)); },
     [](const QString& strPath, IMessagePresenter& messages) {
         CMusicSettings settings;
         settings.m_aSlots[0].m_strPath = "/" + kLong;
         return SaveMusicSettings(settings, MusicPaths(strPath), &messages);
     },
     CannotWrite, CannotWrite},
    {"collection export", "export.txt",
     [](const QString& strPath) { CTestFolders::WriteFile(strPath, "old export"); },
     [](const QString& strPath, IMessagePresenter& messages) {
         // The overwrite question is answered yes.
         FakeMessagePresenter& fake = static_cast<FakeMessagePresenter&>(messages);
         fake.Script(KV_IDYES);
         return ExportCollection(ListWithNote(kLong), {"title", QString(), strPath, true, false},
                                 messages) == kWriteTextWritten;
     },
     [](const QString& strPath) {
         QStringList saShown;
         if (QFileInfo::exists(strPath))
             saShown << QString::fromStdString(ReplaceNumberedPlaceholders(
                 GetLocalizedText(IDS_DIALOG_MAIN_PROMPT_OVERWRITE_FILE), {strPath.toStdString()}));
         saShown << LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP_DISK_FULL, strPath);
         return saShown;
     },
     [](const QString& strPath) {
         return QStringList{LocalizedText(IDS_ERROR_FILE_NOT_A_VALID_WINDOWS_PATH, strPath)};
     }},
    // The store says nothing itself: the program tells the player once per start that the
    // user folder cannot be written.
    {"registry store", "registry.ini",
     [](const QString& strPath) {
         CRegistryStore store(strPath, kBaseKey);
         for (int n = 0; n < 6; ++n)
             store.WriteText("Old", QString::number(n), QString(500, QLatin1Char('o')));
     },
     [](const QString& strPath, IMessagePresenter&) {
         CRegistryStore store(strPath, kBaseKey);
         return store.WriteText("New", "value", QString(511, QLatin1Char('n')));
     },
     [](const QString&) { return QStringList(); }, [](const QString&) { return QStringList(); }},
};

QStringList Shown(const FakeMessagePresenter& messages) {
    QStringList saShown;
    for (const MessageRequest& request : messages.m_requests)
        saShown.append(request.strMessage);
    return saShown;
}

QStringList Entries(const QString& strFolder) {
    return QDir(strFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                     QDir::Name);
}

TEST(SaveFault, AFullDiskKeepsTheOldFileAndSaysWhichFile) {
    for (const Writer& writer : kaWriters) {
        SCOPED_TRACE(writer.szName);
        CTestFolders folders;
        const QString strPath = QDir(folders.Home()).filePath(writer.szFile);
        writer.prepare(strPath);
        const QByteArray baOld = CTestFolders::ReadFile(strPath);
        ASSERT_FALSE(baOld.isEmpty());
        const QStringList saBefore = Entries(folders.Home());

        FakeMessagePresenter messages;
        bool bSaved = true;
        {
            FileSizeLimit limit(static_cast<rlim_t>(baOld.size()) + 16);
            ASSERT_TRUE(limit.IsActive());
            bSaved = writer.save(strPath, messages);
        }
        EXPECT_FALSE(bSaved);
        EXPECT_EQ(Shown(messages), writer.message(strPath));
        EXPECT_EQ(CTestFolders::ReadFile(strPath), baOld);
        EXPECT_EQ(Entries(folders.Home()), saBefore);

        // With room again the same save goes through.
        FakeMessagePresenter later;
        EXPECT_TRUE(writer.save(strPath, later));
        EXPECT_GT(CTestFolders::ReadFile(strPath).size(), baOld.size());
    }
}

TEST(SaveFault, AFolderThatIsAFileMakesNothingAndSaysWhichFile) {
    for (const Writer& writer : kaWriters) {
        SCOPED_TRACE(writer.szName);
        CTestFolders folders;
        const QString strBlocker = QDir(folders.Home()).filePath("blocker");
        ASSERT_TRUE(CTestFolders::WriteFile(strBlocker, "keep"));
        const QString strPath = strBlocker + "/" + writer.szFile;

        FakeMessagePresenter messages;
        EXPECT_FALSE(writer.save(strPath, messages));
        EXPECT_EQ(Shown(messages), writer.blocked(strPath));
        EXPECT_EQ(CTestFolders::ReadFile(strBlocker), "keep");
        EXPECT_EQ(Entries(folders.Home()), QStringList{"blocker"});
    }
}

} // namespace
