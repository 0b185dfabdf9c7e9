#include "core/unixsocket.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kSocketFlags = SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC;

bool MakeAddress(const QString& strPath, sockaddr_un& address) {
    const QByteArray baPath = QFile::encodeName(strPath);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    // The name and its terminating zero must fit; a cut name would reach another socket.
    if (baPath.isEmpty() || static_cast<size_t>(baPath.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, baPath.constData(), static_cast<size_t>(baPath.size()));
    return true;
}

// True when the descriptor became ready for nEvents before the deadline.
bool WaitFor(int nFd, short nEvents, QDeadlineTimer deadline) {
    for (;;) {
        pollfd entry{nFd, nEvents, 0};
        const int nReady = ::poll(&entry, 1, static_cast<int>(deadline.remainingTime()));
        if (nReady > 0) return true;
        if (nReady == 0 || errno != EINTR) return false;
    }
}

} // namespace

CUnixSocket& CUnixSocket::operator=(CUnixSocket&& other) noexcept {
    if (this != &other) {
        Close();
        m_nFd = other.m_nFd;
        other.m_nFd = -1;
    }
    return *this;
}

void CUnixSocket::Close() {
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
}

CUnixSocket CUnixSocket::Connect(const QString& strPath, QDeadlineTimer deadline, bool* pbRefused) {
    if (pbRefused) *pbRefused = false;
    sockaddr_un address;
    if (!MakeAddress(strPath, address)) return {};
    for (;;) {
        CUnixSocket socket(::socket(AF_UNIX, kSocketFlags, 0));
        if (!socket.IsValid()) return {};
        if (::connect(socket.m_nFd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) ==
            0)
            return socket;
        if (errno == EINPROGRESS || errno == EINTR) {
            int nError = 0;
            socklen_t nSize = sizeof(nError);
            if (WaitFor(socket.m_nFd, POLLOUT, deadline) &&
                ::getsockopt(socket.m_nFd, SOL_SOCKET, SO_ERROR, &nError, &nSize) == 0 &&
                nError == 0)
                return socket;
            if (pbRefused) *pbRefused = nError == ECONNREFUSED;
            return {};
        }
        // A full backlog: the listener is alive but busy, so try again until the deadline.
        if (errno != EAGAIN) {
            if (pbRefused) *pbRefused = errno == ECONNREFUSED;
            return {};
        }
        if (deadline.hasExpired()) return {};
        ::poll(nullptr, 0, 10);
    }
}

CUnixSocket CUnixSocket::Listen(const QString& strPath) {
    sockaddr_un address;
    if (!MakeAddress(strPath, address)) return {};
    CUnixSocket socket(::socket(AF_UNIX, kSocketFlags, 0));
    if (!socket.IsValid() ||
        ::bind(socket.m_nFd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return {};
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket.m_nFd, 50) != 0) {
        ::unlink(address.sun_path);
        return {};
    }
    return socket;
}

CUnixSocket CUnixSocket::Accept() const {
    for (;;) {
        const int nFd = ::accept4(m_nFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (nFd >= 0 || errno != EINTR) return CUnixSocket(nFd);
    }
}

bool CUnixSocket::WriteAll(const QByteArray& baData, QDeadlineTimer deadline) const {
    qsizetype nDone = 0;
    while (nDone < baData.size()) {
        const ssize_t nWritten = ::send(m_nFd, baData.constData() + nDone,
                                        static_cast<size_t>(baData.size() - nDone), MSG_NOSIGNAL);
        if (nWritten > 0) {
            nDone += nWritten;
        } else if (nWritten < 0 && errno == EINTR) {
            continue;
        } else if (nWritten < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(m_nFd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool CUnixSocket::WriteNow(const QByteArray& baData) const {
    return WriteAll(baData, QDeadlineTimer(0));
}

bool CUnixSocket::ReadLine(qint64 nMaxLength, QDeadlineTimer deadline, QByteArray& baLine) const {
    baLine.clear();
    for (;;) {
        const qsizetype nEnd = baLine.indexOf('\n');
        if (nEnd >= 0) {
            baLine.truncate(nEnd);
            return nEnd <= nMaxLength;
        }
        if (baLine.size() > nMaxLength) return false;
        const qsizetype nBefore = baLine.size();
        const bool bOpen = ReadAvailable(baLine);
        if (baLine.size() > nBefore) continue;
        if (!bOpen || !WaitFor(m_nFd, POLLIN, deadline)) return false;
    }
}

bool CUnixSocket::ReadAvailable(QByteArray& baBuffer) const {
    char achBlock[1024];
    for (;;) {
        const ssize_t nRead = ::recv(m_nFd, achBlock, sizeof(achBlock), 0);
        if (nRead > 0) {
            baBuffer.append(achBlock, nRead);
            // The caller decides after each block whether it has heard enough.
            if (nRead == static_cast<ssize_t>(sizeof(achBlock))) return true;
            continue;
        }
        if (nRead == 0) return false;
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EWOULDBLOCK;
    }
}
