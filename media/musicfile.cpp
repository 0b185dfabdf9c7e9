#include "media/musicfile.h"

#include "core/pathutils.h"

int GetMusicKindByName(const QString& strPath) {
    const QString strLower = strPath.toLower();
    auto endsWith = [&strLower](const char* szEnding) {
        return strLower.endsWith(QLatin1String(szEnding));
    };
    if (endsWith(".mid") || endsWith(".midi") || endsWith(".rmi")) return kMusicMidi;
    if (endsWith(".wav")) return kMusicWave;
    if (endsWith(".mp3")) return kMusicMp3;
    if (endsWith(".wma")) return kMusicWma;
    return kMusicNone;
}

int GetMusicKind(const QString& strPath) {
    if (strPath.isEmpty() || !IsUsablePath(strPath)) return kMusicNone;
    return GetMusicKindByName(strPath);
}

bool IsMusicFile(const QString& strPath) {
    return PathExists(strPath) && GetMusicKindByName(strPath) != kMusicNone;
}
