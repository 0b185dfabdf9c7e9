// The music rules against a recording back end: which track plays, pause and resume, looping at
// the end, the preview countdown, the master switch and a dropped file.
#include "media/musicplayer.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

namespace {

class MusicPlayerTest : public ::testing::Test {
protected:
    MusicPlayerTest() {
        CServices services = m_fakes.Services();
        services.pSound = &m_sound;
        m_pPlayer = std::make_unique<CMusicPlayer>(
            services,
            CMusicPaths{m_folders.Scratch(), m_folders.Home() + "/music.ini",
                        m_folders.Scratch() + "/config/defaultmusic.ini"},
            [this] { return m_context; });
    }
    // A file that exists, so that the rules pass it on to the back end.
    QString File(const QString& strName) {
        const QString strPath = m_folders.Scratch() + "/" + strName;
        CTestFolders::WriteFile(strPath, "data");
        return strPath;
    }
    CMusicSettings& Settings() { return m_pPlayer->Settings(); }
    QByteArray SavedIni() const { return CTestFolders::ReadFile(m_folders.Home() + "/music.ini"); }

    CTestFolders m_folders;
    FakeServices m_fakes;
    FakeSoundPlayer m_sound;
    MusicContext m_context = MusicContext::General;
    std::unique_ptr<CMusicPlayer> m_pPlayer;
};

TEST_F(MusicPlayerTest, EachSituationPlaysItsOwnSlot) {
    const char* const aszNames[] = {"general.mid", "training.mid", "game.wav", "std.mid",
                                    "hero.mid",    "wizard.mid",   "holy.mid"};
    for (int n = 0; n < kMusicContextCount; ++n)
        Settings().m_aSlots[static_cast<size_t>(n)].m_strPath = File(aszNames[n]);
    for (int n = 0; n < kMusicContextCount; ++n) {
        m_context = static_cast<MusicContext>(n);
        m_pPlayer->ApplyContextMusic();
        const QString strPath = Settings().m_aSlots[static_cast<size_t>(n)].m_strPath;
        EXPECT_EQ(m_pPlayer->GetCurrentMusic(), strPath);
        const QStringList saCalls = m_sound.Take();
        ASSERT_FALSE(saCalls.isEmpty());
        EXPECT_EQ(saCalls.last(), n == 2 ? "wave " + strPath + " loop" : "music " + strPath) << n;
    }
    // The same situation again continues the track instead of restarting it.
    m_pPlayer->ApplyContextMusic();
    EXPECT_EQ(m_sound.Take(), QStringList{"resume"});
}

TEST_F(MusicPlayerTest, SilenceWhenSwitchedOffOrTheSlotIsDisabledOrMissing) {
    Settings().Slot(MusicContext::General).m_strPath = File("general.mid");
    Settings().Slot(MusicContext::Training).m_strPath = File("training.mid");
    struct Case {
        const char* szWhat;
        std::function<void(CMusicSettings&)> fnChange;
    };
    const Case cases[] = {
        {"music off", [](CMusicSettings& s) { s.m_bMusicOn = false; }},
        {"slot disabled",
         [](CMusicSettings& s) { s.Slot(MusicContext::Training).m_bEnabled = false; }},
        {"slot empty", [](CMusicSettings& s) { s.Slot(MusicContext::Training).m_strPath.clear(); }},
        {"file missing",
         [this](CMusicSettings& s) {
             s.Slot(MusicContext::Training).m_strPath = m_folders.Scratch() + "/gone.mid";
         }},
        {"no music file", [this](CMusicSettings& s) {
             s.Slot(MusicContext::Training).m_strPath = File("notes.txt");
         }}};
    for (const Case& c : cases) {
        CMusicSettings saved = Settings();
        m_context = MusicContext::General;
        m_pPlayer->ApplyContextMusic();
        ASSERT_FALSE(m_pPlayer->GetCurrentMusic().isEmpty());
        m_sound.Take();
        c.fnChange(Settings());
        m_context = MusicContext::Training; // the general slot has a file, yet stays silent
        m_pPlayer->ApplyContextMusic();
        const QStringList saCalls = m_sound.Take();
        EXPECT_EQ(saCalls, (QStringList{"stop wave", "stop music"})) << c.szWhat;
        Settings() = saved;
    }
}

TEST_F(MusicPlayerTest, ToggleKeepsTheMidiPositionAndSaves) {
    const QString strTrack = File("general.mid");
    Settings().Slot(MusicContext::General).m_strPath = strTrack;
    m_pPlayer->ApplyContextMusic();
    m_sound.Take();

    m_pPlayer->ToggleMusic();
    EXPECT_FALSE(Settings().m_bMusicOn);
    EXPECT_EQ(m_sound.Take(), QStringList{"pause"});
    EXPECT_TRUE(SavedIni().contains("Music On = false"));

    // Switched off, the focus coming back brings nothing back.
    m_pPlayer->OnFocusLost();
    m_pPlayer->OnFocusGained();
    EXPECT_EQ(m_sound.Take(), QStringList{"pause"});

    m_pPlayer->ToggleMusic();
    EXPECT_TRUE(Settings().m_bMusicOn);
    EXPECT_EQ(m_sound.Take(), QStringList{"resume"});
    EXPECT_TRUE(SavedIni().contains("Music On = true"));

    m_pPlayer->OnFocusLost();
    m_pPlayer->OnFocusGained();
    EXPECT_EQ(m_sound.Take(), (QStringList{"pause", "resume"}));
}

TEST_F(MusicPlayerTest, WaveAndDesktopMusicPauseByTheirKind) {
    const QString strWave = File("loop.wav");
    Settings().Slot(MusicContext::General).m_strPath = strWave;
    m_pPlayer->ApplyContextMusic();
    EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "wave " + strWave + " loop"}));
    m_pPlayer->PauseMusic();
    EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "stop music"}));
    EXPECT_EQ(m_pPlayer->GetCurrentMusic(), strWave);
    m_pPlayer->ResumeMusic();
    EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "wave " + strWave + " loop"}));

    for (const char* szName : {"song.mp3", "song.WMA"}) {
        const QString strSong = File(szName);
        Settings().Slot(MusicContext::General).m_strPath = strSong;
        m_pPlayer->ApplyContextMusic();
        EXPECT_EQ(m_fakes.desktop.m_saOpened.last(), strSong);
        EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "stop music"}));
        m_pPlayer->PauseMusic(); // the desktop's player is out of reach
        EXPECT_TRUE(m_sound.Take().isEmpty());
    }
}

