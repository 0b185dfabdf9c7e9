// The audio back end: one channel for effects and wave music, one for music files. The
// program plays through this; a silent implementation serves tests and machines without an
// audio device.
#pragma once

#include <QString>

#include <functional>

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // A new wave replaces the one sounding. False when the file does not play.
    virtual bool PlayWave(const QString& strPath, bool bLoop) = 0;
    virtual void StopWave() = 0;
    // Music files (the MIDI family): played once; fnFinished (set below) tells of the end.
    virtual bool PlayMusic(const QString& strPath) = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0; // at the position where it paused
    virtual void StopMusic() = 0;
    // Runs on the UI thread when music ends; bNormalEnd is false when it was stopped.
    virtual void SetMusicFinishedHandler(std::function<void(bool bNormalEnd)> fnFinished) = 0;
};
