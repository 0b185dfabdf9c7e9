// The sound player opened on the first sound: nothing before it loads the audio module,
// everything after it reaches the real player, and a module that does not load is silence.
#include "media/lazysoundplayer.h"
#include "tests/support/fakesoundplayer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct LazyCase {
    const char* szName;
    std::vector<std::string> saCommands; // wave, music, stop wave, pause, resume, stop music
    bool bOpens;
    QStringList saReached; // what the real player heard
};

void Send(CLazySoundPlayer& player, const std::string& strCommand) {
    if (strCommand == "wave") player.PlayWave(QStringLiteral("a.wav"), false);
    if (strCommand == "music") player.PlayMusic(QStringLiteral("a.mid"));
    if (strCommand == "stop wave") player.StopWave();
    if (strCommand == "pause") player.PauseMusic();
    if (strCommand == "resume") player.ResumeMusic();
    if (strCommand == "stop music") player.StopMusic();
}

} // namespace

TEST(LazySoundPlayer, OpensOnTheFirstSoundAndForwardsFromThen) {
    const std::vector<LazyCase> cases = {
        {"quiet start", {"stop wave", "pause", "resume", "stop music"}, false, {}},
        {"music first",
         {"pause", "music", "pause", "resume"},
         true,
         {"music a.mid", "pause", "resume"}},
        {"effect first",
         {"wave", "stop wave", "stop music"},
         true,
         {"wave a.wav", "stop wave", "stop music"}},
    };
    for (const LazyCase& testCase : cases) {
        SCOPED_TRACE(testCase.szName);
        int nOpened = 0;
        FakeSoundPlayer* pReal = nullptr;
        CLazySoundPlayer player([&]() -> std::unique_ptr<ISoundPlayer> {
            ++nOpened;
            auto pFake = std::make_unique<FakeSoundPlayer>();
            pReal = pFake.get();
            return pFake;
        });
        bool bEnded = false;
        player.SetMusicFinishedHandler([&bEnded](bool bNormalEnd) { bEnded = bNormalEnd; });
        for (const std::string& strCommand : testCase.saCommands)
            Send(player, strCommand);
        EXPECT_EQ(player.IsOpen(), testCase.bOpens);
        EXPECT_EQ(nOpened, testCase.bOpens ? 1 : 0);
        if (!pReal) continue;
        EXPECT_EQ(pReal->Take(), testCase.saReached);
        // The handler given before opening reaches the real player.
        pReal->Finish(true);
        EXPECT_TRUE(bEnded);
    }
}

TEST(LazySoundPlayer, WithoutItsModuleTheProgramIsSilent) {
    for (const char* szPath : {"/nonexistent/tetralyx-sdlsound.so", "", "/etc/hostname"}) {
        SCOPED_TRACE(szPath);
        std::unique_ptr<CLazySoundPlayer> pPlayer =
            CLazySoundPlayer::FromModule(QString::fromLatin1(szPath));
        EXPECT_FALSE(pPlayer->PlayMusic(QStringLiteral("a.mid")));
        EXPECT_FALSE(pPlayer->PlayWave(QStringLiteral("a.wav"), true));
        EXPECT_TRUE(pPlayer->IsOpen());
        pPlayer->PauseMusic();
        pPlayer->StopMusic();
    }
    // An opener that gives nothing is silence too.
    CLazySoundPlayer player([] { return std::unique_ptr<ISoundPlayer>(); });
    EXPECT_FALSE(player.PlayMusic(QStringLiteral("a.mid")));
}

// The module as built, where the program looks for it, plays a shipped effect.
TEST(LazySoundPlayer, TheBuiltModuleSitsBesideTheProgramAndPlays) {
    const QString strModule = QStringLiteral(TETRALYX_SOUND_MODULE);
    EXPECT_TRUE(strModule.endsWith(QStringLiteral("/app/tetralyx-sdlsound.so")));
    qputenv("SDL_AUDIODRIVER", "dummy");
    std::unique_ptr<CLazySoundPlayer> pPlayer = CLazySoundPlayer::FromModule(strModule);
    EXPECT_TRUE(
        pPlayer->PlayWave(QStringLiteral(TETRALYX_DATA_FOLDER "/sounds/correct.wav"), false));
    pPlayer->StopWave();
}
