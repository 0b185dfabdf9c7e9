#include "core/instancelink.h"

#include "core/unixsocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMetaMethod>
#include <QSocketNotifier>
#include <QStandardPaths>

namespace {

const QString kInstanceName = QStringLiteral("Korvane_Tetralyx");
constexpr qint64 kMaxRequestLength = 256;
constexpr qint64 kMaxTitleLength = 4096;
constexpr int kConnectTimeoutMs = 1000;

bool ParseNumber(const QByteArray& text, qint64& nValue) {
    bool bOk = false;
    nValue = text.toLongLong(&bOk);
    return bOk;
}

bool SendLine(const QString& strSocket, const QByteArray& line) {
    const CUnixSocket socket = CUnixSocket::Connect(strSocket, QDeadlineTimer(kConnectTimeoutMs));
    return socket.IsValid() && socket.WriteAll(line + '\n', QDeadlineTimer(kConnectTimeoutMs));
}

// One peer's connection to the server, closed with it.
class CInstanceConnection : public QObject {
public:
    CInstanceConnection(CUnixSocket socket, QObject* pParent)
        : QObject(pParent), m_socket(std::move(socket)),
          m_notifier(m_socket.Descriptor(), QSocketNotifier::Read, this) {}

    // Closed at once, deleted once its notifier's signal has returned.
    void Drop() {
        m_notifier.setEnabled(false);
        m_socket.Close();
        deleteLater();
    }

    CUnixSocket m_socket;
    QSocketNotifier m_notifier;
    QByteArray m_baBuffer;
};

} // namespace

QString GetInstanceFolder() {
    QString strRuntime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (strRuntime.isEmpty()) strRuntime = QDir::tempPath();
    return QDir(strRuntime).filePath(kInstanceName);
}

CInstanceLock::CInstanceLock(const QString& strFolder) {
    QDir().mkpath(strFolder);
    QFile::setPermissions(strFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_pLock = std::make_unique<QLockFile>(QDir(strFolder).filePath(kInstanceName + ".lock"));
    // A living holder keeps the lock however long it runs; a dead one is found by its pid.
    m_pLock->setStaleLockTime(0);
}

CInstanceLock::~CInstanceLock() = default;

bool CInstanceLock::TryLock() {
    if (m_pLock->isLocked() || m_pLock->tryLock(0)) return true;
    // Only a living holder keeps this copy out; a folder we cannot write to must not stop
    // the program from starting.
    return m_pLock->error() != QLockFile::LockFailedError;
}

void CInstanceLock::Unlock() {
    if (m_pLock->isLocked()) m_pLock->unlock();
}

bool CInstanceLock::IsLocked() const {
    return m_pLock->isLocked();
}

qint64 CInstanceLock::GetHolderPid() const {
    qint64 nPid = 0;
    QString strHost;
    QString strApp;
    if (!m_pLock->getLockInfo(&nPid, &strHost, &strApp)) return 0;
    return nPid;
}

InstanceRequest ParseInstanceRequest(const QByteArray& line) {
    InstanceRequest request;
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() == 1 && words[0] == "raise") {
        request.kind = InstanceRequestKind::Raise;
    } else if (words.size() == 1 && words[0] == "title") {
        request.kind = InstanceRequestKind::Title;
    } else if (words.size() == 3 && words[0] == "close" && ParseNumber(words[1], request.nWParam) &&
               ParseNumber(words[2], request.nLParam)) {
        request.kind = InstanceRequestKind::Close;
    }
    return request;
}

CInstanceServer::CInstanceServer(const QString& strFolder, QObject* pParent)
    : QObject(pParent), m_strFolder(strFolder) {}

CInstanceServer::~CInstanceServer() {
    delete m_pListenNotifier; // before its descriptor closes
    if (m_pListener && m_pListener->IsValid()) QFile::remove(m_strSocketPath);
}

bool CInstanceServer::Listen() {
    if (m_pListener && m_pListener->IsValid()) return true;
    QDir().mkpath(m_strFolder);
    m_strSocketPath = GetInstanceSocketPath(m_strFolder, QCoreApplication::applicationPid());
    // A socket under our own pid can only be left over from a copy that died.
    QFile::remove(m_strSocketPath);
    m_pListener = std::make_unique<CUnixSocket>(CUnixSocket::Listen(m_strSocketPath));
    if (!m_pListener->IsValid()) return false;
    m_pListenNotifier = new QSocketNotifier(m_pListener->Descriptor(), QSocketNotifier::Read, this);
    connect(m_pListenNotifier, &QSocketNotifier::activated, this,
            &CInstanceServer::OnNewConnection);
    return true;
}

