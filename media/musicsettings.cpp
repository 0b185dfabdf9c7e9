#include "media/musicsettings.h"

#include "core/configfile.h"

namespace {

const QString kRootToken = QStringLiteral("%%root_path%%");

struct CSlotKeys {
    const char* szEnabled;
    const char* szPath;
};

// The key names are old and irregular; stored files rely on them exactly.
constexpr std::array<CSlotKeys, kMusicContextCount> kaSlotKeys{{
    {"Enable General Background Music", "General Background Music Path"},
    {"Enable Training Music", "Training Music Path"},
    {"Enable Training Game Music", "General Training Game Music Path"},
    {"Enable WC Standard Music", "WC Standard Music Path"},
    {"Enable WC Hero Music", "General WC Hero Music Path"},
    {"Enable WC Wizard Music", "WC Wizard Music Path"},
    {"Enable WC Holy War Music", "WC Holy War Music Path"},
}};

constexpr std::array<const char*, kSoundEffectCount> kaEffectKeys{
    "Go Next", "Go Previous", "Correct", "Incorrect", "Abnormal", "TimeUp"};

const QString kMusicSection = QStringLiteral("Music");
const QString kSoundSection = QStringLiteral("Sound");

QString WithoutTrailingSlash(const QString& strFolder) {
    QString strResult = strFolder;
    while (strResult.size() > 1 && strResult.endsWith(QLatin1Char('/')))
        strResult.chop(1);
    return strResult;
}

} // namespace

MusicContext GetMusicContext(bool bTraining, bool bTrainingGame, bool bWorldCup, bool bStandard,
                             bool bJQK) {
    if (bTraining) return MusicContext::Training;
    if (bTrainingGame) return MusicContext::TrainingGame;
    if (!bWorldCup) return MusicContext::General;
    if (bStandard) return bJQK ? MusicContext::WorldCupHero : MusicContext::WorldCupStandard;
    return bJQK ? MusicContext::WorldCupHolyWar : MusicContext::WorldCupWizard;
}

QString ToStoredMusicPath(const QString& strPath, const QString& strAppFolder) {
    // File names are case-sensitive here, so the path keeps its case; only a path inside the
    // folder (not one that merely begins with the same letters) gets the token.
    const QString strFolder = WithoutTrailingSlash(strAppFolder);
    if (strFolder.isEmpty() || strFolder == QLatin1String("/")) return strPath;
    if (strPath == strFolder) return kRootToken;
    if (strPath.startsWith(strFolder + QLatin1Char('/')))
        return kRootToken + strPath.mid(strFolder.size());
    return strPath;
}

QString FromStoredMusicPath(const QString& strStored, const QString& strAppFolder) {
    QString strPath = TrimMusicPath(strStored);
    strPath.replace(kRootToken, WithoutTrailingSlash(strAppFolder));
    return strPath;
}

void LoadMusicSettings(CMusicSettings& settings, const CMusicPaths& paths, bool bFromDefaults) {
    CConfigFile file;
    file.Load(bFromDefaults ? paths.m_strDefaultMusicIni : paths.m_strMusicIni);
    CMusicSettings loaded;
    file.ReadBool(kMusicSection, QStringLiteral("Music On"), true, loaded.m_bMusicOn);
    for (size_t n = 0; n < kaSlotKeys.size(); ++n) {
        CMusicSlot& slot = loaded.m_aSlots[n];
        QString strStored;
        file.ReadBool(kMusicSection, QString::fromLatin1(kaSlotKeys[n].szEnabled), true,
                      slot.m_bEnabled);
        file.ReadString(kMusicSection, QString::fromLatin1(kaSlotKeys[n].szPath), QString(),
                        strStored);
        slot.m_strPath = FromStoredMusicPath(strStored, paths.m_strAppFolder);
    }
    for (size_t n = 0; n < kaEffectKeys.size(); ++n) {
        QString strStored;
        file.ReadString(kSoundSection, QString::fromLatin1(kaEffectKeys[n]), QString(), strStored);
        loaded.m_saEffects[n] = FromStoredMusicPath(strStored, paths.m_strAppFolder);
    }
    settings = loaded;
}

bool SaveMusicSettings(const CMusicSettings& settings, const CMusicPaths& paths,
                       IMessagePresenter* pMessages) {
    // Load first, so that comments and keys of other versions survive the rewrite.
    CConfigFile file;
    file.Load(paths.m_strMusicIni);
    file.WriteBool(kMusicSection, QStringLiteral("Music On"), settings.m_bMusicOn);
    for (size_t n = 0; n < kaSlotKeys.size(); ++n) {
        const CMusicSlot& slot = settings.m_aSlots[n];
        file.WriteBool(kMusicSection, QString::fromLatin1(kaSlotKeys[n].szEnabled),
                       slot.m_bEnabled);
        file.WriteString(kMusicSection, QString::fromLatin1(kaSlotKeys[n].szPath),
                         ToStoredMusicPath(slot.m_strPath, paths.m_strAppFolder));
    }
    for (size_t n = 0; n < kaEffectKeys.size(); ++n)
        file.WriteString(kSoundSection, QString::fromLatin1(kaEffectKeys[n]),
                         ToStoredMusicPath(settings.m_saEffects[n], paths.m_strAppFolder));
    return file.Save(paths.m_strMusicIni, pMessages);
}

QString TrimMusicPath(const QString& strPath) {
    qsizetype nStart = 0;
    qsizetype nEnd = strPath.size();
    auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
               c == QLatin1Char('\n');
    };
    while (nStart < nEnd && isBlank(strPath[nStart]))
        ++nStart;
    while (nEnd > nStart && isBlank(strPath[nEnd - 1]))
        --nEnd;
    return strPath.mid(nStart, nEnd - nStart);
}
