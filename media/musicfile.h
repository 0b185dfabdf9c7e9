// What kind of music a file is, judged by its extension in lower case.
#pragma once

#include <QString>

enum MusicKind {
    kMusicNone = 0,
    kMusicMidi = 1, // .mid .midi .rmi
    kMusicWave = 2, // .wav
    kMusicMp3 = 3,
    kMusicWma = 4,
};

// kMusicNone for an empty path or one where nothing exists and nothing could be created;
// otherwise the kind by extension.
int GetMusicKind(const QString& strPath);

// The kind by extension only, for paths that need not exist.
int GetMusicKindByName(const QString& strPath);

// True when something exists at the path and its extension is one of the six.
bool IsMusicFile(const QString& strPath);
