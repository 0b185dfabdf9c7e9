// The music and sound settings (music.ini): the master switch, seven music slots chosen by what
// the player is doing, and six effect files. Paths under the application folder are stored with
// "%%root_path%%" in its place, so that a moved installation keeps its own media.
#pragma once

#include "core/soundeffect.h"

#include <QString>

#include <array>

class IMessagePresenter;

// The slots in file order; also the play situations that choose them.
enum class MusicContext {
    General,
    Training,
    TrainingGame,
    WorldCupStandard,
    WorldCupHero,
    WorldCupWizard,
    WorldCupHolyWar,
};
inline constexpr int kMusicContextCount = 7;

// A training beats a training game, which beats a World Cup; the World Cup's level follows its
// rule and the J/Q/K switch. Nothing running gives the general slot.
MusicContext GetMusicContext(bool bTraining, bool bTrainingGame, bool bWorldCup, bool bStandard,
                             bool bJQK);

struct CMusicSlot {
    bool m_bEnabled = true;
    QString m_strPath;
    bool operator==(const CMusicSlot&) const = default;
};

struct CMusicSettings {
    bool m_bMusicOn = true;
    std::array<CMusicSlot, kMusicContextCount> m_aSlots{};
    std::array<QString, kSoundEffectCount> m_saEffects{};

    CMusicSlot& Slot(MusicContext context) { return m_aSlots[static_cast<size_t>(context)]; }
    const CMusicSlot& Slot(MusicContext context) const {
        return m_aSlots[static_cast<size_t>(context)];
    }
    // An empty path (nothing plays) for SoundEffect::None.
    QString Effect(SoundEffect effect) const {
        const auto nSlot = static_cast<size_t>(effect);
        return nSlot < m_saEffects.size() ? m_saEffects[nSlot] : QString();
    }
    bool operator==(const CMusicSettings&) const = default;
};

// Where the settings live: the shipped defaults, the user's copy, and the folder that
// "%%root_path%%" stands for.
struct CMusicPaths {
    QString m_strAppFolder;
    QString m_strMusicIni;        // music.ini
    QString m_strDefaultMusicIni; // defaultmusic.ini
};

// Reads defaultmusic.ini when bFromDefaults, else music.ini; missing keys take their defaults.
void LoadMusicSettings(CMusicSettings& settings, const CMusicPaths& paths, bool bFromDefaults);
// Writes music.ini (never the defaults). False when the file cannot be written; pMessages (when
// given) then tells the player which file it was.
bool SaveMusicSettings(const CMusicSettings& settings, const CMusicPaths& paths,
                       IMessagePresenter* pMessages = nullptr);

// The stored form of a path and back.
// A path as typed or stored, without surrounding blanks, tabs and line ends; other white
// space may belong to a file name.
QString TrimMusicPath(const QString& strPath);

QString ToStoredMusicPath(const QString& strPath, const QString& strAppFolder);
QString FromStoredMusicPath(const QString& strStored, const QString& strAppFolder);
