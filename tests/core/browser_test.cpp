#include "core/browser.h"

#include "testenvironment.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> m_urls;
public slots:
    void Open(const QUrl& url) { m_urls.append(url); }
};

// The stand-in xdg-open runs detached; wait until it has written its line.
QByteArray WaitForOpenerLog(int nLines) {
    QElapsedTimer timer;
    timer.start();
    QByteArray baLog;
    while (timer.elapsed() < 10000) {
        baLog = ReadWholeFile(StandInOpenerLog());
        if (baLog.count('\n') >= nLines) break;
        QThread::msleep(20);
    }
    return baLog;
}

TEST(Browser, TheDesktopOpensAddressesAndPages) {
    UrlRecorder recorder;
    for (const char* szScheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(szScheme, &recorder, "Open");
    const std::pair<QString, QString> cases[] = {
        {"https://example.org/help/index.html", "https://example.org/help/index.html"},
        {"  www.example.org ", "http://www.example.org"},
        {"https://example.org/a b", "https://example.org/a%20b"},
        {"/tmp/grand list.htm", "file:///tmp/grand%20list.htm"},
    };
    for (const auto& [strAddress, strUrl] : cases) {
        SCOPED_TRACE(strAddress.toStdString());
        recorder.m_urls.clear();
        EXPECT_TRUE(OpenInBrowser(strAddress));
        ASSERT_EQ(recorder.m_urls.size(), 1);
        EXPECT_EQ(recorder.m_urls.front().toString(QUrl::FullyEncoded), strUrl);
    }
    recorder.m_urls.clear();
    EXPECT_FALSE(OpenInBrowser(" \t"));
    EXPECT_TRUE(recorder.m_urls.isEmpty());
    for (const char* szScheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(szScheme);
    EXPECT_FALSE(QFile::exists(StandInOpenerLog()));
}

TEST(Browser, FallsBackToXdgOpenWithOneArgument) {
    // Without a handler the offscreen desktop declines every address.
    QFile::remove(StandInOpenerLog());
    EXPECT_TRUE(OpenInBrowser("https://example.org/a b?x=1;rm -rf"));
    EXPECT_EQ(WaitForOpenerLog(1), "1:https://example.org/a%20b?x=1;rm%20-rf\n");
    EXPECT_TRUE(OpenInBrowser("/tmp/it's a page.htm"));
    EXPECT_EQ(WaitForOpenerLog(2),
              "1:https://example.org/a%20b?x=1;rm%20-rf\n1:/tmp/it's a page.htm\n");
    QFile::remove(StandInOpenerLog());
}

TEST(Browser, FailsWhenNothingCanOpenTheAddress) {
    QTemporaryDir emptyFolder;
    const ScopedEnv path("PATH", emptyFolder.path().toUtf8());
    EXPECT_FALSE(OpenInBrowser("https://example.org/"));
}

} // namespace

#include "browser_test.moc"
