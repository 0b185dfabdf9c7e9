#include "core/registrystore.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>

#include <optional>

namespace {

const QString kKeyEdges = QStringLiteral(" \t\r\n\\");
const QString kBlanks = QStringLiteral(" \t\r\n");
const QString kNumberTag = QStringLiteral("dword:");
const QString kTextTag = QStringLiteral("sz:");
constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 1000;
const QString kScratchInfix = QStringLiteral(".scratch-");

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

std::optional<Address> MakeAddress(const QString& strRoot, const QString& strBase,
                                   const QString& strSubKey, const QString& strName) {
    Address address;
    address.strFile = strRoot;
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

bool IsPrintableAscii(const char* p, const char* pEnd) {
    for (; p < pEnd; ++p)
        if (*p < 0x20 || *p > 0x7E) return false;
    return true;
}

const char* SkipBlanks(const char* p, const char* pEnd) {
    while (p < pEnd && (*p == ' ' || *p == '\t'))
        ++p;
    return p;
}

bool StartsWith(const char* p, const char* pEnd, const char* szPrefix) {
    for (; *szPrefix; ++p, ++szPrefix)
        if (p == pEnd || *p != *szPrefix) return false;
    return true;
}

// A section header or an entry whose value carries a kind tag, in text the store could
// have written; anything else (random bytes, entries of no kind) is not the store's.
bool IsUnderstoodLine(const char* p, const char* pEnd) {
    if (p < pEnd && *p == '[') return pEnd - p > 2 && pEnd[-1] == ']' && IsPrintableAscii(p, pEnd);
    const char* pEquals = std::find(p, pEnd, '=');
    if (pEquals == pEnd || pEquals == p || !IsPrintableAscii(p, pEquals)) return false;
    const char* pValue = SkipBlanks(pEquals + 1, pEnd);
    if (pValue < pEnd && *pValue == '"') ++pValue;
    if (!StartsWith(pValue, pEnd, "dword:") && !StartsWith(pValue, pEnd, "sz:")) return false;
    for (const char* q = pValue; q < pEnd; ++q)
        if (static_cast<unsigned char>(*q) < 0x20 && *q != '\t') return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString strDecoded =
        decoder.decode(QByteArrayView(pValue, pEnd - pValue));
    return !decoder.hasError();
}

// The lines the store understands, with CR LF ends; a header without entries is dropped.
// One pass over the bytes, so a huge damaged file costs no more than reading it.
QByteArray KeepUnderstoodLines(const QByteArray& baFile, bool& bDamaged) {
    QByteArray baResult;
    bDamaged = false;
    const char* p = baFile.constData();
    const char* const pFileEnd = p + baFile.size();
    const char* pHeader = nullptr;
    const char* pHeaderEnd = nullptr;
    while (p < pFileEnd) {
        const char* pLineEnd = std::find(p, pFileEnd, '\n');
        const char* pNext = pLineEnd == pFileEnd ? pFileEnd : pLineEnd + 1;
        if (pLineEnd > p && pLineEnd[-1] == '\r') --pLineEnd;
        const char* pStart = SkipBlanks(p, pLineEnd);
        const char* pEnd = pLineEnd;
        while (pEnd > pStart && (pEnd[-1] == ' ' || pEnd[-1] == '\t'))
            --pEnd;
        if (pStart == pEnd) {
            // blank: nothing to keep, nothing lost
        } else if (!IsUnderstoodLine(pStart, pEnd)) {
            bDamaged = true;
        } else if (*pStart == '[') {
            pHeader = pStart;
            pHeaderEnd = pEnd;
        } else {
            if (pHeader) {
                if (!baResult.isEmpty()) baResult.append("\r\n");
                baResult.append(pHeader, pHeaderEnd - pHeader).append("\r\n");
                pHeader = nullptr;
            }
            baResult.append(pStart, pEnd - pStart).append("\r\n");
        }
        p = pNext;
    }
    return baResult;
}

// The stored text without its kind tag, or nothing when the value is absent or of another kind.
std::optional<QString> Untagged(const QVariant& value, const QString& strTag) {
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    const QString strStored = value.toString();
    if (!strStored.startsWith(strTag)) return std::nullopt;
    return strStored.mid(strTag.size());
}

QMap<QString, QVariant> ReadAllValues(QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& strKey : settings.allKeys())
        values.insert(strKey, settings.value(strKey));
    return values;
}

// Scratch copies live beside the store, so a full disk or a read-only folder shows there
// already; false when the copy cannot be made whole.
bool WriteScratch(QTemporaryFile& scratch, const QByteArray& baContent) {
    return scratch.open() && scratch.write(baContent) == baContent.size() && scratch.flush();
}

// The store text with strKey set, as the INI writer formats it; empty on failure.
QByteArray ComposeStoreFile(const QString& strFile, const QByteArray& baCurrent,
                            const QString& strKey, const QString& strTagged) {
    QTemporaryFile scratch(strFile + kScratchInfix + QStringLiteral("XXXXXX"));
    if (!WriteScratch(scratch, baCurrent)) return QByteArray();
    scratch.close();
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        settings.setValue(strKey, strTagged);
        settings.sync();
        if (settings.status() != QSettings::NoError) return QByteArray();
    }
    QFile written(scratch.fileName());
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

// Every value of a store text, read under a fresh name so that no cached file answers.
QMap<QString, QVariant> ReadStoreText(const QString& strFile, const QByteArray& baText) {
    QTemporaryFile scratch(strFile + kScratchInfix + QStringLiteral("XXXXXX"));
    if (!WriteScratch(scratch, baText)) return {{QString(), QVariant()}};
    scratch.close();
    QSettings settings(scratch.fileName(), QSettings::IniFormat);
    return ReadAllValues(settings);
}

// What a writer killed in the middle left of its scratch files. Only a writer holding the
// store's lock makes them, so under the lock none of them is in use.
void RemoveLeftScratchFiles(const QString& strFile) {
    const QFileInfo info(strFile);
    const QString strPattern = info.fileName() + kScratchInfix + QStringLiteral("??????");
    QDir folder(info.absolutePath());
    for (const QString& strName : folder.entryList(
             {strPattern, strPattern + QStringLiteral(".lock")}, QDir::Files | QDir::Hidden))
        folder.remove(strName);
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

CRegistryStore::CRegistryStore(const QString& strRoot, const QString& strKey) {
    SetBaseKey(strRoot, strKey);
}

void CRegistryStore::SetBaseKey(const QString& strRoot, const QString& strKey) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strRoot = TrimSet(strRoot, kBlanks);
    m_strBaseKey = TrimSet(strKey, kKeyEdges);
    m_snapshot = Snapshot();
}

QString CRegistryStore::GetRoot() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strRoot;
}

