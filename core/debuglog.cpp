#include "core/debuglog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(TETRALYX_DEBUG_LOG) && TETRALYX_DEBUG_LOG
constexpr bool kDebugLogBuiltIn = true;
#else
constexpr bool kDebugLogBuiltIn = false;
#endif

namespace {

constexpr qint64 kMaxLogBytes = 10'000'000;
constexpr qsizetype kMaxLabel = 50;
constexpr qsizetype kMaxLabelAndMessage = 370;
constexpr qsizetype kMaxLine = 399;

QString& LogFolder() {
    static QString strFolder;
    return strFolder;
}

// Cuts to at most nLength UTF-16 units without splitting a surrogate pair.
QString Cut(const QString& strText, qsizetype nLength) {
    if (strText.size() <= nLength) return strText;
    if (nLength > 0 && strText[nLength - 1].isHighSurrogate()) --nLength;
    return strText.left(nLength);
}

QString FormatLine(const QString& strLabel, const QString& strMessage) {
    if (strMessage.compare(QLatin1String("_DEBUG_BLANK"), Qt::CaseInsensitive) == 0)
        return QString();
    if (strMessage.compare(QLatin1String("_PROGRAM_START"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("***** Program Start *****");
    if (strMessage.compare(QLatin1String("_PROGRAM_END"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("***** Program End *****");
    const QString strCutLabel = Cut(strLabel, kMaxLabel);
    const QString strCutMessage = Cut(strMessage, kMaxLabelAndMessage - strCutLabel.size());
    const QString strTime =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return Cut(strTime + QLatin1Char('\t') + strCutLabel + QLatin1Char('\t') + strCutMessage,
               kMaxLine);
}

} // namespace

void SetDebugLogFolder(const QString& strFolder) {
    LogFolder() = strFolder;
}

QString GetDebugLogFolder() {
    return LogFolder().isEmpty() ? QDir::tempPath() : LogFolder();
}

bool IsDebugLogBuiltIn() {
    return kDebugLogBuiltIn;
}

bool WriteDebugLog(const QString& strLabel, const QString& strMessage) {
    if constexpr (!kDebugLogBuiltIn) {
        return false;
    } else {
        const QString strLine = FormatLine(strLabel, strMessage);
        const QString strPath = GetDebugLogFolder() + QStringLiteral("/qxdebug.log");
        const QFileInfo info(strPath);
        if (info.isFile() && info.size() > kMaxLogBytes) QFile::remove(strPath);
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
        const QByteArray baLine = strLine.toUtf8() + '\n';
        return file.write(baLine) == baLine.size();
    }
}
