// The sound player of a machine without an audio device, and of tests that do not listen:
// it accepts every request and plays nothing.
#pragma once

#include "core/soundplayer.h"

class CSilentSoundPlayer : public ISoundPlayer {
public:
    bool PlayWave(const QString&, bool) override { return false; }
    void StopWave() override {}
    bool PlayMusic(const QString&) override { return false; }
    void PauseMusic() override {}
    void ResumeMusic() override {}
    void StopMusic() override {}
    // Nothing plays, so nothing ever ends.
    void SetMusicFinishedHandler(std::function<void(bool)>) override {}
};
