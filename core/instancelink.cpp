#include "core/instancelink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMetaMethod>
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
    QLocalSocket socket;
    socket.connectToServer(strSocket);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(line + '\n');
    const bool bWritten = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return bWritten;
}

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
    if (m_pServer) m_pServer->close();
}

bool CInstanceServer::Listen() {
    if (m_pServer && m_pServer->isListening()) return true;
    QDir().mkpath(m_strFolder);
    m_strSocketPath = GetInstanceSocketPath(m_strFolder, QCoreApplication::applicationPid());
    // A socket under our own pid can only be left over from a copy that died.
    QLocalServer::removeServer(m_strSocketPath);
    if (!m_pServer) {
        m_pServer = new QLocalServer(this);
        m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_pServer, &QLocalServer::newConnection, this, &CInstanceServer::OnNewConnection);
    }
    return m_pServer->listen(m_strSocketPath);
}

bool CInstanceServer::TakePendingRaise() {
    const bool bPending = m_bPendingRaise;
    m_bPendingRaise = false;
    return bPending;
}

void CInstanceServer::OnNewConnection() {
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { OnReadyRead(pSocket); });
        if (pSocket->bytesAvailable() > 0) OnReadyRead(pSocket);
    }
}

void CInstanceServer::OnReadyRead(QLocalSocket* pSocket) {
    while (pSocket->canReadLine()) {
        QByteArray line = pSocket->readLine(kMaxRequestLength + 1);
        if (!line.endsWith('\n')) {
            pSocket->abort();
            return;
        }
        line.chop(1);
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
            pSocket->write(reply + '\n');
            pSocket->flush();
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
    if (pSocket->bytesAvailable() > kMaxRequestLength) pSocket->abort();
}

QString GetInstanceSocketPath(const QString& strFolder, qint64 nPid) {
    return QDir(strFolder).filePath(QString::number(nPid) + QStringLiteral(".sock"));
}

QStringList FindOtherInstances(const QString& strFolder, const QString& strOwnSocket) {
    QStringList saFound;
    const QDir folder(strFolder);
    const QStringList saNames = folder.entryList(
        {QStringLiteral("*.sock")}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& strName : saNames) {
        const QString strPath = folder.filePath(strName);
        if (strPath == strOwnSocket) continue;
        QLocalSocket socket;
        socket.connectToServer(strPath);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.disconnectFromServer();
            saFound.append(strPath);
        } else if (socket.error() == QLocalSocket::ConnectionRefusedError) {
            QFile::remove(strPath);
        }
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
    QDeadlineTimer deadline(nTimeoutMs);
    QLocalSocket socket;
    socket.connectToServer(strSocket);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return {};
    socket.write("title\n");
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return {};
    while (!socket.canReadLine() && socket.bytesAvailable() <= kMaxTitleLength) {
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return {};
    }
    QByteArray line = socket.readLine(kMaxTitleLength + 2);
    socket.disconnectFromServer();
    if (!line.endsWith('\n')) return {};
    line.chop(1);
    return QString::fromUtf8(line);
}
