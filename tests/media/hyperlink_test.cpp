// The hyperlink label: opening, the visited colour, and the explanation of a failure.
#include "core/language.h"
#include "media/hyperlink.h"
#include "media/kvmessageboxdialog.h"
#include "tests/support/testfolders.h"
#include "tests/support/urlrecorder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
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
        // Space on the focused link opens it too; a right click does not.
        QTest::mouseClick(&link, Qt::RightButton);
        QCOMPARE(m_pBrowser->m_saOpened.size(), 1);
        link.setFocus();
        QTest::keyClick(&link, Qt::Key_Space);
        QCOMPARE(m_pBrowser->m_saOpened.size(), 2);
    }

    void theKeyboardReachesTheLinkOnlyByTab() {
        // The link is the only widget that takes the keyboard, as on the start-up window.
        QWidget window;
        auto* pLink = new CHyperLink(&window);
        pLink->SetAddress("https://games.example.org/");
        pLink->setGeometry(10, 10, 200, 24);
        window.resize(240, 60);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!pLink->hasFocus());
        const QImage unfocused = pLink->grab().toImage();
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        for (const Key& key :
             {Key{Qt::Key_Return, Qt::NoModifier}, Key{Qt::Key_Enter, Qt::NoModifier},
              Key{Qt::Key_Space, Qt::NoModifier}, Key{Qt::Key_Return, Qt::ControlModifier}})
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                            key.key, key.modifiers);
        QVERIFY(m_pBrowser->m_saOpened.isEmpty());

        // Tab gives it the focus, and the player sees where the focus is.
        QTest::keyClick(&window, Qt::Key_Tab);
        QVERIFY(pLink->hasFocus());
        QVERIFY(pLink->grab().toImage() != unfocused);
        // Enter belongs to the window even then; Space opens the link.
        QTest::keyClick(pLink, Qt::Key_Return);
        QVERIFY(m_pBrowser->m_saOpened.isEmpty());
        QTest::keyClick(pLink, Qt::Key_Space);
        QCOMPARE(m_pBrowser->m_saOpened, QStringList{"https://games.example.org/"});
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

    void aMissingBrowserIsNamedInABoxThatFitsTheText() {
        // No desktop handler and no xdg-open: nothing can start a browser.
        m_pBrowser.reset();
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", m_pFolders->Scratch().toUtf8());
        CHyperLink link;
        link.SetAddress("https://games.example.org/");
        QString strShownCaption;
        QString strShown;
        int nMessageHeight = 0;
        int nScrollRange = -1;
        int nLineHeight = 0;
        QTimer::singleShot(0, [&] {
            auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(pBox);
            strShownCaption = pBox->windowTitle();
            auto* pMessage = pBox->findChild<QPlainTextEdit*>("message");
            QTest::qWait(50);
            strShown = pMessage->toPlainText();
            nMessageHeight = pMessage->height();
            nScrollRange = pMessage->verticalScrollBar()->maximum();
            nLineHeight = pMessage->fontMetrics().lineSpacing();
            QTest::keyClick(pBox, Qt::Key_Return);
        });
        const bool bOpened = link.Open();
        qputenv("PATH", oldPath);
        QVERIFY(!bOpened);
        QCOMPARE(strShownCaption, QString("Can't open link."));
        QCOMPARE(strShown, QString("No web browser could be started to open "
                                   "https://games.example.org/."));
        // One line of text: no scrolling, and no room for much more than that line.
        QCOMPARE(nScrollRange, 0);
        QVERIFY2(nMessageHeight < 3 * nLineHeight, qPrintable(QString::number(nMessageHeight)));
    }
};

QTEST_MAIN(HyperLinkTest)
#include "hyperlink_test.moc"
