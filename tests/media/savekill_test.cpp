// A process killed in the middle of a save must leave each file as it was or as the save
// meant it to be: a child saves a collection, music.ini and the registry store in a loop and
// is killed with SIGKILL at a random moment, round after round.
#include "core/collection.h"
#include "core/registrystore.h"
#include "engine/question.h"
#include "media/musicsettings.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRounds = 500;
constexpr std::int64_t kVersionsPerRound = 1000000;
const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");

// The files of one folder and how each kind writes and reads its version number. Versions
// differ in length, so a file cut short or mixed from two saves never matches either.
class CSavedFiles {
public:
    explicit CSavedFiles(const QString& strFolder)
        : m_strCollection(strFolder + "/cmf.ini"), m_music{strFolder + "/app",
                                                           strFolder + "/music.ini", QString()},
          m_store(strFolder + "/registry.ini", kBaseKey) {}

    void SaveCollectionVersion(std::int64_t nVersion) {
        Collection list;
        int nItem = 0;
        ForEachQuestion(13, [&](const std::vector<unsigned>& uaQ) {
            if (nItem > nVersion % 40) return;
            const QString strNote = nItem == 0
                                        ? QString::number(nVersion)
                                        : QStringLiteral("note %1 of %2").arg(nItem).arg(nVersion);
            list.m_items.push_back({QString::fromStdString(FormatQuestionText(uaQ)), strNote});
            ++nItem;
        });
        SaveCollection(list, m_strCollection, true, nullptr);
    }
    std::int64_t CollectionVersion() const {
        Collection list;
        LoadCollection(list, m_strCollection, true);
        return list.m_items.empty() ? -1 : list.m_items.front().strNote.toLongLong();
    }

    void SaveMusicVersion(std::int64_t nVersion) {
        CMusicSettings settings;
        settings.m_bMusicOn = nVersion % 2 == 0;
        settings.m_aSlots[0].m_strPath = QStringLiteral("/music/%1.mid").arg(nVersion);
        settings.m_aSlots[1].m_strPath = QString(static_cast<int>(nVersion % 300), QChar('m'));
        SaveMusicSettings(settings, m_music);
    }
    std::int64_t MusicVersion() const {
        CMusicSettings settings;
        LoadMusicSettings(settings, m_music, false);
        const QString strPath = settings.m_aSlots[0].m_strPath;
        return strPath.startsWith("/music/") ? strPath.mid(7).chopped(4).toLongLong() : -1;
    }

    void SaveStoreVersion(std::int64_t nVersion) {
        m_store.WriteText("Kill", "Version",
                          QString::number(nVersion) + ' ' +
                              QString(static_cast<int>(nVersion % 300), QChar('r')));
    }
    std::int64_t StoreVersion() const {
        return m_store.ReadText("Kill", "Version", "-1").section(' ', 0, 0).toLongLong();
    }

    void SaveAll(std::int64_t nVersion) {
        SaveCollectionVersion(nVersion);
        SaveMusicVersion(nVersion);
        SaveStoreVersion(nVersion);
    }

    QString m_strCollection;
    CMusicPaths m_music;
    CRegistryStore m_store;
};

struct Kind {
    const char* szName;
    QString (*path)(const CSavedFiles&);
    std::int64_t (*version)(const CSavedFiles&);
    void (*save)(CSavedFiles&, std::int64_t);
};

const std::array<Kind, 3> kaKinds = {{
    {"collection", [](const CSavedFiles& files) { return files.m_strCollection; },
     [](const CSavedFiles& files) { return files.CollectionVersion(); },
     [](CSavedFiles& files, std::int64_t n) { files.SaveCollectionVersion(n); }},
    {"music.ini", [](const CSavedFiles& files) { return files.m_music.m_strMusicIni; },
     [](const CSavedFiles& files) { return files.MusicVersion(); },
     [](CSavedFiles& files, std::int64_t n) { files.SaveMusicVersion(n); }},
    {"registry store", [](const CSavedFiles& files) { return files.m_store.GetRoot(); },
     [](const CSavedFiles& files) { return files.StoreVersion(); },
     [](CSavedFiles& files, std::int64_t n) { files.SaveStoreVersion(n); }},
}};

