// The SDL2_mixer back end on the dummy audio driver (real time, silent): the shipped media
// load and play, MIDI pauses and resumes, the end of play reaches the UI thread, and broken
// files play nothing without hanging or looping.
#include "media/musicplayer.h"
#include "media/sdlsoundplayer.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace {

const QString kData = QStringLiteral(TETRALYX_DATA_FOLDER);

// The silent driver that still runs in real time, whatever the machine's sound set-up.
class DummyAudioDriver : public ::testing::Environment {
public:
    void SetUp() override { qputenv("SDL_AUDIODRIVER", "dummy"); }
};
const auto* const g_pDummyAudio = ::testing::AddGlobalTestEnvironment(new DummyAudioDriver);

// Runs the event loop until fnDone holds or nMs pass; true when it held.
bool WaitFor(const std::function<bool()>& fnDone, int nMs) {
    QDeadlineTimer deadline(nMs);
    while (!fnDone()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// One short note: the end of play comes within seconds.
QByteArray ShortMidi() {
    const char aTrack[] = "\x00\xc0\x00"      // piano
                          "\x00\x90\x3c\x60"  // note on
                          "\x60\x80\x3c\x00"  // note off after 96 ticks
                          "\x00\xff\x2f\x00"; // end of track
    QByteArray baTrack(aTrack, sizeof(aTrack) - 1);
    QByteArray baFile("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk", 18);
    const int nSize = static_cast<int>(baTrack.size());
    baFile.append(static_cast<char>(0)).append(static_cast<char>(0));
    baFile.append(static_cast<char>(nSize >> 8)).append(static_cast<char>(nSize & 0xff));
    return baFile + baTrack;
}

// Counts what reaches the real back end.
class CountingSoundPlayer : public ISoundPlayer {
public:
    explicit CountingSoundPlayer(ISoundPlayer& inner) : m_inner(inner) {}
    bool PlayWave(const QString& strPath, bool bLoop) override {
        ++m_nWaves;
        return m_inner.PlayWave(strPath, bLoop);
    }
    void StopWave() override { m_inner.StopWave(); }
    bool PlayMusic(const QString& strPath) override {
        ++m_nMusic;
        return m_inner.PlayMusic(strPath);
    }
    void PauseMusic() override { m_inner.PauseMusic(); }
    void ResumeMusic() override { m_inner.ResumeMusic(); }
    void StopMusic() override { m_inner.StopMusic(); }
    void SetMusicFinishedHandler(std::function<void(bool)> fnFinished) override {
        m_inner.SetMusicFinishedHandler(std::move(fnFinished));
    }
    ISoundPlayer& m_inner;
    int m_nWaves = 0;
    int m_nMusic = 0;
};

// The shipped patch configuration, one naming a patch set that is not installed, and none.
struct MidiCase {
    const char* szName;
    const char* szConfig; // under the scratch folder when it starts with "scratch:"
    const char* szPlayer;
};

class SdlSoundPlayerMidi : public ::testing::TestWithParam<MidiCase> {};

TEST_P(SdlSoundPlayerMidi, PlaysShippedMediaPausesResumesAndReportsTheEnd) {
    CTestFolders folders;
    QString strConfig = QString::fromLatin1(GetParam().szConfig);
    if (strConfig.startsWith("scratch:")) {
        strConfig = folders.Scratch() + "/" + strConfig.mid(8);
        ASSERT_TRUE(CTestFolders::WriteFile(strConfig, "source /no/such/patches.cfg\n"));
    } else if (!strConfig.isEmpty()) {
        strConfig = kData + "/" + strConfig;
    }
    std::unique_ptr<ISoundPlayer> pOpened = CSdlSoundPlayer::Open(strConfig);
    auto* pPlayer = dynamic_cast<CSdlSoundPlayer*>(pOpened.get());
    ASSERT_NE(pPlayer, nullptr) << "the dummy audio driver did not open";
    EXPECT_EQ(CSdlSoundPlayer::MidiPlayerName(), QLatin1String(GetParam().szPlayer));
    // The mixer is one per process: a second player is a silent one.
    EXPECT_EQ(dynamic_cast<CSdlSoundPlayer*>(CSdlSoundPlayer::Open().get()), nullptr);

    std::vector<bool> abEnds;
    pPlayer->SetMusicFinishedHandler([&abEnds](bool bNormal) { abEnds.push_back(bNormal); });

    EXPECT_TRUE(pPlayer->PlayWave(kData + "/sounds/correct.wav", false));
    EXPECT_TRUE(pPlayer->IsWavePlaying());
    EXPECT_TRUE(pPlayer->PlayWave(kData + "/sounds/timeup.wav", true));
    EXPECT_TRUE(pPlayer->IsWavePlaying());
    pPlayer->StopWave();
    EXPECT_FALSE(pPlayer->IsWavePlaying());

    ASSERT_TRUE(pPlayer->PlayMusic(kData + "/music/general.mid"));
    EXPECT_TRUE(pPlayer->IsMusicPlaying());
    pPlayer->PauseMusic();
    EXPECT_TRUE(pPlayer->IsMusicPaused());
    EXPECT_FALSE(WaitFor([&] { return !abEnds.empty(); }, 300)); // paused is not ended
    pPlayer->ResumeMusic();
    EXPECT_TRUE(pPlayer->IsMusicPlaying());

    // Stopping is reported, but not as a normal end.
    pPlayer->StopMusic();
    ASSERT_TRUE(WaitFor([&] { return !abEnds.empty(); }, 5000));
    EXPECT_EQ(abEnds, std::vector<bool>{false});

    const QString strShort = folders.Scratch() + "/short.mid";
    ASSERT_TRUE(CTestFolders::WriteFile(strShort, ShortMidi()));
    abEnds.clear();
    ASSERT_TRUE(pPlayer->PlayMusic(strShort));
    ASSERT_TRUE(WaitFor([&] { return !abEnds.empty(); }, 30000));
    EXPECT_EQ(abEnds, std::vector<bool>{true});
    pPlayer->SetMusicFinishedHandler({});
}

INSTANTIATE_TEST_SUITE_P(Players, SdlSoundPlayerMidi,
                         ::testing::Values(MidiCase{"PatchSet", "music/timidity.cfg", "TIMIDITY"},
                                           MidiCase{"PatchSetNotInstalled", "scratch:absent.cfg",
                                                    "FLUIDSYNTH"},
                                           MidiCase{"SoundFont", "", "FLUIDSYNTH"}),
                         [](const auto& info) { return std::string(info.param.szName); });

// Every General MIDI program and drum has a patch file that exists: a wrong name would leave an
// instrument silent without a word.
TEST(SdlSoundPlayer, ThePatchConfigurationCoversGeneralMidi) {
    std::set<int> programs;
    std::set<int> drums;
    QStringList folders;
    std::function<void(const QString&)> read = [&](const QString& strPath) {
        const QByteArray baText = CTestFolders::ReadFile(strPath);
        ASSERT_FALSE(baText.isEmpty()) << strPath.toStdString();
        bool bDrums = false;
        for (const QByteArray& baLine : baText.split('\n')) {
            const QList<QByteArray> words = baLine.simplified().split(' ');
            if (words[0] == "source") read(QString::fromUtf8(words.value(1)));
            if (words[0] == "dir") folders << QString::fromUtf8(words.value(1));
            if (words[0] == "bank" || words[0] == "drumset") bDrums = words[0] == "drumset";
            bool bNumber = false;
            const int nKey = words[0].toInt(&bNumber);
            if (!bNumber || words.size() < 2) continue;
            const QString strPatch = QString::fromUtf8(words[1]);
            const bool bFound = std::any_of(folders.begin(), folders.end(), [&](const QString& f) {
                return QFileInfo(f + "/" + strPatch).isFile();
            });
            EXPECT_TRUE(bFound) << strPatch.toStdString();
            (bDrums ? drums : programs).insert(nKey);
        }
    };
    read(kData + "/music/timidity.cfg");
    for (int n = 0; n < 128; ++n)
        EXPECT_TRUE(programs.count(n)) << "program " << n;
    for (int n = 35; n <= 81; ++n)
        EXPECT_TRUE(drums.count(n)) << "drum " << n;
}

// Both MIDI players read the broken files: the patch set (the program's) and the soundfont.
class SdlSoundPlayerBroken : public ::testing::TestWithParam<const char*> {};

TEST_P(SdlSoundPlayerBroken, BrokenFilesPlayNothingAndNeverLoop) {
    CTestFolders folders;
    const QByteArray baMidi = CTestFolders::ReadFile(kData + "/music/general.mid");
    const QByteArray baWave = CTestFolders::ReadFile(kData + "/sounds/correct.wav");
    ASSERT_FALSE(baMidi.isEmpty());
    ASSERT_FALSE(baWave.isEmpty());
    struct Case {
        const char* szName;
        QByteArray baContent; // null: no file at all
    };
    const Case cases[] = {
        {"missing.mid", QByteArray()}, {"missing.wav", QByteArray()},
        {"empty.mid", QByteArray("")}, {"empty.wav", QByteArray("")},
        {"cut.mid", baMidi.left(60)},  {"cut.wav", baWave.left(300)},
        {"text.mid", "not music\r\n"}, {"text.wav", "not music\r\n"},
        {"text.midi", "RIFF...."},     {"header.mid", baMidi.left(14)},
    };
    const QString strConfig = *GetParam() ? kData + "/" + GetParam() : QString();
    std::unique_ptr<ISoundPlayer> pOpened = CSdlSoundPlayer::Open(strConfig);
    ASSERT_NE(dynamic_cast<CSdlSoundPlayer*>(pOpened.get()), nullptr);
    CountingSoundPlayer counting(*pOpened);
    FakeServices fakes;
    CServices services = fakes.Services();
    services.pSound = &counting;
    for (const Case& c : cases) {
        const QString strPath = folders.Scratch() + "/" + c.szName;
        if (!c.baContent.isNull()) {
            ASSERT_TRUE(CTestFolders::WriteFile(strPath, c.baContent));
        }
        CMusicPlayer player(services,
                            CMusicPaths{folders.Scratch(), folders.Home() + "/m.ini", {}});
        for (CMusicSlot& slot : player.Settings().m_aSlots)
            slot.m_strPath = strPath;
        player.Settings().m_saEffects[static_cast<size_t>(SoundEffect::Correct)] = strPath;
        counting.m_nMusic = 0;
        player.ApplyContextMusic();
        player.PlayEffect(SoundEffect::Correct);
        player.PauseMusic();
        player.ResumeMusic();
        // Whatever the mixer makes of the file, it is not started over and over.
        WaitFor([] { return false; }, 400);
        EXPECT_LE(counting.m_nMusic, 1) << c.szName;
        player.StopAllSound(true);
    }
}

INSTANTIATE_TEST_SUITE_P(Players, SdlSoundPlayerBroken, ::testing::Values("music/timidity.cfg", ""),
                         [](const auto& info) {
                             return std::string(*info.param ? "PatchSet" : "SoundFont");
                         });

TEST(SdlSoundPlayer, WithoutAnAudioDeviceTheProgramPlaysSilently) {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    std::unique_ptr<ISoundPlayer> pPlayer = CSdlSoundPlayer::Open();
    ASSERT_NE(pPlayer, nullptr);
    EXPECT_EQ(dynamic_cast<CSdlSoundPlayer*>(pPlayer.get()), nullptr);
    EXPECT_FALSE(pPlayer->PlayWave(kData + "/sounds/correct.wav", false));
    EXPECT_FALSE(pPlayer->PlayMusic(kData + "/music/general.mid"));
    qputenv("SDL_AUDIODRIVER", "dummy");
}

} // namespace
