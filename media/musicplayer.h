// The music and effects as the main window drives them: which track the current play situation
// selects, pausing and resuming it, looping MIDI tracks at their end, the preview countdown, the
// master switch and a dropped music file. The audio itself goes through ISoundPlayer; MP3 and
// WMA files are handed to the desktop.
#pragma once

#include "media/musicsettings.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class IClock;
class IClockTimer;
class IDesktopOpener;
class IMessagePresenter;
class ISoundPlayer;
struct CServices;

class CMusicPlayer {
public:
    // Uses pSound, pClock, pDesktop and pMessages of the bundle; a missing sound player means
    // silence. fnContext tells the current play situation (the general slot when empty).
    CMusicPlayer(const CServices& services, CMusicPaths paths,
                 std::function<MusicContext()> fnContext = {});
    ~CMusicPlayer();
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    CMusicSettings& Settings() { return m_settings; }
    const CMusicSettings& Settings() const { return m_settings; }
    const CMusicPaths& Paths() const { return m_paths; }
    void LoadSettings() { LoadMusicSettings(m_settings, m_paths, false); }
    bool SaveSettings() { return SaveMusicSettings(m_settings, m_paths, m_pMessages); }
    IMessagePresenter* GetMessages() const { return m_pMessages; }

    // Plays a wave on the one effect channel; an empty or missing file plays nothing.
    void PlaySoundEffect(const QString& strPath, bool bLoop, bool bSilenceFirst);
    // The effect the settings name for a moment of play.
    void PlayEffect(SoundEffect effect);

    // Starts a file by its kind; nDurationSeconds -1 plays MIDI without limit. False when
    // nothing exists at the path or it is no music file.
    bool PlayMusicFile(const QString& strPath, int nDurationSeconds);
    void StopAllSound(bool bForgetCurrent);

    // Plays, continues or silences the track of the current play situation.
    void ApplyContextMusic();
    void PauseMusic();
    void ResumeMusic();
    // A dropped music file becomes the current situation's track. False when it already is.
    bool SetContextMusic(const QString& strPath);
    // The "Music On" command.
    void ToggleMusic();
    // The "Background Music..." command around the dialog fnRunDialog runs.
    void RunBackgroundMusicCommand(const std::function<void()>& fnRunDialog);

    void OnFocusLost() { PauseMusic(); }
    void OnFocusGained() { ResumeMusic(); }
    // The back end's end-of-play report, on the UI thread.
    void OnMusicFinished(bool bNormalEnd);

    const QString& GetCurrentMusic() const { return m_strCurrentMusic; }
    // Seconds of limited MIDI play left; -1 for none.
    int GetDurationCounter() const { return m_nDurationCounter; }
    bool IsDurationTimerRunning() const { return m_pDurationTimer != nullptr; }

    static constexpr int kPreviewSeconds = 20;
    // A MIDI track that ends sooner than this after its start did not really play (an empty or
    // broken file ends at once); restarting it would reload the file in a tight loop.
    static constexpr int kMinLoopMs = 5000;

private:
    MusicContext CurrentContext() const;
    void OnDurationTick();
    void CancelCountdown();

    ISoundPlayer* m_pSound = nullptr;
    IClock* m_pClock = nullptr;
    IDesktopOpener* m_pDesktop = nullptr;
    IMessagePresenter* m_pMessages = nullptr;
    std::unique_ptr<ISoundPlayer> m_pSilent; // stands in when the bundle has no sound player
    CMusicPaths m_paths;
    std::function<MusicContext()> m_fnContext;
    CMusicSettings m_settings;

    QString m_strCurrentMusic;
    int m_nDurationCounter = -1;
    std::unique_ptr<IClockTimer> m_pDurationTimer;
    QDateTime m_midiStarted;
};