// The bytes a save of nVersion writes, made in a folder of their own.
QByteArray ExpectedBytes(const Kind& kind, std::int64_t nVersion) {
    QTemporaryDir folder;
    CSavedFiles files(folder.path());
    kind.save(files, nVersion);
    return CTestFolders::ReadFile(kind.path(files));
}

// Saves ever newer versions from nFirst on until it is killed; tells the parent on pipe
// descriptor nPipe once it starts and whenever the collection and music.ini are saved. The
// store's save comes after the mark: a writer killed while taking the store's lock can leave
// a lock that the next one waits a second for, and the parent need not wait with it.
[[noreturn]] void SaveUntilKilled(const QString& strFolder, std::int64_t nFirst, int nPipe) {
    CSavedFiles files(strFolder);
    const char cMark = 'r';
    if (write(nPipe, &cMark, 1) != 1) _exit(2);
    for (std::int64_t nVersion = nFirst;; ++nVersion) {
        files.SaveCollectionVersion(nVersion);
        files.SaveMusicVersion(nVersion);
        if (write(nPipe, &cMark, 1) != 1) _exit(2);
        files.SaveStoreVersion(nVersion);
    }
}

TEST(SaveKill, EveryFileIsTheOldOrTheNewVersionAfterSigkill) {
    CTestFolders folders;
    const QString strFolder = folders.Home();
    std::array<std::int64_t, 3> naLast{};
    std::array<QByteArray, 3> baaLast;
    {
        CSavedFiles files(strFolder);
        files.SaveAll(0);
        for (size_t n = 0; n < kaKinds.size(); ++n)
            baaLast[n] = CTestFolders::ReadFile(kaKinds[n].path(files));
    }
    std::mt19937 random(24);
    int nRoundsWithChange = 0;
    for (int nRound = 1; nRound <= kRounds; ++nRound) {
        int naPipe[2];
        ASSERT_EQ(pipe(naPipe), 0);
        const std::int64_t nFirst = nRound * kVersionsPerRound;
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(naPipe[0]);
            SaveUntilKilled(strFolder, nFirst, naPipe[1]);
        }
        close(naPipe[1]);
        // Mostly within the first saves; every tenth round only after the first ones are
        // done, so that new versions are certain to appear however fast the machine is.
        const bool bAfterASave = nRound % 10 == 0;
        char caMarks[2] = {};
        const bool bStarted = read(naPipe[0], caMarks, 1) == 1 &&
                              (!bAfterASave || read(naPipe[0], caMarks + 1, 1) == 1);
        usleep(random() % 5000);
        kill(pid, SIGKILL);
        int nStatus = 0;
        ASSERT_EQ(waitpid(pid, &nStatus, 0), pid);
        close(naPipe[0]);
        ASSERT_TRUE(bStarted) << "round " << nRound;
        ASSERT_TRUE(WIFSIGNALED(nStatus)) << "round " << nRound << ": the child ended by itself";

        const CSavedFiles files(strFolder);
        bool bChanged = false;
        for (size_t n = 0; n < kaKinds.size(); ++n) {
            const Kind& kind = kaKinds[n];
            const std::int64_t nVersion = kind.version(files);
            ASSERT_TRUE(nVersion == naLast[n] || nVersion >= nFirst)
                << kind.szName << " in round " << nRound << " holds version " << nVersion;
            const QByteArray baFile = CTestFolders::ReadFile(kind.path(files));
            // A file left alone must be byte for byte the old one; a new version is made
            // again elsewhere to compare.
            const bool bNew = nVersion != naLast[n];
            ASSERT_EQ(baFile, bNew ? ExpectedBytes(kind, nVersion) : baaLast[n])
                << kind.szName << " in round " << nRound << ", version " << nVersion;
            bChanged = bChanged || bNew;
            naLast[n] = nVersion;
            baaLast[n] = baFile;
        }
        if (bChanged) ++nRoundsWithChange;
    }
    EXPECT_GE(nRoundsWithChange, kRounds / 10);
    std::printf("%d of %d rounds changed a file\n", nRoundsWithChange, kRounds);
}

} // namespace
