#include "core/registrystore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <mutex>
#include <optional>

namespace {

// The update check reads and writes the store from its worker thread.
std::mutex g_mutex;
QString g_strRoot;
QString g_strBaseKey;

const QString kKeyEdges = QStringLiteral(" \t\r\n\\");
const QString kBlanks = QStringLiteral(" \t\r\n");
const QString kNumberTag = QStringLiteral("dword:");
const QString kTextTag = QStringLiteral("sz:");

QString TrimSet(const QString& strText, const QString& strSet) {
    qsizetype nStart = 0;
    qsizetype nEnd = strText.size();
    while (nStart < nEnd && strSet.contains(strText[nStart]))
        ++nStart;
    while (nEnd > nStart && strSet.contains(strText[nEnd - 1]))
        --nEnd;
    return strText.mid(nStart, nEnd - nStart);
}

// The INI file uses "/" to nest groups, so a "/" or "%" inside a key or value name is
// escaped; a value name may also hold a backslash, which is no separator there.
QString EscapeName(const QString& strName) {
    QString strResult;
    strResult.reserve(strName.size());
    for (const QChar c : strName) {
        if (c == u'%')
            strResult += QStringLiteral("%25");
        else if (c == u'/')
            strResult += QStringLiteral("%2F");
        else if (c == u'\\')
            strResult += QStringLiteral("%5C");
        else
            strResult += c;
    }
    return strResult;
}

// Splits a trimmed key path at its backslashes; an empty part (as in "a\\b") makes the
// whole path unusable, as it would be for the system registry.
bool AppendKeyPath(QStringList& saParts, const QString& strPath) {
    if (strPath.isEmpty()) return true;
    const QStringList saPieces = strPath.split(u'\\');
    for (const QString& strPiece : saPieces) {
        if (strPiece.isEmpty()) return false;
        saParts.append(EscapeName(strPiece));
    }
    return true;
}

struct Address {
    QString strFile;
    QString strKey;
};

std::optional<Address> MakeAddress(const QString& strSubKey, const QString& strName) {
    Address address;
    QString strBase;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        address.strFile = g_strRoot;
        strBase = g_strBaseKey;
    }
    if (address.strFile.isEmpty()) return std::nullopt;
    const QString strValueName = TrimSet(strName, kBlanks);
    if (strValueName.isEmpty()) return std::nullopt;
    QStringList saParts;
    if (!AppendKeyPath(saParts, strBase)) return std::nullopt;
    if (!AppendKeyPath(saParts, TrimSet(strSubKey, kKeyEdges))) return std::nullopt;
    saParts.append(EscapeName(strValueName));
    address.strKey = saParts.join(u'/');
    return address;
}

// The stored text with its kind tag, or nothing when the value is absent or not text.
std::optional<QString> ReadTagged(const QString& strSubKey, const QString& strName,
                                  const QString& strTag) {
    const std::optional<Address> address = MakeAddress(strSubKey, strName);
    if (!address || !QFileInfo(address->strFile).isFile()) return std::nullopt;
    QSettings settings(address->strFile, QSettings::IniFormat);
    const QVariant value = settings.value(address->strKey);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    const QString strStored = value.toString();
    if (!strStored.startsWith(strTag)) return std::nullopt;
    return strStored.mid(strTag.size());
}

bool WriteTagged(const QString& strSubKey, const QString& strName, const QString& strTagged) {
    const std::optional<Address> address = MakeAddress(strSubKey, strName);
    if (!address) return false;
    QDir().mkpath(QFileInfo(address->strFile).absolutePath());
    QSettings settings(address->strFile, QSettings::IniFormat);
    settings.setValue(address->strKey, strTagged);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// Keeps whole characters: a surrogate pair is never cut in half.
QString FirstCharacters(const QString& strText, int nCount) {
    qsizetype nPos = 0;
    for (int n = 0; n < nCount && nPos < strText.size(); ++n) {
        if (strText[nPos].isHighSurrogate() && nPos + 1 < strText.size() &&
            strText[nPos + 1].isLowSurrogate())
            nPos += 2;
        else
            nPos += 1;
    }
    return strText.left(nPos);
}

} // namespace

void CRegistryStore::SetBaseKey(const QString& strRoot, const QString& strKey) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_strRoot = TrimSet(strRoot, kBlanks);
    g_strBaseKey = TrimSet(strKey, kKeyEdges);
}

QString CRegistryStore::GetRoot() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_strRoot;
}

QString CRegistryStore::GetBaseKey() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_strBaseKey;
}

int CRegistryStore::ReadNumber(const QString& strSubKey, const QString& strName, int nDefault) {
    const std::optional<QString> strHex = ReadTagged(strSubKey, strName, kNumberTag);
    if (!strHex || strHex->isEmpty() || strHex->size() > 8) return nDefault;
    // toUInt would accept a sign and blanks; the store only ever holds plain hex digits.
    for (const QChar c : *strHex)
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F'))
            return nDefault;
    bool bOk = false;
    const uint nValue = strHex->toUInt(&bOk, 16);
    return bOk ? static_cast<int>(nValue) : nDefault;
}

bool CRegistryStore::WriteNumber(const QString& strSubKey, const QString& strName, int nValue) {
    const QString strHex =
        QStringLiteral("%1").arg(static_cast<uint>(nValue), 8, 16, QLatin1Char('0'));
    return WriteTagged(strSubKey, strName, kNumberTag + strHex);
}

QString CRegistryStore::ReadText(const QString& strSubKey, const QString& strName,
                                 const QString& strDefault) {
    const std::optional<QString> strText = ReadTagged(strSubKey, strName, kTextTag);
    if (!strText) return strDefault;
    return FirstCharacters(*strText, kMaxTextLength);
}

bool CRegistryStore::WriteText(const QString& strSubKey, const QString& strName,
                               const QString& strValue) {
    return WriteTagged(strSubKey, strName, kTextTag + FirstCharacters(strValue, kMaxTextLength));
}
