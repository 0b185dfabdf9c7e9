// Writes a whole text file for the player (collection exports, the complete list).
#pragma once

#include <QByteArray>
#include <QString>

constexpr int kWriteTextWritten = 1;
constexpr int kWriteTextInvalidPath = 0;
constexpr int kWriteTextIsFolder = -1;
constexpr int kWriteTextReadOnly = -2;
constexpr int kWriteTextCannotOpen = -3;

// Writes baText's bytes exactly. Returns one of the results above; strMessage receives the
// text to show for 0, -1 and -2 and stays empty otherwise. An existing file is replaced only
// by a complete new one.
int WriteTextFile(const QByteArray& baText, const QString& strPath, QString& strMessage);