TEST_F(MusicPlayerTest, OnlyANormalEndAfterRealPlayRestarts) {
    const QString strTrack = File("general.mid");
    Settings().Slot(MusicContext::General).m_strPath = strTrack;
    struct Case {
        qint64 nPlayedMs;
        bool bNormalEnd;
        bool bRestart;
    };
    const Case cases[] = {
        {60000, true, true},
        {60000, false, false},                       // stopped, superseded or failed
        {CMusicPlayer::kMinLoopMs - 1, true, false}, // an empty or broken file ends at once
        {CMusicPlayer::kMinLoopMs, true, true},
    };
    for (const Case& c : cases) {
        m_pPlayer->StopAllSound(true);
        m_pPlayer->ApplyContextMusic();
        m_sound.Take();
        m_fakes.clock.Advance(c.nPlayedMs);
        m_sound.Finish(c.bNormalEnd);
        const QStringList saCalls = m_sound.Take();
        EXPECT_EQ(!saCalls.isEmpty() && saCalls.last() == "music " + strTrack, c.bRestart)
            << c.nPlayedMs << " " << c.bNormalEnd;
        if (!c.bRestart) {
            EXPECT_TRUE(saCalls.isEmpty());
        }
        EXPECT_EQ(m_pPlayer->GetCurrentMusic(), strTrack);
    }
}

TEST_F(MusicPlayerTest, PreviewCountdownStopsLimitedMidiOnly) {
    const QString strPreview = File("preview.mid");
    EXPECT_TRUE(m_pPlayer->PlayMusicFile(strPreview, CMusicPlayer::kPreviewSeconds));
    EXPECT_EQ(m_pPlayer->GetDurationCounter(), 20);
    EXPECT_TRUE(m_pPlayer->IsDurationTimerRunning());
    m_sound.Take();
    m_fakes.clock.Advance(19000);
    EXPECT_TRUE(m_sound.Take().isEmpty());
    EXPECT_EQ(m_pPlayer->GetDurationCounter(), 1);
    m_fakes.clock.Advance(1000);
    EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "stop music"}));
    EXPECT_TRUE(m_pPlayer->GetCurrentMusic().isEmpty());
    EXPECT_FALSE(m_pPlayer->IsDurationTimerRunning());

    // Unlimited music never meets the countdown.
    EXPECT_TRUE(m_pPlayer->PlayMusicFile(strPreview, -1));
    EXPECT_FALSE(m_pPlayer->IsDurationTimerRunning());
    m_sound.Take();
    m_fakes.clock.Advance(3600 * 1000);
    EXPECT_TRUE(m_sound.Take().isEmpty());
}

