// A scratch folder for the targets that read and write files, made once per process.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// In memory where the system offers it: every save syncs its file, which on a disk would
// cost more than the parsing under test.
inline QString FuzzFilePath(const QString& strName) {
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/tetralyx-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/tetralyx-fuzz-XXXXXX"));
    return folder.filePath(strName);
}

inline bool WriteFuzzFile(const QString& strPath, const QByteArray& baContent) {
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(baContent) == baContent.size();
}

inline QByteArray ReadFuzzFile(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
