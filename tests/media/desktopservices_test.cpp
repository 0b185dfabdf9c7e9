// The services of the running program: the real message box, help viewer, clock and
// network, each doing what the fakes stand in for.
#include "core/configfile.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/desktopservices.h"
#include "media/help.h"
#include "media/helpviewerdialog.h"
#include "media/kvmessageboxdialog.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <optional>

class DesktopServicesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguageId(kLanguageEnglish); }

    void aFailedSaveIsShownInTheMessageBox() {
        CTestFolders folders;
        // A file where a folder would have to be: the save cannot succeed.
        const QString strBlocker = folders.Home() + "/blocker";
        QVERIFY(CTestFolders::WriteFile(strBlocker, "x"));
        const QString strPath = strBlocker + "/music.ini";
        CDesktopServices services;
        QStringList saShown;
        QTimer::singleShot(0, [&] {
            auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(pBox);
            saShown.append(pBox->findChild<QPlainTextEdit*>("message")->toPlainText());
            QTest::keyClick(pBox, Qt::Key_Escape);
        });
        CConfigFile config;
        config.WriteString("Music", "Music On", "true");
        QVERIFY(!config.Save(strPath, services.Services().pMessages));
        QCOMPARE(saShown,
                 QStringList{LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath)});
        QVERIFY(saShown[0].contains(strPath));
    }

    void helpTopicsOpenInTheOneViewer() {
        CTestFolders folders;
        QVERIFY(CTestFolders::WriteFile(folders.Scratch() + "/help/english/index.html",
                                        "<title>Contents</title>"));
        CDesktopServices services;
        const HelpContext context{folders.Scratch(), services.Services()};
        ShowHelpTopic(context, 0);
        CHelpViewerDialog* pViewer = services.Help().GetWindow();
        QVERIFY(pViewer);
        QCOMPARE(pViewer->windowTitle(), QString("Contents"));
        ShowHelpTopic(context, 0);
        QCOMPARE(services.Help().GetWindow(), pViewer);
        services.Help().Close();
        QVERIFY(!services.Help().GetWindow());
    }

    void theClockTicksUntilItsTimerEnds() {
        CDesktopServices services;
        IClock* pClock = services.Services().pClock;
        QVERIFY(qAbs(pClock->Now().secsTo(QDateTime::currentDateTime())) <= 1);
        int nTicks = 0;
        std::unique_ptr<IClockTimer> pTimer = pClock->StartTimer(5, [&] { ++nTicks; });
        QTRY_VERIFY(nTicks >= 3);
        pTimer.reset();
        const int nAtStop = nTicks;
        QCoreApplication::processEvents();
        QCOMPARE(nTicks, nAtStop);
    }

    void theFetcherAnswersFromTheNetwork() {
        // A tiny web server: /ok answers a body, anything else "not found".
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        connect(&server, &QTcpServer::newConnection, &server, [&server] {
            QTcpSocket* pSocket = server.nextPendingConnection();
            connect(pSocket, &QTcpSocket::readyRead, pSocket, [pSocket] {
                const QByteArray baRequest = pSocket->readAll();
                const bool bOk = baRequest.startsWith("GET /ok ");
                pSocket->write(bOk ? "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello"
                                   : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
                pSocket->disconnectFromHost();
            });
        });
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 nClosedPort = closed.serverPort();
        closed.close();

        const QString strBase = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
        struct Case {
            QString strAddress;
            bool bOk;
            int nStatus;
            QByteArray baBody;
        };
        const Case cases[] = {
            {strBase + "/ok", true, 200, "hello"},
            {strBase + "/missing", false, 404, ""},
            {QStringLiteral("http://127.0.0.1:%1/ok").arg(nClosedPort), false, 0, ""},
        };
        CDesktopServices services(QStringLiteral(TETRALYX_MODULE_FOLDER));
        for (const Case& c : cases) {
            std::optional<FetchResult> result;
            int nCalls = 0;
            services.Services().pNetwork->Fetch(c.strAddress, [&](const FetchResult& answer) {
                result = answer;
                ++nCalls;
            });
            QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);
            QCOMPARE(nCalls, 1);
            QCOMPARE(result->bOk, c.bOk);
            QCOMPARE(result->nHttpStatus, c.nStatus);
            QCOMPARE(result->baBody, c.baBody);
            QCOMPARE(result->strError.isEmpty(), c.bOk);
        }
    }
};

QTEST_MAIN(DesktopServicesTest)
#include "desktopservices_test.moc"
