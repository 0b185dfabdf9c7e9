// The music settings file: key names, defaults, the root-path token, and what a save keeps.
#include "media/musicfile.h"
#include "media/musicsettings.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

namespace {

class MusicSettingsFile : public ::testing::Test {
protected:
    CTestFolders m_folders;
    CMusicPaths m_paths{m_folders.Scratch() + "/app", m_folders.Home() + "/music.ini",
                        m_folders.Scratch() + "/app/config/defaultmusic.ini"};
};

TEST_F(MusicSettingsFile, MissingFileGivesTheDefaults) {
    CMusicSettings settings;
    settings.m_bMusicOn = false;
    settings.Slot(MusicContext::Training).m_strPath = "/x.mid";
    LoadMusicSettings(settings, m_paths, false);
    EXPECT_EQ(settings, CMusicSettings());
    EXPECT_TRUE(settings.m_bMusicOn);
    for (const CMusicSlot& slot : settings.m_aSlots) {
        EXPECT_TRUE(slot.m_bEnabled);
        EXPECT_TRUE(slot.m_strPath.isEmpty());
    }
}

TEST_F(MusicSettingsFile, ReadsEveryKeyByItsExactName) {
    const QByteArray baFile = "[Music]\r\n"
                              "Music On = false\r\n"
                              "Enable General Background Music = false\r\n"
                              "General Background Music Path = %%root_path%%/music/general.mid\r\n"
                              "Enable Training Music = true\r\n"
                              "Training Music Path =   /t.mid\t\r\n"
                              "Enable Training Game Music = false\r\n"
                              "General Training Game Music Path = /tg.wav\r\n"
                              "Enable WC Standard Music = false\r\n"
                              "WC Standard Music Path = /s.mid\r\n"
                              "Enable WC Hero Music = false\r\n"
                              "General WC Hero Music Path = /h.mid\r\n"
                              "Enable WC Wizard Music = false\r\n"
                              "WC Wizard Music Path = /w.mid\r\n"
                              "Enable WC Holy War Music = false\r\n"
                              "WC Holy War Music Path = /o.mp3\r\n"
                              "[Sound]\r\n"
                              "Go Next = %%root_path%%/sounds/gonext.wav\r\n"
                              "Go Previous = /p.wav\r\n"
                              "Correct = /c.wav\r\n"
                              "Incorrect = /i.wav\r\n"
                              "Abnormal = /a.wav\r\n"
                              "TimeUp = /u.wav\r\n";
    ASSERT_TRUE(CTestFolders::WriteFile(m_paths.m_strDefaultMusicIni, baFile));
    CMusicSettings settings;
    LoadMusicSettings(settings, m_paths, true);
    const QString strApp = m_paths.m_strAppFolder;
    EXPECT_FALSE(settings.m_bMusicOn);
    const char* const aszPaths[] = {nullptr,  "/t.mid", "/tg.wav", "/s.mid",
                                    "/h.mid", "/w.mid", "/o.mp3"};
    for (int n = 0; n < kMusicContextCount; ++n) {
        const CMusicSlot& slot = settings.m_aSlots[static_cast<size_t>(n)];
        EXPECT_EQ(slot.m_bEnabled, n == 1) << n;
        EXPECT_EQ(slot.m_strPath, n == 0 ? strApp + "/music/general.mid" : aszPaths[n]) << n;
    }
    const QStringList saEffects = {
        strApp + "/sounds/gonext.wav", "/p.wav", "/c.wav", "/i.wav", "/a.wav", "/u.wav"};
    for (int n = 0; n < kSoundEffectCount; ++n)
        EXPECT_EQ(settings.m_saEffects[static_cast<size_t>(n)], saEffects[n]) << n;

    // music.ini is the other file: still the defaults.
    CMusicSettings user;
    LoadMusicSettings(user, m_paths, false);
    EXPECT_EQ(user, CMusicSettings());
}

TEST_F(MusicSettingsFile, SaveWritesOnlyMusicIniAndRoundTrips) {
    CMusicSettings settings;
    settings.m_bMusicOn = false;
    settings.Slot(MusicContext::WorldCupHero).m_bEnabled = false;
    settings.Slot(MusicContext::WorldCupHero).m_strPath =
        m_paths.m_strAppFolder + "/Music/Hero.MID";
    settings.Slot(MusicContext::General).m_strPath = "/home/Player/Tunes/Calm.mid";
    settings.m_saEffects[static_cast<size_t>(SoundEffect::TimeUp)] =
        m_paths.m_strAppFolder + "/sounds/timeup.wav";
    ASSERT_TRUE(SaveMusicSettings(settings, m_paths));
    EXPECT_FALSE(QFile::exists(m_paths.m_strDefaultMusicIni));

    const QByteArray baSaved = CTestFolders::ReadFile(m_paths.m_strMusicIni);
    EXPECT_TRUE(baSaved.contains("General WC Hero Music Path = %%root_path%%/Music/Hero.MID\r\n"));
    EXPECT_TRUE(baSaved.contains("Enable WC Hero Music = false\r\n"));
    EXPECT_TRUE(
        baSaved.contains("General Background Music Path = /home/Player/Tunes/Calm.mid\r\n"));
    EXPECT_TRUE(baSaved.contains("TimeUp = %%root_path%%/sounds/timeup.wav\r\n"));
    EXPECT_TRUE(baSaved.contains("Music On = false\r\n"));

    CMusicSettings loaded;
    LoadMusicSettings(loaded, m_paths, false);
    EXPECT_EQ(loaded, settings);

    // A moved installation finds its own files again.
    CMusicPaths moved = m_paths;
    moved.m_strAppFolder = "/opt/elsewhere";
    LoadMusicSettings(loaded, moved, false);
    EXPECT_EQ(loaded.Slot(MusicContext::WorldCupHero).m_strPath, "/opt/elsewhere/Music/Hero.MID");
    EXPECT_EQ(loaded.Slot(MusicContext::General).m_strPath, "/home/Player/Tunes/Calm.mid");
}

TEST_F(MusicSettingsFile, SaveKeepsCommentsAndUnknownKeys) {
    ASSERT_TRUE(CTestFolders::WriteFile(m_paths.m_strMusicIni,
                                        "; mine\r\n[Music]\r\nMusic On = true\r\nVolume = 7\r\n"));
    CMusicSettings settings;
    settings.m_bMusicOn = false;
    ASSERT_TRUE(SaveMusicSettings(settings, m_paths));
    const QByteArray baSaved = CTestFolders::ReadFile(m_paths.m_strMusicIni);
    EXPECT_TRUE(baSaved.startsWith("; mine\r\n"));
    EXPECT_TRUE(baSaved.contains("Volume = 7\r\n"));
    EXPECT_EQ(baSaved.count("Music On = "), 1);
}

TEST(MusicPathToken, StoredForm) {
    struct Case {
        const char* szPath;
        const char* szFolder;
        const char* szStored;
    };
    const Case cases[] = {
        {"/opt/t/music/a.mid", "/opt/t", "%%root_path%%/music/a.mid"},
        {"/opt/t/music/a.mid", "/opt/t/", "%%root_path%%/music/a.mid"},
        {"/opt/t/Music/A.MID", "/opt/t", "%%root_path%%/Music/A.MID"}, // case kept
        {"/opt/tunes/a.mid", "/opt/t", "/opt/tunes/a.mid"},            // not inside the folder
        {"/OPT/T/a.mid", "/opt/t", "/OPT/T/a.mid"},                    // another folder here
        {"/x/opt/t/a.mid", "/opt/t", "/x/opt/t/a.mid"},
        {"", "/opt/t", ""},
        {"/a.mid", "/", "/a.mid"},
    };
    for (const Case& c : cases) {
        const QString strStored = ToStoredMusicPath(c.szPath, c.szFolder);
        EXPECT_EQ(strStored, c.szStored) << c.szPath;
        EXPECT_EQ(FromStoredMusicPath(strStored, c.szFolder), c.szPath) << c.szPath;
    }
    // Loading trims and replaces the token wherever it stands.
    EXPECT_EQ(FromStoredMusicPath(" \t%%root_path%%/a%%root_path%%\r\n", "/r"), "/r/a/r");
}

TEST(MusicContextRule, PrecedenceAndWorldCupLevels) {
    struct Case {
        bool bTraining, bGame, bCup, bStandard, bJQK;
        MusicContext expected;
    };
    const Case cases[] = {
        {false, false, false, true, false, MusicContext::General},
        {false, false, false, false, true, MusicContext::General},
        {true, true, true, true, true, MusicContext::Training},
        {false, true, true, true, true, MusicContext::TrainingGame},
        {false, false, true, true, false, MusicContext::WorldCupStandard},
        {false, false, true, true, true, MusicContext::WorldCupHero},
        {false, false, true, false, false, MusicContext::WorldCupWizard},
        {false, false, true, false, true, MusicContext::WorldCupHolyWar},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetMusicContext(c.bTraining, c.bGame, c.bCup, c.bStandard, c.bJQK), c.expected);
}

TEST(MusicKinds, ByExtensionAndExistence) {
    CTestFolders folders;
    struct Case {
        const char* szName;
        int nKind;
    };
    const Case cases[] = {{"a.mid", kMusicMidi}, {"a.MIDI", kMusicMidi}, {"a.Rmi", kMusicMidi},
                          {"a.wav", kMusicWave}, {"a.MP3", kMusicMp3},   {"a.wma", kMusicWma},
                          {"a.ogg", kMusicNone}, {"mid", kMusicNone},    {"a.mid.txt", kMusicNone}};
    for (const Case& c : cases) {
        const QString strExisting = folders.Scratch() + "/" + c.szName;
        ASSERT_TRUE(CTestFolders::WriteFile(strExisting, "x"));
        EXPECT_EQ(GetMusicKind(strExisting), c.nKind) << c.szName;
        EXPECT_EQ(IsMusicFile(strExisting), c.nKind != kMusicNone) << c.szName;
        // Missing but creatable: a kind, yet no music file to play.
        const QString strMissing = folders.Scratch() + "/new/" + c.szName;
        QDir().mkpath(folders.Scratch() + "/new");
        EXPECT_EQ(GetMusicKind(strMissing), c.nKind) << c.szName;
        EXPECT_FALSE(IsMusicFile(strMissing)) << c.szName;
        EXPECT_EQ(GetMusicKind(folders.Scratch() + "/no/such/folder/" + c.szName), kMusicNone);
    }
    EXPECT_EQ(GetMusicKind(""), kMusicNone);
    EXPECT_FALSE(IsMusicFile(""));
}

} // namespace
