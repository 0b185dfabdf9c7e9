#include "media/updaterules.h"

#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

const QString kSection = QStringLiteral("AutoDetect");
const QString kLastTry = QStringLiteral("Last Try");
const QString kLastDeny = QStringLiteral("Last Deny");

// Digits only, read back unchanged.
bool ReadPart(const QString& strPart, int& nValue) {
    if (strPart.isEmpty()) return false;
    for (const QChar ch : strPart)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
    bool bOk = false;
    nValue = strPart.toInt(&bOk);
    return bOk && QString::number(nValue) == strPart;
}

// The value after the keyword: one character skipped, then spaces and "=".
QString ValueAfter(const QString& strLine, int nKeywordLength) {
    QString strValue = strLine.mid(nKeywordLength + 1);
    int nAt = 0;
    while (nAt < strValue.size() &&
           (strValue[nAt] == QLatin1Char(' ') || strValue[nAt] == QLatin1Char('=')))
        ++nAt;
    return strValue.mid(nAt);
}

QString WithDecimalPoint(std::uint64_t nValue, int nDecimals, const char* szUnit) {
    QString strDigits = QString::number(nValue);
    strDigits.insert(strDigits.size() - nDecimals, QLatin1Char('.'));
    return strDigits + QLatin1Char(' ') + QLatin1String(szUnit);
}

} // namespace

bool CUpdateRules::ParseDateText(const QString& strText, BuildDate& date) {
    QString str = strText;
    str.remove(QLatin1Char(' '));
    while (str.contains(QLatin1String("--")))
        str.replace(QLatin1String("--"), QLatin1String("-"));
    if (str.isEmpty()) return false;
    const int nFirst = static_cast<int>(str.indexOf(QLatin1Char('-')));
    if (nFirst < 2) return false;
    const int nSecond = static_cast<int>(str.indexOf(QLatin1Char('-'), nFirst + 1));
    if (nSecond < 0 || nSecond == str.size() - 1) return false;
    QString strYear = str.left(nFirst);
    QString strMonth = str.mid(nFirst + 1, nSecond - nFirst - 1);
    QString strDay = str.mid(nSecond + 1);
    if (strYear.size() != 4 && strYear.size() != 2) return false;
    if (strMonth.size() < 1 || strMonth.size() > 2 || strDay.size() < 1 || strDay.size() > 2)
        return false;
    if (strYear.size() == 2) strYear.prepend(QLatin1String("20"));
    if (strMonth.size() == 2 && strMonth[0] == QLatin1Char('0')) strMonth.remove(0, 1);
    if (strDay.size() == 2 && strDay[0] == QLatin1Char('0')) strDay.remove(0, 1);
    BuildDate parsed;
    if (!ReadPart(strYear, parsed.nYear) || !ReadPart(strMonth, parsed.nMonth) ||
        !ReadPart(strDay, parsed.nDay))
        return false;
    if (!QDate::isValid(parsed.nYear, parsed.nMonth, parsed.nDay)) return false;
    date = parsed;
    return true;
}

QString CUpdateRules::DateText(const QDate& date) {
    return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
}

UpdateInfo CUpdateRules::ParseUpdateInfo(const QString& strText) {
    UpdateInfo info;
    const QStringList saLines =
        strText.split(QRegularExpression(QStringLiteral("[\\r\\n]")), Qt::SkipEmptyParts);
    for (const QString& strRaw : saLines) {
        QString strLine = strRaw;
        while (!strLine.isEmpty() &&
               (strLine.front() == QLatin1Char(' ') || strLine.front() == QLatin1Char('\t')))
            strLine.remove(0, 1);
        while (!strLine.isEmpty() &&
               (strLine.back() == QLatin1Char(' ') || strLine.back() == QLatin1Char('\t')))
            strLine.chop(1);
        if (strLine.isEmpty() || strLine.front() == QLatin1Char(';')) continue;
        if (strLine.startsWith(QLatin1String("Version"), Qt::CaseInsensitive))
            info.strVersion = ValueAfter(strLine, 7);
        else if (strLine.startsWith(QLatin1String("Build"), Qt::CaseInsensitive))
            info.strBuild = ValueAfter(strLine, 5);
        else if (strLine.startsWith(QLatin1String("URL"), Qt::CaseInsensitive))
            info.strUrl = ValueAfter(strLine, 3);
    }
    return info;
}

bool CUpdateRules::IsNewerBuild(const BuildDate& newBuild, const BuildDate& currentBuild) {
    if (newBuild.nYear > 2020) return false;
    if (newBuild.nYear != currentBuild.nYear) return newBuild.nYear > currentBuild.nYear;
    if (newBuild.nMonth != currentBuild.nMonth) return newBuild.nMonth > currentBuild.nMonth;
    return newBuild.nDay > currentBuild.nDay;
}

QString CUpdateRules::GetUpdateInfoAddress(const QString& strBs6, const QString& strMakerSite) {
    if (strMakerSite.isEmpty()) return QString();
    const QString strName = strBs6.trimmed();
    if (strName.isEmpty()) return strMakerSite + QStringLiteral("/tetralyx/download/updtinfo.txt");
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    if (strName.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0 ||
        !plainName.match(strName).hasMatch() || strName.contains(QLatin1String("..")))
        return QString();
    return strMakerSite + QStringLiteral("/tetralyx/download/updt_%1.txt").arg(strName);
}

