// The hyperlink label: opening, the visited colour, and the explanation of a failure.
#include "core/language.h"
#include "media/hyperlink.h"
#include "media/kvmessageboxdialog.h"
#include "tests/support/testfolders.h"
#include "tests/support/urlrecorder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

class HyperLinkTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<CUrlRecorder> m_pBrowser;

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pBrowser = std::make_unique<CUrlRecorder>();
        SetLanguageId(kLanguageEnglish);
    }
    void cleanup() {
        m_pBrowser.reset();
        m_pFolders.reset();
    }

    void looksLikeALink() {
        CHyperLink link;
        link.SetAddress("https://games.example.org/");
        QCOMPARE(link.text(), QString("https://games.example.org/"));
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link.font().underline());
        QCOMPARE(link.palette().color(QPalette::WindowText),
                 QApplication::palette(&link).color(QPalette::Link));
        link.SetAddress("https://games.example.org/", "Korvane Studio");
        QCOMPARE(link.text(), QString("Korvane Studio"));
        QCOMPARE(link.GetAddress(), QString("https://games.example.org/"));
    }

    void aClickOpensTheAddressAndMarksItVisited() {
        CHyperLink link;
        link.SetAddress("https://games.example.org/");
        link.resize(200, 20);
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QVERIFY(!link.IsVisited());
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(m_pBrowser->m_saOpened, QStringList{"https://games.example.org/"});
        QVERIFY(link.IsVisited());
        QCOMPARE(link.palette().color(QPalette::WindowText),
                 QApplication::palette(&link).color(QPalette::LinkVisited));
        // The keyboard opens it too; a right click does not.
        QTest::mouseClick(&link, Qt::RightButton);
        QCOMPARE(m_pBrowser->m_saOpened.size(), 1);
        link.setFocus();
        QTest::keyClick(&link, Qt::Key_Return);
        QCOMPARE(m_pBrowser->m_saOpened.size(), 2);
    }

    void aFailureIsExplainedInTheMessageBox() {
        CHyperLink link;
        link.SetAddress(m_pFolders->Scratch() + "/missing.htm");
        QString strCaption;
        QString strText;
        QTimer::singleShot(0, [&] {
            auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(pBox);
            strCaption = pBox->windowTitle();
            strText = pBox->findChild<QPlainTextEdit*>("message")->toPlainText();
            QTest::keyClick(pBox, Qt::Key_Escape);
        });
        QVERIFY(!link.Open());
        QCOMPARE(strCaption, QString("Can't open link."));
        QCOMPARE(strText, QString("The specified file was not found."));
        QVERIFY(!link.IsVisited());
        QVERIFY(m_pBrowser->m_saOpened.isEmpty());
    }
};

QTEST_MAIN(HyperLinkTest)
#include "hyperlink_test.moc"
