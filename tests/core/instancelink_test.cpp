#include "core/instancelink.h"
#include "core/unixsocket.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QThread>

#include <atomic>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

TEST(ParseInstanceRequest, AcceptsOnlyTheThreeRequests) {
    struct Case {
        const char* szLine;
        InstanceRequestKind kind;
        qint64 nW;
        qint64 nL;
    };
    const Case cases[] = {
        {"raise", InstanceRequestKind::Raise, 0, 0},
        {"  raise\r", InstanceRequestKind::Raise, 0, 0},
        {"title", InstanceRequestKind::Title, 0, 0},
        {"close 1 2", InstanceRequestKind::Close, 1, 2},
        {"close  -7   99999999999", InstanceRequestKind::Close, -7, 99999999999},
        {"close 1", InstanceRequestKind::Invalid, 0, 0},
        {"close 1 2 3", InstanceRequestKind::Invalid, 0, 0},
        {"close one two", InstanceRequestKind::Invalid, 0, 0},
        {"RAISE", InstanceRequestKind::Invalid, 0, 0},
        {"raise now", InstanceRequestKind::Invalid, 0, 0},
        {"", InstanceRequestKind::Invalid, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szLine);
        const InstanceRequest request = ParseInstanceRequest(c.szLine);
        EXPECT_EQ(request.kind, c.kind);
        if (c.kind == InstanceRequestKind::Close) {
            EXPECT_EQ(request.nWParam, c.nW);
            EXPECT_EQ(request.nLParam, c.nL);
        }
    }
}

TEST(InstanceLock, OneHolderAtATime) {
    CTestFolders folders;
    const QString strFolder = GetInstanceFolder();
    EXPECT_TRUE(strFolder.startsWith(folders.Runtime())) << strFolder.toStdString();
    CInstanceLock first(strFolder);
    CInstanceLock second(strFolder);
    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(first.IsLocked());
    EXPECT_FALSE(second.TryLock());
    EXPECT_EQ(second.GetHolderPid(), QCoreApplication::applicationPid());
    first.Unlock();
    EXPECT_TRUE(second.TryLock());
}

TEST(InstanceLock, ALockLeftByADeadProcessIsTakenOver) {
    CTestFolders folders;
    const QString strFolder = GetInstanceFolder();
    QByteArray content;
    {
        CInstanceLock probe(strFolder);
        ASSERT_TRUE(probe.TryLock());
        content = CTestFolders::ReadFile(strFolder + "/Korvane_Tetralyx.lock");
    }
    // The same file, but written by a process that no longer exists.
    const qsizetype nEnd = content.indexOf('\n');
    ASSERT_GT(nEnd, 0);
    content.replace(0, nEnd, "999999999");
    ASSERT_TRUE(CTestFolders::WriteFile(strFolder + "/Korvane_Tetralyx.lock", content));
    CInstanceLock next(strFolder);
    EXPECT_TRUE(next.TryLock());
}

// Another copy of the program, played by a server on its own thread so that this
// thread's blocking requests get their answers.
class PeerThread : public QThread {
public:
    PeerThread(const QString& strFolder, const QString& strTitle)
        : m_strFolder(strFolder), m_strTitle(strTitle) {}

    void run() override {
        CInstanceServer server(m_strFolder);
        // Sockets are named by process id; this peer shares ours, so it moves aside.
        if (!server.Listen()) return;
        const QString strOwn = server.GetSocketPath();
        m_strSocket = strOwn + ".peer.sock";
        QFile::rename(strOwn, m_strSocket);
        server.SetPublishedTitle(m_strTitle);
        if (m_bListenForRaise)
            QObject::connect(&server, &CInstanceServer::RaiseRequested, [this] { ++m_nRaises; });
        QObject::connect(&server, &CInstanceServer::CloseRequested, [this](qint64 nW, qint64 nL) {
            m_nCloseW = nW;
            m_nCloseL = nL;
        });
        m_ready.release();
        exec();
        m_bPendingRaise = server.TakePendingRaise();
        QFile::remove(m_strSocket);
    }

    QString m_strFolder;
    QString m_strTitle;
    QString m_strSocket;
    QSemaphore m_ready;
    bool m_bListenForRaise = true;
    std::atomic<int> m_nRaises{0};
    std::atomic<qint64> m_nCloseW{0};
    std::atomic<qint64> m_nCloseL{0};
    std::atomic<bool> m_bPendingRaise{false};
};

template <typename Predicate> bool WaitFor(Predicate predicate) {
    QElapsedTimer timer;
    timer.start();
    while (!predicate()) {
        if (timer.elapsed() > 5000) return false;
        QThread::msleep(10);
    }
    return true;
}