TEST_F(MusicPlayerTest, TheSituationsTrackOutlivesAPreviewCountdown) {
    // Closing the dialog re-applies the context; its track must not stop when the preview's
    // seconds run out, whether it is the previewed file or a wave started after it.
    for (const char* szContextFile : {"preview.mid", "loop.wav"}) {
        const QString strPreview = File("preview.mid");
        Settings().Slot(MusicContext::General).m_strPath = File(szContextFile);
        m_pPlayer->RunBackgroundMusicCommand([&] {
            m_pPlayer->PlayMusicFile(strPreview, CMusicPlayer::kPreviewSeconds);
            m_fakes.clock.Advance(5000);
        });
        m_sound.Take();
        m_fakes.clock.Advance(60000);
        EXPECT_TRUE(m_sound.Take().isEmpty()) << szContextFile;
        EXPECT_EQ(m_pPlayer->GetCurrentMusic(), Settings().Slot(MusicContext::General).m_strPath);
        m_pPlayer->StopAllSound(true);
    }
}

TEST_F(MusicPlayerTest, DroppedFileBecomesTheSituationsTrack) {
    const QString strFirst = File("first.mid");
    m_context = MusicContext::WorldCupWizard;
    Settings().m_bMusicOn = false;
    Settings().Slot(MusicContext::WorldCupWizard).m_bEnabled = false;
    EXPECT_TRUE(m_pPlayer->SetContextMusic(strFirst));
    EXPECT_TRUE(Settings().m_bMusicOn);
    EXPECT_TRUE(Settings().Slot(MusicContext::WorldCupWizard).m_bEnabled);
    EXPECT_EQ(Settings().Slot(MusicContext::WorldCupWizard).m_strPath, strFirst);
    EXPECT_EQ(m_sound.Take().last(), "music " + strFirst);
    EXPECT_TRUE(SavedIni().contains("WC Wizard Music Path = %%root_path%%/first.mid"));

    // The same file again while it plays changes and saves nothing.
    QFile::remove(m_folders.Home() + "/music.ini");
    EXPECT_FALSE(m_pPlayer->SetContextMusic(strFirst));
    EXPECT_TRUE(m_sound.Take().isEmpty());
    EXPECT_FALSE(QFile::exists(m_folders.Home() + "/music.ini"));
}

TEST_F(MusicPlayerTest, EffectsUseTheOneWaveChannel) {
    const QString strCorrect = File("correct.wav");
    Settings().m_saEffects[static_cast<size_t>(SoundEffect::Correct)] = strCorrect;
    Settings().m_saEffects[static_cast<size_t>(SoundEffect::Incorrect)] =
        m_folders.Scratch() + "/gone.wav";
    m_pPlayer->PlayEffect(SoundEffect::Correct);
    EXPECT_EQ(m_sound.Take(), QStringList{"wave " + strCorrect});
    m_pPlayer->PlayEffect(SoundEffect::Incorrect); // missing: nothing, not a default sound
    m_pPlayer->PlayEffect(SoundEffect::TimeUp);    // empty
    EXPECT_TRUE(m_sound.Take().isEmpty());
    m_pPlayer->PlaySoundEffect(strCorrect, true, true);
    EXPECT_EQ(m_sound.Take(), (QStringList{"stop wave", "wave " + strCorrect + " loop"}));
}

TEST(MusicPlayerWithoutSound, RunsSilently) {
    CTestFolders folders;
    FakeServices fakes;
    CMusicPlayer player(fakes.Services(),
                        CMusicPaths{folders.Scratch(), folders.Home() + "/m.ini", QString()});
    const QString strTrack = folders.Scratch() + "/a.mid";
    CTestFolders::WriteFile(strTrack, "x");
    player.Settings().Slot(MusicContext::General).m_strPath = strTrack;
    player.ApplyContextMusic();
    player.PauseMusic();
    player.ResumeMusic();
    player.PlayEffect(SoundEffect::GoNext);
    EXPECT_EQ(player.GetCurrentMusic(), strTrack);
}

} // namespace
