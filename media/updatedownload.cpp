#include "media/updatedownload.h"

#include "core/clock.h"
#include "core/desktopopener.h"
#include "core/localizedtext.h"
#include "core/networkfetcher.h"
#include "core/pathutils.h"
#include "core/stringids.h"
#include "media/updaterules.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

CUpdateDownload::CUpdateDownload(const QString& strAddress, INetworkFetcher& network,
                                 IDesktopOpener& desktop, IClock& clock)
    : m_strAddress(strAddress), m_strFileName(CUpdateRules::SafeFileName(strAddress)),
      m_network(network), m_desktop(desktop), m_clock(clock) {
    m_strPercent = QStringLiteral("0%");
    m_strSpeed = LocalizedText(IDS_DIALOG_LVUD_KB_SEC, QStringLiteral("0"));
}

CUpdateDownload::~CUpdateDownload() {
    *m_pAlive = false;
    m_pTransfer.reset();
}

QString CUpdateDownload::DefaultFolder() {
    const QString strDownloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!strDownloads.isEmpty() && IsFolder(strDownloads)) return strDownloads;
    return QDir::homePath();
}

QString CUpdateDownload::DefaultSavePath() const {
    return JoinPath(DefaultFolder(), m_strFileName);
}

bool CUpdateDownload::CanDownload(const QString& strSavePath) const {
    return m_strAddress.size() >= 4 && !m_strFileName.isEmpty() && !strSavePath.isEmpty() &&
           IsUsablePath(strSavePath);
}

QString CUpdateDownload::TakeChosenPath(const QString& strChosen) const {
    if (strChosen.isEmpty()) return strChosen;
    return CUpdateRules::AddMissingExtension(strChosen, m_strFileName);
}

bool CUpdateDownload::Start(const QString& strSavePath, bool bInstallAfter) {
    if (m_bTransferring || !CanDownload(strSavePath)) return false;
    m_bInstallAfter = bInstallAfter;
    m_bInstallationStarted = false;
    m_bStarted = false;
    m_strSavePath = strSavePath;
    m_strSavedPath.clear();
    m_nTotal = 0;
    m_nReceived = 0;
    // Our own folder: the transfer never lands in the current folder or on a name an attacker
    // chose beside other files.
    m_pTempDir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                 QStringLiteral("/tetralyx-update-XXXXXX"));
    if (!m_pTempDir->isValid()) {
        ShowIdle(m_pTempDir->errorString());
        return false;
    }
    m_strTransferPath = m_pTempDir->filePath(m_strFileName);
    m_bTransferring = true;
    OnStatus(kStatusRequest, 0);
    std::weak_ptr<bool> pAlive = m_pAlive;
    auto pTransfer = m_network.Download(
        m_strAddress, m_strTransferPath,
        [this, pAlive](qint64 nReceived, qint64 nTotal) {
            const auto pLocked = pAlive.lock();
            if (pLocked && *pLocked) OnProgress(nReceived, nTotal);
        },
        [this, pAlive](const FetchResult& result) {
            const auto pLocked = pAlive.lock();
            if (pLocked && *pLocked) OnDone(result);
        });
    // A transfer that ended inside Download needs no handle.
    if (m_bTransferring) m_pTransfer = std::move(pTransfer);
    return true;
}

void CUpdateDownload::Stop() {
    if (!m_bTransferring) return;
    m_bTransferring = false;
    if (m_pTransfer) {
        m_pTransfer->Cancel(); // answers through OnDone, as cancelled
        return;
    }
    ShowIdle(LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_CANCELED));
}