QString CRegistryStore::GetBaseKey() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strBaseKey;
}

QString CRegistryStore::GetDamagedCopyPath(const QString& strRoot) {
    return strRoot + QStringLiteral(".bad");
}

const CRegistryStore::Snapshot& CRegistryStore::Refresh(const QString& strFile) const {
    const QFileInfo info(strFile);
    const qint64 nSize = info.isFile() ? info.size() : -1;
    const QDateTime modified = info.isFile() ? info.lastModified() : QDateTime();
    if (m_snapshot.bValid && m_snapshot.nSize == nSize && m_snapshot.modified == modified)
        return m_snapshot;
    m_snapshot = Snapshot();
    m_snapshot.bValid = true;
    m_snapshot.nSize = nSize;
    m_snapshot.modified = modified;
    if (nSize < 0) return m_snapshot;
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly)) return m_snapshot;
    m_snapshot.baUnderstood = KeepUnderstoodLines(file.readAll(), m_snapshot.bDamaged);
    if (!m_snapshot.bDamaged) {
        QSettings settings(strFile, QSettings::IniFormat);
        m_snapshot.values = ReadAllValues(settings);
        return m_snapshot;
    }
    // Only the understood lines reach the INI reader.
    QTemporaryFile understood;
    if (!understood.open() || understood.write(m_snapshot.baUnderstood) < 0) return m_snapshot;
    understood.close();
    QSettings settings(understood.fileName(), QSettings::IniFormat);
    m_snapshot.values = ReadAllValues(settings);
    return m_snapshot;
}