bool CInstanceServer::TakePendingRaise() {
    const bool bPending = m_bPendingRaise;
    m_bPendingRaise = false;
    return bPending;
}

void CInstanceServer::OnNewConnection() {
    for (CUnixSocket socket = m_pListener->Accept(); socket.IsValid();
         socket = m_pListener->Accept()) {
        auto* pConnection = new CInstanceConnection(std::move(socket), this);
        connect(&pConnection->m_notifier, &QSocketNotifier::activated, pConnection,
                [this, pConnection] {
                    const bool bOpen = pConnection->m_socket.ReadAvailable(pConnection->m_baBuffer);
                    if (!HandleRequests(pConnection->m_socket, pConnection->m_baBuffer) || !bOpen)
                        pConnection->Drop();
                });
    }
}

bool CInstanceServer::HandleRequests(const CUnixSocket& socket, QByteArray& baBuffer) {
    for (qsizetype nEnd = baBuffer.indexOf('\n'); nEnd >= 0; nEnd = baBuffer.indexOf('\n')) {
        if (nEnd > kMaxRequestLength) return false;
        const QByteArray line = baBuffer.left(nEnd);
        baBuffer.remove(0, nEnd + 1);
        const InstanceRequest request = ParseInstanceRequest(line);
        switch (request.kind) {
        case InstanceRequestKind::Raise:
            if (isSignalConnected(QMetaMethod::fromSignal(&CInstanceServer::RaiseRequested)))
                emit RaiseRequested();
            else
                m_bPendingRaise = true;
            break;
        case InstanceRequestKind::Title: {
            QByteArray reply = m_strTitle.toUtf8().left(kMaxTitleLength);
            reply.replace('\n', ' ');
            // A few kilobytes fit in any socket buffer; a peer that reads nothing is dropped.
            if (!socket.WriteNow(reply + '\n')) return false;
            break;
        }
        case InstanceRequestKind::Close:
            emit CloseRequested(request.nWParam, request.nLParam);
            break;
        case InstanceRequestKind::Invalid:
            break;
        }
    }
    // A peer that sends a long line without a line feed is not one of us.
    return baBuffer.size() <= kMaxRequestLength;
}

QString GetInstanceSocketPath(const QString& strFolder, qint64 nPid) {
    return QDir(strFolder).filePath(QString::number(nPid) + QStringLiteral(".sock"));
}

QStringList FindOtherInstances(const QString& strFolder, const QString& strOwnSocket) {
    QStringList saFound;
    const QDir folder(strFolder);
    // Filtered here: a name filter would compile a pattern at every start.
    const QStringList saNames =
        folder.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& strName : saNames) {
        if (!strName.endsWith(QLatin1String(".sock"))) continue;
        const QString strPath = folder.filePath(strName);
        if (strPath == strOwnSocket) continue;
        bool bRefused = false;
        if (CUnixSocket::Connect(strPath, QDeadlineTimer(kConnectTimeoutMs), &bRefused).IsValid())
            saFound.append(strPath);
        else if (bRefused)
            QFile::remove(strPath);
    }
    return saFound;
}

bool SendRaiseRequest(const QString& strSocket) {
    return SendLine(strSocket, "raise");
}

bool SendCloseRequest(const QString& strSocket, qint64 nWParam, qint64 nLParam) {
    return SendLine(strSocket,
                    "close " + QByteArray::number(nWParam) + ' ' + QByteArray::number(nLParam));
}

QString QueryInstanceTitle(const QString& strSocket, int nTimeoutMs) {
    const QDeadlineTimer deadline(nTimeoutMs);
    const CUnixSocket socket = CUnixSocket::Connect(strSocket, deadline);
    QByteArray baLine;
    if (!socket.IsValid() || !socket.WriteAll("title\n", deadline) ||
        !socket.ReadLine(kMaxTitleLength, deadline, baLine))
        return {};
    return QString::fromUtf8(baLine);
}
