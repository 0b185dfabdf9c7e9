// The help viewer with a small help set of its own: pages, links, history, windows.
#include "core/language.h"
#include "media/desktophelpviewer.h"
#include "media/help.h"
#include "media/helpviewerdialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

class HelpViewerDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pServices;
    std::unique_ptr<CDesktopHelpViewer> m_pViewer;
    QString m_strEnglish;
    QString m_strChinese;

    QString Page(const QString& strRelative) const { return m_strEnglish + "/" + strRelative; }
    static QString Source(const CHelpViewerDialog& viewer) {
        return viewer.GetBrowser()->source().toLocalFile();
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pServices = std::make_unique<FakeServices>();
        m_pViewer = std::make_unique<CDesktopHelpViewer>(&m_pServices->desktop);
        SetMakerSite("https://help.example.org");
        m_strEnglish = m_pFolders->Scratch() + "/help/english";
        m_strChinese = m_pFolders->Scratch() + "/help/gb2312";
        QVERIFY(CTestFolders::WriteFile(
            Page("index.html"),
            "<html><head><meta charset=\"utf-8\"><title>Contents</title></head><body>"
            "<a href=\"userguide/3_rules.htm\">rules</a> "
            "<a href=\"https://example.org/page\">web</a> "
            "<a href=\"missing.htm\">missing</a></body></html>"));
        QVERIFY(CTestFolders::WriteFile(
            Page("userguide/3_rules.htm"),
            "<html><head><meta charset=\"utf-8\"><title>Rules 规则</title></head><body>"
            "<p>Make 24 with 四 cards.</p><a href=\"../index.html\">back</a></body></html>"));
        QVERIFY(CTestFolders::WriteFile(Page("rel_note.htm"),
                                        "<html><title>Release notes</title>new</html>"));
        QVERIFY(CTestFolders::WriteFile(m_strChinese + "/index.html",
                                        "<html><head><meta charset=\"utf-8\"><title>目录</title>"
                                        "</head><body>帮助</body></html>"));
        SetLanguageId(kLanguageEnglish);
    }
    void cleanup() {
        m_pViewer.reset();
        SetMakerSite(QString());
        m_pServices.reset();
        m_pFolders.reset();
    }

    void showsThePageWithItsTitleAndTheContents() {
        CHelpViewerDialog viewer(&m_pServices->desktop);
        viewer.ShowPage(m_strEnglish, Page("index.html"), kHelpWindowFullScreen);
        QCOMPARE(Source(viewer), Page("index.html"));
        QCOMPARE(viewer.windowTitle(), QString("Contents"));
        QVERIFY(viewer.GetContents()->isVisible());
        // The pages of the topic table that the help set holds, in topic order.
        QStringList saTitles;
        for (int n = 0; n < viewer.GetContents()->count(); ++n)
            saTitles.append(viewer.GetContents()->item(n)->text());
        QCOMPARE(saTitles, (QStringList{"Contents", "Release notes", "Rules 规则"}));
        QCOMPARE(viewer.GetContents()->currentRow(), 0);
    }

    void linksBetweenPagesKeepAHistory() {
        CHelpViewerDialog viewer(&m_pServices->desktop);
        viewer.ShowPage(m_strEnglish, Page("index.html"), kHelpWindowFullScreen);
        auto* pBack = viewer.findChild<QToolButton*>("back");
        auto* pForward = viewer.findChild<QToolButton*>("forward");
        QVERIFY(!pBack->isEnabled());

        emit viewer.GetBrowser()->anchorClicked(QUrl("userguide/3_rules.htm"));
        QCOMPARE(Source(viewer), Page("userguide/3_rules.htm"));
        QCOMPARE(viewer.windowTitle(), QString("Rules 规则"));
        QVERIFY(viewer.GetBrowser()->toPlainText().contains("Make 24 with 四 cards."));
        QCOMPARE(viewer.GetContents()->currentRow(), 2);
        QVERIFY(pBack->isEnabled());

        QTest::mouseClick(pBack, Qt::LeftButton);
        QCOMPARE(Source(viewer), Page("index.html"));
        QVERIFY(pForward->isEnabled());
        QTest::mouseClick(pForward, Qt::LeftButton);
        QCOMPARE(Source(viewer), Page("userguide/3_rules.htm"));

        // A relative link upwards, then Home.
        emit viewer.GetBrowser()->anchorClicked(QUrl("../index.html"));
        QCOMPARE(Source(viewer), Page("index.html"));
        emit viewer.GetBrowser()->anchorClicked(QUrl("userguide/3_rules.htm"));
        QTest::mouseClick(viewer.findChild<QToolButton*>("home"), Qt::LeftButton);
        QCOMPARE(Source(viewer), Page("index.html"));
        QVERIFY(m_pServices->desktop.m_saOpened.isEmpty());
    }

    void webLinksAndMissingPagesGoToTheBrowser() {
        CHelpViewerDialog viewer(&m_pServices->desktop);
        viewer.ShowPage(m_strEnglish, Page("index.html"), kHelpWindowFullScreen);
        emit viewer.GetBrowser()->anchorClicked(QUrl("https://example.org/page"));
        emit viewer.GetBrowser()->anchorClicked(QUrl("missing.htm"));
        // Outside the help set and missing: nothing to show anywhere.
        emit viewer.GetBrowser()->anchorClicked(QUrl("../../elsewhere.htm"));
        QCOMPARE(m_pServices->desktop.m_saOpened,
                 (QStringList{"https://example.org/page",
                              "https://help.example.org/tetralyx/help/english/missing.htm"}));
        QCOMPARE(Source(viewer), Page("index.html"));
    }

    void theWindowNameDecidesHowThePageIsShown() {
        CHelpViewerDialog viewer(&m_pServices->desktop);
        viewer.ShowPage(m_strEnglish, Page("index.html"), kHelpWindowFullScreen);
        const QSize fullSize = viewer.size();
        QVERIFY(viewer.GetContents()->isVisible());

        viewer.ShowPage(m_strEnglish, Page("userguide/3_rules.htm"), kHelpWindowSingleTopic);
        QVERIFY(!viewer.GetContents()->isVisible());
        QCOMPARE(viewer.GetWindowName(), kHelpWindowSingleTopic);

        viewer.ShowPage(m_strEnglish, Page("rel_note.htm"), kHelpWindowReleaseNote);
        QVERIFY(!viewer.GetContents()->isVisible());
        QVERIFY(viewer.width() <= 640 && viewer.height() <= 560);
        QVERIFY(viewer.width() < fullSize.width());
        QCOMPARE(viewer.windowTitle(), QString("Release notes"));
    }

    void anotherLanguageStartsAfresh() {
        CHelpViewerDialog viewer(&m_pServices->desktop);
        viewer.ShowPage(m_strEnglish, Page("index.html"), kHelpWindowFullScreen);
        emit viewer.GetBrowser()->anchorClicked(QUrl("userguide/3_rules.htm"));
        viewer.ShowPage(m_strChinese, m_strChinese + "/index.html", kHelpWindowFullScreen);
        QCOMPARE(viewer.windowTitle(), QString("目录"));
        QVERIFY(viewer.GetBrowser()->toPlainText().contains("帮助"));
        QCOMPARE(viewer.GetContents()->count(), 1);
        QVERIFY(!viewer.findChild<QToolButton*>("back")->isEnabled());
    }

    void helpTopicsOpenInTheOneViewer() {
        CServices services = m_pServices->Services();
        services.pHelp = m_pViewer.get();
        const HelpContext context{m_pFolders->Scratch(), services};
        QVERIFY(!m_pViewer->GetWindow());
        ShowHelpTopic(context, 13);
        CHelpViewerDialog* pViewer = m_pViewer->GetWindow();
        QVERIFY(pViewer);
        QVERIFY(pViewer->isVisible());
        QCOMPARE(Source(*pViewer), Page("userguide/3_rules.htm"));
        ShowHelpTopic(context, 0);
        QCOMPARE(m_pViewer->GetWindow(), pViewer);
        QCOMPARE(Source(*pViewer), Page("index.html"));
        // A topic the help set lacks opens on the web; the viewer stays as it was.
        ShowHelpTopic(context, 16);
        QCOMPARE(
            m_pServices->desktop.m_saOpened,
            QStringList{
                "https://help.example.org/tetralyx/help/english/userguide/6_checksolutions.htm"});
        m_pViewer->Close();
        QVERIFY(!m_pViewer->GetWindow());
    }
};

QTEST_MAIN(HelpViewerDialogTest)
#include "helpviewerdialog_test.moc"
