#include "core/instancelink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMetaMethod>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Plain local sockets rather than Qt's network module: the program would otherwise load that
// module and its security libraries at every start only to find its other copies.

namespace {

const QString kInstanceName = QStringLiteral("Korvane_Tetralyx");
constexpr qint64 kMaxRequestLength = 256;
constexpr qint64 kMaxTitleLength = 4096;
constexpr int kConnectTimeoutMs = 1000;
// More at once than any number of copies of the program would open.
constexpr size_t kMaxConnections = 32;

bool ParseNumber(const QByteArray& text, qint64& nValue) {
    bool bOk = false;
    nValue = text.toLongLong(&bOk);
    return bOk;
}

bool MakeAddress(const QString& strPath, sockaddr_un& address) {
    const QByteArray baPath = QFile::encodeName(strPath);
    std::memset(&address, 0, sizeof(address));
    if (baPath.isEmpty() || static_cast<size_t>(baPath.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, baPath.constData(), static_cast<size_t>(baPath.size()));
    return true;
}

// A socket connected to strPath whose connect and sends give up after nTimeoutMs; -1 with
// errno set when nobody takes the connection.
int ConnectTo(const QString& strPath, int nTimeoutMs) {
    sockaddr_un address;
    if (!MakeAddress(strPath, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (nFd < 0) return -1;
    const int nMs = nTimeoutMs > 0 ? nTimeoutMs : 1;
    const timeval timeout{nMs / 1000, (nMs % 1000) * 1000};
    ::setsockopt(nFd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    if (::connect(nFd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        const int nError = errno;
        ::close(nFd);
        errno = nError;
        return -1;
    }
    return nFd;
}

bool SendAll(int nFd, const QByteArray& baData) {
    qsizetype nSent = 0;
    while (nSent < baData.size()) {
        const ssize_t nDone = ::send(nFd, baData.constData() + nSent,
                                     static_cast<size_t>(baData.size() - nSent), MSG_NOSIGNAL);
        if (nDone < 0 && errno == EINTR) continue;
        if (nDone <= 0) return false;
        nSent += nDone;
    }
    return true;
}

bool SendLine(const QString& strSocket, const QByteArray& line) {
    const int nFd = ConnectTo(strSocket, kConnectTimeoutMs);
    if (nFd < 0) return false;
    const bool bWritten = SendAll(nFd, line + '\n');
    ::close(nFd);
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
    std::vector<int> naOpen;
    for (const auto& entry : m_connections)
        naOpen.push_back(entry.first);
    m_connections.clear();
    for (int nFd : naOpen)
        ::close(nFd);
    if (m_nListenFd >= 0) {
        m_pListenNotifier.reset();
        ::close(m_nListenFd);
        QFile::remove(m_strSocketPath);
    }
}

bool CInstanceServer::Listen() {
    if (m_nListenFd >= 0) return true;
    QDir().mkpath(m_strFolder);
    m_strSocketPath = GetInstanceSocketPath(m_strFolder, QCoreApplication::applicationPid());
    sockaddr_un address;
    if (!MakeAddress(m_strSocketPath, address)) return false;
    // A socket under our own pid can only be left over from a copy that died.
    ::unlink(address.sun_path);
    const int nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (nFd < 0) return false;
    if (::bind(nFd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(nFd);
        return false;
    }
    // Only this user's copies may talk to us.
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(nFd, 16) != 0) {
        ::close(nFd);
        ::unlink(address.sun_path);
        return false;
    }
    m_nListenFd = nFd;
    m_pListenNotifier = std::make_unique<QSocketNotifier>(nFd, QSocketNotifier::Read);
    connect(m_pListenNotifier.get(), &QSocketNotifier::activated, this,
            &CInstanceServer::OnNewConnection);
    return true;
}

bool CInstanceServer::TakePendingRaise() {
    const bool bPending = m_bPendingRaise;
    m_bPendingRaise = false;
    return bPending;
}

void CInstanceServer::OnNewConnection() {
    for (;;) {
        const int nFd = ::accept4(m_nListenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (nFd < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (m_connections.size() >= kMaxConnections) {
            ::close(nFd);
            continue;
        }
        Connection& connection = m_connections[nFd];
        connection.pNotifier = std::make_unique<QSocketNotifier>(nFd, QSocketNotifier::Read);
        connect(connection.pNotifier.get(), &QSocketNotifier::activated, this,
                [this, nFd] { OnReadable(nFd); });
        OnReadable(nFd);
    }
}

void CInstanceServer::CloseConnection(int nFd) {
    const auto it = m_connections.find(nFd);
    if (it == m_connections.end()) return;
    // The notifier may be the sender of the signal being handled.
    it->second.pNotifier->setEnabled(false);
    it->second.pNotifier.release()->deleteLater();
    m_connections.erase(it);
    ::close(nFd);
}

void CInstanceServer::OnReadable(int nFd) {
    bool bPeerDone = false;
    for (;;) {
        const auto it = m_connections.find(nFd);
        if (it == m_connections.end()) return;
        char aBuffer[512];
        const ssize_t nRead = ::recv(nFd, aBuffer, sizeof(aBuffer), 0);
        if (nRead < 0 && errno == EINTR) continue;
        if (nRead <= 0) {
            bPeerDone = nRead == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        it->second.baPending.append(aBuffer, nRead);
        // A peer that sends a long line without a line feed is not one of us.
        if (!HandleLines(nFd)) return;
    }
    if (bPeerDone) CloseConnection(nFd);
}

bool CInstanceServer::HandleLines(int nFd) {
    for (;;) {
        auto it = m_connections.find(nFd);
        if (it == m_connections.end()) return false;
        QByteArray& baPending = it->second.baPending;
        const qsizetype nEnd = baPending.indexOf('\n');
        if (nEnd < 0 || nEnd > kMaxRequestLength) {
            if (nEnd > kMaxRequestLength || baPending.size() > kMaxRequestLength) {
                CloseConnection(nFd);
                return false;
            }
            return true;
        }
        const QByteArray line = baPending.left(nEnd);
        baPending.remove(0, nEnd + 1);
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
            // A title is far smaller than a local socket's buffer.
            reply += '\n';
            if (::send(nFd, reply.constData(), static_cast<size_t>(reply.size()),
                       MSG_NOSIGNAL | MSG_DONTWAIT) != reply.size()) {
                CloseConnection(nFd);
                return false;
            }
            break;
        }
        case InstanceRequestKind::Close:
            emit CloseRequested(request.nWParam, request.nLParam);
            break;
        case InstanceRequestKind::Invalid:
            break;
        }
    }
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
        const int nFd = ConnectTo(strPath, kConnectTimeoutMs);
        if (nFd >= 0) {
            ::close(nFd);
            saFound.append(strPath);
        } else if (errno == ECONNREFUSED) {
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
    const int nFd = ConnectTo(strSocket, nTimeoutMs);
    if (nFd < 0) return {};
    QByteArray line;
    bool bDone = SendAll(nFd, "title\n");
    while (bDone && !line.contains('\n')) {
        pollfd wait{nFd, POLLIN, 0};
        const int nReady = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
        if (nReady < 0 && errno == EINTR) continue;
        char aBuffer[1024];
        const ssize_t nRead = nReady > 0 ? ::recv(nFd, aBuffer, sizeof(aBuffer), 0) : -1;
        if (nRead < 0 && errno == EINTR) continue;
        bDone = nRead > 0 && line.size() + nRead <= kMaxTitleLength + 1;
        if (bDone) line.append(aBuffer, nRead);
    }
    ::close(nFd);
    if (!bDone) return {};
    line.truncate(line.indexOf('\n'));
    return QString::fromUtf8(line);
}
