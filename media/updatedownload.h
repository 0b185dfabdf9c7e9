// The download of a new build, without the window: the transfer into a temporary folder of
// our own, the free name in the chosen folder, the move, the start of the installer through
// the desktop, and every text the download window shows. The window reads the texts after
// each change (fnChanged) and only wires its widgets to them.
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class IClock;
class IDesktopOpener;
class IFetchTransfer;
class INetworkFetcher;
class QTemporaryDir;
struct FetchResult;

class CUpdateDownload {
public:
    // The steps the status line reports.
    enum Status {
        kStatusRequest = 1,
        kStatusStarted = 2,
        kStatusFinished = 4,
        kStatusCancelled = 5,
        kStatusMoving = 6,
        kStatusMoveFailed = 7,
        kStatusInstalling = 8,
    };

    CUpdateDownload(const QString& strAddress, INetworkFetcher& network, IDesktopOpener& desktop,
                    IClock& clock);
    ~CUpdateDownload();
    CUpdateDownload(const CUpdateDownload&) = delete;
    CUpdateDownload& operator=(const CUpdateDownload&) = delete;

    QString GetAddress() const { return m_strAddress; }
    // The address's last element as a plain name; empty when it names no file.
    QString GetFileName() const { return m_strFileName; }
    // The user's download folder when there is one, otherwise the home folder.
    static QString DefaultFolder();
    QString DefaultSavePath() const;

    // The address names a file and the save-to path can be written.
    bool CanDownload(const QString& strSavePath) const;
    // The path the browse dialog gave, with the downloaded file's extension when it has none.
    QString TakeChosenPath(const QString& strChosen) const;

    // Download pressed while idle; false (nothing started) when the path is not usable.
    bool Start(const QString& strSavePath, bool bInstallAfter);
    // Download pressed while transferring.
    void Stop();

    bool IsTransferring() const { return m_bTransferring; }
    bool IsInstallationStarted() const { return m_bInstallationStarted; }
    // Where the file went after a complete transfer.
    QString GetSavedPath() const { return m_strSavedPath; }

    QString GetStatusText() const { return m_strStatus; }
    QString GetSpeedText() const { return m_strSpeed; }
    QString GetPercentText() const { return m_strPercent; }
    // 0 while the total is unknown: the bar then shows that it is busy.
    qint64 GetProgressMax() const { return m_nTotal; }
    qint64 GetProgressValue() const { return m_nReceived; }

    std::function<void()> fnChanged;

private:
    void OnStatus(int nStatus, qint64 nParam);
    void OnProgress(qint64 nReceived, qint64 nTotal);
    void OnDone(const FetchResult& result);
    void ShowIdle(const QString& strStatus);
    void Changed();

    QString m_strAddress;
    QString m_strFileName;
    INetworkFetcher& m_network;
    IDesktopOpener& m_desktop;
    IClock& m_clock;

    bool m_bTransferring = false;
    bool m_bStarted = false; // the server has answered
    bool m_bInstallAfter = false;
    bool m_bInstallationStarted = false;
    QString m_strSavePath;
    QString m_strSavedPath;
    QString m_strTransferPath;
    qint64 m_nTotal = 0;
    qint64 m_nReceived = 0;
    QDateTime m_start;
    QString m_strTotal;
    QString m_strStatus;
    QString m_strSpeed;
    QString m_strPercent;
    std::unique_ptr<QTemporaryDir> m_pTempDir;
    std::unique_ptr<IFetchTransfer> m_pTransfer;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};
