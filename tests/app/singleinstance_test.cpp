// The real program, started twice: the second start hands over to the first and ends,
// and the close request ends the first.
#include "core/instancelink.h"
#include "core/registrystore.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <memory>

#include <csignal>

namespace {

constexpr int kTimeoutMs = 30000;

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Seen release notes would open a browser; this build's are marked as read.
        CRegistryStore store(m_folders.Home() + "/registry.ini",
                             "software\\Korvane\\Tetralyx\\1.3");
        ASSERT_TRUE(store.WriteText("App", "Release Note 2004-7-23", "1"));
    }
    void TearDown() override {
        for (auto& pProcess : m_processes) {
            if (pProcess->state() == QProcess::NotRunning) continue;
            pProcess->kill();
            pProcess->waitForFinished(kTimeoutMs);
        }
    }

    QProcess& Start() {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess& process = *m_processes.back();
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(TETRALYX_EXECUTABLE), QStringList());
        EXPECT_TRUE(process.waitForStarted(kTimeoutMs));
        return process;
    }

    // The socket of the running copy, once its main window is up.
    QString WaitForMainWindow(QProcess& process) {
        QDeadlineTimer deadline(kTimeoutMs);
        while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            const QString strSocket =
                GetInstanceSocketPath(GetInstanceFolder(), process.processId());
            if (QueryInstanceTitle(strSocket, 500) == QLatin1String("Tetralyx")) return strSocket;
            QThread::msleep(50);
        }
        return QString();
    }

    CTestFolders m_folders;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

TEST_F(SingleInstanceTest, ASecondStartEndsAtOnceAndLeavesTheFirstRunning) {
    QProcess& first = Start();
    const QString strFirst = WaitForMainWindow(first);
    ASSERT_FALSE(strFirst.isEmpty());

    // The first start made the user's files in the user folder, none beside the program.
    EXPECT_TRUE(QFileInfo::exists(m_folders.Home() + "/music.ini"));
    EXPECT_TRUE(QFileInfo::exists(m_folders.Home() + "/registry.ini"));

    QProcess& second = Start();
    ASSERT_TRUE(second.waitForFinished(kTimeoutMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(FindOtherInstances(GetInstanceFolder(), QString()), QStringList{strFirst});
    EXPECT_EQ(QueryInstanceTitle(strFirst), "Tetralyx");
}

TEST_F(SingleInstanceTest, TheCloseRequestEndsTheProgramAndFreesTheLock) {
    QProcess& first = Start();
    const QString strFirst = WaitForMainWindow(first);
    ASSERT_FALSE(strFirst.isEmpty());

    // Other parameters are not the close request.
    ASSERT_TRUE(SendCloseRequest(strFirst, 1, 3));
    EXPECT_FALSE(first.waitForFinished(500));

    ASSERT_TRUE(SendCloseRequest(strFirst, 1, 2));
    ASSERT_TRUE(first.waitForFinished(kTimeoutMs));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(strFirst));

    // Now a start is a first start again.
    QProcess& next = Start();
    EXPECT_FALSE(WaitForMainWindow(next).isEmpty());
}

// A session's end or Ctrl+C closes the program as its window's close does.
TEST_F(SingleInstanceTest, TerminationSignalsCloseLikeTheWindow) {
    for (const int nSignal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(nSignal);
        QProcess& process = Start();
        const QString strSocket = WaitForMainWindow(process);
        ASSERT_FALSE(strSocket.isEmpty());
        const QString strLock = GetInstanceFolder() + "/Korvane_Tetralyx.lock";
        ASSERT_TRUE(QFileInfo::exists(strLock));
        ASSERT_EQ(kill(static_cast<pid_t>(process.processId()), nSignal), 0);
        ASSERT_TRUE(process.waitForFinished(kTimeoutMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_FALSE(QFileInfo::exists(strSocket));
        EXPECT_FALSE(QFileInfo::exists(strLock));
    }
}

} // namespace
