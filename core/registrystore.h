// Numbers and texts kept under the program's base key, always read with a default.
// The store is a per-user INI file; each value carries its kind, so a value written
// as text never reads back as a number (and the other way round).
#pragma once

#include <QString>

class CRegistryStore {
public:
    // strRoot is the store file; strKey is the base key every address lives under.
    static void SetBaseKey(const QString& strRoot, const QString& strKey);
    static QString GetRoot();
    static QString GetBaseKey();

    // strSubKey may contain backslashes; it is relative to the base key.
    static int ReadNumber(const QString& strSubKey, const QString& strName, int nDefault);
    static bool WriteNumber(const QString& strSubKey, const QString& strName, int nValue);

    static QString ReadText(const QString& strSubKey, const QString& strName,
                            const QString& strDefault);
    // Keeps the first kMaxTextLength characters of the value.
    static bool WriteText(const QString& strSubKey, const QString& strName,
                          const QString& strValue);

    static constexpr int kMaxTextLength = 511;
};