void CUpdateDownload::OnStatus(int nStatus, qint64 nParam) {
    switch (nStatus) {
    case kStatusRequest:
        m_strStatus = LocalizedText(IDS_DIALOG_LVUD_REQUEST_FILE);
        m_nReceived = 0;
        m_strSpeed = LocalizedText(IDS_DIALOG_LVUD_KB_SEC, QStringLiteral("0"));
        break;
    case kStatusStarted:
        m_bStarted = true;
        m_strStatus = LocalizedText(IDS_DIALOG_LVUD_DOWNLOADING);
        m_start = m_clock.Now();
        m_nTotal = std::max<qint64>(nParam, 0);
        m_strTotal = CUpdateRules::FormatByteCount(static_cast<std::uint64_t>(m_nTotal));
        m_nReceived = 0;
        break;
    case kStatusMoving: {
        const QString strFolder = GetFolderPart(m_strSavedPath);
        m_strStatus = LocalizedText(IDS_DIALOG_LVUD_MOVE_FILE,
                                    m_strSavedPath.section(QLatin1Char('/'), -1), strFolder);
        break;
    }
    case kStatusMoveFailed:
        m_strStatus = LocalizedText(IDS_DIALOG_LVUD_MOVE_FILE_FAILED);
        break;
    case kStatusInstalling:
        m_strStatus = LocalizedText(IDS_DIALOG_LVUD_START_INSTALLATION);
        break;
    default:
        break;
    }
    Changed();
}

void CUpdateDownload::OnProgress(qint64 nReceived, qint64 nTotal) {
    if (!m_bTransferring) return;
    if (!m_bStarted) OnStatus(kStatusStarted, nTotal);
    m_nReceived = std::max<qint64>(nReceived, 0);
    const qint64 nElapsed = std::max<qint64>(m_start.secsTo(m_clock.Now()), 1);
    m_strPercent = m_nTotal > 0
                       ? QStringLiteral("%1%").arg(CUpdateRules::Percent(m_nReceived, m_nTotal))
                       : QString();
    const double dSpeed = static_cast<double>(m_nReceived / 1024) / static_cast<double>(nElapsed);
    m_strSpeed = LocalizedText(IDS_DIALOG_LVUD_KB_SEC, QString::number(dSpeed, 'f', 1));
    const QString strReceived =
        CUpdateRules::FormatByteCount(static_cast<std::uint64_t>(m_nReceived));
    m_strStatus = LocalizedText(IDS_DIALOG_LVUD_DOWNLOADING) + QLatin1Char(' ') + strReceived;
    if (m_nTotal > 0) m_strStatus += QLatin1Char('/') + m_strTotal;
    Changed();
}

void CUpdateDownload::OnDone(const FetchResult& result) {
    const bool bStopped = !m_bTransferring;
    m_pTransfer.reset();
    if (bStopped || result.bCancelled) {
        QFile::remove(m_strTransferPath);
        ShowIdle(LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_CANCELED));
        return;
    }
    if (!result.bOk) {
        QFile::remove(m_strTransferPath);
        ShowIdle(result.strError);
        return;
    }
    // A typed folder takes the address's name; otherwise the name typed is kept.
    QString strFolder;
    QString strName;
    if (IsFolder(m_strSavePath)) {
        strFolder = m_strSavePath;
        strName = m_strFileName;
    } else {
        strFolder = GetFolderPart(m_strSavePath);
        strName = m_strSavePath.section(QLatin1Char('/'), -1);
        if (strFolder.isEmpty()) strFolder = DefaultFolder();
    }
    m_strSavedPath = CUpdateRules::FindFreeName(strFolder, strName, PathExists);
    OnStatus(kStatusMoving, m_nTotal);
    // rename never replaces an existing file, so a name taken meanwhile fails safely.
    if (!QFile::rename(m_strTransferPath, m_strSavedPath)) {
        m_pTempDir->setAutoRemove(false); // the transferred file stays where it was written
        m_strSavedPath.clear();
        OnStatus(kStatusMoveFailed, 0);
        ShowIdle(m_strStatus);
        return;
    }
    if (m_bInstallAfter) {
        OnStatus(kStatusInstalling, 0);
        m_bInstallationStarted = m_desktop.Open(m_strSavedPath);
    }
    ShowIdle(LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_COMPLETE));
}

void CUpdateDownload::ShowIdle(const QString& strStatus) {
    m_bTransferring = false;
    m_strPercent = QStringLiteral("0%");
    m_strSpeed = LocalizedText(IDS_DIALOG_LVUD_KB_SEC, QStringLiteral("0"));
    m_strStatus = strStatus;
    Changed();
}

void CUpdateDownload::Changed() {
    if (fnChanged) fnChanged();
}
