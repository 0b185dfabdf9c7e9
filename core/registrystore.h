// Numbers and texts kept under the program's base key, always read with a default.
// The store is a per-user INI file; each value carries its kind, so a value written
// as text never reads back as a number (and the other way round). The application owns
// one store and hands it to the code that keeps settings.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QVariant>

#include <mutex>

class CRegistryStore {
public:
    // Without a file every read gives its default and every write fails.
    CRegistryStore() = default;
    // strRoot is the store file; strKey is the base key every address lives under.
    CRegistryStore(const QString& strRoot, const QString& strKey);
    CRegistryStore(const CRegistryStore&) = delete;
    CRegistryStore& operator=(const CRegistryStore&) = delete;

    void SetBaseKey(const QString& strRoot, const QString& strKey);
    QString GetRoot() const;
    QString GetBaseKey() const;

    // strSubKey may contain backslashes; it is relative to the base key.
    int ReadNumber(const QString& strSubKey, const QString& strName, int nDefault) const;
    bool WriteNumber(const QString& strSubKey, const QString& strName, int nValue);

    QString ReadText(const QString& strSubKey, const QString& strName,
                     const QString& strDefault) const;
    // Keeps the first kMaxTextLength characters of the value.
    bool WriteText(const QString& strSubKey, const QString& strName, const QString& strValue);

    // Where a damaged store is kept once before its unreadable lines are dropped.
    static QString GetDamagedCopyPath(const QString& strRoot);

    static constexpr int kMaxTextLength = 511;

private:
    struct Snapshot {
        bool bValid = false;
        qint64 nSize = -1;
        QDateTime modified;
        bool bDamaged = false;   // the file holds lines the store does not understand
        QByteArray baUnderstood; // those it does, in order
        QMap<QString, QVariant> values;
    };

    QVariant ReadValue(const QString& strFile, const QString& strKey) const;
    bool WriteValue(const QString& strFile, const QString& strKey, const QString& strTagged);
    // Reads the file again when it changed since the last look; call with m_mutex held.
    const Snapshot& Refresh(const QString& strFile) const;
    bool WriteTagged(const QString& strSubKey, const QString& strName, const QString& strTagged);
    QVariant ReadTagged(const QString& strSubKey, const QString& strName) const;

    mutable std::mutex m_mutex;
    QString m_strRoot;
    QString m_strBaseKey;
    mutable Snapshot m_snapshot;
};
