// Path tests and path building. Paths use "/" as separator; "/" alone is the bare root.
#pragma once

#include <QString>

// True when a file or folder exists there; trailing "/" of a longer path are ignored.
bool PathExists(const QString& strPath);

// True when the path (trailing "/" ignored) names an existing folder.
bool IsFolder(const QString& strPath);

// True when something exists there or a file can be created there. The probe file is
// removed again at once, and a file that appeared meanwhile is never touched.
bool IsUsablePath(const QString& strPath);

// The path itself when it is a folder, otherwise the part before the last "/" ("/" for a
// file in the root, empty when there is no "/").
QString GetFolderPart(const QString& strPath);

// nKind 1: full path of the executable; 2: its folder, the application folder; other: empty.
QString GetModulePath(int nKind);

// "folder/name".
QString JoinPath(const QString& strFolder, const QString& strName);

// Where everything the program writes lives: $TETRALYX_HOME when set, otherwise
// $XDG_CONFIG_HOME/tetralyx (~/.config/tetralyx). Not created here.
QString GetUserFolder();
