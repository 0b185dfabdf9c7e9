// The main window as the program's main window: languages, help, About, and the
// requests of other running copies.
#include "core/application.h"
#include "core/collectionmanagerdialog.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "play/aboutdialog.h"
#include "play/maindialog.h"
#include "play/mainwindowsession.h"
#include "tests/support/fakeservices.h"
#include "tests/support/nextdialog.h"
#include "tests/support/testfolders.h"
#include "tests/support/urlrecorder.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

class MainDialogSessionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pServices;
    std::unique_ptr<CApplication> m_pApp;

    // The pages the help viewer was asked for, with the window of the last one.
    QStringList Help() const {
        QStringList saHelp;
        for (const QString& strPage : m_pServices->help.m_saPages)
            saHelp.append(QFileInfo(strPage).fileName() + " " + m_pServices->help.m_strLastWindow);
        return saHelp;
    }
    CRegistryStore& Store() { return m_pApp->GetRegistryStore(); }

    QStringList MenuTitles(const CMainDialog& window) const {
        QStringList saTitles;
        for (QAction* pAction : window.menuBar()->actions())
            saTitles.append(pAction->text());
        return saTitles;
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pServices = std::make_unique<FakeServices>();
        const QString strAppFolder = m_pFolders->Scratch();
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/config/defaultmusic.ini", "[Music]\r\n"));
        for (const char* szPage : {"index.html", "rel_note.htm"})
            QVERIFY(CTestFolders::WriteFile(strAppFolder + "/help/english/" + szPage, "<p>x</p>"));
        {
            CRegistryStore store(m_pFolders->Home() + "/registry.ini",
                                 "software\\Korvane\\Tetralyx\\1.3");
            store.WriteNumber("Shell", "LCID", 1033);
        }
        m_pApp = std::make_unique<CApplication>(m_pServices->Services());
        QCOMPARE(m_pApp->Configure(strAppFolder, m_pFolders->Home()),
                 CApplication::ConfigResult::Ok);
        SetMakerSite("https://games.example.org");
    }
    void cleanup() {
        SetMakerSite(QString());
        SetLanguageId(kLanguageEnglish);
        m_pApp.reset();
        m_pServices.reset();
        m_pFolders.reset();
    }

    void showsTheProductAndItsMenus() {
        CMainDialog window(*m_pApp);
        QCOMPARE(window.windowTitle(), QString("Tetralyx"));
        QCOMPARE(MenuTitles(window), (QStringList{"&Game", "&Tools", "&UI", "&Music", "&Help"}));
        QCOMPARE(window.GetHelpAction()->text(), QString("&Help\tF1"));
        QCOMPARE(window.GetHelpAction()->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(window.GetAboutAction()->text(), QString("&About..."));
        const QStringList saLabels{"&English", "&Simplified Chinese (简体中文)",
                                   "&Traditional Chinese (繁體中文)"};
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(window.GetLanguageAction(n)->text(), saLabels[n]);
            QCOMPARE(window.GetLanguageAction(n)->isChecked(), n == 0);
        }
        QCOMPARE(window.findChild<CHyperLink*>("link")->GetAddress(),
                 QString("https://games.example.org/"));
        QCOMPARE(m_pApp->GetMainWindow(), &window);
        QCOMPARE(m_pApp->EnumInstances(0), 1);
    }

    void aLanguageCommandRelabelsAndStores() {
        CMainDialog window(*m_pApp);
        window.GetLanguageAction(1)->trigger();
        QCOMPARE(GetLanguageId(), kLanguageSimplifiedChinese);
        QCOMPARE(Store().ReadNumber("Shell", "LCID", 0), 2052);
        QCOMPARE(MenuTitles(window),
                 (QStringList{LocalizedText(IDS_MENU_GAME_G), LocalizedText(IDS_MENU_TOOLS_T),
                              LocalizedText(IDS_MENU_UI_U), LocalizedText(IDS_MENU_MUSIC_M),
                              LocalizedText(IDS_MENU_HELP_H)}));
        QVERIFY(MenuTitles(window)[1] != "&Tools");
        QCOMPARE(window.GetHelpAction()->text(), LocalizedText(IDS_MENU_HELP_H_F1));
        QVERIFY(window.GetLanguageAction(1)->isChecked());
        QVERIFY(!window.GetLanguageAction(0)->isChecked());
        QCOMPARE(window.findChild<CHyperLink*>("link")->GetAddress(),
                 QString("https://games.example.org/index_chs.html"));
        QCOMPARE(m_pApp->GetCompanyName(), LocalizedText(IDS_KVT_COMPANY));
        // The labels of the language items never change.
        QCOMPARE(window.GetLanguageAction(2)->text(), QString("&Traditional Chinese (繁體中文)"));

        // The current language again: nothing stored, the window still relabelled.
        Store().WriteNumber("Shell", "LCID", 7);
        window.GetLanguageAction(1)->trigger();
        QCOMPARE(Store().ReadNumber("Shell", "LCID", 0), 7);
        QVERIFY(window.GetLanguageAction(1)->isChecked());

        window.GetLanguageAction(0)->trigger();
        QCOMPARE(MenuTitles(window), (QStringList{"&Game", "&Tools", "&UI", "&Music", "&Help"}));
        QCOMPARE(Store().ReadNumber("Shell", "LCID", 0), 1033);
    }

    void theToolsMenuOpensTheCollectionManagers() {
        QVERIFY(CTestFolders::WriteFile(m_pFolders->Home() + "/ctm.ini",
                                        "[Trouble Maker]\r\nfmt 1 = 3 3 8 8,hard\r\n"));
        CMainDialog window(*m_pApp);
        QCOMPARE(window.GetCollectionAction(false)->text(), QString("T&rouble Maker..."));
        QCOMPARE(window.GetCollectionAction(true)->text(), QString("&My Favorite..."));
        for (const bool bMyFavorite : {false, true}) {
            QStringList saRows;
            CNextDialog<CCollectionManagerDialog> manager([&](CCollectionManagerDialog* pManager) {
                saRows.append(pManager->windowTitle());
                const QTreeWidget* pList = pManager->findChild<QTreeWidget*>("list");
                for (int i = 0; i < pList->topLevelItemCount(); ++i)
                    saRows.append(pList->topLevelItem(i)->text(1));
                pManager->findChild<QCheckBox*>("showSolution")->setChecked(bMyFavorite);
                pManager->accept();
            });
            window.GetCollectionAction(bMyFavorite)->trigger();
            QVERIFY(manager.Done());
            QCOMPARE(saRows, bMyFavorite ? QStringList{"My Favorite"}
                                         : (QStringList{"Trouble Maker", "3 3 8 8"}));
        }
        // The manager keeps its choices in the application's store.
        QCOMPARE(Store().ReadNumber("FM", "Show Solution", 0), 1);
    }

    void helpOpensTheContents() {
        CMainDialog window(*m_pApp);
        window.GetHelpAction()->trigger();
        QCOMPARE(Help(), QStringList{"index.html FullScreen"});
    }

    void theAboutBoxNamesProductVersionAndMaker() {
        CMainDialog window(*m_pApp);
        QString strTitle;
        QString strVersion;
        QString strLink;
        QTimer::singleShot(0, [&] {
            auto* pAbout = qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(pAbout);
            strTitle = pAbout->windowTitle();
            strVersion = pAbout->findChild<QLabel*>("version")->text();
            strLink = pAbout->GetLink()->GetAddress();
            auto* pOk = pAbout->findChild<QPushButton*>("ok");
            QCOMPARE(pOk->toolTip(), QString("OK"));
            QTest::mouseClick(pOk, Qt::LeftButton);
        });
        window.GetAboutAction()->trigger();
        QCOMPARE(strTitle, QString("About Tetralyx"));
        QVERIFY2(strVersion.contains("Tetralyx") && strVersion.contains("1.3"),
                 qPrintable(strVersion));
        QCOMPARE(strLink, QString("https://games.example.org/"));
    }

    void theStartUpKeysOpenNoWebPage() {
        CUrlRecorder browser;
        CMainDialog window(*m_pApp);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* pLink = window.findChild<CHyperLink*>("link");
        QVERIFY(pLink->isVisible());
        QVERIFY(!pLink->hasFocus());
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        for (const Key& key :
             {Key{Qt::Key_Return, Qt::NoModifier}, Key{Qt::Key_Space, Qt::NoModifier},
              Key{Qt::Key_Enter, Qt::KeypadModifier}, Key{Qt::Key_Return, Qt::ControlModifier}}) {
            QWidget* pTarget = QApplication::focusWidget();
            QTest::keyClick(pTarget ? pTarget : &window, key.key, key.modifiers);
        }
        QVERIFY(browser.m_saOpened.isEmpty());
    }

    void enterInTheAboutBoxPressesOk_data() {
        QTest::addColumn<int>("nTabs");
        QTest::newRow("as opened") << 0;
        QTest::newRow("link focused") << 1;
        QTest::newRow("back on OK") << 2;
    }
    void enterInTheAboutBoxPressesOk() {
        QFETCH(int, nTabs);
        CUrlRecorder browser;
        CMainDialog window(*m_pApp);
        bool bOkFocusedFirst = false;
        bool bLinkFocused = false;
        bool bClosedByEnter = false;
        QTimer::singleShot(0, [&] {
            auto* pAbout = qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(pAbout);
            QVERIFY(QTest::qWaitForWindowActive(pAbout));
            auto* pOk = pAbout->findChild<QPushButton*>("ok");
            bOkFocusedFirst = pOk->hasFocus() && pOk->isDefault();
            for (int n = 0; n < nTabs; ++n)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            bLinkFocused = pAbout->GetLink()->hasFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            bClosedByEnter = !pAbout->isVisible() && pAbout->result() == QDialog::Accepted;
            if (pAbout->isVisible()) pAbout->reject();
        });
        window.GetAboutAction()->trigger();
        QVERIFY(bOkFocusedFirst);
        QCOMPARE(bLinkFocused, nTabs == 1);
        QVERIFY(bClosedByEnter);
        QVERIFY(browser.m_saOpened.isEmpty());
    }

    void withoutAMakersSiteNoLinkIsShown() {
        SetMakerSite(QString());
        CMainDialog window(*m_pApp);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.findChild<CHyperLink*>("link")->isVisible());
        bool bLinkShown = true;
        QTimer::singleShot(0, [&] {
            auto* pAbout = qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(pAbout);
            bLinkShown = pAbout->GetLink()->isVisible();
            pAbout->accept();
        });
        window.GetAboutAction()->trigger();
        QVERIFY(!bLinkShown);
    }

    void theCloseRequestClosesOnlyWithItsParameters() {
        CMainDialog window(*m_pApp);
        QSignalSpy closed(&window, &CMainDialog::Closed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CInstanceServer* pServer = m_pApp->GetInstanceServer();
        QCOMPARE(pServer->GetPublishedTitle(), QString("Tetralyx"));
        emit pServer->CloseRequested(1, 3);
        emit pServer->CloseRequested(2, 1);
        QVERIFY(window.isVisible());
        QCOMPARE(closed.count(), 0);
        emit pServer->CloseRequested(1, 2);
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(pServer->GetPublishedTitle(), QString());
    }

    void aRaiseRequestActivatesTheWindow() {
        CMainDialog window(*m_pApp);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        // Through the socket, as a second start sends it.
        QVERIFY(SendRaiseRequest(m_pApp->GetInstanceServer()->GetSocketPath()));
        QTRY_VERIFY(window.isActiveWindow());
    }

    void aRaiseThatCameBeforeTheWindowIsAppliedWhenItOpens() {
        QVERIFY(SendRaiseRequest(m_pApp->GetInstanceServer()->GetSocketPath()));
        // The request arrives while no window listens.
        QTRY_VERIFY(m_pApp->GetInstanceServer()->HasPendingRaise());
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        CMainDialog window(*m_pApp);
        window.show();
        QTRY_VERIFY(window.isActiveWindow());
        QVERIFY(!m_pApp->GetInstanceServer()->TakePendingRaise());
    }

    void theReleaseNotesOpenOncePerBuild() {
        QCOMPARE(m_pApp->GetBuildDate(), QString("2004-7-23"));
        {
            CMainDialog window(*m_pApp);
            window.show();
            m_pServices->clock.Advance(CMainWindowSession::kReleaseNoteDelayMs - 1);
            QVERIFY(Help().isEmpty());
            m_pServices->clock.Advance(1);
            QCOMPARE(Help(), QStringList{"rel_note.htm ReleaseNote"});
            // Shown again (after a minimise, say): nothing new.
            window.hide();
            window.show();
            m_pServices->clock.Advance(1000);
            QCOMPARE(Help().size(), 1);
        }
        QCOMPARE(Store().ReadText("App", "Release Note 2004-7-23", ""), QString("1"));
        QCOMPARE(m_pServices->desktop.m_saOpened, QStringList{"https://games.example.org/"});
        CMainDialog again(*m_pApp);
        again.show();
        m_pServices->clock.Advance(1000);
        QCOMPARE(Help().size(), 1);
        QTRY_COMPARE(m_pServices->clock.RunningTimers(), 0);
    }
};

QTEST_MAIN(MainDialogSessionTest)
#include "maindialogsession_test.moc"
