// A sound back end that records every call and plays nothing; a test ends the music by hand.
#pragma once

#include "core/soundplayer.h"

#include <QStringList>

class FakeSoundPlayer : public ISoundPlayer {
public:
    bool PlayWave(const QString& strPath, bool bLoop) override {
        m_saCalls.push_back(QStringLiteral("wave %1%2").arg(strPath, bLoop ? " loop" : ""));
        return m_bAccept;
    }
    void StopWave() override { m_saCalls.push_back(QStringLiteral("stop wave")); }
    bool PlayMusic(const QString& strPath) override {
        m_saCalls.push_back(QStringLiteral("music %1").arg(strPath));
        return m_bAccept;
    }
    void PauseMusic() override { m_saCalls.push_back(QStringLiteral("pause")); }
    void ResumeMusic() override { m_saCalls.push_back(QStringLiteral("resume")); }
    void StopMusic() override { m_saCalls.push_back(QStringLiteral("stop music")); }
    void SetMusicFinishedHandler(std::function<void(bool)> fnFinished) override {
        m_fnFinished = std::move(fnFinished);
    }

    // The end-of-play report, as the real back end delivers it on the UI thread.
    void Finish(bool bNormalEnd) {
        if (m_fnFinished) m_fnFinished(bNormalEnd);
    }
    // The calls so far, and a fresh start.
    QStringList Take() {
        QStringList saCalls = m_saCalls;
        m_saCalls.clear();
        return saCalls;
    }

    QStringList m_saCalls;
    bool m_bAccept = true;
    std::function<void(bool)> m_fnFinished;
};
