#include "media/linkopening.h"

#include "core/browser.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// The local file an address names, or an empty string for web and mail addresses.
QString LocalPathOf(const QString& strAddress) {
    const QString strTrimmed = strAddress.trimmed();
    if (strTrimmed.startsWith(u'/')) return strTrimmed;
    const QUrl url(strTrimmed);
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

bool OpenLinkAddress(const QString& strAddress, int& nError) {
    nError = 0;
    const QString strLocal = LocalPathOf(strAddress);
    if (!strLocal.isEmpty()) {
        const QFileInfo info(strLocal);
        if (!info.exists()) {
            nError = QFileInfo(info.absolutePath()).isDir() ? kLinkErrorFileNotFound
                                                            : kLinkErrorPathNotFound;
            return false;
        }
        if (!info.isReadable()) {
            nError = kLinkErrorAccessDenied;
            return false;
        }
    }
    if (OpenInBrowser(strAddress.trimmed())) return true;
    nError = kLinkErrorNoBrowser;
    return false;
}

QString GetLinkErrorText(int nError, const QString& strAddress) {
    switch (nError) {
    case kLinkErrorFileNotFound:
        return LocalizedText(IDS_ERROR_FILE_FILE_NOT_FOUND0);
    case kLinkErrorPathNotFound:
        return LocalizedText(IDS_ERROR_FILE_PATH_NOT_FOUND0);
    case kLinkErrorAccessDenied:
        return LocalizedText(IDS_ERROR_FILE_CAN_NOT_ACCESS_FILE0_CHECK_FL);
    default:
        return LocalizedText(IDS_ERROR_HYPERLINK_NO_BROWSER, strAddress.trimmed());
    }
}
