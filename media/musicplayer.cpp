#include "media/musicplayer.h"

#include "core/clock.h"
#include "core/desktopopener.h"
#include "core/pathutils.h"
#include "core/services.h"
#include "core/soundplayer.h"
#include "media/musicfile.h"
#include "media/silentsoundplayer.h"

CMusicPlayer::CMusicPlayer(const CServices& services, CMusicPaths paths,
                           std::function<MusicContext()> fnContext)
    : m_pSound(services.pSound), m_pClock(services.pClock), m_pDesktop(services.pDesktop),
      m_pMessages(services.pMessages), m_paths(std::move(paths)),
      m_fnContext(std::move(fnContext)) {
    if (!m_pSound) {
        m_pSilent = std::make_unique<CSilentSoundPlayer>();
        m_pSound = m_pSilent.get();
    }
    m_pSound->SetMusicFinishedHandler([this](bool bNormalEnd) { OnMusicFinished(bNormalEnd); });
}

CMusicPlayer::~CMusicPlayer() {
    m_pSound->SetMusicFinishedHandler({});
    m_pDurationTimer.reset();
}

MusicContext CMusicPlayer::CurrentContext() const {
    return m_fnContext ? m_fnContext() : MusicContext::General;
}

void CMusicPlayer::PlaySoundEffect(const QString& strPath, bool bLoop, bool bSilenceFirst) {
    if (bSilenceFirst) m_pSound->StopWave();
    if (strPath.isEmpty() || !PathExists(strPath)) return;
    m_pSound->PlayWave(strPath, bLoop);
}

void CMusicPlayer::PlayEffect(SoundEffect effect) {
    PlaySoundEffect(m_settings.Effect(effect), false, false);
}

bool CMusicPlayer::PlayMusicFile(const QString& strPath, int nDurationSeconds) {
    const QString strFile = TrimMusicPath(strPath);
    if (!PathExists(strFile)) return false;
    switch (GetMusicKindByName(strFile)) {
    case kMusicWave:
        CancelCountdown();
        PlaySoundEffect(strFile, true, true);
        break;
    case kMusicMidi:
        StopAllSound(true);
        m_nDurationCounter = nDurationSeconds;
        m_pDurationTimer.reset();
        // An unlimited counter never reaches zero, so only a limited one needs the timer.
        if (m_pClock && nDurationSeconds >= 0)
            m_pDurationTimer = m_pClock->StartTimer(1000, [this] { OnDurationTick(); });
        if (m_pClock) m_midiStarted = m_pClock->Now();
        m_pSound->PlayMusic(strFile);
        break;
    case kMusicMp3:
    case kMusicWma:
        CancelCountdown();
        StopAllSound(false);
        if (m_pDesktop) m_pDesktop->Open(strFile);
        break;
    default:
        return false;
    }
    // The path keeps its case: file names are case-sensitive here.
    m_strCurrentMusic = strFile;
    return true;
}

void CMusicPlayer::StopAllSound(bool bForgetCurrent) {
    m_pSound->StopWave();
    m_pSound->StopMusic();
    if (bForgetCurrent) m_strCurrentMusic.clear();
}

void CMusicPlayer::ApplyContextMusic() {
    QString strSelected;
    if (m_settings.m_bMusicOn) {
        const CMusicSlot& slot = m_settings.Slot(CurrentContext());
        if (slot.m_bEnabled) strSelected = slot.m_strPath;
    }
    if (strSelected.isEmpty()) {
        StopAllSound(true);
    } else if (strSelected != m_strCurrentMusic) {
        // A slot whose file does not start is silent, not the previous track going on.
        if (!PlayMusicFile(strSelected, -1)) StopAllSound(false);
    } else {
        // The situation's own track is never cut short by a preview's countdown.
        CancelCountdown();
        ResumeMusic();
    }
    m_strCurrentMusic = strSelected;
}

void CMusicPlayer::PauseMusic() {
    switch (GetMusicKind(m_strCurrentMusic)) {
    case kMusicMidi:
        m_pSound->PauseMusic();
        break;
    case kMusicWave:
        StopAllSound(false);
        break;
    default:
        break;
    }
}

void CMusicPlayer::ResumeMusic() {
    // Regaining the focus must not bring back music the player switched off.
    if (!m_settings.m_bMusicOn) return;
    if (GetMusicKindByName(m_strCurrentMusic) == kMusicMidi)
        m_pSound->ResumeMusic();
    else
        PlayMusicFile(m_strCurrentMusic, -1);
}

bool CMusicPlayer::SetContextMusic(const QString& strPath) {
    if (m_settings.m_bMusicOn && strPath == m_strCurrentMusic) return false;
    m_settings.m_bMusicOn = true;
    CMusicSlot& slot = m_settings.Slot(CurrentContext());
    slot.m_bEnabled = true;
    slot.m_strPath = strPath;
    ApplyContextMusic();
    SaveSettings();
    return true;
}

void CMusicPlayer::ToggleMusic() {
    const bool bWasOn = m_settings.m_bMusicOn;
    m_settings.m_bMusicOn = !bWasOn;
    if (bWasOn)
        PauseMusic();
    else
        ApplyContextMusic();
    SaveSettings();
}

void CMusicPlayer::RunBackgroundMusicCommand(const std::function<void()>& fnRunDialog) {
    PauseMusic();
    if (fnRunDialog) fnRunDialog();
    ApplyContextMusic();
}

void CMusicPlayer::OnMusicFinished(bool bNormalEnd) {
    if (!bNormalEnd) return;
    if (m_pClock && m_midiStarted.isValid() && m_midiStarted.msecsTo(m_pClock->Now()) < kMinLoopMs)
        return;
    m_strCurrentMusic.clear();
    ApplyContextMusic();
}

void CMusicPlayer::OnDurationTick() {
    if (m_nDurationCounter != 0) {
        const int nBefore = m_nDurationCounter--;
        if (nBefore != 1) return;
    }
    const bool bLimited = m_nDurationCounter != -1;
    m_pDurationTimer.reset(); // destroys the timer running this tick; nothing of it is used after
    if (bLimited) StopAllSound(true);
}

void CMusicPlayer::CancelCountdown() {
    m_nDurationCounter = -1;
    m_pDurationTimer.reset();
}
