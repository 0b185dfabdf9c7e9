// The sound player on SDL2_mixer: one mixer channel for effects and wave music, the mixer's
// music stream for MIDI (the mixer's patch player with the free General MIDI patch set, or
// FluidSynth with the system's soundfont where the patches are missing). The mixer tells
// of a track's end on its audio thread; the report is queued to the UI thread.
#pragma once

#include "core/soundplayer.h"

#include <QObject>

#include <atomic>
#include <memory>

struct _Mix_Music;
struct Mix_Chunk;
struct SDL_RWops;

class CSdlSoundPlayer : public QObject, public ISoundPlayer {
    Q_OBJECT
public:
    ~CSdlSoundPlayer() override;

    // Opens the audio device. Without one (or while another mixer player is open) the result is
    // a silent player, so the program runs on quietly. strMidiPatches: the patch player's
    // configuration (music/timidity.cfg beside the program); empty for the soundfont.
    static std::unique_ptr<ISoundPlayer> Open(const QString& strMidiPatches = QString());
    // The mixer's MIDI player, "TIMIDITY" or "FLUIDSYNTH"; empty while none is open.
    static QString MidiPlayerName();

    bool PlayWave(const QString& strPath, bool bLoop) override;
    void StopWave() override;
    bool PlayMusic(const QString& strPath) override;
    void PauseMusic() override;
    void ResumeMusic() override;
    void StopMusic() override;
    void SetMusicFinishedHandler(std::function<void(bool bNormalEnd)> fnFinished) override;

    // What the mixer is doing, for tests.
    bool IsWavePlaying() const;
    bool IsMusicPlaying() const;
    bool IsMusicPaused() const;

    // Background music sits under the effects.
    static constexpr int kMusicVolume = 64;

private:
    void FreeMusic();
    CSdlSoundPlayer() = default;
    static void OnMixerMusicFinished();
    void DeliverMusicFinished(int nGeneration, bool bNormalEnd);

    Mix_Chunk* m_pChunk = nullptr;
    _Mix_Music* m_pMusic = nullptr;
    SDL_RWops* m_pMusicSource = nullptr; // read by m_pMusic while it plays; ours to close
    std::function<void(bool)> m_fnFinished;
    // Which play a report belongs to, and whether we stopped it ourselves; read on the audio
    // thread.
    std::atomic<int> m_nGeneration{0};
    std::atomic<bool> m_bHalting{false};
};