QVariant CRegistryStore::ReadValue(const QString& strFile, const QString& strKey) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return Refresh(strFile).values.value(strKey);
}

bool CRegistryStore::WriteValue(const QString& strFile, const QString& strKey,
                                const QString& strTagged) {
    std::lock_guard<std::mutex> lock(m_mutex);
    QDir().mkpath(QFileInfo(strFile).absolutePath());
    // Another process may rewrite the store at the same moment; the lock file the INI writer
    // uses keeps the two read-modify-write passes apart. A writer killed while creating the
    // lock can leave it empty, naming no process: a write takes milliseconds, so such a lock
    // is taken over after a second rather than the usual half minute.
    QLockFile fileLock(strFile + QStringLiteral(".lock"));
    fileLock.setStaleLockTime(kStaleLockMs);
    if (!fileLock.tryLock(kLockWaitMs)) return false;
    RemoveLeftScratchFiles(strFile);
    const Snapshot& snapshot = Refresh(strFile);
    if (snapshot.bDamaged) {
        // Nothing the player wrote goes without a copy: keep the damaged file once, then
        // start again from the lines that were understood.
        const QString strCopy = GetDamagedCopyPath(strFile);
        QFile::remove(strCopy);
        if (!QFile::copy(strFile, strCopy)) return false;
    }
    QMap<QString, QVariant> expected = snapshot.values;
    expected.insert(strKey, strTagged);
    const QByteArray baCurrent = snapshot.baUnderstood;
    m_snapshot = Snapshot();
    const QByteArray baNew = ComposeStoreFile(strFile, baCurrent, strKey, strTagged);
    // The INI writer does not notice a write cut short (a full disk) and would replace the
    // store by the cut file; the new text must read back whole before it replaces the old.
    if (baNew.isEmpty() || ReadStoreText(strFile, baNew) != expected) return false;
    QSaveFile file(strFile);
    return file.open(QIODevice::WriteOnly) && file.write(baNew) == baNew.size() && file.commit();
}

QVariant CRegistryStore::ReadTagged(const QString& strSubKey, const QString& strName) const {
    const std::optional<Address> address = MakeAddress(GetRoot(), GetBaseKey(), strSubKey, strName);
    if (!address) return QVariant();
    return ReadValue(address->strFile, address->strKey);
}

bool CRegistryStore::WriteTagged(const QString& strSubKey, const QString& strName,
                                 const QString& strTagged) {
    const std::optional<Address> address = MakeAddress(GetRoot(), GetBaseKey(), strSubKey, strName);
    if (!address) return false;
    return WriteValue(address->strFile, address->strKey, strTagged);
}

int CRegistryStore::ReadNumber(const QString& strSubKey, const QString& strName,
                               int nDefault) const {
    const std::optional<QString> strHex = Untagged(ReadTagged(strSubKey, strName), kNumberTag);
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
                                 const QString& strDefault) const {
    const std::optional<QString> strText = Untagged(ReadTagged(strSubKey, strName), kTextTag);
    if (!strText) return strDefault;
    return FirstCharacters(*strText, kMaxTextLength);
}

bool CRegistryStore::WriteText(const QString& strSubKey, const QString& strName,
                               const QString& strValue) {
    return WriteTagged(strSubKey, strName, kTextTag + FirstCharacters(strValue, kMaxTextLength));
}