TEST(InstanceServer, AnswersTitleRaiseAndCloseRequests) {
    CTestFolders folders;
    const QString strFolder = GetInstanceFolder();
    PeerThread peer(strFolder, QString::fromUtf8("Tetralyx - 世界杯 (Hero Level) 3/40"));
    peer.start();
    ASSERT_TRUE(peer.m_ready.tryAcquire(1, 5000));

    const QStringList saOthers = FindOtherInstances(strFolder, QString());
    ASSERT_EQ(saOthers, QStringList{peer.m_strSocket});
    EXPECT_EQ(QueryInstanceTitle(peer.m_strSocket), peer.m_strTitle);

    EXPECT_TRUE(SendRaiseRequest(peer.m_strSocket));
    EXPECT_TRUE(WaitFor([&] { return peer.m_nRaises == 1; }));

    EXPECT_TRUE(SendCloseRequest(peer.m_strSocket, 1, 2));
    EXPECT_TRUE(WaitFor([&] { return peer.m_nCloseW == 1 && peer.m_nCloseL == 2; }));

    // Our own socket is never reported as another copy.
    EXPECT_TRUE(FindOtherInstances(strFolder, peer.m_strSocket).isEmpty());
    peer.quit();
    peer.wait();
}

TEST(InstanceServer, ARaiseBeforeTheWindowExistsIsKept) {
    CTestFolders folders;
    PeerThread peer(GetInstanceFolder(), QString());
    peer.m_bListenForRaise = false;
    peer.start();
    ASSERT_TRUE(peer.m_ready.tryAcquire(1, 5000));
    EXPECT_TRUE(SendRaiseRequest(peer.m_strSocket));
    // No window yet: the title is empty, and the raise waits for the window.
    EXPECT_EQ(QueryInstanceTitle(peer.m_strSocket), QString());
    peer.quit();
    peer.wait();
    EXPECT_TRUE(peer.m_bPendingRaise);
}

TEST(InstanceServer, SurvivesAClientThatSendsGarbage) {
    CTestFolders folders;
    PeerThread peer(GetInstanceFolder(), "Tetralyx");
    peer.start();
    ASSERT_TRUE(peer.m_ready.tryAcquire(1, 5000));
    {
        QLocalSocket socket;
        socket.connectToServer(peer.m_strSocket);
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(QByteArray(4000, 'x'));
        socket.waitForBytesWritten(2000);
        // The peer drops the connection instead of buffering without end.
        EXPECT_TRUE(socket.waitForDisconnected(5000));
    }
    EXPECT_EQ(QueryInstanceTitle(peer.m_strSocket), "Tetralyx");
    peer.quit();
    peer.wait();
}

TEST(FindOtherInstances, RemovesSocketsNobodyListensOn) {
    CTestFolders folders;
    const QString strFolder = GetInstanceFolder();
    QDir().mkpath(strFolder);
    // A socket file bound but never listened on, as a crashed copy leaves it behind.
    const QString strStale = strFolder + "/4242.sock";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = strStale.toLocal8Bit();
    ASSERT_LT(static_cast<size_t>(path.size()), sizeof(address.sun_path));
    memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    // And a regular file that only looks like one.
    ASSERT_TRUE(CTestFolders::WriteFile(strFolder + "/77.sock", "not a socket"));

    EXPECT_TRUE(FindOtherInstances(strFolder, QString()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(strStale));
    EXPECT_EQ(QueryInstanceTitle(strFolder + "/77.sock", 500), QString());
    EXPECT_FALSE(SendRaiseRequest(strFolder + "/nobody.sock"));
}

// Peers that cannot answer cost a request its timeout at most (a hang here is the fault).
TEST(InstanceServer, RequestsToPeersThatCannotAnswerFailInTime) {
    CTestFolders folders;
    const QString strFolder = GetInstanceFolder();
    QDir().mkpath(strFolder);
    // Listens, but never accepts or reads: a copy hanging in a long task.
    const QString strSilent = strFolder + "/silent.sock";
    const CUnixSocket silent = CUnixSocket::Listen(strSilent);
    ASSERT_TRUE(silent.IsValid());
    const QString strLong = strFolder + "/" + QString(120, 'x') + ".sock";
    struct Case {
        QString strSocket;
        bool bRaiseDelivered; // the request is written, if never read
    };
    const Case cases[] = {{strSilent, true}, {strLong, false}, {strFolder + "/gone.sock", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strSocket.toStdString());
        EXPECT_EQ(QueryInstanceTitle(c.strSocket, 300), QString());
        EXPECT_EQ(SendRaiseRequest(c.strSocket), c.bRaiseDelivered);
    }
    // A folder whose socket name cannot be bound is a failed listen, not a cut name.
    CInstanceServer tooDeep(strFolder + "/" + QString(120, 'y'));
    EXPECT_FALSE(tooDeep.Listen());
}

TEST(InstanceServer, ItsSocketIsTheUsersAloneAndGoesWithIt) {
    CTestFolders folders;
    QString strSocket;
    {
        CInstanceServer server(GetInstanceFolder());
        ASSERT_TRUE(server.Listen());
        strSocket = server.GetSocketPath();
        EXPECT_EQ(QFileInfo(strSocket).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
                  QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(FindOtherInstances(GetInstanceFolder(), QString()), QStringList{strSocket});
    }
    EXPECT_FALSE(QFileInfo::exists(strSocket));
}

} // namespace
