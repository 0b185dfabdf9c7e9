#include "media/lazysoundplayer.h"

#include "media/moduleentry.h"
#include "media/silentsoundplayer.h"

CLazySoundPlayer::CLazySoundPlayer(std::function<std::unique_ptr<ISoundPlayer>()> fnOpen)
    : m_fnOpen(std::move(fnOpen)) {}

std::unique_ptr<CLazySoundPlayer> CLazySoundPlayer::FromModule(const QString& strModulePath) {
    return std::make_unique<CLazySoundPlayer>([strModulePath]() -> std::unique_ptr<ISoundPlayer> {
        const auto fnOpen = reinterpret_cast<OpenSoundPlayerFunction>(
            ResolveModuleEntry(strModulePath, kOpenSoundPlayerSymbol));
        if (fnOpen == nullptr) return std::make_unique<CSilentSoundPlayer>();
        return std::unique_ptr<ISoundPlayer>(fnOpen());
    });
}

ISoundPlayer& CLazySoundPlayer::Player() {
    if (!m_pPlayer) {
        m_pPlayer = m_fnOpen ? m_fnOpen() : nullptr;
        if (!m_pPlayer) m_pPlayer = std::make_unique<CSilentSoundPlayer>();
        if (m_fnFinished) m_pPlayer->SetMusicFinishedHandler(m_fnFinished);
    }
    return *m_pPlayer;
}

bool CLazySoundPlayer::PlayWave(const QString& strPath, bool bLoop) {
    return Player().PlayWave(strPath, bLoop);
}

bool CLazySoundPlayer::PlayMusic(const QString& strPath) {
    return Player().PlayMusic(strPath);
}

// Before anything played there is nothing to stop or pause, and no reason to open.
void CLazySoundPlayer::StopWave() {
    if (m_pPlayer) m_pPlayer->StopWave();
}

void CLazySoundPlayer::PauseMusic() {
    if (m_pPlayer) m_pPlayer->PauseMusic();
}

void CLazySoundPlayer::ResumeMusic() {
    if (m_pPlayer) m_pPlayer->ResumeMusic();
}

void CLazySoundPlayer::StopMusic() {
    if (m_pPlayer) m_pPlayer->StopMusic();
}

void CLazySoundPlayer::SetMusicFinishedHandler(std::function<void(bool bNormalEnd)> fnFinished) {
    m_fnFinished = fnFinished;
    if (m_pPlayer) m_pPlayer->SetMusicFinishedHandler(std::move(fnFinished));
}
