#include "media/backgroundmusiclogic.h"

#include "core/localizedtext.h"
#include "core/pathutils.h"
#include "core/stringids.h"
#include "media/musicfile.h"
#include "media/musicplayer.h"

#include <QFileInfo>

bool CBackgroundMusicLogic::CanReset() const {
    return QFileInfo(m_paths.m_strDefaultMusicIni).isFile();
}

CMusicDialogState CBackgroundMusicLogic::GetControlState(const CMusicSettings& settings) {
    CMusicDialogState state;
    state.bGroupEnabled = settings.m_bMusicOn;
    for (size_t n = 0; n < state.aRows.size(); ++n) {
        const CMusicSlot& slot = settings.m_aSlots[n];
        CMusicRowState& row = state.aRows[n];
        row.bCheckEnabled = settings.m_bMusicOn;
        row.bPathEnabled = settings.m_bMusicOn && slot.m_bEnabled;
        row.bPreviewShown = row.bPathEnabled && IsMusicFile(slot.m_strPath.trimmed());
    }
    return state;
}

QString CBackgroundMusicLogic::GetRowLabel(int nRow) {
    static constexpr std::uint32_t kaLevels[] = {
        IDS_DIALOG_MUSIC_WC_STANDARD_LEVEL_S, IDS_DIALOG_MUSIC_WC_HERO_LEVEL_H,
        IDS_DIALOG_MUSIC_WC_WIZARD_LEVEL_W, IDS_DIALOG_MUSIC_WC_HOLY_WAR_LEVEL_O};
    switch (static_cast<MusicContext>(nRow)) {
    case MusicContext::General:
        return LocalizedText(IDS_DIALOG_MUSIC_GENERAL_BACKGROUND_MUSIC_B);
    case MusicContext::Training:
        return LocalizedText(IDS_DIALOG_MUSIC_TRAINING_T);
    case MusicContext::TrainingGame:
        return LocalizedText(IDS_DIALOG_MUSIC_TRAINING_GAME_G);
    default:
        break;
    }
    const int nLevel = nRow - static_cast<int>(MusicContext::WorldCupStandard);
    if (nLevel < 0 || nLevel > 3) return QString();
    return QStringLiteral("%1 - %2").arg(LocalizedText(IDS_TIP_WORLD_CUP),
                                         LocalizedText(kaLevels[nLevel]));
}

QString CBackgroundMusicLogic::GetBrowseStart(const QString& strBoxPath,
                                              const QString& strLastFolder) {
    const QString strPath = strBoxPath.trimmed();
    if (strPath.isEmpty()) return strLastFolder;
    return GetFolderPart(strPath);
}

QString CBackgroundMusicLogic::GetFolderToRemember(const QString& strChosen) {
    return GetFolderPart(strChosen);
}

bool CBackgroundMusicLogic::Preview(const QString& strBoxPath, CMusicPlayer& player) {
    const QString strPath = strBoxPath.trimmed();
    if (!IsMusicFile(strPath)) return false;
    return player.PlayMusicFile(strPath, CMusicPlayer::kPreviewSeconds);
}

bool CBackgroundMusicLogic::Accept() {
    for (CMusicSlot& slot : m_settings.m_aSlots)
        slot.m_strPath = slot.m_strPath.trimmed();
    return SaveMusicSettings(m_settings, m_paths, m_pMessages);
}
