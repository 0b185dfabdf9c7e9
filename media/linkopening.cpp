#include "media/linkopening.h"

#include "core/browser.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

struct ErrorRow {
    int nError;
    unsigned nTextId;   // string-table text, or
    const char* szText; // a text of its own
};

const ErrorRow kErrors[] = {
    {0, IDS_ERROR_MEMORY_INSUFFICIENT_MEMORY_PLEASE_QUIT_APPLICATIONS, nullptr},
    {8, IDS_ERROR_MEMORY_INSUFFICIENT_MEMORY_PLEASE_QUIT_APPLICATIONS, nullptr},
    {2, IDS_ERROR_FILE_FILE_NOT_FOUND0, nullptr},
    {3, IDS_ERROR_FILE_PATH_NOT_FOUND0, nullptr},
    {5, IDS_ERROR_FILE_CAN_NOT_ACCESS_FILE0_CHECK_FL, nullptr},
    {11, IDS_ERROR_FILE_INVALID_EXE, nullptr},
    {26, IDS_ERROR_FILE_SHARING_VIOLATION, nullptr},
    {27, 0, "File association information not complete."},
    {28, 0, "The DDE transaction could not be completed because the request timed out."},
    {29, 0, "The DDE transaction failed."},
    {30, 0,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed."},
    {31, 0, "There is no application associated with the given filename extension."},
    {32, 0, "The specified dynamic-link library was not found."},
};

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
    nError = kLinkErrorNoAssociation;
    return false;
}

QString GetLinkErrorText(int nError) {
    for (const ErrorRow& row : kErrors) {
        if (row.nError != nError) continue;
        return row.nTextId != 0 ? LocalizedText(row.nTextId) : QString::fromLatin1(row.szText);
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(nError);
}
