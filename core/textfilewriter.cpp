#include "core/textfilewriter.h"

#include "core/localizedtext.h"
#include "core/pathutils.h"
#include "core/stringids.h"
#include "core/stringtable.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

QString WithPath(std::uint32_t nId, const QString& strPath) {
    return QString::fromStdString(
        ReplaceNumberedPlaceholders(GetLocalizedText(nId), {strPath.toStdString()}));
}

} // namespace

int WriteTextFile(const QByteArray& baText, const QString& strPath, QString& strMessage) {
    strMessage.clear();
    if (strPath.isEmpty() || !IsUsablePath(strPath)) {
        strMessage = LocalizedText(IDS_ERROR_FILE_NOT_A_VALID_WINDOWS_PATH, strPath);
        return kWriteTextInvalidPath;
    }
    if (IsFolder(strPath)) {
        strMessage = WithPath(IDS_ERROR_FILE_PATH_IS_A_DIRECTORY_NOT_A_FILE, strPath);
        return kWriteTextIsFolder;
    }
    // The owner's write bit is the file's read-only property; it binds root as well.
    const QFileInfo info(strPath);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        strMessage = WithPath(IDS_ERROR_FILE_READONLY, strPath);
        return kWriteTextReadOnly;
    }
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(baText) != baText.size() || !file.commit())
        return kWriteTextCannotOpen;
    return kWriteTextWritten;
}
