#include "core/pathutils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// "/a/b//" -> "/a/b"; a path made only of "/" stays "/".
QString WithoutTrailingSlashes(const QString& strPath) {
    qsizetype nEnd = strPath.size();
    while (nEnd > 1 && strPath[nEnd - 1] == QLatin1Char('/'))
        --nEnd;
    return strPath.left(nEnd);
}

} // namespace

bool PathExists(const QString& strPath) {
    if (strPath.isEmpty()) return false;
    return QFileInfo::exists(WithoutTrailingSlashes(strPath));
}

bool IsFolder(const QString& strPath) {
    if (strPath.isEmpty()) return false;
    return QFileInfo(WithoutTrailingSlashes(strPath)).isDir();
}

bool IsUsablePath(const QString& strPath) {
    if (PathExists(strPath)) return true;
    if (strPath.isEmpty() || strPath.endsWith(QLatin1Char('/'))) return false;
    QFile probe(strPath);
    // NewOnly fails instead of opening a file that appeared since the test above, so the
    // removal below can only hit the probe itself.
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    probe.close();
    probe.remove();
    return true;
}

QString GetFolderPart(const QString& strPath) {
    if (IsFolder(strPath)) return strPath;
    const qsizetype nSlash = strPath.lastIndexOf(QLatin1Char('/'));
    if (nSlash < 0) return QString();
    if (nSlash == 0) return QStringLiteral("/");
    return strPath.left(nSlash);
}

QString GetModulePath(int nKind) {
    if (nKind != 1 && nKind != 2) return QString();
    QString strFile;
    if (QCoreApplication::instance())
        strFile = QCoreApplication::applicationFilePath();
    else
        strFile = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (strFile.isEmpty() || nKind == 1) return strFile;
    return QFileInfo(strFile).absolutePath();
}

QString JoinPath(const QString& strFolder, const QString& strName) {
    return strFolder + QLatin1Char('/') + strName;
}

QString GetUserFolder() {
    const QString strHome = qEnvironmentVariable("TETRALYX_HOME");
    if (!strHome.isEmpty()) return WithoutTrailingSlashes(strHome);
    QString strConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and ignored.
    if (strConfig.isEmpty() || QDir::isRelativePath(strConfig))
        strConfig = JoinPath(QDir::homePath(), QStringLiteral(".config"));
    strConfig = WithoutTrailingSlashes(strConfig);
    if (strConfig == QLatin1String("/")) return QStringLiteral("/tetralyx");
    return JoinPath(strConfig, QStringLiteral("tetralyx"));
}