bool CUpdateRules::IsCheckDue(CRegistryStore& store, const QDate& today) {
    const QString strToday = DateText(today);
    if (store.ReadText(kSection, kLastTry, QString()) == strToday) return false;
    store.WriteText(kSection, kLastTry, strToday);
    BuildDate denied;
    if (ParseDateText(store.ReadText(kSection, kLastDeny, QString()), denied)) {
        const qint64 nDays = QDate(denied.nYear, denied.nMonth, denied.nDay).daysTo(today);
        if (nDays >= 0 && nDays <= 5) return false;
    }
    return true;
}

void CUpdateRules::RememberDenied(CRegistryStore& store, const QDate& today) {
    store.WriteText(kSection, kLastDeny, DateText(today));
}

QString CUpdateRules::FormatByteCount(std::uint64_t nBytes) {
    constexpr std::uint64_t kKB = 1024;
    constexpr std::uint64_t kMB = 1048576;
    if (nBytes < kKB)
        return QStringLiteral("%1 %2").arg(nBytes).arg(
            LocalizedText(IDS_DIALOG_LVUD_FILE_SIZE_BYTES));
    if (nBytes < 10 * kKB) return WithDecimalPoint(nBytes * 100 / kKB, 2, "KB");
    if (nBytes < 100 * kKB) return WithDecimalPoint(nBytes * 10 / kKB, 1, "KB");
    if (nBytes < kMB) return QStringLiteral("%1 KB").arg(nBytes / kKB);
    if (nBytes < 10 * kMB) return WithDecimalPoint(nBytes * 100 / kMB, 2, "MB");
    if (nBytes < 100 * kMB) return WithDecimalPoint(nBytes * 10 / kMB, 1, "MB");
    return QStringLiteral("%1 MB").arg(nBytes / kMB);
}

int CUpdateRules::Percent(std::int64_t nReceived, std::int64_t nTotal) {
    if (nTotal <= 0 || nReceived <= 0) return 0;
    if (nReceived >= nTotal) return 100;
    // Received below total: the product stays far inside 64 bits for any real file.
    return static_cast<int>(nReceived * 100 / nTotal);
}

QString CUpdateRules::SafeFileName(const QString& strAddress) {
    const QUrl url(strAddress);
    QString strPath = url.isValid() ? url.path(QUrl::FullyDecoded) : strAddress;
    strPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString strName = strPath.section(QLatin1Char('/'), -1);
    QString strClean;
    for (const QChar ch : strName)
        if (ch.unicode() >= 0x20 && ch.unicode() != 0x7f && ch != QLatin1Char(':')) strClean += ch;
    if (strClean.size() > 200) strClean = strClean.right(200);
    // Dots and blanks of any kind are stripped together, after the cut: either alone could
    // uncover a leading dot and leave a hidden file.
    qsizetype nStart = 0;
    while (nStart < strClean.size() &&
           (strClean[nStart] == QLatin1Char('.') || strClean[nStart].isSpace()))
        ++nStart;
    return strClean.mid(nStart).trimmed();
}

bool CUpdateRules::IsDownloadable(const QString& strAddress) {
    const QUrl url(strAddress);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return false;
    const QString strName = SafeFileName(strAddress);
    const int nDot = static_cast<int>(strName.lastIndexOf(QLatin1Char('.')));
    if (nDot <= 0 || nDot == strName.size() - 1) return false;
    const QString strExt = strName.mid(nDot + 1).toLower();
    return strExt != QLatin1String("htm") && strExt != QLatin1String("html") &&
           strExt != QLatin1String("php") && strExt != QLatin1String("asp") &&
           strExt != QLatin1String("aspx");
}

QString CUpdateRules::FindFreeName(const QString& strFolder, const QString& strName,
                                   const std::function<bool(const QString&)>& fnExists) {
    const int nDot = static_cast<int>(strName.lastIndexOf(QLatin1Char('.')));
    const QString strBase = nDot > 0 ? strName.left(nDot) : strName;
    const QString strExt = nDot > 0 ? strName.mid(nDot) : QString();
    QString strCandidate = QDir(strFolder).filePath(strName);
    for (int nCount = 1; fnExists(strCandidate) && nCount < 100000; ++nCount)
        strCandidate = QDir(strFolder).filePath(
            QStringLiteral("%1(%2)%3").arg(strBase).arg(nCount).arg(strExt));
    return strCandidate;
}

QString CUpdateRules::AddMissingExtension(const QString& strPath, const QString& strFileName) {
    const QString strName = strPath.section(QLatin1Char('/'), -1);
    if (strName.right(6).contains(QLatin1Char('.'))) return strPath;
    const int nDot = static_cast<int>(strFileName.lastIndexOf(QLatin1Char('.')));
    return nDot > 0 ? strPath + strFileName.mid(nDot) : strPath;
}
