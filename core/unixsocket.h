// Local stream sockets on the plain system calls, waited on with poll() or, in the event
// loop, with Qt Core's socket notifiers. The copies of the program talk over these at every
// start; Qt's network library, and the Kerberos and proxy libraries it brings, would cost
// each start memory and linking time for nothing else.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// One socket descriptor, non-blocking, closed with the object.
class CUnixSocket {
public:
    CUnixSocket() = default;
    explicit CUnixSocket(int nFd) : m_nFd(nFd) {}
    ~CUnixSocket() { Close(); }
    CUnixSocket(CUnixSocket&& other) noexcept : m_nFd(other.m_nFd) { other.m_nFd = -1; }
    CUnixSocket& operator=(CUnixSocket&& other) noexcept;
    CUnixSocket(const CUnixSocket&) = delete;
    CUnixSocket& operator=(const CUnixSocket&) = delete;

    bool IsValid() const { return m_nFd >= 0; }
    int Descriptor() const { return m_nFd; }
    void Close();

    // Connected to the socket at strPath, or invalid; *pbRefused tells a socket file nobody
    // listens on (left by a copy that died) from one that is merely missing or busy.
    static CUnixSocket Connect(const QString& strPath, QDeadlineTimer deadline,
                               bool* pbRefused = nullptr);
    // Listening at strPath, which must not exist, readable and writable by its owner only.
    static CUnixSocket Listen(const QString& strPath);
    // The next waiting connection; invalid when there is none.
    CUnixSocket Accept() const;

    bool WriteAll(const QByteArray& baData, QDeadlineTimer deadline) const;
    // Without waiting, as much as fits in the socket's buffer; false when it failed.
    bool WriteNow(const QByteArray& baData) const;
    // One line, without its line feed; false when none came in time, the stream ended first
    // or the line is longer than nMaxLength.
    bool ReadLine(qint64 nMaxLength, QDeadlineTimer deadline, QByteArray& baLine) const;
    // Without waiting, appends what has arrived to baBuffer; false at the end of the stream
    // or on an error.
    bool ReadAvailable(QByteArray& baBuffer) const;

private:
    int m_nFd = -1;
};
