#include "media/sdlsoundplayer.h"

#include "media/silentsoundplayer.h"

#include <QFileInfo>
#include <QMetaObject>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kEffectChannel = 0;

// The mixer's finished hook has no user data, so the one open player is found here; only the
// hook reads it between Open and the destructor.
std::atomic<CSdlSoundPlayer*> g_pOpenPlayer{nullptr};

// Debian's default soundfont links may point at a format not installed; the first that
// resolves is used.
const char* const kaszSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

void ChooseSoundFont() {
    if (qEnvironmentVariableIsSet("SDL_SOUNDFONTS")) return;
    for (const char* szPath : kaszSoundFonts) {
        if (QFileInfo(QString::fromLatin1(szPath)).isFile()) {
            Mix_SetSoundFonts(szPath);
            return;
        }
    }
}

// The mixer tries its MIDI players in a fixed order, the soundfont synthesizer first; a hint
// read when the mixer starts leaves it out.
bool OpenMixer(bool bWithoutSoundFont) {
    SDL_SetHint("SDL_MIXER_DISABLE_FLUIDSYNTH", bWithoutSoundFont ? "1" : "0");
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) == 0) return true;
    Mix_Quit();
    return false;
}

} // namespace

std::unique_ptr<ISoundPlayer> CSdlSoundPlayer::Open(const QString& strMidiPatches) {
    // The mixer is one per process.
    if (g_pOpenPlayer.load()) return std::make_unique<CSilentSoundPlayer>();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return std::make_unique<CSilentSoundPlayer>();
    // A patch set loads only the instruments a track uses, a few megabytes, where the soundfont
    // synthesizer holds its whole font. A soundfont the player names himself still wins.
    const bool bPatches = !strMidiPatches.isEmpty() && QFileInfo(strMidiPatches).isFile() &&
                          !qEnvironmentVariableIsSet("SDL_SOUNDFONTS");
    if (bPatches) Mix_SetTimidityCfg(QFile::encodeName(strMidiPatches).constData());
    bool bOpen = OpenMixer(bPatches);
    // A configuration whose patch set is not installed leaves the patch player closed.
    if (bOpen && bPatches && !Mix_HasMusicDecoder("TIMIDITY")) {
        Mix_CloseAudio();
        Mix_Quit();
        bOpen = OpenMixer(false);
    }
    if (!bOpen) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return std::make_unique<CSilentSoundPlayer>();
    }
    std::unique_ptr<CSdlSoundPlayer> pPlayer(new CSdlSoundPlayer);
    g_pOpenPlayer = pPlayer.get();
    ChooseSoundFont();
    Mix_VolumeMusic(kMusicVolume);
    Mix_HookMusicFinished(&CSdlSoundPlayer::OnMixerMusicFinished);
    return pPlayer;
}

QString CSdlSoundPlayer::MidiPlayerName() {
    for (int n = 0; n < Mix_GetNumMusicDecoders(); ++n) {
        const QString strName = QString::fromLatin1(Mix_GetMusicDecoder(n));
        if (strName == QLatin1String("TIMIDITY") || strName == QLatin1String("FLUIDSYNTH"))
            return strName;
    }
    return QString();
}

CSdlSoundPlayer::~CSdlSoundPlayer() {
    // After the hook is unset (under the mixer's lock) no report can start any more.
    Mix_HookMusicFinished(nullptr);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (m_pChunk) Mix_FreeChunk(m_pChunk);
    FreeMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_pOpenPlayer = nullptr;
}

bool CSdlSoundPlayer::PlayWave(const QString& strPath, bool bLoop) {
    // The mixer leaks the file it opened itself when decoding fails; open and close it here.
    SDL_RWops* pSource = SDL_RWFromFile(QFile::encodeName(strPath).constData(), "rb");
    if (!pSource) return false;
    Mix_Chunk* pChunk = Mix_LoadWAV_RW(pSource, 0);
    SDL_RWclose(pSource);
    // A file that does not load leaves the sounding wave alone.
    if (!pChunk) return false;
    Mix_HaltChannel(kEffectChannel);
    if (m_pChunk) Mix_FreeChunk(m_pChunk);
    m_pChunk = pChunk;
    return Mix_PlayChannel(kEffectChannel, m_pChunk, bLoop ? -1 : 0) == kEffectChannel;
}

void CSdlSoundPlayer::StopWave() {
    Mix_HaltChannel(kEffectChannel);
}

bool CSdlSoundPlayer::PlayMusic(const QString& strPath) {
    StopMusic();
    FreeMusic();
    // As for waves: the source is ours, so a file that fails to decode is closed too.
    m_pMusicSource = SDL_RWFromFile(QFile::encodeName(strPath).constData(), "rb");
    if (!m_pMusicSource) return false;
    m_pMusic = Mix_LoadMUS_RW(m_pMusicSource, 0);
    if (!m_pMusic) {
        FreeMusic();
        return false;
    }
    ++m_nGeneration;
    return Mix_PlayMusic(m_pMusic, 0) == 0;
}

void CSdlSoundPlayer::PauseMusic() {
    Mix_PauseMusic();
}

void CSdlSoundPlayer::ResumeMusic() {
    Mix_ResumeMusic();
}

void CSdlSoundPlayer::StopMusic() {
    // The mixer reports a halt through the same hook as a normal end; the flag tells them apart.
    m_bHalting = true;
    Mix_HaltMusic();
    m_bHalting = false;
}

void CSdlSoundPlayer::SetMusicFinishedHandler(std::function<void(bool)> fnFinished) {
    m_fnFinished = std::move(fnFinished);
}

bool CSdlSoundPlayer::IsWavePlaying() const {
    return Mix_Playing(kEffectChannel) != 0;
}

bool CSdlSoundPlayer::IsMusicPlaying() const {
    return Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
}

bool CSdlSoundPlayer::IsMusicPaused() const {
    return Mix_PausedMusic() != 0;
}

void CSdlSoundPlayer::OnMixerMusicFinished() {
    // The audio thread (or, for a halt, the caller's): no mixer calls here, only a queued report.
    CSdlSoundPlayer* pPlayer = g_pOpenPlayer.load();
    if (!pPlayer) return;
    const int nGeneration = pPlayer->m_nGeneration.load();
    const bool bNormalEnd = !pPlayer->m_bHalting.load();
    QMetaObject::invokeMethod(
        pPlayer,
        [pPlayer, nGeneration, bNormalEnd] {
            pPlayer->DeliverMusicFinished(nGeneration, bNormalEnd);
        },
        Qt::QueuedConnection);
}

void CSdlSoundPlayer::DeliverMusicFinished(int nGeneration, bool bNormalEnd) {
    // A report that arrives after a newer track started is about the old one.
    const bool bCurrent = nGeneration == m_nGeneration.load();
    if (m_fnFinished) m_fnFinished(bNormalEnd && bCurrent);
}

void CSdlSoundPlayer::FreeMusic() {
    if (m_pMusic) Mix_FreeMusic(m_pMusic);
    m_pMusic = nullptr;
    if (m_pMusicSource) SDL_RWclose(m_pMusicSource);
    m_pMusicSource = nullptr;
}
