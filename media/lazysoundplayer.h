// The sound player of the desktop program, opened when the program first makes a sound: the
// audio libraries (the mixer, the MIDI synthesizer and their dozens of dependencies) live in a
// module loaded then, so that the main window does not wait for them at start and a player
// who keeps the music off does not carry them. Without the module or an audio device it
// stays silent.
#pragma once

#include "core/soundplayer.h"

#include <QString>

#include <functional>
#include <memory>

// The module's entry point: a new player, never null.
using OpenSoundPlayerFunction = ISoundPlayer* (*)();
inline constexpr const char* kOpenSoundPlayerSymbol = "TetralyxOpenSdlSoundPlayer";

class CLazySoundPlayer : public ISoundPlayer {
public:
    // fnOpen makes the real player; it is called once, on the first wave or music played.
    explicit CLazySoundPlayer(std::function<std::unique_ptr<ISoundPlayer>()> fnOpen);
    // The player of the module at strModulePath; silent when it does not load.
    static std::unique_ptr<CLazySoundPlayer> FromModule(const QString& strModulePath);

    bool PlayWave(const QString& strPath, bool bLoop) override;
    void StopWave() override;
    bool PlayMusic(const QString& strPath) override;
    void PauseMusic() override;
    void ResumeMusic() override;
    void StopMusic() override;
    void SetMusicFinishedHandler(std::function<void(bool bNormalEnd)> fnFinished) override;

    bool IsOpen() const { return m_pPlayer != nullptr; }

private:
    ISoundPlayer& Player();

    std::function<std::unique_ptr<ISoundPlayer>()> m_fnOpen;
    std::unique_ptr<ISoundPlayer> m_pPlayer;
    std::function<void(bool)> m_fnFinished;
};
