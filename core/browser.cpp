#include "core/browser.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

bool OpenInBrowser(const QString& strAddress) {
    const QString strTrimmed = strAddress.trimmed();
    if (strTrimmed.isEmpty()) return false;
    const QUrl url = QUrl::fromUserInput(strTrimmed, QDir::currentPath());
    if (!url.isValid()) return false;
    // The desktop services need a GUI application object.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QDesktopServices::openUrl(url))
        return true;
    // One argument, no shell: the address cannot be read as options or commands.
    const QString strTarget =
        url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {strTarget});
}
