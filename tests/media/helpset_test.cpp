// The help set the program ships: every topic it has a page for opens in the viewer in every
// language, titled, with its text decoded; the topics of features still to come have none.
#include "core/language.h"
#include "media/desktophelpviewer.h"
#include "media/help.h"
#include "media/helpviewerdialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QListWidget>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

class HelpSetTest : public QObject {
    Q_OBJECT

private slots:
    void everyTopicOpensInEveryLanguage_data() {
        QTest::addColumn<int>("nLanguage");
        QTest::newRow("english") << 1033;
        QTest::newRow("gb2312") << 2052;
        QTest::newRow("big5") << 1028;
    }
    void everyTopicOpensInEveryLanguage() {
        QFETCH(int, nLanguage);
        CTestFolders folders;
        FakeDesktopOpener desktop;
        CDesktopHelpViewer viewer(&desktop);
        CServices services;
        services.pHelp = &viewer;
        services.pDesktop = &desktop;
        const HelpContext context{QStringLiteral(TETRALYX_DATA_FOLDER), services};
        SetLanguageId(static_cast<std::uint32_t>(nLanguage));
        const bool bChinese = nLanguage != 1033;
        const std::vector<unsigned> naShipped = {0,  1,  6,  7,  10, 11, 12, 13, 14,
                                                 15, 16, 17, 18, 19, 20, 22, 23};
        for (const unsigned nTopic : GetHelpTopicNumbers()) {
            const HelpRequest request = ResolveHelpTopic(nTopic, nLanguage, context.strAppFolder);
            const bool bShipped =
                std::find(naShipped.begin(), naShipped.end(), nTopic) != naShipped.end();
            QCOMPARE(request.bInViewer, bShipped);
            if (!bShipped) {
                // No maker's site in the tests: the page is reported as not installed.
                QVERIFY(request.bNotInstalled);
                continue;
            }
            ShowHelpTopic(context, nTopic);
            CHelpViewerDialog* pViewer = viewer.GetWindow();
            QVERIFY(pViewer);
            QCOMPARE(pViewer->GetBrowser()->source().toLocalFile(), request.strTarget);
            const QString strTitle = pViewer->windowTitle();
            QVERIFY2(!strTitle.isEmpty(), qPrintable(request.strTarget));
            QCOMPARE(strTitle, ReadHelpPageTitle(request.strTarget));
            const QString strText = pViewer->GetBrowser()->toPlainText();
            QVERIFY2(strText.size() > 100, qPrintable(request.strTarget));
            // Decoded as UTF-8: no replacement characters, and Chinese in the Chinese sets.
            QVERIFY2(!strText.contains(QChar(0xFFFD)), qPrintable(request.strTarget));
            const bool bHasCjk = std::any_of(strText.begin(), strText.end(), [](QChar c) {
                return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF;
            });
            // English pages may name the Chinese languages in their own script.
            if (bChinese) QVERIFY2(bHasCjk, qPrintable(request.strTarget));
        }
        // The contents list holds every page that ships.
        QCOMPARE(viewer.GetWindow()->GetContents()->count(), static_cast<int>(naShipped.size()));
        SetLanguageId(kLanguageEnglish);
    }
};

QTEST_MAIN(HelpSetTest)
#include "helpset_test.moc"
