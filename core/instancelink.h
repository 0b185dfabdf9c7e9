// How running copies of the program find and talk to each other. Each copy listens on
// its own local socket in a per-user runtime folder; the folder also holds the lock
// file that makes the first copy the only one. Requests are single text lines:
//   "raise"          bring the main window to the front and activate it
//   "title"          answer with the main window's title and a line feed
//   "close W L"      the private close request with its two parameters
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CUnixSocket;
class QLockFile;
class QSocketNotifier;

// The per-user folder where copies meet: $XDG_RUNTIME_DIR/Korvane_Tetralyx.
QString GetInstanceFolder();

// Held from the configuration step to the end of the run.
class CInstanceLock {
public:
    explicit CInstanceLock(const QString& strFolder);
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // True when this copy now holds the lock; false when another living copy does.
    bool TryLock();
    void Unlock();
    bool IsLocked() const;
    // Process id of the copy holding the lock, 0 when unknown.
    qint64 GetHolderPid() const;

private:
    std::unique_ptr<QLockFile> m_pLock;
};

enum class InstanceRequestKind { Invalid, Raise, Title, Close };

struct InstanceRequest {
    InstanceRequestKind kind = InstanceRequestKind::Invalid;
    qint64 nWParam = 0;
    qint64 nLParam = 0;
};

// Reads one request line (without its line feed).
InstanceRequest ParseInstanceRequest(const QByteArray& line);

class CInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit CInstanceServer(const QString& strFolder, QObject* pParent = nullptr);
    ~CInstanceServer() override;

    bool Listen();
    QString GetSocketPath() const { return m_strSocketPath; }

    // The title other copies read; empty while no main window is open.
    void SetPublishedTitle(const QString& strTitle) { m_strTitle = strTitle; }
    QString GetPublishedTitle() const { return m_strTitle; }

    // A raise request that arrived before anyone listened for it; cleared by the call.
    bool TakePendingRaise();
    bool HasPendingRaise() const { return m_bPendingRaise; }

signals:
    void RaiseRequested();
    void CloseRequested(qint64 nWParam, qint64 nLParam);

private:
    void OnNewConnection();
    // Answers the complete requests in baBuffer; false when the peer is to be dropped.
    bool HandleRequests(const CUnixSocket& socket, QByteArray& baBuffer);

    QString m_strFolder;
    QString m_strSocketPath;
    QString m_strTitle;
    std::unique_ptr<CUnixSocket> m_pListener;
    QSocketNotifier* m_pListenNotifier = nullptr;
    bool m_bPendingRaise = false;
};

// The sockets of the other copies that answer, in a stable order; sockets left behind by
// copies that ended abnormally are removed on the way.
QStringList FindOtherInstances(const QString& strFolder, const QString& strOwnSocket);
QString GetInstanceSocketPath(const QString& strFolder, qint64 nPid);

bool SendRaiseRequest(const QString& strSocket);
bool SendCloseRequest(const QString& strSocket, qint64 nWParam, qint64 nLParam);
// The other copy's main window title; empty when it has none or does not answer in time.
QString QueryInstanceTitle(const QString& strSocket, int nTimeoutMs = 2000);
