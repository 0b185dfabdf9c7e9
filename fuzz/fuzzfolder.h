// A scratch folder for the targets that read and write files, made once per process.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

inline QString FuzzFilePath(const QString& strName) {
    static QTemporaryDir folder;
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
