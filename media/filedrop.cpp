#include "media/filedrop.h"

#include "core/pathutils.h"
#include "media/bitmapbackground.h"
#include "media/musicfile.h"
#include "media/musicplayer.h"

#include <QMimeData>
#include <QUrl>

int CFileDrop::HandleDrop(const QStringList& saNames) {
    if (m_bBusy) return kDropBusy;
    m_bBusy = true;
    QStringList saFiles;
    for (const QString& strName : saNames) {
        const QString strPath = strName.trimmed();
        if (!strPath.isEmpty() && PathExists(strPath) && !IsFolder(strPath))
            saFiles.append(strPath);
    }
    int nResult = kDropNothing;
    for (const QString& strPath : saFiles) {
        if (m_background.LoadImageFile(strPath)) {
            m_background.SetImageEnabled(true);
            nResult = kDropImage;
            break;
        }
    }
    if (nResult == kDropNothing && m_pPlayer) {
        for (const QString& strPath : saFiles) {
            if (IsMusicFile(strPath)) {
                m_pPlayer->SetContextMusic(strPath);
                nResult = kDropMusic;
                break;
            }
        }
    }
    m_bBusy = false;
    return nResult;
}

QStringList CFileDrop::GetDroppedPaths(const QMimeData* pData) {
    QStringList saPaths;
    if (!pData || !pData->hasUrls()) return saPaths;
    for (const QUrl& url : pData->urls())
        if (url.isLocalFile()) saPaths.append(url.toLocalFile());
    return saPaths;
}
